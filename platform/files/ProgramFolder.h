#pragma once

#include <QString>

// The folder of the running program's real executable, without a trailing
// separator, or an empty text when it cannot be determined: the system gives
// no path, or gives one that names no folder (a folder name that is not valid
// in the file names' encoding cannot be written as a QString and back). An
// empty answer must never be taken for the root of the file system.
QString ProgramFolder();
