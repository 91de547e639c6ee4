#include "window/BoardAccessibility.h"

#include "platform/seam/Controls.h"
#include "window/ClickLabel.h"
#include "window/Notifier.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QStringList>
#include <QWidget>

#include <mutex>

namespace {

// A letter cell: a button named by its letter. Pressing it is a click, which
// the cell refuses while hidden or disabled.
class LetterCellInterface : public QAccessibleWidget
{
public:
    explicit LetterCellInterface(ClickLabel *vCell) : QAccessibleWidget(vCell, QAccessible::Button) { }

    QString text(QAccessible::Text vText) const override
    {
        if (vText == QAccessible::Name && widget()->accessibleName().isEmpty())
            return cell()->text();
        return QAccessibleWidget::text(vText);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &vAction) override
    {
        if (vAction == pressAction())
            cell()->click();
    }
    // The letter typed on the keyboard plays the same guess.
    QStringList keyBindingsForAction(const QString &vAction) const override
    {
        return vAction == pressAction() ? QStringList{cell()->text()} : QStringList();
    }

private:
    ClickLabel *cell() const { return static_cast<ClickLabel *>(widget()); }
};

using NameOf = QString (*)(const QWidget *);

// A part of the board read as one whole: its name, read off the board when
// asked, says everything, and the widgets inside it (the cells of the word,
// the pieces of the drawing) are not read one by one. Its caption is its
// description.
class WholeInterface : public QAccessibleWidget
{
public:
    WholeInterface(QWidget *vWidget, QAccessible::Role vRole, NameOf vName, QString vDescription = QString())
        : QAccessibleWidget(vWidget, vRole), m_name(vName), m_description(std::move(vDescription))
    { }

    QString text(QAccessible::Text vText) const override
    {
        if (vText == QAccessible::Name)
            return m_name(widget());
        if (vText == QAccessible::Description && !m_description.isEmpty())
            return m_description;
        return QAccessibleWidget::text(vText);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

private:
    NameOf m_name;
    QString m_description;
};

// A container that lists only the children a player can see, leaving out
// those named in vLeftOut, whose content another control reads. A non-empty
// vName is its name.
class ContainerInterface : public QAccessibleWidget
{
public:
    ContainerInterface(QWidget *vWidget, QAccessible::Role vRole, QStringList vLeftOut = {}, QString vName = {})
        : QAccessibleWidget(vWidget, vRole), m_leftOut(std::move(vLeftOut)), m_name(std::move(vName))
    { }

    QString text(QAccessible::Text vText) const override
    {
        if (vText == QAccessible::Name && !m_name.isEmpty())
            return m_name;
        return QAccessibleWidget::text(vText);
    }
    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int vIndex) const override
    {
        const QList<QWidget *> children = shown();
        return vIndex >= 0 && vIndex < children.size() ? QAccessible::queryAccessibleInterface(children[vIndex])
                                                       : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *vChild) const override
    {
        return vChild ? int(shown().indexOf(qobject_cast<QWidget *>(vChild->object()))) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            // A notification is spoken as it comes, not read with the board.
            if (child && !child->isWindow() && !child->isHidden() && !m_leftOut.contains(child->objectName())
                && !qobject_cast<Notifier *>(child))
                children << child;
        }
        return children;
    }

    QStringList m_leftOut;
    QString m_name;
};

// Chooses the board's interfaces by the widget's type and its name on the
// board. Qt asks once for each class from the widget's own up to QObject, and
// this factory is asked before Qt's own, so the first answer holds.
QAccessibleInterface *Factory(const QString &, QObject *vObject)
{
    auto *widget = qobject_cast<QWidget *>(vObject);
    if (!widget)
        return nullptr;
    const QString name = widget->objectName();
    if (auto *cell = qobject_cast<ClickLabel *>(widget))
        return new LetterCellInterface(cell);
    // Named with the sentence it speaks.
    if (qobject_cast<Notifier *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (qobject_cast<QGroupBox *>(widget)) {
        if (name == Controls::fScaffold1)
            return new WholeInterface(widget, QAccessible::Graphic, BoardAccessibility::figureName,
                                      Controls::GallowsCaption);
        if (name == Controls::Frame1)
            return new WholeInterface(widget, QAccessible::StaticText, BoardAccessibility::wordName,
                                      Controls::WordCaption);
        if (name == Controls::fLetters)
            return new ContainerInterface(widget, QAccessible::Grouping, {}, Controls::LettersCaption);
        return nullptr;
    }
    if (qobject_cast<QLabel *>(widget))
        return name == Controls::lChances
                ? new WholeInterface(widget, QAccessible::StaticText, BoardAccessibility::chancesName)
                : nullptr;
    // The main window's client area, which holds the board.
    auto *window = qobject_cast<QMainWindow *>(widget->parentWidget());
    if (window && window->centralWidget() == widget && widget->metaObject() == &QWidget::staticMetaObject)
        return new ContainerInterface(widget, QAccessible::Client, {Controls::lChances1});
    return nullptr;
}

} // namespace

void BoardAccessibility::install()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(Factory); });
}

QString BoardAccessibility::chancesName(const QWidget *vChances)
{
    // The caption and, beside it, the number.
    const auto *caption = qobject_cast<const QLabel *>(vChances);
    const auto *number = vChances->parentWidget()->findChild<const QLabel *>(Controls::lChances1);
    return caption->text() + u' ' + (number ? number->text() : QString());
}

namespace {

// The word's cells in play, as they show now.
QStringList CellsInPlay(const QWidget *vWordRow)
{
    QStringList inPlay;
    for (int i = 0; i < Controls::WordCellCount; ++i) {
        const auto *cell = vWordRow->findChild<const QLabel *>(Controls::Element(Controls::lWord, i));
        if (cell && !cell->isHidden())
            inPlay << cell->text();
    }
    return inPlay;
}

bool ToGuess(const QString &vCell)
{
    return vCell == Controls::Unrevealed || (vCell.size() == 1 && vCell.at(0) >= u'A' && vCell.at(0) <= u'Z');
}

// A cell as a word a screen reader speaks: read as punctuation, "_" would be
// "line" and a blank nothing at all.
QString Spoken(const QString &vCell)
{
    if (vCell == Controls::Unrevealed)
        return QStringLiteral("blank");
    if (vCell == QLatin1String(" "))
        return QStringLiteral("space");
    if (vCell == QLatin1String("-"))
        return QStringLiteral("hyphen");
    if (vCell == QLatin1String("'"))
        return QStringLiteral("apostrophe");
    return vCell;
}

} // namespace

QString BoardAccessibility::wordSize(const QWidget *vWordRow)
{
    // The letters to guess in each of the word's words; a blank parts them.
    QList<int> counts{0};
    for (const QString &cell : CellsInPlay(vWordRow)) {
        if (cell == QLatin1String(" "))
            counts << 0;
        else
            counts.last() += ToGuess(cell);
    }
    counts.removeAll(0);
    if (counts.isEmpty())
        return QString();
    const int last = counts.takeLast();
    const QString letters = last == 1 && counts.isEmpty() ? QStringLiteral("1 letter")
                                                          : QStringLiteral("%1 letters").arg(last);
    if (counts.isEmpty())
        return letters;
    QStringList first;
    for (int count : std::as_const(counts))
        first << QString::number(count);
    return QStringLiteral("%1 words, %2 and %3").arg(counts.size() + 1).arg(first.join(QStringLiteral(", ")), letters);
}

QString BoardAccessibility::wordCells(const QWidget *vWordRow)
{
    QStringList spoken;
    for (const QString &cell : CellsInPlay(vWordRow))
        spoken << Spoken(cell);
    return spoken.join(u' ');
}

QString BoardAccessibility::wordName(const QWidget *vWordRow)
{
    const QString cells = wordCells(vWordRow);
    return cells.isEmpty() ? QStringLiteral("No word yet") : cells + QStringLiteral(", ") + wordSize(vWordRow);
}

QString BoardAccessibility::figureName(const QWidget *vDrawing)
{
    int shown = 0;
    for (const QString &part : Controls::FigureParts) {
        const auto *widget = vDrawing->findChild<const QWidget *>(part);
        shown += widget && !widget->isHidden();
    }
    return QStringLiteral("%1 of %2 parts of the figure").arg(shown).arg(Controls::ChanceCount);
}
