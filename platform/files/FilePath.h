#pragma once

#include <QString>

#include <filesystem>
#include <vector>

// Paths of files in the system's own form: bytes on Linux, which need not be
// UTF-8, and UTF-16 on Windows. Every name the system gives can so be opened
// and followed; it becomes text only to be shown.
namespace FilePath {

using Native = std::filesystem::path;

// A path given as text (typed, or made by the program) in the system's form.
Native FromText(const QString &vPath);
// The program's command line, its name first, each argument in the system's
// form: argv's bytes on Linux; on Windows the command line in UTF-16, since
// argv holds it in the ANSI code page and loses every letter outside it.
std::vector<Native> Arguments(int argc, char *argv[]);
// A path as text, as it was typed: the reverse of FromText.
QString ToText(const Native &vPath);
// A path as messages name it, with the system's separators; on Linux, bytes
// that are not UTF-8 read as Windows-1252, so that any name prints readably.
QString Shown(const Native &vPath);

// The word list that the program in folder vFolder reads when no list is
// named: Vocabulary.txt there. Empty when vFolder is.
Native WordListIn(const Native &vFolder);

// Where following vPath's links ends. Forty hops is where the system itself
// gives up on a chain of links.
struct Followed
{
    enum class End { File, Missing, Loop };
    End end = End::File;
    // The first link's target; empty when vPath is no link.
    Native target;
    // Where the chain stops: the file, where a missing file belongs, or the
    // link that leads round again.
    Native last;
};
Followed Follow(const Native &vPath);

// The file vPath leads to: a link followed to its file, which is the one an
// edit must change (an edit through a link that a reinstall puts back would
// be lost); a link whose file is missing gives where that file belongs.
// A path that is no link comes back as given.
Native Resolved(const Native &vPath);

} // namespace FilePath

// The word list to play, as text: vChosen when the player named one, or else
// the list in vFolder; empty when both are. Absolute, and a link followed.
QString WordListFile(const QString &vChosen, const QString &vFolder);
