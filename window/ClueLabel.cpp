#include "window/ClueLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>

namespace {

constexpr QChar Ellipsis(0x2026);

// The first vLength characters of vText, one fewer when that would split a
// surrogate pair.
QString LeftWhole(QStringView vText, qsizetype vLength)
{
    if (vLength >= vText.size())
        return vText.toString();
    if (vLength > 0 && vText.at(vLength - 1).isHighSurrogate())
        --vLength;
    return vText.left(vLength).toString();
}

// How the label's lines fall: where each starts, and whether it is wider than
// the label (a run with no place to break, which word wrapping leaves whole).
struct Line
{
    qsizetype start;
    qsizetype length;
    bool tooWide;
};

} // namespace

int ClueLabel::textFlags() const
{
    return int(alignment()) | Qt::TextWordWrap;
}

QString ClueLabel::shownText() const
{
    const QString whole = text();
    const QRect area = contentsRect();
    // The same text is the same buffer, which m_shown keeps from changing.
    if (whole.constData() != m_shown.text.constData() || whole.size() != m_shown.text.size() || area != m_shown.area
        || font() != m_shown.font)
        m_shown = {whole, area, font(), layOut()};
    return m_shown.shown;
}

QString ClueLabel::layOut() const
{
    const QRect area = contentsRect();
    const QString whole = text();
    if (area.isEmpty() || whole.isEmpty())
        return whole;
    const QFontMetrics metrics(font());
    const qreal leading = metrics.leading();

    // The lines of a start of the text, laid out as QStyle::drawItemText
    // lays out the label (leading before each line); the shown lines are those
    // whose bottom is inside the label. The start is long enough once its
    // lines run two past the shown ones: the last shown line then ends where
    // it ends in the whole text, as no word beyond the start can join it.
    QList<Line> lines;
    qsizetype shown = 0;
    bool complete = false;
    // First a start of the length that should fill the label and two lines
    // more, at a generous width per character; longer ones if it does not.
    const qsizetype lineCount = area.height() / qMax(1, metrics.lineSpacing()) + 3;
    const qsizetype lineLength = 2 * area.width() / qMax(1, metrics.averageCharWidth()) + 1;
    for (qsizetype length = lineCount * lineLength;; length *= 2) {
        const QString start = length >= whole.size() ? whole : LeftWhole(whole, length);
        complete = start.size() == whole.size();
        QTextLayout layout(start, font());
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        lines.clear();
        shown = 0;
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            height += leading;
            line.setPosition(QPointF(0, height));
            height += line.height();
            lines.append({line.textStart(), line.textLength(), line.naturalTextWidth() > area.width()});
            if (height <= area.height())
                shown = lines.size();
            else if (lines.size() > shown + 1)
                break;
        }
        layout.endLayout();
        if (complete || lines.size() > shown + 1)
            break;
    }

    // Whole when every line shows and none is too wide.
    qsizetype cut = shown;
    bool tooWide = false;
    for (qsizetype i = 0; i < shown && !tooWide; ++i) {
        tooWide = lines.at(i).tooWide;
        cut = i + 1;
    }
    if (!tooWide && complete && shown == lines.size())
        return whole;

    // The lines before the last one shown, then the last one cut short with an
    // ellipsis, which always shows: the line is elided with the next one
    // and an ellipsis after them.
    const qsizetype last = qMax<qsizetype>(cut, 1) - 1;
    const Line &line = lines.at(last);
    qsizetype tailLength = line.length;
    if (last + 1 < lines.size())
        tailLength += lines.at(last + 1).length;
    const QString tail = LeftWhole(QStringView(whole).mid(line.start), qMax<qsizetype>(tailLength, 1));
    return whole.left(line.start) + metrics.elidedText(tail + Ellipsis, Qt::ElideRight, area.width());
}

QString ClueLabel::toolTipFor(const QString &vText)
{
    if (vText.isEmpty())
        return QString();
    QString shown = LeftWhole(vText, ToolTipLength);
    if (shown.size() < vText.size())
        shown += Ellipsis;
    // Rich text whose every character is escaped: a "<b>" in a clue shows as
    // itself, as it does on the label, and the tooltip still wraps its lines.
    return Qt::convertFromPlainText(shown, Qt::WhiteSpaceNormal);
}

void ClueLabel::paintEvent(QPaintEvent *vEvent)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(vEvent);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), textFlags(), palette(), isEnabled(), shown, foregroundRole());
}
