#pragma once

#include <QString>

// The folder of the running program's real executable, without a trailing
// separator, or an empty text when it cannot be determined: the system gives
// no path, or gives one that names no folder (a folder name that is not valid
// in the file names' encoding cannot be written as a QString and back). An
// empty answer must never be taken for the root of the file system.
QString ProgramFolder();

// The word list the game reads: vChosen when the player named one, or else
// Vocabulary.txt in vFolder (empty when vFolder is). The path is absolute, and
// a symbolic link is followed to the file it leads to, so that a message names
// the file that an edit must change: an edit through a link that a reinstall
// puts back would be lost.
QString WordListFile(const QString &vChosen, const QString &vFolder);
