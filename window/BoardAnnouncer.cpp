#include "window/BoardAnnouncer.h"

#include "window/ClueLabel.h"

#include <QAccessible>

void BoardAnnouncer::follow(QWidget *vWidget, NameOf vName)
{
    // The name as the board shows it now: nothing has changed yet to tell.
    m_told.append({vWidget, vName, vName(vWidget)});
}

void BoardAnnouncer::announce()
{
    // A clue cut short is whole in its description, and in its tooltip as
    // plain text up to a length a tooltip can show.
    const QString whole = m_clue->isCut() ? m_clue->text() : QString();
    if (m_clue->accessibleDescription() != whole) {
        m_clue->setToolTip(ClueLabel::toolTipFor(whole));
        m_clue->setAccessibleDescription(whole);
    }
    for (Told &told : m_told) {
        const QString name = told.name(told.widget);
        if (name == told.last)
            continue;
        told.last = name;
        QAccessibleEvent changed(told.widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
