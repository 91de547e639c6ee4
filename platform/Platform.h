#pragma once

#include <QString>

#include <memory>

// One text file open for reading, line by line. The file is closed when the
// object is destroyed, so a reader never outlives the operation that opened it.
class TextInput
{
public:
    enum class Read {
        Line,    // a line was read; the line end is not part of it
        End,     // no line left
        TooLong, // the line is longer than MaxLineBytes; reading stops here
        Failed,  // the file could not be read
    };

    // A line longer than this is not an entry, whatever the file holds; the
    // bound keeps a file without line ends from being read into memory whole.
    static constexpr qsizetype MaxLineBytes = 64 * 1024;

    virtual ~TextInput() = default;
    virtual Read readLine(QString &vLine) = 0;
    // Passes over the next line without decoding it.
    virtual Read skipLine() = 0;
    // Why the last read failed, in words for the user.
    virtual QString errorText() const = 0;
};

// Everything the game needs from the desktop, apart from the board.
class Platform
{
public:
    enum class Buttons { Ok, OkCancel };
    enum Answer { vbOK = 1, vbCancel = 2 };

    virtual ~Platform() = default;

    // A modal message box; a carriage return in vText starts a new line.
    // Closing the box without a button answers vbCancel.
    virtual int MsgBox(const QString &vText, Buttons vButtons, const QString &vTitle) = 0;

    // Opens vPath for reading; on failure returns nullptr and says why in vError.
    virtual std::unique_ptr<TextInput> openText(const QString &vPath, QString &vError) = 0;

    // Reseeds the random source from the system clock.
    virtual void Randomize() = 0;
    // The next random value, uniform in [0, 1).
    virtual double Rnd() = 0;

    // The folder of the running program's real executable, without a trailing separator.
    virtual QString programFolder() const = 0;

    // Ends the program at once: nothing after the call runs. Implementations
    // throw ProgramEnd, which the window catches at the edge of its handler.
    [[noreturn]] virtual void End() = 0;
};

struct ProgramEnd
{
};
