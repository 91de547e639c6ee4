// scaffold-check [FILE]: checks a whole word list in one run and reports every
// problem as PATH:LINE: error: ... or PATH:LINE: warning: ..., each followed
// by what the line holds and how to mend it, then a summary line. Exit status:
// 0 when every entry the game can draw is playable, 1 when there are errors,
// 2 when the file cannot be read or the command line is wrong.

#include "game/WordListCheck.h"
#include "packaging/Version.h"
#include "platform/files/Console.h"
#include "platform/files/FilePath.h"
#include "platform/files/FileTextInput.h"
#include "platform/files/ProgramFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

QString Counted(qint64 vCount, const char *vOne, const char *vMany)
{
    return QStringLiteral("%1 %2").arg(QString::number(vCount), QLatin1String(vCount == 1 ? vOne : vMany));
}

QString Summary(const WordListReport &vReport)
{
    const qint64 errors = vReport.count(Finding::Kind::Error);
    const qint64 warnings = vReport.count(Finding::Kind::Warning);
    const QString entries = Counted(vReport.entries, "entry", "entries");
    if (errors > 0)
        return QStringLiteral("%1, %2 in %3")
                .arg(Counted(errors, "error", "errors"), Counted(warnings, "warning", "warnings"), entries);
    if (warnings > 0)
        return QStringLiteral("%1, all playable; %2").arg(entries, Counted(warnings, "warning", "warnings"));
    return QStringLiteral("%1, all playable").arg(entries);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scaffold-check"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::Number));

    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Checks a Scaffold word list and reports every problem at once, one line each, as\n"
                           "FILE:LINE: error: ... (the game refuses some Start) or FILE:LINE: warning: ...\n"
                           "(the game plays it, but it is almost surely a mistake).\n"
                           "Below each problem come the line as read and a hint on how to mend it.\n"
                           "Exit status: 0 when every entry the game can draw is playable, 1 when there are\n"
                           "errors, 2 when the file cannot be read or the command line is wrong."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The word list; without it, the Vocabulary.txt that the game "
                                                "beside this program reads."),
                                 QStringLiteral("[FILE]"));

    // The report is written at once, through the console's own way on Windows.
    QString written;
    QTextStream out(&written);
    const auto fail = [](const QString &vText) {
        Console::Write(Console::Stream::Err, QStringLiteral("scaffold-check: ") + vText + u'\n');
        return 2;
    };
    // Not parser.process(): it ends with status 1 on an unknown option, the
    // status of a list with errors.
    if (!parser.parse(QCoreApplication::arguments())) {
        return fail(parser.errorText() + QStringLiteral(" See --help."));
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    // The file's name as the system gives it: the arguments Qt decodes lose
    // bytes that are not UTF-8 on Linux, and with them a Latin-1 name.
    QList<FilePath::Native> files;
    bool optionsEnd = false;
    const std::vector<FilePath::Native> arguments = FilePath::Arguments(argc, argv);
    for (size_t i = 1; i < arguments.size(); ++i) {
        const QString argument = FilePath::ToText(arguments[i]);
        if (!optionsEnd && argument == QLatin1String("--"))
            optionsEnd = true;
        else if (optionsEnd || !argument.startsWith(u'-') || argument == QLatin1String("-"))
            files << arguments[i];
    }
    if (files.size() > 1) {
        return fail(QStringLiteral("give one word list at most; see --help."));
    }
    FilePath::Native path;
    if (!files.isEmpty()) {
        path = files.first();
    } else {
        path = FilePath::WordListIn(FilePath::FromText(ProgramFolder()));
        if (path.empty()) {
            return fail(QStringLiteral("the folder of this program could not be determined, so the game's word "
                                       "list cannot be found; name the file to check."));
        }
    }
    // The installed list is a link into /etc: the file to edit is its target.
    const QString shownPath = FilePath::Shown(FilePath::Resolved(path));

    QString why;
    std::unique_ptr<TextInput> input = FileTextInput::open(path, why);
    const WordListReport report = CheckWordList(std::move(input), why);
    for (const Finding &finding : report.findings) {
        const char *kind = finding.kind == Finding::Kind::Error ? "error" : "warning";
        if (finding.line > 0)
            out << shownPath << ':' << finding.line << ": " << kind << ": " << finding.text << '\n';
        else
            out << shownPath << ": " << kind << ": " << finding.text << '\n';
        if (!finding.found.isNull())
            out << "    " << WordList::Readable(finding.found) << '\n';
        if (!finding.hint.isEmpty())
            out << "    hint: " << finding.hint << '\n';
    }
    if (report.omitted() > 0)
        out << "... and " << Counted(report.omitted(), "more problem", "more problems")
            << " not shown; mend those above and check again.\n";
    if (report.readable)
        out << Summary(report) << '\n';
    out.flush();
    Console::Write(Console::Stream::Out, written);
    if (!report.readable)
        return 2;
    return report.count(Finding::Kind::Error) > 0 ? 1 : 0;
}
