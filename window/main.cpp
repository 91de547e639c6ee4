#include "platform/QtPlatform.h"
#include "window/fScaffold.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX)
    // Without a display Qt would abort with a long plugin message; say plainly what is missing.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "scaffold: no display found. Start it from a desktop session, or set DISPLAY "
                             "(for instance run it under Xvfb).\n");
        return 1;
    }
#endif
    QApplication app(argc, argv);
    // Ties the window to its menu entry, so that desktops show the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.scaffold"));
    QtPlatform platform;
    fScaffold window(platform);
    platform.setParent(&window);
    window.show();
    return app.exec();
}
