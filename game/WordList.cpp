#include "game/WordList.h"

#include "platform/seam/Controls.h"

#include <QHash>
#include <QTextBoundaryFinder>

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/uspoof.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <memory>
#include <utility>

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

// "U+0430 CYRILLIC SMALL LETTER A": a character as a message names it, by
// its code and, where Unicode gives one, its name.
QString Named(char32_t vCharacter)
{
    QString named = QStringLiteral("U+") + QString::number(uint(vCharacter), 16).toUpper().rightJustified(4, u'0');
    char name[128];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = u_charName(UChar32(vCharacter), U_UNICODE_CHAR_NAME, name, sizeof name, &status);
    if (U_SUCCESS(status) && length > 0 && length < int32_t(sizeof name))
        named += u' ' + QString::fromLatin1(name, length);
    return named;
}

// ICU's confusables skeleton of one character: what it looks like, in the
// characters it is most often mistaken for. Empty when ICU cannot say.
QString Skeleton(char32_t vCharacter)
{
    struct Closer
    {
        void operator()(USpoofChecker *vChecker) const { uspoof_close(vChecker); }
    };
    // One checker for the program's life: opening one loads ICU's data.
    static const std::unique_ptr<USpoofChecker, Closer> checker = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<USpoofChecker, Closer> opened(uspoof_open(&status));
        if (U_FAILURE(status))
            opened.reset();
        return opened;
    }();
    if (!checker)
        return QString();
    UChar in[2];
    int32_t inLength = 0;
    U16_APPEND_UNSAFE(in, inLength, UChar32(vCharacter));
    UChar out[32];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t outLength = uspoof_getSkeleton(checker.get(), 0, in, inLength, out, 32, &status);
    if (U_FAILURE(status) || outLength > 32)
        return QString();
    return QString(reinterpret_cast<const QChar *>(out), outLength);
}

bool IsAsciiLetters(const QString &vText)
{
    return !vText.isEmpty() && std::all_of(vText.begin(), vText.end(), [](QChar vCh) {
        return (vCh >= u'a' && vCh <= u'z') || (vCh >= u'A' && vCh <= u'Z');
    });
}

// Why a character of a word is surely a mistake, and how to mend it; an
// empty problem when it is not: it shows as nothing, or it looks like a
// letter A to Z or like a cell not yet guessed but is neither, so that the
// board misleads the player. A blank, a hyphen, an apostrophe, a digit and
// an accented letter are none of these.
std::pair<QString, QString> Deceptive(char32_t vCharacter)
{
    const QString typeAgain = QStringLiteral("Type the word again by hand, with the keyboard set to English.");
    if (vCharacter == u'_')
        return {QStringLiteral("The word holds \"_\", which looks like a cell not yet guessed, on the board and to "
                               "a screen reader."),
                QStringLiteral("Write the word without \"_\": a blank or a hyphen in its place is shown from the "
                               "start.")};
    if (vCharacter < 0x80)
        return {};
    // Fillers (U+3164), joiners (U+034F) and variation selectors: no glyph
    // of their own, yet a cell, or a change to the cell before them.
    if (u_hasBinaryProperty(UChar32(vCharacter), UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
        return {QStringLiteral("The word holds %1, which shows as nothing or changes the character before it.")
                        .arg(Named(vCharacter)),
                QStringLiteral("Type the word again by hand: it may hold visible characters only.")};
    const QString skeleton = Skeleton(vCharacter);
    if (skeleton == QStringLiteral("_"))
        return {QStringLiteral("The word holds %1, which looks like a cell not yet guessed.").arg(Named(vCharacter)),
                typeAgain};
    const auto decomposition = UDecompositionType(u_getIntPropertyValue(UChar32(vCharacter), UCHAR_DECOMPOSITION_TYPE));
    UErrorCode status = U_ZERO_ERROR;
    const UScriptCode script = uscript_getScript(UChar32(vCharacter), &status);
    // A letter of another script drawn like a Latin one (Cyrillic "а", Greek
    // "ο"), or a Latin letter in another form (fullwidth "Ａ", bold "𝐀", "ﬁ");
    // an accented or other Latin letter (é, æ, ß) is the teacher's choice.
    const bool otherForm = decomposition != U_DT_NONE && decomposition != U_DT_CANONICAL;
    const bool otherScript = script != USCRIPT_LATIN && script != USCRIPT_COMMON && script != USCRIPT_INHERITED;
    if (IsAsciiLetters(skeleton) && (otherForm || otherScript)) {
        // Named by what it stands for where it is another form ("Ⅻ" is XII),
        // else by what it is taken for.
        const QString form = QString::fromUcs4(&vCharacter, 1).normalized(QString::NormalizationForm_KC);
        const QString like = otherForm && IsAsciiLetters(form) ? form : skeleton;
        return {QStringLiteral("The word holds %1, which looks like \"%2\" but is another character: guessing %3 "
                               "does not reveal it.")
                        .arg(Named(vCharacter), like,
                             like.size() == 1 ? like.toUpper() : QStringLiteral("its letters")),
                typeAgain};
    }
    if (decomposition == U_DT_WIDE)
        return {QStringLiteral("The word holds %1, a fullwidth character, which the board shows wider than the "
                               "others.")
                        .arg(Named(vCharacter)),
                QStringLiteral("Type the word again by hand, with the input method in its ordinary, half-width "
                               "mode.")};
    return {};
}

// True for what a teacher writes in a word on purpose, shown from the start:
// a blank, a hyphen or dash, an apostrophe, a digit, and a Latin letter with
// or without accents.
bool IsDeliberate(const QString &vCell)
{
    const QChar first = vCell.at(0);
    if (first.isSpace() || first.category() == QChar::Punctuation_Dash || first.isDigit())
        return true;
    if (first == u'\'' || first == QChar(0x2019) || first == QChar(0x02BC))
        return true;
    return first.isLetter() && first.script() == QChar::Script_Latin;
}

} // namespace

void WordList::ThrowFolderUnknown()
{
    throw WordListError(QStringLiteral("The folder of the program could not be determined, so its word list "
                                       "cannot be found. Nothing was read."),
                        QStringLiteral("Move the program and its Vocabulary.txt into a folder whose name holds "
                                       "only ordinary characters, and start it from there."));
}

WordListError WordList::CannotOpen(const QString &vWhy)
{
    return WordListError(QStringLiteral("The word list could not be opened: %1.").arg(vWhy),
                         QStringLiteral("Put a word list there, or name another: its first line is the number "
                                        "of entries, then one entry per line, for instance apple=a sweet fruit."));
}

void WordList::ThrowReadProblem(TextInput &vInput, TextInput::Read vResult, int vLine)
{
    if (vResult == TextInput::Read::NotText)
        throw WordListError(QStringLiteral("The file is not plain text: it may be a word processor document."),
                            QStringLiteral("Open it in your editor and save it as plain text (.txt)."), vLine);
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
        throw WordListError(
                QStringLiteral("The first line should be the number of entries, but it is not a whole number."),
                CountHint, 1, vLine);
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (text.startsWith(u'-'))
        throw WordListError(QStringLiteral("The number of entries on the first line is negative."), CountHint, 1,
                            vLine);
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
                         QStringLiteral("Make the first line the number of entries that follow, %1.").arg(vPresent), 1,
                         vCount.text);
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
            throw problem(QStringLiteral("The word holds an invisible character, %1, which would upset the "
                                         "board and the messages.")
                                  .arg(Named(character)),
                          QStringLiteral("Type the word again by hand: it may hold visible characters only."));
        const auto [deceptive, hint] = Deceptive(character);
        if (!deceptive.isEmpty())
            throw problem(deceptive, hint);
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

QList<WordList::Remark> WordList::Warnings(const ListEntry &vEntry)
{
    QList<Remark> warnings;
    if (vEntry.meaning.isEmpty())
        warnings << Remark{QStringLiteral("The meaning is empty, so the clue shows nothing."),
                           QStringLiteral("Write the meaning after the \"=\", for instance apple=a sweet fruit.")};
    else if (HoldsWord(vEntry.meaning, vEntry.word))
        warnings << Remark{QStringLiteral("The meaning holds the word itself, which gives it away."),
                           QStringLiteral("Say what the word means without using it.")};
    const QStringList cells = Cells(vEntry.word);
    QStringList shown;
    for (const QString &cell : cells)
        if (!IsGuessable(cell) && !IsDeliberate(cell) && !shown.contains(cell))
            shown << cell;
    if (!shown.isEmpty())
        warnings << Remark{QStringLiteral("The word holds %1, which no letter reveals: it is shown from the start.")
                                   .arg(Quoted(shown)),
                           QStringLiteral("Keep it if it is meant; else write the word with letters A to Z, "
                                          "blanks, hyphens, apostrophes and digits.")};
    // A clue has at most as many characters as UTF-16 units: most need no count.
    const qsizetype clue = vEntry.meaning.size() > Controls::ClueShownWhole ? Cells(vEntry.meaning).size() : 0;
    if (clue > Controls::ClueShownWhole)
        warnings << Remark{
                QStringLiteral("The meaning has %1 characters, but the clue shows at most %2 whole.")
                        .arg(clue)
                        .arg(Controls::ClueShownWhole),
                QStringLiteral("Shorten the meaning to %1 characters or fewer.").arg(Controls::ClueShownWhole)};
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
