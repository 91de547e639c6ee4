#include "game/WordList.h"

#include "platform/Controls.h"

#include <QHash>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

const QString EntryHint = QStringLiteral(
        "A correct entry is the word, \"=\" and its meaning, for instance apple=a sweet fruit.");
const QString CountHint = QStringLiteral(
        "The first line is the number of entries that follow, a whole number such as 25.");

// The character of vText at vAt, a surrogate pair read as one; vWidth gets
// how many QChars it takes.
char32_t CodePointAt(const QString &vText, qsizetype vAt, qsizetype &vWidth)
{
    const QChar ch = vText.at(vAt);
    if (ch.isHighSurrogate() && vAt + 1 < vText.size() && vText.at(vAt + 1).isLowSurrogate()) {
        vWidth = 2;
        return QChar::surrogateToUcs4(ch, vText.at(vAt + 1));
    }
    vWidth = 1;
    return ch.unicode();
}

// Characters that are not shown but act on the text around them: controls
// (a tab, a NUL), format characters (a direction override, a zero-width
// joiner) and the line and paragraph separators.
bool IsInvisible(char32_t vCharacter)
{
    // The ASCII ones are the controls; the rest needs the Unicode tables.
    if (vCharacter < 0x80)
        return vCharacter < 0x20 || vCharacter == 0x7F;
    switch (QChar::category(vCharacter)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// vText with each invisible character replaced: a blank for one that spaces
// (a tab, a line separator), the replacement character for the others.
QString Defused(const QString &vText)
{
    // Most texts hold none, and are kept as they are, without a copy: a clue
    // may be long, and is defused at every Start.
    qsizetype first = 0;
    for (qsizetype width = 1; first < vText.size() && !IsInvisible(CodePointAt(vText, first, width)); first += width) {
    }
    if (first == vText.size())
        return vText;
    QString shown = vText.left(first);
    shown.reserve(vText.size());
    for (qsizetype i = first, width = 1; i < vText.size(); i += width) {
        const char32_t character = CodePointAt(vText, i, width);
        if (!IsInvisible(character))
            shown += QStringView(vText).mid(i, width);
        else if (QChar::isSpace(character))
            shown += u' ';
        else
            shown += QChar(QChar::ReplacementCharacter);
    }
    return shown;
}

// True when vText holds vWord as a word of its own, without regard to case.
bool HoldsWord(const QString &vText, const QString &vWord)
{
    const auto isWordCharacter = [](QChar vCh) { return vCh.isLetterOrNumber() || vCh.isMark(); };
    for (qsizetype at = vText.indexOf(vWord, 0, Qt::CaseInsensitive); at >= 0;
         at = vText.indexOf(vWord, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + vWord.size();
        if ((at == 0 || !isWordCharacter(vText.at(at - 1))) && (end == vText.size() || !isWordCharacter(vText.at(end))))
            return true;
    }
    return false;
}

QString Quoted(const QStringList &vCells)
{
    QStringList quoted;
    for (const QString &cell : vCells)
        quoted << u'"' + cell + u'"';
    return quoted.join(QStringLiteral(", "));
}

} // namespace

QString WordList::PathIn(const QString &vFolder)
{
    return vFolder.isEmpty() ? QString() : vFolder + QStringLiteral("/Vocabulary.txt");
}

void WordList::ThrowFolderUnknown()
{
    throw WordListError(QStringLiteral("The folder of the program could not be determined, so its word list "
                                       "cannot be found. Nothing was read."),
                        QStringLiteral("Move the program and its Vocabulary.txt into a folder whose name holds "
                                       "only ordinary characters, and start it from there."));
}

std::unique_ptr<TextInput> WordList::Open(const Opener &vOpen, const QString &vPath)
{
    QString why;
    std::unique_ptr<TextInput> input = vOpen(vPath, why);
    if (!input)
        throw WordListError(QStringLiteral("The word list could not be opened: %1.").arg(why),
                            QStringLiteral("Put a word list there, or name another: its first line is the number "
                                           "of entries, then one entry per line, for instance apple=a sweet fruit."));
    return input;
}

void WordList::ThrowReadProblem(TextInput &vInput, TextInput::Read vResult, int vLine)
{
    if (vResult == TextInput::Read::TooLong)
        throw WordListError(QStringLiteral("Line %1 is longer than %2 bytes, too long to be an entry: "
                                           "this may not be a word list at all.")
                                    .arg(vLine)
                                    .arg(TextInput::MaxLineBytes),
                            EntryHint, vLine);
    throw WordListError(QStringLiteral("The file could not be read at line %1: %2.").arg(vLine).arg(vInput.errorText()),
                        QStringLiteral("Check that the file can be read."), vLine);
}

qint16 WordList::ParseCount(const QString &vLine)
{
    const QString text = vLine.trimmed();
    bool digits = !text.isEmpty();
    for (qsizetype i = 0; i < text.size() && digits; ++i) {
        const QChar ch = text.at(i);
        const bool sign = i == 0 && text.size() > 1 && (ch == u'+' || ch == u'-');
        digits = sign || (ch >= u'0' && ch <= u'9');
    }
    if (!digits)
        throw WordListError(QStringLiteral("The first line should be the number of entries, but it is not a whole number."),
                            CountHint, 1, vLine);
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (text.startsWith(u'-'))
        throw WordListError(QStringLiteral("The number of entries on the first line is negative."), CountHint, 1, vLine);
    if (!ok || value > 32767)
        throw WordListError(QStringLiteral("The number of entries on the first line is larger than 32767, "
                                           "the most a word list can hold."),
                            CountHint, 1, vLine);
    return qint16(value);
}

QString WordList::ReadFirstLine(TextInput &vInput)
{
    QString text;
    const TextInput::Read read = vInput.readLine(text);
    if (read == TextInput::Read::End)
        throw WordListError(QStringLiteral("The word list is empty."), CountHint);
    if (read != TextInput::Read::Line)
        ThrowReadProblem(vInput, read, 1);
    return text;
}

WordList::CountLine WordList::ReadCount(TextInput &vInput)
{
    CountLine first;
    first.text = ReadFirstLine(vInput);
    first.count = ParseCount(first.text);
    return first;
}

WordListError WordList::CountBeyondEnd(const CountLine &vCount, int vPresent)
{
    if (vPresent == 0)
        return WordListError(QStringLiteral("The word list holds no entries."),
                             QStringLiteral("Add at least one entry after the first line, for instance "
                                            "apple=a sweet fruit, and make the first line 1."));
    return WordListError(QStringLiteral("The first line says the list holds %1 entries, but the file ends after %2.")
                                 .arg(vCount.count)
                                 .arg(vPresent),
                         QStringLiteral("Make the first line the number of entries that follow, %1.").arg(vPresent),
                         1, vCount.text);
}

void WordList::Split(const QString &vLine, QString &vWord, QString &vMeaning)
{
    const qsizetype first = vLine.indexOf(u'=');
    if (first < 0)
        throw WordListError(QStringLiteral("The entry has no \"=\" between the word and its meaning."), EntryHint);
    // Text after a second "=" is dropped.
    const qsizetype second = vLine.indexOf(u'=', first + 1);
    vWord = vLine.left(first).trimmed();
    vMeaning = vLine.mid(first + 1, second < 0 ? -1 : second - first - 1).trimmed();
}

ListEntry WordList::CheckEntry(const QString &vLine, int vNumber)
{
    ListEntry entry;
    entry.line = vNumber;
    const auto problem = [&](const QString &vProblem, const QString &vHint) {
        return WordListError(vProblem, vHint, vNumber, vLine);
    };
    if (vLine.trimmed().isEmpty())
        throw problem(QStringLiteral("The line is empty, but the count on the first line makes it an entry."),
                      QStringLiteral("Write an entry on it, for instance apple=a sweet fruit, or remove the line "
                                     "and lower the count by one."));
    try {
        Split(vLine, entry.word, entry.meaning);
    } catch (const WordListError &e) {
        throw problem(e.problem, e.hint);
    }
    if (entry.word.isEmpty())
        throw problem(QStringLiteral("The entry has no word before the \"=\"."),
                      QStringLiteral("Write the word before the \"=\" and its meaning after it, for instance "
                                     "apple=a sweet fruit."));
    for (qsizetype i = 0, width = 1; i < entry.word.size(); i += width) {
        const char32_t character = CodePointAt(entry.word, i, width);
        if (IsInvisible(character))
            throw problem(QStringLiteral("The word holds an invisible character, U+%1, which would upset the "
                                         "board and the messages.")
                                  .arg(QString::number(uint(character), 16).toUpper().rightJustified(4, u'0')),
                          QStringLiteral("Type the word again by hand: it may hold visible characters only."));
    }
    const QStringList cells = Cells(entry.word);
    if (cells.size() > Controls::WordCellCount)
        throw problem(QStringLiteral("The word has %1 characters, but a word can have at most %2.")
                              .arg(cells.size())
                              .arg(Controls::WordCellCount),
                      QStringLiteral("Choose a word of at most %1 characters, the cells the board has.")
                              .arg(Controls::WordCellCount));
    if (std::none_of(cells.begin(), cells.end(), IsGuessable))
        throw problem(QStringLiteral("The word has no letter A to Z to guess."),
                      QStringLiteral("A word needs at least one letter A to Z; its other characters (a blank, "
                                     "a hyphen, a digit, an accented letter) are shown from the start."));
    entry.meaning = Defused(entry.meaning);
    return entry;
}

QStringList WordList::Warnings(const ListEntry &vEntry)
{
    QStringList warnings;
    if (vEntry.meaning.isEmpty())
        warnings << QStringLiteral("The meaning is empty, so the clue shows nothing.");
    else if (HoldsWord(vEntry.meaning, vEntry.word))
        warnings << QStringLiteral("The meaning holds the word itself, which gives it away.");
    const QStringList cells = Cells(vEntry.word);
    QStringList shown;
    for (const QString &cell : cells)
        if (!IsGuessable(cell) && !shown.contains(cell))
            shown << cell;
    if (!shown.isEmpty())
        warnings << QStringLiteral("The word holds %1, which no letter cell reveals: shown from the start.")
                            .arg(Quoted(shown));
    // A clue has at most as many characters as UTF-16 units: most need no count.
    const qsizetype clue = vEntry.meaning.size() > Controls::ClueShownWhole ? Cells(vEntry.meaning).size() : 0;
    if (clue > Controls::ClueShownWhole)
        warnings << QStringLiteral("The meaning has %1 characters, but the clue shows at most %2 whole.")
                            .arg(clue)
                            .arg(Controls::ClueShownWhole);
    return warnings;
}

QStringList WordList::Cells(const QString &vWord)
{
    QStringList cells;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, vWord);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > start; end = finder.toNextBoundary()) {
        cells << vWord.mid(start, end - start);
        start = end;
    }
    return cells;
}

bool WordList::IsGuessable(const QString &vCell)
{
    const QString lower = vCell.toLower();
    return lower.size() == 1 && lower.at(0) >= u'a' && lower.at(0) <= u'z';
}

QString WordList::Readable(const QString &vText)
{
    constexpr qsizetype MaxShown = 60;
    QString shown;
    for (qsizetype i = 0, width = 1; i < vText.size() && i < MaxShown; i += width) {
        const char32_t character = CodePointAt(vText, i, width);
        shown += IsInvisible(character) ? QString(QChar(QChar::ReplacementCharacter)) : vText.mid(i, width);
    }
    if (vText.size() > MaxShown)
        shown += QStringLiteral("...");
    return shown;
}
