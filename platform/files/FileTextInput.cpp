#include "platform/files/FileTextInput.h"

#include "platform/files/FilePath.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr qsizetype ChunkBytes = 64 * 1024;
}

namespace {

// Why a link cannot be followed, naming the file it points to: its target is
// missing, or its links lead back to one already passed.
QString BrokenLink(const FilePath::Native &vLink)
{
    const FilePath::Followed followed = FilePath::Follow(vLink);
    const QString target = FilePath::Shown(followed.target);
    if (followed.end == FilePath::Followed::End::Loop)
        return QStringLiteral("it is a link to %1, and the links from there lead round in a loop").arg(target);
    if (followed.last != followed.target)
        return QStringLiteral("it is a link to %1, which leads on to %2, and that does not exist")
                .arg(target, FilePath::Shown(followed.last));
    return QStringLiteral("it is a link to %1, which does not exist").arg(target);
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

#if defined(Q_OS_WIN)

// A descriptor reading vFile, or -1 with errno set. Windows opens a path as
// it is, in UTF-16; the descriptor is not inherited by programs started later.
int OpenForReading(const FilePath::Native &vFile)
{
    return ::_wopen(vFile.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

bool IsRegularFile(int vFd)
{
    struct _stat64 status;
    return ::_fstat64(vFd, &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
}

void Close(int vFd)
{
    ::_close(vFd);
}

#else

// A descriptor reading vFile, or -1 with errno set. Not blocking, and looked
// at again once open: a pipe put in the file's place meanwhile must not hang
// the program.
int OpenForReading(const FilePath::Native &vFile)
{
    return ::open(vFile.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

bool IsRegularFile(int vFd)
{
    struct stat status;
    return ::fstat(vFd, &status) == 0 && S_ISREG(status.st_mode);
}

void Close(int vFd)
{
    ::close(vFd);
}

#endif

} // namespace

std::unique_ptr<TextInput> FileTextInput::open(const FilePath::Native &vFile, QString &vError)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(vFile, error);
    if (!fs::exists(status)) {
        if (fs::is_symlink(fs::symlink_status(vFile, error)))
            vError = BrokenLink(vFile);
        else if (!error || error == std::errc::no_such_file_or_directory)
            vError = QStringLiteral("the file does not exist");
        else
            vError = QString::fromLocal8Bit(error.message());
        return nullptr;
    }
    if (fs::is_directory(status)) {
        vError = QStringLiteral("it is a folder, not a file");
        return nullptr;
    }
    if (!fs::is_regular_file(status)) {
        vError = QStringLiteral("it is not a regular file");
        return nullptr;
    }
    const int fd = OpenForReading(vFile);
    if (fd < 0) {
        vError = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    if (!IsRegularFile(fd)) {
        Close(fd);
        vError = QStringLiteral("it is not a regular file");
        return nullptr;
    }
    std::unique_ptr<FileTextInput> input(new FileTextInput);
    if (!input->m_file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        Close(fd);
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

namespace {

// The length of the valid UTF-8 sequence of two to four bytes at vAt, or 0.
// A surrogate written as UTF-8 (ED A0 to ED BF) is no valid sequence.
int Utf8SequenceAt(QByteArrayView vBytes, qsizetype vAt)
{
    const auto byte = [&](qsizetype i) { return uchar(vBytes.at(vAt + i)); };
    const uchar lead = byte(0);
    const int length = lead >= 0xC2 && lead <= 0xDF ? 2
            : lead >= 0xE0 && lead <= 0xEF          ? 3
            : lead >= 0xF0 && lead <= 0xF4          ? 4
                                                    : 0;
    if (length == 0 || vAt + length > vBytes.size())
        return 0;
    for (int i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    const uchar second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90)
        || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

// True for a surrogate written as UTF-8: how the reader of a UTF-16 file
// keeps half a character that has no other half.
bool IsSurrogateAt(QByteArrayView vBytes, qsizetype vAt)
{
    return vAt + 3 <= vBytes.size() && uchar(vBytes.at(vAt)) == 0xED && uchar(vBytes.at(vAt + 1)) >= 0xA0
            && (uchar(vBytes.at(vAt + 1)) & 0xC0) == 0x80 && (uchar(vBytes.at(vAt + 2)) & 0xC0) == 0x80;
}

// vText as UTF-8, a surrogate without its other half written as a surrogate
// (three bytes that are not UTF-8) rather than lost as "?".
QByteArray ToUtf8KeepingSurrogates(const QString &vText)
{
    QByteArray bytes;
    qsizetype done = 0;
    for (qsizetype i = 0; i < vText.size(); ++i) {
        const QChar ch = vText.at(i);
        if (!ch.isSurrogate())
            continue;
        if (ch.isHighSurrogate() && i + 1 < vText.size() && vText.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        bytes += QStringView(vText).mid(done, i - done).toUtf8();
        const char16_t unit = ch.unicode();
        bytes += char(0xE0 | (unit >> 12));
        bytes += char(0x80 | ((unit >> 6) & 0x3F));
        bytes += char(0x80 | (unit & 0x3F));
        done = i + 1;
    }
    if (done == 0)
        return vText.toUtf8();
    bytes += QStringView(vText).mid(done).toUtf8();
    return bytes;
}

// How many bytes vBytes, UTF-8 made from a UTF-16 file, took in that file.
qsizetype Utf16FileBytes(const char *vBytes, qsizetype vSize)
{
    qsizetype units = 0;
    for (qsizetype i = 0; i < vSize; ++i) {
        const uchar b = uchar(vBytes[i]);
        units += (b & 0xC0) != 0x80; // a character's first byte
        units += b >= 0xF0; // beyond U+FFFF: two units
    }
    return units * 2;
}

// The signatures at the start of files that are documents, not text: a zip
// (.docx, .odt, .xlsx), a PDF, an old Word file, RTF.
bool StartsLikeADocument(QByteArrayView vBytes)
{
    for (const char *signature : {"PK\x03\x04", "%PDF-", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", "{\\rtf"})
        if (vBytes.startsWith(QByteArrayView(signature)))
            return true;
    return false;
}

// A line or name that is not valid UTF-8: each valid sequence read as UTF-8
// and each other byte as Windows-1252 when the sequences are at least as
// many as the stray bytes, else the whole as Windows-1252.
QString DecodeInvalidUtf8(QByteArrayView vBytes, int &vFlaws)
{
    QString mixed;
    mixed.reserve(vBytes.size());
    qsizetype sequences = 0;
    qsizetype stray = 0;
    bool surrogates = false;
    for (qsizetype i = 0; i < vBytes.size();) {
        const uchar b = uchar(vBytes.at(i));
        if (b < 0x80) {
            mixed += QChar(b);
            ++i;
        } else if (const int length = Utf8SequenceAt(vBytes, i)) {
            mixed += QString::fromUtf8(vBytes.sliced(i, length));
            ++sequences;
            i += length;
        } else if (IsSurrogateAt(vBytes, i)) {
            mixed += QChar(QChar::ReplacementCharacter);
            surrogates = true;
            ++sequences;
            i += 3;
        } else {
            mixed += FileTextInput::fromWindows1252(vBytes.sliced(i, 1));
            ++stray;
            ++i;
        }
    }
    if (stray == 0) {
        vFlaws |= surrogates ? TextInput::LoneSurrogate : TextInput::NoFlaw;
        return mixed;
    }
    if (sequences > 0 && sequences >= stray) {
        vFlaws |= TextInput::MixedEncoding | (surrogates ? TextInput::LoneSurrogate : 0);
        return mixed;
    }
    return FileTextInput::fromWindows1252(vBytes);
}

} // namespace

QString FileTextInput::decode(QByteArrayView vBytes, int *vFlaws)
{
    int flaws = NoFlaw;
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(vBytes);
    if (utf8.hasError())
        text = DecodeInvalidUtf8(vBytes, flaws);
    if (vFlaws)
        *vFlaws = flaws;
    return text.normalized(QString::NormalizationForm_C);
}

QString FileTextInput::decodeName(QByteArrayView vBytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(vBytes);
    int flaws = NoFlaw;
    return utf8.hasError() ? DecodeInvalidUtf8(vBytes, flaws) : text;
}

TextInput::Read FileTextInput::readLine(QString &vLine)
{
    const Read result = nextLine(true);
    m_flaws = NoFlaw;
    if (result == Read::Line)
        vLine = decode(m_line, &m_flaws);
    m_line.clear();
    return result;
}

TextInput::Read FileTextInput::skipLine()
{
    m_flaws = NoFlaw;
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
        // Half a character at the very end, a surrogate or a single byte of
        // a unit, is kept as a surrogate, so that the line reports it.
        if (m_utf16 && m_utf16Bytes % 2 != 0)
            m_utf16Carry += QChar(0xD800);
        if (m_utf16Carry.isEmpty())
            return false;
        m_buffer = ToUtf8KeepingSurrogates(m_utf16Carry);
        m_utf16Carry.clear();
        return true;
    }
    if (m_atStart) {
        m_atStart = false;
        m_pos = takeByteOrderMark(m_buffer);
        m_notText = !m_utf16 && StartsLikeADocument(QByteArrayView(m_buffer).sliced(m_pos));
    }
    // A UTF-16 file is turned into UTF-8 a chunk at a time, so that its line
    // ends are found in the same way as an 8-bit file's: searching its bytes
    // directly would take the low byte of a character such as U+010A for a
    // line feed.
    if (m_utf16) {
        // A character outside the Basic Multilingual Plane is two UTF-16 units;
        // the first of them at a chunk's end waits for its second.
        m_utf16Bytes += m_buffer.size() - m_pos;
        QString text = m_utf16Carry + m_utf16->decode(QByteArrayView(m_buffer).sliced(m_pos));
        m_utf16Carry.clear();
        if (!text.isEmpty() && text.back().isHighSurrogate()) {
            m_utf16Carry = text.back();
            text.chop(1);
        }
        m_buffer = ToUtf8KeepingSurrogates(text);
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
        if (m_notText)
            return Read::NotText;
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
        // A NUL byte is in no text a person types: a program's file, or a
        // UTF-16 file that lost its byte order mark.
        if (std::memchr(data + m_pos, 0, size_t(piece))) {
            m_notText = true;
            return Read::NotText;
        }
        length += m_utf16 ? Utf16FileBytes(data + m_pos, piece) : piece;
        if (length > MaxLineBytes)
            return Read::TooLong;
        if (vKeep)
            m_line.append(data + m_pos, piece);
        m_pos = end;
        if (end < size) {
            m_afterCarriageReturn = data[end] == '\r';
            ++m_pos;
            return Read::Line;
        }
    }
}
