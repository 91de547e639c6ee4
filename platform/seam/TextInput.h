#pragma once

#include <QString>

// One text file open for reading, line by line. The file is closed when the
// object is destroyed, so a reader never outlives the operation that opened it.
class TextInput
{
public:
    enum class Read {
        Line, // a line was read; the line end is not part of it
        End, // no line left
        TooLong, // the line is longer than MaxLineBytes; reading stops here
        NotText, // the file is not plain text (a NUL byte, a document's signature)
        Failed, // the file could not be read
    };

    // What was amiss in the bytes of the last line read, though it was read.
    enum Flaw {
        NoFlaw = 0,
        MixedEncoding = 1, // mostly UTF-8, some bytes read as Windows-1252
        LoneSurrogate = 2, // half a UTF-16 character, read as U+FFFD
    };

    // A line longer than this is not an entry, whatever the file holds; the
    // bound keeps a file without line ends from being read into memory whole.
    // It counts the file's own bytes, two for each UTF-16 unit.
    static constexpr qsizetype MaxLineBytes = 64 * 1024;

    virtual ~TextInput() = default;
    virtual Read readLine(QString &vLine) = 0;
    // Passes over the next line without decoding it.
    virtual Read skipLine() = 0;
    // Why the last read failed, in words for the user.
    virtual QString errorText() const = 0;
    // The Flaw values of the last line read, or'ed together.
    virtual int flaws() const { return NoFlaw; }
};
