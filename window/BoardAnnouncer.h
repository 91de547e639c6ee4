#pragma once

#include <QList>
#include <QString>

struct BoardWidgets;
class ClueLabel;
class Notifier;
class QAccessibleEvent;
class QWidget;

// Tells a screen reader what changed on the board after each handler: the
// parts read as one whole (the drawing, the word row, the chances) whose
// names changed since it was last told, and a clue cut short, which is made
// whole in its tooltip and description. A move the window expects to be told
// is spoken as one sentence through a notification, made from those names as
// the board stands when it is told.
class BoardAnnouncer
{
public:
    // How a change is told to a screen reader: QAccessible::updateAccessibility.
    using Tell = void (*)(QAccessibleEvent *);

    explicit BoardAnnouncer(const BoardWidgets &vBoard, Tell vTell = nullptr);
    ~BoardAnnouncer();

    enum class Move { None, NewWord, Guess };
    // The move the next announce() speaks: a new word, or a guess of vLetter.
    void expect(Move vMove, const QString &vLetter = QString());
    // Sends a name change for each followed part whose name is not the one
    // last told, then speaks the move expected, if any.
    void announce();

    // Speaks vSentence at once.
    void say(const QString &vSentence);

    // What Start says of how to play, where a screen reader looks first.
    static const QString HowToPlay;

private:
    using NameOf = QString (*)(const QWidget *);
    struct Told
    {
        QWidget *widget;
        NameOf name;
        QString last; // the name a screen reader was last told
    };
    QString sentence(bool vChancesChanged) const;

    ClueLabel *m_clue;
    QWidget *m_drawing;
    QWidget *m_wordRow;
    QWidget *m_chances;
    Notifier *m_notifier;
    Tell m_tell;
    QList<Told> m_told;
    Move m_move = Move::None;
    QString m_letter;
};
