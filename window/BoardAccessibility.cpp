#include "window/BoardAccessibility.h"

#include "platform/Controls.h"
#include "window/ClickLabel.h"

#include <QAccessibleWidget>
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

// A part of the board read as one whole: its name says everything, and the
// widgets inside it (the cells of the word, the pieces of the drawing) are
// not read one by one.
class WholeInterface : public QAccessibleWidget
{
public:
    WholeInterface(QWidget *vWidget, QAccessible::Role vRole) : QAccessibleWidget(vWidget, vRole) { }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

// A container that lists only the children a player can see, leaving out
// those named in vLeftOut, whose content another control reads.
class ContainerInterface : public QAccessibleWidget
{
public:
    ContainerInterface(QWidget *vWidget, QAccessible::Role vRole, QStringList vLeftOut = {})
        : QAccessibleWidget(vWidget, vRole), m_leftOut(std::move(vLeftOut))
    {
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
            if (child && !child->isWindow() && !child->isHidden() && !m_leftOut.contains(child->objectName()))
                children << child;
        }
        return children;
    }

    QStringList m_leftOut;
};

QAccessibleInterface *Factory(const QString &vClass, QObject *vObject)
{
    auto *widget = qobject_cast<QWidget *>(vObject);
    if (!widget)
        return nullptr;
    const QString name = widget->objectName();
    if (vClass == QLatin1String("ClickLabel"))
        return new LetterCellInterface(static_cast<ClickLabel *>(widget));
    if (vClass == QLatin1String("BoardFrame")) {
        if (name == Controls::fScaffold1)
            return new WholeInterface(widget, QAccessible::Graphic);
        if (name == Controls::Frame1)
            return new WholeInterface(widget, QAccessible::StaticText);
        if (name == Controls::fLetters)
            return new ContainerInterface(widget, QAccessible::Grouping);
    }
    if (vClass == QLatin1String("QWidget") && name == QLatin1String("client"))
        return new ContainerInterface(widget, QAccessible::Client, {Controls::lChances1});
    return nullptr;
}

} // namespace

void BoardAccessibility::install()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(Factory); });
}

QString BoardAccessibility::chancesName(const QString &vCaption, const QString &vChances)
{
    return vCaption + u' ' + vChances;
}

QString BoardAccessibility::wordName(const QStringList &vCellsInPlay)
{
    if (vCellsInPlay.isEmpty())
        return QStringLiteral("No word yet");
    const qsizetype count = vCellsInPlay.size();
    return vCellsInPlay.join(u' ') + QStringLiteral(", %1 letter%2").arg(count).arg(count == 1 ? "" : "s");
}

QString BoardAccessibility::figureName(int vPartsShown)
{
    return QStringLiteral("%1 of %2 parts of the figure").arg(vPartsShown).arg(Controls::ChanceCount);
}
