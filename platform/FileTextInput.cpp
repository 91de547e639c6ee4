#include "platform/FileTextInput.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <cstring>

namespace {
constexpr qsizetype ChunkBytes = 64 * 1024;
}

std::unique_ptr<TextInput> FileTextInput::open(const QString &vPath, QString &vError)
{
    const QFileInfo info(vPath);
    if (!info.exists()) {
        vError = QStringLiteral("the file does not exist");
        return nullptr;
    }
    if (info.isDir()) {
        vError = QStringLiteral("it is a folder, not a file");
        return nullptr;
    }
    if (!info.isFile()) {
        vError = QStringLiteral("it is not a regular file");
        return nullptr;
    }
    std::unique_ptr<FileTextInput> input(new FileTextInput(vPath));
    if (!input->m_file.open(QIODevice::ReadOnly)) {
        vError = input->m_file.errorString();
        return nullptr;
    }
    return input;
}

QString FileTextInput::decode(QByteArrayView vBytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(vBytes);
    if (utf8.hasError())
        return QString::fromLatin1(vBytes.data(), vBytes.size());
    return text;
}

TextInput::Read FileTextInput::readLine(QString &vLine)
{
    const Read result = nextLine(true);
    if (result == Read::Line)
        vLine = decode(m_line);
    m_line.clear();
    return result;
}

TextInput::Read FileTextInput::skipLine()
{
    return nextLine(false);
}

bool FileTextInput::fill()
{
    if (m_eof)
        return false;
    m_buffer.resize(ChunkBytes);
    const qint64 got = m_file.read(m_buffer.data(), ChunkBytes);
    if (got < 0) {
        m_error = m_file.errorString();
        m_buffer.clear();
        m_pos = 0;
        return false;
    }
    m_buffer.resize(got);
    m_pos = 0;
    m_nextLineFeed = -1;
    if (got == 0)
        m_eof = true;
    return got > 0;
}

TextInput::Read FileTextInput::nextLine(bool vKeep)
{
    m_line.clear();
    qsizetype length = 0;
    bool any = false;
    for (;;) {
        if (m_pos >= m_buffer.size() && !fill()) {
            if (!m_error.isEmpty())
                return Read::Failed;
            return any ? Read::Line : Read::End;
        }
        const char *data = m_buffer.constData();
        const qsizetype size = m_buffer.size();

        // A line feed right after a carriage return belongs to that line's end,
        // even when the two fall into different chunks.
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (data[m_pos] == '\n') {
                ++m_pos;
                continue;
            }
        }
        if (m_atStart) {
            m_atStart = false;
            if (size - m_pos >= 3 && std::memcmp(data + m_pos, "\xEF\xBB\xBF", 3) == 0)
                m_pos += 3;
            if (m_pos >= size)
                continue;
        }

        any = true;
        // The line ends at the first carriage return or line feed: memchr finds
        // the next line feed, and the carriage return is looked for only before
        // it. The line feed's place is kept, so that a file of carriage returns
        // alone does not search its chunk to the end once per line.
        if (m_nextLineFeed < m_pos) {
            const void *lineFeed = std::memchr(data + m_pos, '\n', size_t(size - m_pos));
            m_nextLineFeed = lineFeed ? static_cast<const char *>(lineFeed) - data : size;
        }
        const void *carriageReturn = std::memchr(data + m_pos, '\r', size_t(m_nextLineFeed - m_pos));
        const qsizetype end = carriageReturn ? static_cast<const char *>(carriageReturn) - data : m_nextLineFeed;
        const qsizetype piece = end - m_pos;
        if (length + piece > MaxLineBytes)
            return Read::TooLong;
        if (vKeep)
            m_line.append(data + m_pos, piece);
        length += piece;
        m_pos = end;
        if (end < size) {
            m_afterCarriageReturn = data[end] == '\r';
            ++m_pos;
            return Read::Line;
        }
    }
}
