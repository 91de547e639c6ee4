#pragma once

#include "game/WordList.h"
#include "platform/Board.h"
#include "platform/Platform.h"

#include <QString>
#include <QStringList>

// The game's operations on the board. The class holds no game state: a handler
// makes one on the stack for the length of one event.
class cScaffold
{
public:
    cScaffold(Board &vBoard, Platform &vPlatform) : m_board(vBoard), m_platform(vPlatform) { }

    // The file the words come from; empty when the program's folder is unknown.
    QString WordListPath() const;

    // One entry line drawn at random from the word list. Throws WordListError.
    QString RetrieveString();
    // Splits an entry at "=": the word before the first, the meaning between
    // the first and the second, each without the blanks around it. Throws
    // WordListError when there is no "=".
    void RetrieveNameMeaning(const QString &vString, QString &vName, QString &vMeaning);
    // Draws an entry, splits it and checks that its word can be played.
    // Nothing on the board changes; throws WordListError naming the line.
    DrawnEntry DrawEntry();

    void InitialEnable();
    void Operation(const QString &vName, QString &vMeaning);

    bool PrintLetters(const QString &vName, qint16 vIndex);
    void DrawScaffold(qint16 vCount);
    void ClearLetter(qint16 vIndex);

    QString FindWord(const QString &vName);
    void StartAgain();

private:
    struct Line
    {
        QString text;
        int number = 0; // 1-based line number in the file
    };
    // The first line and the entry count it gives.
    WordList::CountLine readCount(const QString &vPath);
    // Entry vEntry (from 1) of the list whose first line is vCount.
    Line readEntry(const QString &vPath, const WordList::CountLine &vCount, qint16 vEntry);
    WordList::Opener opener();
    // An entry line drawn at random, with its line number.
    Line drawLine();

    Board &m_board;
    Platform &m_platform;
};
