#pragma once

#include "game/WordList.h"
#include "platform/seam/Board.h"
#include "platform/seam/Platform.h"

#include <QString>
#include <QStringList>

// The game's operations on the board. The class holds no game state: a handler
// makes one on the stack for the length of one event. What each does:
//   Start:   InitialEnable (letters clickable), RetrieveString (draw an entry),
//            RetrieveNameMeaning (split it), Operation (show clue and cells)
//   a guess: PrintLetters (reveal a letter), DrawScaffold (show a figure part),
//            ClearLetter (take the cell out of play)
//   the end: FindWord (read the word back off the board), StartAgain (reset)
class cScaffold
{
public:
    cScaffold(Board &vBoard, Platform &vPlatform) : m_board(vBoard), m_platform(vPlatform) { }

    // The file the words come from, as the platform finds it; empty when it
    // cannot be found.
    QString WordListPath() const;

    // Reads the count on the list's first line, reseeds the random source and
    // returns entry k (1 to the count, each as likely), with its line number.
    // The board is not touched; throws WordListError for a list that cannot
    // give an entry.
    WordList::EntryLine RetrieveString();
    // Splits entry vString at "=" into its word and meaning, and checks that
    // the word can be played on the board. The board is not touched; throws
    // WordListError naming the entry's line.
    void RetrieveNameMeaning(const WordList::EntryLine &vString, QString &vName, QString &vMeaning);

    // Enables all 26 letter cells; their visibility stays as it is.
    void InitialEnable();
    // Shows "Meaning : " and the meaning, its first letter made a capital, in
    // lMeaning, and one word cell per character of vName; a character that
    // no letter can reveal is written into its cell at once.
    void Operation(const QString &vName, QString &vMeaning);

    // Writes letter cell vIndex's letter into every word cell whose character
    // is that letter in either case; true when there was one.
    bool PrintLetters(const QString &vName, qint16 vIndex);
    // Shows the figure part of miss vCount (1 to 10); other values show nothing.
    void DrawScaffold(qint16 vCount);
    // Hides letter cell vIndex and disables it: the letter leaves play.
    void ClearLetter(qint16 vIndex);

    // The captions of the word cells that vName fills, joined: the word as
    // the board shows it, "_" where a letter is not revealed yet.
    QString FindWord(const QString &vName);
    // Puts the board back in its start state: idle clue, letters shown but
    // disabled, word cells hidden and blank, figure hidden, 10 chances.
    void StartAgain();

private:
    // The first line and the entry count it gives.
    WordList::CountLine readCount(const QString &vPath);
    // Entry vEntry (from 1) of the list whose first line is vCount.
    WordList::EntryLine readEntry(const QString &vPath, const WordList::CountLine &vCount, qint16 vEntry);
    // The list at vPath, opened through the platform; throws when it cannot be.
    std::unique_ptr<TextInput> open(const QString &vPath);

    Board &m_board;
    Platform &m_platform;
};
