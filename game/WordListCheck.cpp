#include "game/WordListCheck.h"

#include <QHash>

#include <algorithm>
#include <optional>

namespace {

Finding FromError(const WordListError &vError)
{
    return Finding{Finding::Kind::Error, vError.line, vError.problem, vError.found, vError.hint};
}

Finding Warning(int vLine, const QString &vText, const QString &vFound, const QString &vHint = QString())
{
    return Finding{Finding::Kind::Warning, vLine, vText, vFound, vHint};
}

// What the reader noticed in the bytes of a line it could read.
void AddReadingFlaws(WordListReport &vReport, int vFlaws, int vLine, const QString &vText)
{
    if (vFlaws & TextInput::MixedEncoding)
        vReport.add(Warning(vLine,
                            QStringLiteral("The line mixes two encodings: most of it is UTF-8, but some bytes "
                                           "are not, and they were read as Windows-1252."),
                            vText,
                            QStringLiteral("Check the line's curly quotes, dashes and accented letters, and save "
                                           "the file as UTF-8.")));
    if (vFlaws & TextInput::LoneSurrogate)
        vReport.add(Warning(vLine, QStringLiteral("The line holds half a UTF-16 character, shown as \"\uFFFD\"."),
                            vText, QStringLiteral("Type the damaged character again and save the file.")));
}

} // namespace

qint64 WordListReport::count(Finding::Kind vKind) const
{
    return vKind == Finding::Kind::Error ? m_errors : m_warnings;
}

void WordListReport::add(Finding vFinding, bool vAlways)
{
    (vFinding.kind == Finding::Kind::Error ? m_errors : m_warnings) += 1;
    if (vAlways || findings.size() < MaxKept)
        findings << std::move(vFinding);
}

WordListReport CheckWordList(std::unique_ptr<TextInput> vInput, const QString &vOpenError)
{
    WordListReport report;
    const std::unique_ptr<TextInput> input = std::move(vInput);
    if (!input) {
        report.readable = false;
        report.add(FromError(WordList::CannotOpen(vOpenError)));
        return report;
    }

    WordList::CountLine count;
    try {
        count.text = WordList::ReadFirstLine(*input);
    } catch (const WordListError &e) {
        report.readable = input->errorText().isEmpty(); // a read that failed, not a bad line
        report.add(FromError(e));
        return report;
    }
    // The entries a draw can reach: 1 to the count, and the first for a count of 0.
    std::optional<int> drawable;
    try {
        count.count = WordList::ParseCount(count.text);
        drawable = std::max<int>(count.count, 1);
    } catch (const WordListError &e) {
        report.add(FromError(e));
    }

    // Each word, in small letters, and the line it first stands on. No list
    // the game plays has more entries than a count can give, so words past
    // that many are not remembered: memory stays bounded on any file.
    QHash<QString, int> words;
    constexpr int MaxWords = 32768;
    // Blank lines are held back until an entry follows them: with no count to
    // go by, blank lines at the end are not entries. Only where the run of
    // them starts and its length are kept.
    int blankFrom = 0;
    int blankCount = 0;
    Finding blankFinding;
    int lastEntryLine = 1; // the last line that is not blank
    QString firstNeverDrawn; // the first entry past the drawable ones
    for (int line = 2;; ++line) {
        const int entry = line - 1;
        const bool reachable = !drawable || entry <= *drawable;
        QString text;
        const TextInput::Read read = input->readLine(text);
        if (read == TextInput::Read::End) {
            if (drawable && entry <= *drawable)
                report.add(FromError(WordList::CountBeyondEnd(count, entry - 1)), true);
            break;
        }
        if (read != TextInput::Read::Line) {
            // Past the drawable entries the game never reads, so a line it
            // could not read there is no error of the list; a file that
            // cannot be read is unreadable wherever.
            if (read == TextInput::Read::Failed)
                report.readable = false;
            if (reachable || read == TextInput::Read::Failed) {
                try {
                    WordList::ThrowReadProblem(*input, read, line);
                } catch (const WordListError &e) {
                    report.add(FromError(e));
                }
            }
            break;
        }
        const bool blank = text.trimmed().isEmpty();
        if (!blank) {
            lastEntryLine = line;
            for (int i = 0; i < blankCount; ++i) {
                blankFinding.line = blankFrom + i;
                report.add(blankFinding);
            }
            blankCount = 0;
            if (!reachable && firstNeverDrawn.isNull())
                firstNeverDrawn
                        = QStringLiteral("line %1, \"%2\"").arg(QString::number(line), WordList::Readable(text));
        }
        if (!reachable)
            continue;
        ++report.entries;
        // A blank line held back gives the same error as the first of its run.
        if (blank && !drawable && blankCount > 0) {
            ++blankCount;
            continue;
        }
        AddReadingFlaws(report, input->flaws(), line, text);
        try {
            const ListEntry checked = WordList::CheckEntry(text, line);
            for (const WordList::Remark &warning : WordList::Warnings(checked))
                report.add(Warning(line, warning.text, text, warning.hint));
            const QString key = checked.word.toLower();
            const auto first = words.constFind(key);
            if (first != words.constEnd())
                report.add(Warning(line,
                                   QStringLiteral("The word \"%1\" is also the word of line %2.")
                                           .arg(checked.word, QString::number(*first)),
                                   text, QStringLiteral("Remove one of the two entries, or change its word.")));
            else if (words.size() < MaxWords)
                words.insert(key, line);
        } catch (const WordListError &e) {
            if (blank && !drawable) {
                if (blankCount++ == 0) {
                    blankFrom = line;
                    blankFinding = FromError(e);
                    blankFinding.found = QStringLiteral("");
                }
                continue;
            }
            report.add(FromError(e));
        }
    }
    if (!drawable)
        report.entries = std::max(0, lastEntryLine - 1);
    else if (lastEntryLine - 1 > *drawable)
        report.add(Warning(1,
                           QStringLiteral("The first line says %1 entries, but %2 follow: from %3 on, "
                                          "no entry is ever drawn.")
                                   .arg(count.count)
                                   .arg(lastEntryLine - 1)
                                   .arg(firstNeverDrawn),
                           count.text,
                           QStringLiteral("Make the first line the number of entries that follow, %1.")
                                   .arg(lastEntryLine - 1)),
                   true);
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return report;
}
