#pragma once

#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

// For timing start-up (scripts/bench): installed on a window, ends the
// program once the window has been painted for the first time. It ends it at
// once, without tearing the window down, so that the time measured is the
// start-up alone, for the game and for its floor alike.
class QuitWhenShown : public QObject
{
protected:
    bool eventFilter(QObject *vWatched, QEvent *vEvent) override
    {
        if (vEvent->type() == QEvent::Paint)
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        return QObject::eventFilter(vWatched, vEvent);
    }
};
