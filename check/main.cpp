// scaffold-check [FILE]: checks a whole word list in one run and reports every
// problem as PATH:LINE: error: ... or PATH:LINE: warning: ..., each followed
// by what the line holds, then a summary line. Exit status: 0 when every entry
// the game can draw is playable, 1 when there are errors, 2 when the file
// cannot be read at all.

#include "game/WordListCheck.h"
#include "platform/FileTextInput.h"
#include "platform/ProgramFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

QString Counted(int vCount, const char *vOne, const char *vMany)
{
    return QStringLiteral("%1 %2").arg(vCount).arg(QLatin1String(vCount == 1 ? vOne : vMany));
}

QString Summary(const WordListReport &vReport)
{
    const int errors = vReport.count(Finding::Kind::Error);
    const int warnings = vReport.count(Finding::Kind::Warning);
    const QString entries = Counted(vReport.entries, "entry", "entries");
    if (errors > 0)
        return QStringLiteral("%1, %2 in %3").arg(Counted(errors, "error", "errors"),
                                                  Counted(warnings, "warning", "warnings"), entries);
    if (warnings > 0)
        return QStringLiteral("%1, all playable; %2").arg(entries, Counted(warnings, "warning", "warnings"));
    return QStringLiteral("%1, all playable").arg(entries);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scaffold-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCAFFOLD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Checks a Scaffold word list and reports every problem at once, one line each, as\n"
                           "FILE:LINE: error: ... (the game refuses some Start) or FILE:LINE: warning: ...\n"
                           "(the game plays it, but it is almost surely a mistake).\n"
                           "Exit status: 0 when every entry the game can draw is playable, 1 when there are\n"
                           "errors, 2 when the file cannot be read at all."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The word list; without it, the Vocabulary.txt that the game "
                                                "beside this program reads."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        err << "scaffold-check: give one word list at most; see --help.\n";
        return 2;
    }
    QString path;
    if (!files.isEmpty()) {
        path = files.first();
    } else {
        path = WordList::PathIn(ProgramFolder());
        if (path.isEmpty()) {
            err << "scaffold-check: the folder of this program could not be determined, so the game's word "
                   "list cannot be found; name the file to check.\n";
            return 2;
        }
    }
    const QString shownPath = QDir::toNativeSeparators(path);

    const WordListReport report = CheckWordList(&FileTextInput::open, path);
    for (const Finding &finding : report.findings) {
        const char *kind = finding.kind == Finding::Kind::Error ? "error" : "warning";
        if (finding.line > 0)
            out << shownPath << ':' << finding.line << ": " << kind << ": " << finding.text << '\n';
        else
            out << shownPath << ": " << kind << ": " << finding.text << '\n';
        if (!finding.found.isNull())
            out << "    " << WordList::Readable(finding.found) << '\n';
    }
    if (!report.readable)
        return 2;
    out << Summary(report) << '\n';
    return report.count(Finding::Kind::Error) > 0 ? 1 : 0;
}
