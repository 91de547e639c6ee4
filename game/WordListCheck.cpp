#include "game/WordListCheck.h"

#include <QHash>

#include <algorithm>
#include <optional>

namespace {

Finding FromError(const WordListError &vError)
{
    return Finding{Finding::Kind::Error, vError.line, vError.problem, vError.found};
}

Finding Warning(int vLine, const QString &vText, const QString &vFound)
{
    return Finding{Finding::Kind::Warning, vLine, vText, vFound};
}

} // namespace

int WordListReport::count(Finding::Kind vKind) const
{
    return int(std::count_if(findings.begin(), findings.end(), [vKind](const Finding &f) { return f.kind == vKind; }));
}

WordListReport CheckWordList(const WordList::Opener &vOpen, const QString &vPath)
{
    WordListReport report;
    std::unique_ptr<TextInput> input;
    try {
        input = WordList::Open(vOpen, vPath);
    } catch (const WordListError &e) {
        report.readable = false;
        report.findings << FromError(e);
        return report;
    }

    WordList::CountLine count;
    try {
        count.text = WordList::ReadFirstLine(*input);
    } catch (const WordListError &e) {
        report.findings << FromError(e);
        return report;
    }
    // The entries a draw can reach: 1 to the count, and the first for a count of 0.
    std::optional<int> drawable;
    try {
        count.count = WordList::ParseCount(count.text);
        drawable = std::max<int>(count.count, 1);
    } catch (const WordListError &e) {
        report.findings << FromError(e);
    }

    QHash<QString, int> words; // each word, in small letters, and the line it first stands on
    // Problems of blank lines are held back until an entry follows them: with
    // no count to go by, blank lines at the end are not entries.
    QList<Finding> blankLines;
    int lastEntryLine = 1;       // the last line that is not blank
    QString firstNeverDrawn;     // the first entry past the drawable ones
    for (int line = 2;; ++line) {
        const int entry = line - 1;
        const bool reachable = !drawable || entry <= *drawable;
        QString text;
        const TextInput::Read read = input->readLine(text);
        if (read == TextInput::Read::End) {
            if (drawable && entry <= *drawable)
                report.findings << FromError(WordList::CountBeyondEnd(count, entry - 1));
            break;
        }
        if (read != TextInput::Read::Line) {
            // Past the drawable entries the game never reads, so a line it
            // could not read there is no error of the list.
            if (reachable) {
                try {
                    WordList::ThrowReadProblem(*input, read, line);
                } catch (const WordListError &e) {
                    report.findings << FromError(e);
                }
            }
            break;
        }
        const bool blank = text.trimmed().isEmpty();
        if (!blank) {
            lastEntryLine = line;
            report.findings << blankLines;
            blankLines.clear();
            if (!reachable && firstNeverDrawn.isNull())
                firstNeverDrawn = QStringLiteral("line %1, \"%2\"").arg(line).arg(WordList::Readable(text));
        }
        if (!reachable)
            continue;
        ++report.entries;
        try {
            const ListEntry checked = WordList::CheckEntry(text, line);
            for (const QString &warning : WordList::Warnings(checked))
                report.findings << Warning(line, warning, text);
            const QString key = checked.word.toLower();
            const auto first = words.constFind(key);
            if (first != words.constEnd())
                report.findings << Warning(line, QStringLiteral("The word \"%1\" is also the word of line %2.")
                                                         .arg(checked.word)
                                                         .arg(*first),
                                           text);
            else
                words.insert(key, line);
        } catch (const WordListError &e) {
            if (blank && !drawable) {
                blankLines << FromError(e);
                continue;
            }
            report.findings << FromError(e);
        }
    }
    if (!drawable)
        report.entries = std::max(0, lastEntryLine - 1);
    else if (lastEntryLine - 1 > *drawable)
        report.findings << Warning(1,
                                   QStringLiteral("The first line says %1 entries, but %2 follow: from %3 on, "
                                                  "no entry is ever drawn.")
                                           .arg(count.count)
                                           .arg(lastEntryLine - 1)
                                           .arg(firstNeverDrawn),
                                   count.text);
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return report;
}
