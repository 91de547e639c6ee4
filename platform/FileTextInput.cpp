#include "platform/FileTextInput.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <cstring>

namespace {
constexpr qsizetype ChunkBytes = 64 * 1024;
}

namespace {

// Why a link cannot be followed, naming the file it points to: its target is
// missing, or its links lead back to one already passed.
QString BrokenLink(const QFileInfo &vLink)
{
    const QString target = vLink.symLinkTarget();
    QSet<QString> passed{vLink.absoluteFilePath()};
    QFileInfo hop(target);
    // Forty hops is where the system itself gives up on a chain of links.
    for (int hops = 0; hops < 40 && hop.isSymLink(); ++hops) {
        if (passed.contains(hop.absoluteFilePath()))
            break;
        passed.insert(hop.absoluteFilePath());
        hop = QFileInfo(hop.symLinkTarget());
    }
    if (hop.isSymLink())
        return QStringLiteral("it is a link to %1, and the links from there lead round in a loop")
                .arg(QDir::toNativeSeparators(target));
    if (hop.absoluteFilePath() != QFileInfo(target).absoluteFilePath())
        return QStringLiteral("it is a link to %1, which leads on to %2, and that does not exist")
                .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(hop.absoluteFilePath()));
    return QStringLiteral("it is a link to %1, which does not exist").arg(QDir::toNativeSeparators(target));
}

// Windows-1252's characters for the bytes 0x80 to 0x9F; the rest of the code
// page is Latin-1. The five bytes it leaves undefined keep their C1 control,
// as Windows itself does. A table rather than QStringDecoder("windows-1252"):
// Qt knows that name only when it is built with ICU, and the game must read a
// list the same way on every system it is built for.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::unique_ptr<TextInput> FileTextInput::open(const QString &vPath, QString &vError)
{
    const QFileInfo info(vPath);
    if (!info.exists()) {
        vError = info.isSymLink() ? BrokenLink(info) : QStringLiteral("the file does not exist");
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

QString FileTextInput::fromWindows1252(QByteArrayView vBytes)
{
    QString text(vBytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : vBytes) {
        const uchar b = uchar(byte);
        *out++ = b >= 0x80 && b <= 0x9F ? QChar(Windows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QString FileTextInput::decode(QByteArrayView vBytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(vBytes);
    if (utf8.hasError())
        text = fromWindows1252(vBytes);
    return text.normalized(QString::NormalizationForm_C);
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

qsizetype FileTextInput::takeByteOrderMark(const QByteArray &vChunk)
{
    if (vChunk.startsWith("\xEF\xBB\xBF"))
        return 3;
    if (vChunk.startsWith("\xFF\xFE")) {
        m_utf16.emplace(QStringDecoder::Utf16LE);
        return 2;
    }
    if (vChunk.startsWith("\xFE\xFF")) {
        m_utf16.emplace(QStringDecoder::Utf16BE);
        return 2;
    }
    return 0;
}

bool FileTextInput::fill()
{
    if (m_eof)
        return false;
    m_pos = 0;
    m_nextLineFeed = -1;
    m_buffer.resize(ChunkBytes);
    const qint64 got = m_file.read(m_buffer.data(), ChunkBytes);
    if (got < 0) {
        m_error = m_file.errorString();
        m_buffer.clear();
        return false;
    }
    m_buffer.resize(got);
    if (got == 0) {
        m_eof = true;
        // Half a character at the very end is a character that is not there.
        if (m_utf16Carry.isEmpty())
            return false;
        m_buffer = QString(QChar(QChar::ReplacementCharacter)).toUtf8();
        m_utf16Carry.clear();
        return true;
    }
    if (m_atStart) {
        m_atStart = false;
        m_pos = takeByteOrderMark(m_buffer);
    }
    // A UTF-16 file is turned into UTF-8 a chunk at a time, so that its line
    // ends are found in the same way as an 8-bit file's: searching its bytes
    // directly would take the low byte of a character such as U+010A for a
    // line feed.
    if (m_utf16) {
        // A character outside the Basic Multilingual Plane is two UTF-16 units;
        // the first of them at a chunk's end waits for its second.
        QString text = m_utf16Carry + m_utf16->decode(QByteArrayView(m_buffer).sliced(m_pos));
        m_utf16Carry.clear();
        if (!text.isEmpty() && text.back().isHighSurrogate()) {
            m_utf16Carry = text.back();
            text.chop(1);
        }
        m_buffer = text.toUtf8();
        m_pos = 0;
    }
    // A chunk that was all byte order mark, or half a UTF-16 character, holds
    // no text yet: read on.
    return m_pos < m_buffer.size() || fill();
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
