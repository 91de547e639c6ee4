#include "game/GameHandlers.h"

#include "game/WordList.h"
#include "game/cScaffold.h"
#include "platform/seam/Checker.h"

#include <QDir>
#include <QStringList>

namespace {

// What Start tells the player of a list that cannot give an entry: what is
// wrong, the file, the line and what it holds, how to mend it, and where to
// see every problem of the list at once.
QString StartRefused(const WordListError &vError, const QString &vPath)
{
    QStringList lines{vError.problem};
    if (!vPath.isEmpty())
        lines << QStringLiteral("File: ") + QDir::toNativeSeparators(vPath);
    if (vError.line > 0)
        lines << (vError.found.isNull()
                          ? QStringLiteral("Line %1").arg(vError.line)
                          : QStringLiteral("Line %1: \"").arg(vError.line) + WordList::Readable(vError.found) + u'"');
    lines << vError.hint << QStringLiteral("Mend the file, then press Start again.")
          << QStringLiteral("To see every problem of the list at once, run %1 in %2")
                            .arg(Checker::Program(), Checker::Place())
                    + (vPath.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + Checker::CommandFor(vPath));
    return lines.join(QChar(u'\r'));
}

// Ends a game: a message that names the word, then OK clears the board for
// the next game and Cancel ends the program at once.
void EndGame(cScaffold &vOps, Platform &vPlatform, const QString &vFirstLine, const QString &vWord, int &vMisses)
{
    // No question mark after "again": the message reads as a statement.
    const QString text = vFirstLine + QChar(u'\r') + QStringLiteral("It was ") + vWord
            + QStringLiteral(". Want to play again");
    if (vPlatform.messageBox(text, Platform::Buttons::OkCancel, QStringLiteral("Message")) != Platform::Answer::Ok)
        vPlatform.end();
    vMisses = 0;
    vOps.StartAgain();
}

} // namespace

void game::cStart_Click(Board &vBoard, Platform &vPlatform, QString &vWord, int &vMisses)
{
    cScaffold ops(vBoard, vPlatform);
    QString meaning;
    // The entry is drawn and checked before anything changes, so a bad word
    // list leaves the board, and any game in progress, exactly as they were.
    try {
        ops.RetrieveNameMeaning(ops.RetrieveString(), vWord, meaning);
    } catch (const WordListError &e) {
        vPlatform.messageBox(StartRefused(e, ops.WordListPath()), Platform::Buttons::Ok, QStringLiteral("Scaffold"));
        return;
    }
    // Start always begins a clean game, also in the middle of one.
    vMisses = 0;
    ops.StartAgain();
    ops.InitialEnable();
    ops.Operation(vWord, meaning);
}

void game::lLetters_Click(Board &vBoard, Platform &vPlatform, const QString &vWord, int &vMisses, qint16 Index)
{
    cScaffold ops(vBoard, vPlatform);
    if (!ops.PrintLetters(vWord, Index)) {
        ++vMisses;
        ops.DrawScaffold(qint16(vMisses));
        vBoard.control(Controls::lChances1).setCaption(Controls::ChancesLeft(vMisses));
    }
    ops.ClearLetter(Index);

    if (vMisses == Controls::ChanceCount) {
        EndGame(ops, vPlatform, QStringLiteral("You have failed to recognize the word."), vWord, vMisses);
        return; // a game ends with exactly one message
    }
    if (vWord.toLower() == ops.FindWord(vWord).toLower())
        EndGame(ops, vPlatform, QStringLiteral("Congrats. You have recognized the word."), vWord, vMisses);
}
