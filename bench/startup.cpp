// The game as a player starts it, built from the same libraries, except that
// it quits once its window has been painted for the first time: what
// bench_process times. The shipped program has no such hook.

#include "bench/QuitWhenShown.h"
#include "platform/QtPlatform.h"
#include "window/fScaffold.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.scaffold"));
    QtPlatform platform;
    fScaffold window(platform);
    platform.setParent(&window);
    QuitWhenShown quitWhenShown;
    window.installEventFilter(&quitWhenShown);
    window.show();
    return app.exec();
}
