#pragma once

#include <QString>

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
