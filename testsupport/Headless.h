#pragma once

#include <QByteArray>
#include <QtGlobal>

// Makes a widget test headless unless the caller chose a platform: a test
// class calls it from its static initMain(), which Qt Test runs before the
// application is made, so that a test binary run from a shell needs no display.
inline void Headless()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
