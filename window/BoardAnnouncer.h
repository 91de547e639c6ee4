#pragma once

#include <QList>
#include <QString>

class ClueLabel;
class QWidget;

// Tells a screen reader what changed on the board after each handler: the
// parts read as one whole (the drawing, the word row, the chances) whose
// names changed since it was last told, and a clue cut short, which is made
// whole in its tooltip and description.
class BoardAnnouncer
{
public:
    using NameOf = QString (*)(const QWidget *);

    explicit BoardAnnouncer(ClueLabel *vClue) : m_clue(vClue) { }

    // Follows vWidget, whose name a screen reader reads as vName reads it.
    void follow(QWidget *vWidget, NameOf vName);
    // Sends a name change for each followed part whose name is not the one
    // last told.
    void announce();

private:
    struct Told
    {
        QWidget *widget;
        NameOf name;
        QString last; // the name a screen reader was last told
    };
    ClueLabel *m_clue;
    QList<Told> m_told;
};
