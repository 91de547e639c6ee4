#include "platform/QtPlatform.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void SayNoDisplay()
{
    std::fprintf(stderr, "scaffold: no display found that it can open a window on; start Scaffold from a "
                         "desktop session (or, without one, under Xvfb).\n");
}

QStringList g_startUpMessages;

// While the application starts, a fatal message from Qt means it found no
// display it can use (none reachable, or no platform plugin that loads). Qt
// would abort with a message about reinstalling; the player is told plainly,
// in one sentence, and the program ends with status 1. Other messages wait
// until the start has gone well.
void StartUpMessages(QtMsgType vType, const QMessageLogContext &, const QString &vMessage)
{
    if (vType != QtFatalMsg) {
        g_startUpMessages << vMessage;
        return;
    }
    SayNoDisplay();
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX)
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        SayNoDisplay();
        return 1;
    }
#endif
    // The window's class on X11 (the application's name, "scaffold") and
    // its app id elsewhere tie it to its menu entry, so that desktops show the
    // entry's name and icon.
    QCoreApplication::setApplicationName(QStringLiteral("scaffold"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.scaffold"));
    const QtMessageHandler previous = qInstallMessageHandler(StartUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(g_startUpMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    QtPlatform platform;
    fScaffold window(platform);
    platform.setParent(&window);
    window.show();
    return app.exec();
}
