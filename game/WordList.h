#pragma once

#include "game/WordListError.h"
#include "platform/seam/TextInput.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

// An entry of the list split and checked: its word, its meaning as the clue
// shows it, and the line of the file it stands on.
struct ListEntry
{
    QString word;
    QString meaning;
    int line = 0;
};

// The rules of the word list, shared by the game's draw and the word list
// checker so that the two can never disagree: how the file is opened, how
// the count line and an entry line are read, and what makes an entry
// unplayable (an error, thrown as WordListError) or suspicious (a warning,
// returned as text; the game plays such an entry).
namespace WordList {

// Throws the error for a program folder that could not be determined.
[[noreturn]] void ThrowFolderUnknown();

// A line of the list as read, with its 1-based number in the file; 0 for a
// line given by other means than reading the file.
struct EntryLine
{
    EntryLine(QString vText, int vNumber = 0) : text(std::move(vText)), number(vNumber) { }
    QString text;
    int number;
};

// The error for a list that could not be opened, for the reason vWhy.
WordListError CannotOpen(const QString &vWhy);

struct CountLine
{
    QString text;
    qint16 count = 0;
};
// Reads the first line and the entry count it gives.
CountLine ReadCount(TextInput &vInput);
// Reads the first line; throws when the file is empty or cannot be read.
QString ReadFirstLine(TextInput &vInput);
// The entry count of a first line: a whole number, blanks around it allowed.
qint16 ParseCount(const QString &vLine);
// What reading line vLine gave when it was not a line: the file's end aside.
[[noreturn]] void ThrowReadProblem(TextInput &vInput, TextInput::Read vResult, int vLine);
// The error for a draw that ran past the end of the file: the count line
// promises more entries than the vPresent that follow it.
WordListError CountBeyondEnd(const CountLine &vCount, int vPresent);

// Splits an entry at "=": the word before the first, the meaning between the
// first and the second, each without the blanks around it. Throws when there
// is no "=".
void Split(const QString &vLine, QString &vWord, QString &vMeaning);
// Splits entry line vNumber and checks that its word can be played.
ListEntry CheckEntry(const QString &vLine, int vNumber);
// A warning: what is almost surely a mistake, and how to mend it.
struct Remark
{
    QString text;
    QString hint;
};
// What is almost surely a mistake in an entry that can be played.
QList<Remark> Warnings(const ListEntry &vEntry);

// The word's cells: its user-perceived characters, so that a letter with its
// accents is one cell.
QStringList Cells(const QString &vWord);
// True when some letter cell A to Z can reveal the cell's character.
bool IsGuessable(const QString &vCell);
// A line as it can be shown inside a message: invisible characters made
// visible and a long line cut short.
QString Readable(const QString &vText);

} // namespace WordList
