#include "game/cScaffold.h"

#include "game/WordListError.h"

#include <algorithm>
#include <cmath>

namespace {

const QString EntryHint = QStringLiteral(
        "A correct entry is the word, \"=\" and its meaning, for instance apple=a sweet fruit.");
const QString CountHint = QStringLiteral(
        "The first line is the number of entries that follow, a whole number such as 25.");

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

} // namespace

QString cScaffold::WordListPath() const
{
    return m_platform.programFolder() + QStringLiteral("/Vocabulary.txt");
}

cScaffold::CountLine cScaffold::readCount(const QString &vPath)
{
    const std::unique_ptr<TextInput> input = OpenWordList(m_platform, vPath);
    CountLine first;
    const TextInput::Read read = input->readLine(first.text);
    if (read == TextInput::Read::End)
        throw WordListError(QStringLiteral("The word list is empty."), CountHint);
    if (read != TextInput::Read::Line)
        ThrowReadProblem(*input, read, 1);
    first.count = ParseCount(first.text);
    return first;
}

cScaffold::Line cScaffold::readEntry(const QString &vPath, const CountLine &vCount, qint16 vEntry)
{
    // The file is opened afresh: it may have changed since the count was read,
    // and every line up to the entry is checked again as it is passed.
    const std::unique_ptr<TextInput> input = OpenWordList(m_platform, vPath);
    const int entryLine = vEntry + 1;
    Line entry{QString(), entryLine};
    for (int line = 1; line <= entryLine; ++line) {
        const TextInput::Read read = line < entryLine ? input->skipLine() : input->readLine(entry.text);
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
                                    .arg(vCount.count)
                                    .arg(present),
                            QStringLiteral("Make the first line the number of entries that follow, %1.").arg(present),
                            1, vCount.text);
    }
    return entry;
}

cScaffold::Line cScaffold::drawLine()
{
    const QString path = WordListPath();
    const CountLine count = readCount(path);
    m_platform.reseed();
    return readEntry(path, count, EntryNumber(count.count, m_platform.random()));
}

QString cScaffold::RetrieveString()
{
    return drawLine().text;
}

void cScaffold::RetrieveNameMeaning(const QString &vString, QString &vName, QString &vMeaning)
{
    const QStringList pieces = vString.split(u'=');
    if (pieces.size() < 2)
        throw WordListError(QStringLiteral("The entry has no \"=\" between the word and its meaning."), EntryHint);
    vName = pieces.at(0);
    vMeaning = pieces.at(1);
}

DrawnEntry cScaffold::DrawEntry()
{
    const Line line = drawLine();
    DrawnEntry entry;
    entry.line = line.number;
    const auto problem = [&](const QString &vProblem) {
        return WordListError(vProblem, EntryHint, line.number, line.text);
    };
    try {
        RetrieveNameMeaning(line.text, entry.word, entry.meaning);
    } catch (const WordListError &e) {
        throw problem(e.problem);
    }
    if (entry.word.isEmpty())
        throw problem(QStringLiteral("The entry has no word before the \"=\"."));
    const QStringList characters = Characters(entry.word);
    if (characters.size() > Controls::WordCellCount)
        throw problem(QStringLiteral("The word has %1 characters, but a word can have at most %2.")
                              .arg(characters.size())
                              .arg(Controls::WordCellCount));
    if (std::none_of(characters.begin(), characters.end(), IsGuessable))
        throw problem(QStringLiteral("The word has no letter A to Z to guess."));
    return entry;
}

void cScaffold::InitialEnable()
{
    for (int index = 0; index < Controls::LetterCount; ++index)
        m_board.lLetters(index).setEnabled(true);
}

void cScaffold::Operation(const QString &vName, QString &vMeaning)
{
    if (!vMeaning.isEmpty()) {
        const qsizetype first = Characters(vMeaning.left(2)).first().size();
        vMeaning = vMeaning.left(first).toUpper() + vMeaning.mid(first);
    }
    m_board.control(Controls::lMeaning).setCaption(Controls::MeaningClue + vMeaning);

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
    if (vCount >= 1 && vCount <= Controls::FigureParts.size())
        m_board.control(Controls::FigureParts.at(vCount - 1)).setVisible(true);
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
    m_board.control(Controls::lMeaning).setCaption(Controls::MeaningIdle);
    for (int index = 0; index < Controls::LetterCount; ++index) {
        BoardControl &cell = m_board.lLetters(index);
        cell.setVisible(true);
        cell.setEnabled(false);
    }
    for (int index = 0; index < Controls::WordCellCount; ++index) {
        BoardControl &cell = m_board.lWord(index);
        cell.setCaption(Controls::Unrevealed);
        cell.setVisible(false);
    }
    for (const QString &part : Controls::FigureParts)
        m_board.control(part).setVisible(false);
    m_board.control(Controls::lChances1).setCaption(Controls::ChancesLeft(0));
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
