#pragma once

#include <QString>

// Text for the user on the standard output or the standard error, written so
// that it reads right wherever it goes. On Linux, UTF-8 bytes. On Windows, a
// console gets UTF-16 (whatever its code page, accents and all), a file or
// a pipe gets UTF-8; a windowed program started from a console writes to
// that console, and one with no console at all shows the text in a message
// box, so that --help and --version reach the user however the program was
// started.
namespace Console {

enum class Stream { Out, Err };
void Write(Stream vStream, const QString &vText);

} // namespace Console
