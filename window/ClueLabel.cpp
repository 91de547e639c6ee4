#include "window/ClueLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

int ClueLabel::textFlags() const
{
    return int(alignment()) | Qt::TextWordWrap;
}

QString ClueLabel::shownText() const
{
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    const QString whole = text();
    const auto fits = [&](const QString &vText) {
        return metrics.boundingRect(area, textFlags(), vText).height() <= area.height();
    };
    if (area.isEmpty() || fits(whole))
        return whole;

    // Where each wrapped line starts, wrapped as the label wraps it.
    QList<int> starts;
    QTextLayout layout(whole, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        starts << line.textStart();
    }
    layout.endLayout();

    // The most whole lines that leave room for one more, cut short with an ellipsis.
    for (qsizetype last = starts.size() - 1; last > 0; --last) {
        const QString tail = metrics.elidedText(whole.mid(starts[last]), Qt::ElideRight, area.width());
        const QString shown = whole.left(starts[last]) + tail;
        if (fits(shown))
            return shown;
    }
    return metrics.elidedText(whole, Qt::ElideRight, area.width());
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
