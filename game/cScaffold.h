#pragma once

#include "Board.h"
#include "Platform.h"

#include <QString>
#include <QStringList>

// The game's operations on the board. The class holds no game state: a handler
// makes one on the stack for the length of one event.
class cScaffold
{
public:
    cScaffold(Board &vBoard, Platform &vPlatform) : m_board(vBoard), m_platform(vPlatform) { }

    // The file the words come from.
    QString WordListPath() const;

    // One entry line drawn at random from the word list; vLineNumber, when
    // given, receives the entry's line number in the file. Throws WordListError.
    QString RetrieveString(int *vLineNumber = nullptr);
    // Splits an entry at "=": the word before the first, the meaning between
    // the first and the second. Throws WordListError when there is no "=".
    void RetrieveNameMeaning(const QString &vString, QString &vName, QString &vMeaning);
    // Draws an entry, splits it and checks that its word can be played.
    // Nothing on the board changes; throws WordListError with the line concerned.
    void DrawEntry(QString &vName, QString &vMeaning);

    void InitialEnable();
    void Operation(const QString &vName, QString &vMeaning);

    bool PrintLetters(const QString &vName, qint16 vIndex);
    void DrawScaffold(qint16 vCount);
    void ClearLetter(qint16 vIndex);

    QString FindWord(const QString &vName);
    void StartAgain();

    // The word's characters one by one; a character outside the Basic
    // Multilingual Plane is one character, as the player sees it.
    static QStringList Characters(const QString &vText);
    // True when some letter cell A to Z can reveal the character.
    static bool IsGuessable(const QString &vCharacter);

    static const QStringList FigureParts;

private:
    Board &m_board;
    Platform &m_platform;
};

// The two game handlers of the main window. The window owns vWord and vMisses
// and passes them in.
namespace game {
void cStart_Click(Board &vBoard, Platform &vPlatform, QString &vWord, int &vMisses);
void lLetters_Click(Board &vBoard, Platform &vPlatform, const QString &vWord, int &vMisses, qint16 Index);
}
