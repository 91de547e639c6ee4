#pragma once

#include "platform/files/FilePath.h"
#include "platform/seam/TextInput.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include <memory>
#include <optional>

// Reads a text file line by line in bounded memory. A carriage return, a
// carriage return with a line feed, and a line feed alone each end a line. A
// UTF-8 byte order mark at the very start is skipped; a UTF-16 byte order
// mark (either byte order) makes the whole file read as UTF-16. Each line of
// an 8-bit file is decoded as UTF-8 when it is valid UTF-8; in a line that is
// mostly UTF-8, only the bytes that are not are read as Windows-1252; any
// other line is Windows-1252. Every line comes out in composed form (NFC), so
// that a letter typed with a combining accent reads the same as the accented
// letter. A file with a NUL byte or a document's signature is not text.
class FileTextInput : public TextInput
{
public:
    // Opens vFile; on failure returns nullptr and says why in vError. A path
    // that is not a regular file (a folder, a device, a pipe) is refused, so
    // that reading it can neither hang nor run forever. A link whose target is
    // missing, or whose links go round in a loop, is named with its target.
    static std::unique_ptr<TextInput> open(const FilePath::Native &vFile, QString &vError);

    Read readLine(QString &vLine) override;
    Read skipLine() override;
    QString errorText() const override { return m_error; }
    int flaws() const override { return m_flaws; }

    // Decodes one line's bytes: UTF-8 when valid, mixed when mostly UTF-8,
    // else Windows-1252; then NFC. vFlaws gets the Flaw values found.
    static QString decode(QByteArrayView vBytes, int *vFlaws = nullptr);
    // Decodes a file name: UTF-8 with stray bytes as Windows-1252, not composed.
    static QString decodeName(QByteArrayView vBytes);
    // Windows-1252 alone: Latin-1 with the printable characters of 0x80 to
    // 0x9F; the five bytes that code page leaves undefined stay C1 controls.
    static QString fromWindows1252(QByteArrayView vBytes);

private:
    FileTextInput() = default;
    // Moves the next line's bytes into m_line (when vKeep) and consumes its end.
    Read nextLine(bool vKeep);
    bool fill();
    // Looks at the start of the file for a byte order mark; returns how many
    // bytes of vChunk it takes.
    qsizetype takeByteOrderMark(const QByteArray &vChunk);

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    // Where the next line feed at or after m_pos is in m_buffer (its size when
    // there is none); below m_pos when not yet looked for.
    qsizetype m_nextLineFeed = -1;
    QByteArray m_line;
    QString m_error;
    // Set for a UTF-16 file: each chunk is decoded through it (it keeps a
    // character split between two chunks) and held in m_buffer as UTF-8.
    std::optional<QStringDecoder> m_utf16;
    QString m_utf16Carry;
    qint64 m_utf16Bytes = 0; // the UTF-16 bytes read after the byte order mark
    bool m_atStart = true;
    bool m_afterCarriageReturn = false;
    bool m_eof = false;
    bool m_notText = false;
    int m_flaws = NoFlaw;
};
