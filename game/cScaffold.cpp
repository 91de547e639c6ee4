#include "game/cScaffold.h"

#include "game/WordListError.h"

#include <algorithm>
#include <cmath>

namespace {

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
    return m_platform.wordListPath();
}

std::unique_ptr<TextInput> cScaffold::open(const QString &vPath)
{
    QString why;
    std::unique_ptr<TextInput> input = m_platform.openText(vPath, why);
    if (!input)
        throw WordList::CannotOpen(why);
    return input;
}

WordList::CountLine cScaffold::readCount(const QString &vPath)
{
    const std::unique_ptr<TextInput> input = open(vPath);
    return WordList::ReadCount(*input);
}

WordList::EntryLine cScaffold::readEntry(const QString &vPath, const WordList::CountLine &vCount, qint16 vEntry)
{
    // The file is opened afresh: it may have changed since the count was read,
    // and every line up to the entry is checked again as it is passed.
    const std::unique_ptr<TextInput> input = open(vPath);
    const int entryLine = vEntry + 1;
    WordList::EntryLine entry(QString(), entryLine);
    for (int line = 1; line <= entryLine; ++line) {
        const TextInput::Read read = line < entryLine ? input->skipLine() : input->readLine(entry.text);
        if (read == TextInput::Read::Line)
            continue;
        if (read != TextInput::Read::End)
            WordList::ThrowReadProblem(*input, read, line);
        throw WordList::CountBeyondEnd(vCount, std::max(0, line - 2));
    }
    return entry;
}

WordList::EntryLine cScaffold::RetrieveString()
{
    const QString path = WordListPath();
    if (path.isEmpty())
        WordList::ThrowFolderUnknown();
    const WordList::CountLine count = readCount(path);
    m_platform.reseed();
    return readEntry(path, count, EntryNumber(count.count, m_platform.random()));
}

void cScaffold::RetrieveNameMeaning(const WordList::EntryLine &vString, QString &vName, QString &vMeaning)
{
    // Checked whole before either is written, so that a refused entry leaves
    // the caller's word as it was.
    ListEntry entry = WordList::CheckEntry(vString.text, vString.number);
    vName = std::move(entry.word);
    vMeaning = std::move(entry.meaning);
}

void cScaffold::InitialEnable()
{
    for (int index = 0; index < Controls::LetterCount; ++index)
        m_board.lLetters(index).setEnabled(true);
}

void cScaffold::Operation(const QString &vName, QString &vMeaning)
{
    // The meaning may be long: it is changed in place and copied once, into
    // the caption.
    if (!vMeaning.isEmpty()) {
        const qsizetype first = WordList::Cells(vMeaning.left(2)).first().size();
        vMeaning.replace(0, first, vMeaning.left(first).toUpper());
    }
    QString caption = Controls::MeaningClue;
    caption.reserve(caption.size() + vMeaning.size());
    m_board.control(Controls::lMeaning).setCaption(caption += vMeaning);

    // Characters no letter cell can reveal (a blank, a hyphen, an accented
    // letter) are shown from the start, so that the word can still be won.
    const QStringList characters = WordList::Cells(vName);
    for (int i = 0; i < characters.size(); ++i) {
        BoardControl &cell = m_board.lWord(i);
        if (!WordList::IsGuessable(characters.at(i)))
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
    const QStringList characters = WordList::Cells(vName);
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
    const qsizetype length = WordList::Cells(vName).size();
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
