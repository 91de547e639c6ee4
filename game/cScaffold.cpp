#include "cScaffold.h"

#include "WordListError.h"

#include <QDir>

#include <cmath>

namespace {

const QString EntryHint = QStringLiteral(
        "A correct entry is the word, \"=\" and its meaning, for instance apple=a sweet fruit.");
const QString CountHint = QStringLiteral(
        "The first line is the number of entries that follow, a whole number such as 25.");

// An entry line as the user can read it inside a message: control characters
// made visible and a long line cut short.
QString Shown(const QString &vText)
{
    constexpr qsizetype MaxShown = 60;
    QString shown;
    for (const QChar ch : vText.left(MaxShown)) {
        const bool control = ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format;
        shown += control ? QChar(QChar::ReplacementCharacter) : ch;
    }
    if (vText.size() > MaxShown)
        shown += QStringLiteral("...");
    return shown;
}

[[noreturn]] void ThrowReadProblem(TextInput &vInput, TextInput::Read vResult, int vLine)
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

std::unique_ptr<TextInput> OpenWordList(Platform &vPlatform, const QString &vPath)
{
    QString why;
    std::unique_ptr<TextInput> input = vPlatform.openText(vPath, why);
    if (!input)
        throw WordListError(QStringLiteral("The word list could not be opened: %1.").arg(why),
                            QStringLiteral("Put a Vocabulary.txt beside the program: its first line is the number "
                                           "of entries, then one entry per line, for instance apple=a sweet fruit."));
    return input;
}

// The entry count of the first line: a whole number, blanks around it allowed.
qint16 ParseCount(const QString &vLine)
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
    const bool negative = text.startsWith(u'-');
    if (negative)
        throw WordListError(QStringLiteral("The number of entries on the first line is negative."), CountHint, 1, vLine);
    if (!ok || value > 32767)
        throw WordListError(QStringLiteral("The number of entries on the first line is larger than 32767, "
                                           "the most a word list can hold."),
                            CountHint, 1, vLine);
    return qint16(value);
}

// k = floor(r * N) + 1, in 1..N for N >= 1 and 1 for N = 0. A random value
// outside [0, 1), from a faulty source, is held to that range rather than
// reaching past the count or the 16-bit range.
qint16 EntryNumber(qint16 vCount, double vRandom)
{
    double drawn = std::floor(vRandom * vCount);
    if (!(drawn < vCount)) // also catches a value that is not a number
        drawn = vCount - 1;
    if (drawn < 0)
        drawn = 0;
    return qint16(drawn + 1);
}

QString EndText(const QString &vFirstLine, const QString &vWord)
{
    // No question mark after "again": the message reads as a statement.
    return vFirstLine + QChar(13) + QStringLiteral("It was ") + vWord + QStringLiteral(". Want to play again");
}

} // namespace

const QStringList cScaffold::FigureParts = {
    QStringLiteral("sFace"), QStringLiteral("sEyes1"), QStringLiteral("sEyes2"), QStringLiteral("lNose"),
    QStringLiteral("lMouth"), QStringLiteral("lBody"), QStringLiteral("lArm1"), QStringLiteral("lArm2"),
    QStringLiteral("lLeg1"), QStringLiteral("lLeg2"),
};

QString WordListError::message(const QString &vPath) const
{
    QStringList lines{problem, QStringLiteral("File: ") + QDir::toNativeSeparators(vPath)};
    if (line > 0)
        lines << (found.isNull() ? QStringLiteral("Line %1").arg(line)
                                 : QStringLiteral("Line %1: \"%2\"").arg(line).arg(Shown(found)));
    lines << hint << QStringLiteral("Mend the file, then press Start again.");
    return lines.join(QChar(13));
}

QString cScaffold::WordListPath() const
{
    return m_platform.programFolder() + QStringLiteral("/Vocabulary.txt");
}

QString cScaffold::RetrieveString(int *vLineNumber)
{
    const QString path = WordListPath();
    qint16 count = 0;
    QString first;
    {
        const std::unique_ptr<TextInput> input = OpenWordList(m_platform, path);
        const TextInput::Read read = input->readLine(first);
        if (read == TextInput::Read::End)
            throw WordListError(QStringLiteral("The word list is empty."), CountHint);
        if (read != TextInput::Read::Line)
            ThrowReadProblem(*input, read, 1);
        count = ParseCount(first);
    }

    m_platform.Randomize();
    const qint16 k = EntryNumber(count, m_platform.Rnd());

    // The file is opened afresh: it may have changed since the count was read,
    // and every line up to the entry is checked again as it is passed.
    const std::unique_ptr<TextInput> input = OpenWordList(m_platform, path);
    QString entry;
    for (int line = 1; line <= k + 1; ++line) {
        const TextInput::Read read = line <= k ? input->skipLine() : input->readLine(entry);
        if (read == TextInput::Read::Line)
            continue;
        if (read != TextInput::Read::End)
            ThrowReadProblem(*input, read, line);
        const int present = std::max(0, line - 2);
        if (present == 0)
            throw WordListError(QStringLiteral("The word list holds no entries."),
                                QStringLiteral("Add at least one entry after the first line, for instance "
                                               "apple=a sweet fruit, and make the first line 1."));
        throw WordListError(QStringLiteral("The first line says the list holds %1 entries, but the file ends "
                                           "after %2.")
                                    .arg(count)
                                    .arg(present),
                            QStringLiteral("Make the first line the number of entries that follow, %1.").arg(present),
                            1, first);
    }
    if (vLineNumber)
        *vLineNumber = k + 1;
    return entry;
}

void cScaffold::RetrieveNameMeaning(const QString &vString, QString &vName, QString &vMeaning)
{
    const QStringList pieces = vString.split(u'=');
    if (pieces.size() < 2)
        throw WordListError(QStringLiteral("The entry has no \"=\" between the word and its meaning."), EntryHint);
    vName = pieces.at(0);
    vMeaning = pieces.at(1);
}

void cScaffold::DrawEntry(QString &vName, QString &vMeaning)
{
    int line = 0;
    const QString entry = RetrieveString(&line);
    const auto problem = [&](const QString &vProblem) { return WordListError(vProblem, EntryHint, line, entry); };
    try {
        RetrieveNameMeaning(entry, vName, vMeaning);
    } catch (const WordListError &e) {
        throw problem(e.problem);
    }
    if (vName.isEmpty())
        throw problem(QStringLiteral("The entry has no word before the \"=\"."));
    const QStringList characters = Characters(vName);
    if (characters.size() > Board::WordCellCount)
        throw problem(QStringLiteral("The word has %1 characters, but a word can have at most %2.")
                              .arg(characters.size())
                              .arg(Board::WordCellCount));
    if (std::none_of(characters.begin(), characters.end(), IsGuessable))
        throw problem(QStringLiteral("The word has no letter A to Z to guess."));
}

void cScaffold::InitialEnable()
{
    for (int index = 0; index < Board::LetterCount; ++index)
        m_board.lLetters(index).setEnabled(true);
}

void cScaffold::Operation(const QString &vName, QString &vMeaning)
{
    if (!vMeaning.isEmpty()) {
        const qsizetype first = Characters(vMeaning.left(2)).first().size();
        vMeaning = vMeaning.left(first).toUpper() + vMeaning.mid(first);
    }
    // The blank after the colon sets the clue apart; the idle caption has none.
    m_board.control(QStringLiteral("lMeaning")).setCaption(QStringLiteral("Meaning : ") + vMeaning);

    // Characters no letter cell can reveal (a blank, a hyphen, an accented
    // letter) are shown from the start, so that the word can still be won.
    const QStringList characters = Characters(vName);
    for (int i = 0; i < characters.size(); ++i) {
        BoardControl &cell = m_board.lWord(i);
        if (!IsGuessable(characters.at(i)))
            cell.setCaption(characters.at(i));
        cell.setVisible(true);
    }
}

bool cScaffold::PrintLetters(const QString &vName, qint16 vIndex)
{
    // The cell's caption, not its index, names the letter; it is written into
    // the word in capitals whatever the word's own case.
    const QString letter = m_board.lLetters(vIndex).caption();
    const QString lower = letter.toLower();
    const QStringList characters = Characters(vName);
    bool found = false;
    for (int i = 0; i < characters.size(); ++i) {
        if (characters.at(i).toLower() == lower) {
            m_board.lWord(i).setCaption(letter);
            found = true;
        }
    }
    return found;
}

void cScaffold::DrawScaffold(qint16 vCount)
{
    if (vCount >= 1 && vCount <= FigureParts.size())
        m_board.control(FigureParts.at(vCount - 1)).setVisible(true);
}

void cScaffold::ClearLetter(qint16 vIndex)
{
    BoardControl &cell = m_board.lLetters(vIndex);
    cell.setVisible(false);
    cell.setEnabled(false);
}

QString cScaffold::FindWord(const QString &vName)
{
    QString spelled;
    const qsizetype length = Characters(vName).size();
    for (int i = 0; i < length; ++i)
        spelled += m_board.lWord(i).caption();
    return spelled;
}

void cScaffold::StartAgain()
{
    m_board.control(QStringLiteral("lMeaning")).setCaption(QStringLiteral("Meaning :"));
    for (int index = 0; index < Board::LetterCount; ++index) {
        BoardControl &cell = m_board.lLetters(index);
        cell.setVisible(true);
        cell.setEnabled(false);
    }
    for (int index = 0; index < Board::WordCellCount; ++index) {
        BoardControl &cell = m_board.lWord(index);
        cell.setCaption(QStringLiteral("_"));
        cell.setVisible(false);
    }
    for (const QString &part : FigureParts)
        m_board.control(part).setVisible(false);
    m_board.control(QStringLiteral("lChances1")).setCaption(QStringLiteral("10"));
}

QStringList cScaffold::Characters(const QString &vText)
{
    QStringList characters;
    characters.reserve(vText.size());
    for (qsizetype i = 0; i < vText.size(); ++i) {
        const qsizetype width = vText.at(i).isHighSurrogate() && i + 1 < vText.size() && vText.at(i + 1).isLowSurrogate() ? 2 : 1;
        characters << vText.mid(i, width);
        i += width - 1;
    }
    return characters;
}

bool cScaffold::IsGuessable(const QString &vCharacter)
{
    const QString lower = vCharacter.toLower();
    return lower.size() == 1 && lower.at(0) >= u'a' && lower.at(0) <= u'z';
}

void game::cStart_Click(Board &vBoard, Platform &vPlatform, QString &vWord, int &vMisses)
{
    cScaffold ops(vBoard, vPlatform);
    QString name;
    QString meaning;
    // The entry is drawn and checked before anything changes, so a bad word
    // list leaves the board, and any game in progress, exactly as they were.
    try {
        ops.DrawEntry(name, meaning);
    } catch (const WordListError &e) {
        vPlatform.MsgBox(e.message(ops.WordListPath()), Platform::Buttons::Ok, QStringLiteral("Scaffold"));
        return;
    }
    // Start always begins a clean game, also in the middle of one.
    vMisses = 0;
    ops.StartAgain();
    ops.InitialEnable();
    vWord = name;
    ops.Operation(vWord, meaning);
}

void game::lLetters_Click(Board &vBoard, Platform &vPlatform, const QString &vWord, int &vMisses, qint16 Index)
{
    cScaffold ops(vBoard, vPlatform);
    if (!ops.PrintLetters(vWord, Index)) {
        ++vMisses;
        ops.DrawScaffold(qint16(vMisses));
        vBoard.control(QStringLiteral("lChances1")).setCaption(QString::number(10 - vMisses));
    }
    ops.ClearLetter(Index);

    const QString title = QStringLiteral("Message");
    if (vMisses == 10) {
        if (vPlatform.MsgBox(EndText(QStringLiteral("You have failed to recognize the word."), vWord),
                             Platform::Buttons::OkCancel, title)
            != Platform::vbOK)
            vPlatform.End();
        vMisses = 0;
        ops.StartAgain();
        return; // a game ends with exactly one message
    }
    if (vWord.toLower() == ops.FindWord(vWord).toLower()) {
        if (vPlatform.MsgBox(EndText(QStringLiteral("Congrats. You have recognized the word."), vWord),
                             Platform::Buttons::OkCancel, title)
            != Platform::vbOK)
            vPlatform.End();
        vMisses = 0;
        ops.StartAgain();
    }
}
