#include "window/Startup.h"

#include "packaging/Version.h"
#include "platform/files/Console.h"
#include "platform/files/FilePath.h"
#include "platform/qt/QtPlatform.h"
#include "platform/seam/Checker.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// What the help names that differs between systems. On Windows the game is
// one folder, wherever it was unpacked or installed, with the levels beside
// the program; elsewhere the installed places come from the install folders
// the build is configured with (packaging/Version.h).
struct HelpPlaces
{
    QString program;
    QString installedList; // after "Vocabulary.txt", inside its brackets
    QString levels; // the sentence that introduces the levels
    QString levelsFolder; // with its separator
    QString qtOption; // a second option of Qt's, beside -platform NAME
};

HelpPlaces Places()
{
#if defined(Q_OS_WIN)
    return {QStringLiteral("scaffold.exe"), QString(),
            QStringLiteral("The game ships three levels, in the folder lists\n"
                           "                 beside the program:"),
            QStringLiteral("lists\\"), QStringLiteral("-style NAME")};
#else
    return {QStringLiteral("scaffold"),
            QStringLiteral("; for the installed game the file\n                 ")
                    + QString::fromUtf8(Installed::WordList),
            QStringLiteral("The installed game ships three levels:"), QString::fromUtf8(Installed::LevelsFolder) + u'/',
            QStringLiteral("-display DISPLAY")};
#endif
}

QString HelpText()
{
    const HelpPlaces places = Places();
    return QStringLiteral("Usage: %1 [FILE]\n"
                          "A word game that trains your vocabulary: guess a hidden word from its meaning,\n"
                          "one letter at a time.\n"
                          "\n"
                          "  FILE           play the word list FILE instead of the one beside the program\n"
                          "                 (Vocabulary.txt%2).\n"
                          "                 FILE is read afresh at every Start, and every message\n"
                          "                 names it. %3\n"
                          "                   %4beginner.txt\n"
                          "                   %4intermediate.txt (also the default)\n"
                          "                   %4advanced.txt\n"
                          "  -h, --help     show this help and end\n"
                          "  -v, --version  show the version and end\n"
                          "\n"
                          "Qt's own options, such as -platform NAME and %5, are accepted.\n"
                          "%6 FILE reports every problem of a word list at once.\n")
            .arg(places.program, places.installedList, places.levels, places.levelsFolder, places.qtOption,
                 Checker::Program());
}

const char *const FromADesktop = "start Scaffold from a desktop session (or, without one, under Xvfb).";

void Say(const QString &vText)
{
    Console::Write(Console::Stream::Err, QStringLiteral("scaffold: ") + vText + u'\n');
}

struct CommandLine
{
    bool help = false;
    bool version = false;
    bool platformGiven = false; // -platform or -display: Qt is told where to show the window
    QString wordList;
    QString error;
};

// Read before Qt starts, so that --help and a wrong command line need no
// display. Qt's own options are accepted here with their values and read
// again by QApplication, which takes them out of argv.
CommandLine ReadCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (const FilePath::Native &argument : FilePath::Arguments(argc, argv))
        arguments << FilePath::ToText(argument);
    QCommandLineParser parser;
    // Qt's options have one dash: "-platform xcb", not "-p -l -a ...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : {"platform", "display", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowtitle", "qwindowicon", "geometry", "title", "style", "stylesheet", "session"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        if (line.error.endsWith(u'.'))
            line.error.chop(1);
        return line;
    }
    line.help = parser.isSet(help);
    line.version = parser.isSet(version);
    line.platformGiven = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        line.error = QStringLiteral("give one word list at most");
    else if (!files.isEmpty())
        line.wordList = files.first();
    return line;
}

// Qt's messages while the application starts: held back, and printed once
// the start has gone well. A fatal one means that no platform plugin could
// start; the player is told which and why, in one sentence, instead of Qt's
// advice to reinstall, and the program ends with status 1.
QStringList g_startUpMessages;

QString WhyNoPlatform(const QString &vFatal)
{
    static const QRegularExpression unreachable(QStringLiteral("could not connect to display ?(.*)$"));
    static const QRegularExpression missing(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression failed(QStringLiteral("Could not load the Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression available(QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?\\s*$"));
    QString plugin;
    QString display;
    bool notInstalled = false;
    QString reason;
    for (const QString &message : std::as_const(g_startUpMessages)) {
        if (const auto m = unreachable.match(message); m.hasMatch())
            display = m.captured(1).trimmed();
        else if (const auto m = missing.match(message); m.hasMatch()) {
            plugin = m.captured(1);
            notInstalled = true;
        } else if (const auto m = failed.match(message); m.hasMatch())
            plugin = m.captured(1);
        else
            reason = message.simplified();
    }
    const QString installed = available.match(vFatal).captured(1);
    if (notInstalled) {
        // Debian's Qt keeps the Wayland plugin in a package of its own.
        const QString package = plugin == QLatin1String("wayland") ? QStringLiteral(" (package qt6-wayland)")
                                                                   : QString();
        return QStringLiteral("the platform plugin \"%1\" is not installed (installed: %2); install it%3, or %4")
                .arg(plugin, installed.isEmpty() ? QStringLiteral("none") : installed, package,
                     QString::fromLatin1(FromADesktop));
    }
    if (!display.isEmpty() || (plugin == QLatin1String("xcb") && reason.isEmpty()))
        return QStringLiteral("the display %1 could not be reached by the platform plugin \"%2\"; %3")
                .arg(display.isEmpty() ? QStringLiteral("named by DISPLAY") : display, plugin,
                     QString::fromLatin1(FromADesktop));
    if (!plugin.isEmpty())
        return QStringLiteral("the platform plugin \"%1\" could not start%2; %3")
                .arg(plugin, reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + u')',
                     QString::fromLatin1(FromADesktop));
    return QStringLiteral("no display found that it can open a window on (%1); %2")
            .arg(vFatal.simplified(), QString::fromLatin1(FromADesktop));
}

void StartUpMessages(QtMsgType vType, const QMessageLogContext &, const QString &vMessage)
{
    if (vType != QtFatalMsg) {
        g_startUpMessages << vMessage;
        return;
    }
    Say(WhyNoPlatform(vMessage));
    std::_Exit(1);
}

} // namespace

int RunScaffold(int argc, char *argv[], const std::function<void(QWidget &)> &vBeforeShow)
{
    const CommandLine line = ReadCommandLine(argc, argv);
    if (!line.error.isEmpty()) {
        Say(line.error + QStringLiteral("; see scaffold --help."));
        return 2;
    }
    if (line.help) {
        Console::Write(Console::Stream::Out, HelpText());
        return 0;
    }
    if (line.version) {
        Console::Write(Console::Stream::Out, QStringLiteral("scaffold %1\n").arg(QString::fromLatin1(Version::Number)));
        return 0;
    }
#if defined(Q_OS_LINUX)
    if (!line.platformGiven && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")
        && !std::getenv("QT_QPA_PLATFORM")) {
        Say(QStringLiteral("no display found that it can open a window on; ") + QString::fromLatin1(FromADesktop));
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
    g_startUpMessages.clear();

    QtPlatform platform;
    platform.chooseWordList(line.wordList);
    fScaffold window(platform);
    platform.setParent(&window);
    if (vBeforeShow)
        vBeforeShow(window);
    window.show();
    return app.exec();
}
