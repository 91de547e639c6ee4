#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

// Makes a program headless unless the caller chose a platform. A test class
// calls it from its static initMain(), which Qt Test runs before the
// application is made, and a benchmark or tool before it makes its own, so
// that none of them needs a display.
inline void Headless()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Delivers what a click posted (repaints, deferred deletes), as the event
// loop would before the next input.
inline void DeliverPosted()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}
