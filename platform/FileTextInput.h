#pragma once

#include "platform/TextInput.h"

#include <QByteArray>
#include <QFile>

#include <memory>

// Reads a text file line by line in bounded memory. A carriage return, a
// carriage return with a line feed, and a line feed alone each end a line; a
// UTF-8 byte order mark at the very start is skipped. Each line is decoded as
// UTF-8 when it is valid UTF-8 and as Latin-1 otherwise, so old 8-bit files
// keep working.
class FileTextInput : public TextInput
{
public:
    // Opens vPath; on failure returns nullptr and says why in vError. A path
    // that is not a regular file (a folder, a device, a pipe) is refused, so
    // that reading it can neither hang nor run forever.
    static std::unique_ptr<TextInput> open(const QString &vPath, QString &vError);

    Read readLine(QString &vLine) override;
    Read skipLine() override;
    QString errorText() const override { return m_error; }

    // Decodes one line's bytes: UTF-8 when valid, else Latin-1.
    static QString decode(QByteArrayView vBytes);

private:
    explicit FileTextInput(const QString &vPath) : m_file(vPath) { }
    // Moves the next line's bytes into m_line (when vKeep) and consumes its end.
    Read nextLine(bool vKeep);
    bool fill();

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    // Where the next line feed at or after m_pos is in m_buffer (its size when
    // there is none); below m_pos when not yet looked for.
    qsizetype m_nextLineFeed = -1;
    QByteArray m_line;
    QString m_error;
    bool m_atStart = true;
    bool m_afterCarriageReturn = false;
    bool m_eof = false;
};
