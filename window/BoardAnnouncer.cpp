#include "window/BoardAnnouncer.h"

#include "window/BoardAccessibility.h"
#include "window/BoardBuilder.h"
#include "window/ClueLabel.h"
#include "window/Notifier.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

const QString BoardAnnouncer::HowToPlay = QStringLiteral("Type letters A to Z to guess the word.");

BoardAnnouncer::BoardAnnouncer(const BoardWidgets &vBoard, Tell vTell)
    : m_clue(vBoard.clue),
      m_drawing(vBoard.drawing),
      m_wordRow(vBoard.wordRow),
      m_chances(vBoard.chances),
      m_notifier(new Notifier(vBoard.clue->parentWidget())),
      m_tell(vTell ? vTell : &QAccessible::updateAccessibility)
{
    // The names as the board shows them now: nothing has changed yet to tell.
    for (auto [widget, name] : {std::pair{m_drawing, &BoardAccessibility::figureName},
                                {m_wordRow, &BoardAccessibility::wordName},
                                {m_chances, &BoardAccessibility::chancesName}})
        m_told.append({widget, name, name(widget)});
}

BoardAnnouncer::~BoardAnnouncer() = default;

void BoardAnnouncer::expect(Move vMove, const QString &vLetter)
{
    m_move = vMove;
    m_letter = vLetter;
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
    bool chancesChanged = false;
    for (Told &told : m_told) {
        const QString name = told.name(told.widget);
        if (name == told.last)
            continue;
        told.last = name;
        chancesChanged |= told.widget == m_chances;
        QAccessibleEvent changed(told.widget, QAccessible::NameChanged);
        m_tell(&changed);
    }
    if (m_move == Move::None)
        return;
    const QString spoken = sentence(chancesChanged);
    m_move = Move::None;
    say(spoken);
}

void BoardAnnouncer::say(const QString &vSentence)
{
    m_notifier->say(vSentence);
}

QString BoardAnnouncer::sentence(bool vChancesChanged) const
{
    using namespace BoardAccessibility;
    if (m_move == Move::NewWord)
        return QStringLiteral("New word, %1. %2. %3").arg(wordSize(m_wordRow), m_clue->text(), HowToPlay);
    // A guess that costs a chance is a miss; the drawing tells how far it went.
    if (vChancesChanged)
        return QStringLiteral("%1 is not in the word. %2. %3.")
                .arg(m_letter, chancesName(m_chances), figureName(m_drawing));
    return QStringLiteral("%1 is in the word: %2.").arg(m_letter, wordCells(m_wordRow));
}
