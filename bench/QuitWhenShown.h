#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

// For timing start-up (scripts/bench): installed on a window, quits the
// program once the window has been painted for the first time.
class QuitWhenShown : public QObject
{
protected:
    bool eventFilter(QObject *vWatched, QEvent *vEvent) override
    {
        if (vEvent->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(vWatched, vEvent);
    }
};
