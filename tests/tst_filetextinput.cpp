#include "platform/files/FileTextInput.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#if defined(Q_OS_WIN)
// Cases of Linux's own: file names in bytes, symbolic links, devices, modes.
#define SKIP_ON_WINDOWS() QSKIP("a case of Linux's file names, links, devices or modes")
#else
#include <unistd.h>
#define SKIP_ON_WINDOWS()
#endif

class tst_FileTextInput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray &vBytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("list.txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(vBytes);
        return path;
    }

    static QStringList readAll(TextInput &vInput)
    {
        QStringList lines;
        QString line;
        while (vInput.readLine(line) == TextInput::Read::Line)
            lines << line;
        return lines;
    }

private slots:
    void everyLineEndEndsALine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("carriage return and line feed")
                << QByteArray("2\r\na=b\r\nc=d\r\n") << QStringList{"2", "a=b", "c=d"};
        QTest::newRow("carriage return alone") << QByteArray("2\ra=b\rc=d\r") << QStringList{"2", "a=b", "c=d"};
        QTest::newRow("line feed alone") << QByteArray("2\na=b\nc=d\n") << QStringList{"2", "a=b", "c=d"};
        QTest::newRow("mixed line ends") << QByteArray("2\ra=b\nc=d\r\ne=f") << QStringList{"2", "a=b", "c=d", "e=f"};
        QTest::newRow("last line without an end") << QByteArray("1\na=b") << QStringList{"1", "a=b"};
        QTest::newRow("empty lines are lines") << QByteArray("\n\r\n\r") << QStringList{"", "", ""};
        QTest::newRow("two carriage returns are two ends") << QByteArray("a\r\rb") << QStringList{"a", "", "b"};
        QTest::newRow("line feed then carriage return are two ends")
                << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("byte order mark is skipped") << QByteArray("\xEF\xBB\xBF"
                                                                  "1\na=b")
                                                    << QStringList{"1", "a=b"};
        QTest::newRow("byte order mark only at the start") << QByteArray("1\n\xEF\xBB\xBF"
                                                                         "a")
                                                           << QStringList{"1", QString(QChar(0xFEFF)) + "a"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("utf-16 little endian") << QByteArray("\xFF\xFE"
                                                            "2\0\r\0\n\0a\0=\0b\0\r\0\xE9\0=\0d\0",
                                                            22)
                                              << QStringList{"2", "a=b", QString::fromUtf8("\xC3\xA9=d")};
        QTest::newRow("utf-16 big endian") << QByteArray("\xFE\xFF\0"
                                                         "1\0\n\0a\0=\0b",
                                                         12)
                                           << QStringList{"1", "a=b"};
        // U+010A is the bytes 0A 01: its low byte must not end a line.
        QTest::newRow("utf-16 character whose low byte is a line feed")
                << QByteArray("\xFF\xFE\x0A\x01\x0D\x01\n\0x\0", 10)
                << QStringList{QString(QChar(0x010A)) + QChar(0x010D), "x"};
        QTest::newRow("utf-16 byte order mark alone") << QByteArray("\xFF\xFE") << QStringList{};
    }
    void everyLineEndEndsALine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write(bytes)), why);
        QVERIFY2(input, qPrintable(why));
        QCOMPARE(readAll(*input), lines);
    }

    // A document saved by mistake, or any file with a NUL byte, is refused at
    // the line that shows it; the lines before it are read.
    void whatIsNotTextIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("linesBefore");
        QTest::newRow("a NUL byte on the first line") << QByteArray("a\0b\nc", 5) << QStringList{};
        QTest::newRow("a NUL byte further on") << QByteArray("1\na=b\nc\0d\n", 10) << QStringList{"1", "a=b"};
        QTest::newRow("UTF-16 without its byte order mark") << QByteArray("1\0\n\0", 4) << QStringList{};
        QTest::newRow("a .docx or .odt, which is a zip") << QByteArray("PK\x03\x04\x14\0\x06\0", 8) << QStringList{};
        QTest::newRow("a PDF") << QByteArray("%PDF-1.7\n%\xE2\xE3\n1 0 obj\n") << QStringList{};
        QTest::newRow("an old Word file") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1rest") << QStringList{};
        QTest::newRow("RTF") << QByteArray("{\\rtf1\\ansi 2\\par apple=a fruit}") << QStringList{};
        QTest::newRow("a document's signature after a byte order mark")
                << QByteArray("\xEF\xBB\xBFPK\x03\x04x") << QStringList{};
    }
    void whatIsNotTextIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, linesBefore);
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write(bytes)), why);
        QVERIFY(input);
        QString line;
        QStringList read;
        TextInput::Read result;
        while ((result = input->readLine(line)) == TextInput::Read::Line)
            read << line;
        QCOMPARE(read, linesBefore);
        QCOMPARE(result, TextInput::Read::NotText);
        auto skipping = FileTextInput::open(FilePath::FromText(write(bytes)), why);
        for (qsizetype i = 0; i < linesBefore.size(); ++i)
            QCOMPARE(skipping->skipLine(), TextInput::Read::Line);
        QCOMPARE(skipping->skipLine(), TextInput::Read::NotText);
    }

    void textThatMerelyStartsLikeASignatureIsText()
    {
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write("PK\n%PDF=a format\n")), why);
        QCOMPARE(readAll(*input), (QStringList{"PK", "%PDF=a format"}));
    }

    // A UTF-16 unit without its other half is read as U+FFFD and flagged, not lost as "?".
    void aLoneSurrogateIsReadAsReplacementAndFlagged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        QTest::newRow("a high surrogate alone")
                << QByteArray("\xFF\xFEx\0\x3D\xD8y\0\n\0", 10) << QString::fromUtf8("x\uFFFDy");
        QTest::newRow("a low surrogate alone")
                << QByteArray("\xFF\xFEx\0\x00\xDEy\0", 8) << QString::fromUtf8("x\uFFFDy");
        QTest::newRow("two high surrogates, then a pair")
                << QByteArray("\xFF\xFE\x3D\xD8\x3D\xD8\x00\xDE", 8) << QString::fromUtf8("\uFFFD\xF0\x9F\x98\x80");
        QTest::newRow("a high surrogate at the end of the file")
                << QByteArray("\xFF\xFEx\0\x3D\xD8", 6) << QString::fromUtf8("x\uFFFD");
        QTest::newRow("a single byte at the end of the file")
                << QByteArray("\xFF\xFEx\0y", 5) << QString::fromUtf8("x\uFFFD");
    }
    void aLoneSurrogateIsReadAsReplacementAndFlagged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write(bytes)), why);
        QString read;
        QCOMPARE(input->readLine(read), TextInput::Read::Line);
        QCOMPARE(read, line);
        QCOMPARE(input->flaws(), int(TextInput::LoneSurrogate));
    }

    void aWholeSurrogatePairIsNoFlaw()
    {
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write(QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6))), why);
        QString read;
        QCOMPARE(input->readLine(read), TextInput::Read::Line);
        QCOMPARE(input->flaws(), int(TextInput::NoFlaw));
    }

    // A name that is not UTF-8 (a Latin-1 "latín1.txt") is opened, and shown readably.
    void aFileNameInAnyBytesIsOpened()
    {
        SKIP_ON_WINDOWS();
        const QByteArray name = QFile::encodeName(m_dir.path()) + "/lat\xEDn1.txt";
        FILE *file = std::fopen(name.constData(), "wb");
        QVERIFY(file);
        std::fputs("1\napple=a fruit\n", file);
        std::fclose(file);
        QString why;
        auto input = FileTextInput::open(name.toStdString(), why);
        QVERIFY2(input, qPrintable(why));
        QCOMPARE(readAll(*input), (QStringList{"1", "apple=a fruit"}));
        QCOMPARE(FilePath::Shown(name.toStdString()), m_dir.path() + QString::fromUtf8("/lat\xC3\xADn1.txt"));
        QVERIFY(!FileTextInput::open((name + "x").toStdString(), why));
        QVERIFY2(why.contains("does not exist"), qPrintable(why));
#if !defined(Q_OS_WIN)
        ::unlink(name.constData()); // Qt cannot name it to remove it with the folder
#endif
    }

    // A name in letters beyond the ANSI code page ("слова Zoë.txt") is opened
    // on Windows too, and shown as it is.
    void aFileNamedInAnyLettersIsOpened()
    {
        const QString name = QString::fromUtf8("\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0 Zo\xC3\xAB.txt");
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\napple=a fruit\n");
        file.close();
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(file.fileName()), why);
        QVERIFY2(input, qPrintable(why));
        QCOMPARE(readAll(*input), (QStringList{"1", "apple=a fruit"}));
        QCOMPARE(FilePath::Shown(FilePath::FromText(file.fileName())), QDir::toNativeSeparators(file.fileName()));
    }

    // The installed list is a link into /etc: messages name the file it leads to.
    void aLinkIsShownByItsTarget()
    {
        SKIP_ON_WINDOWS();
        const QString target = write("1\na=b\n");
        const QString link = m_dir.filePath("linked.txt");
        QFile::remove(link);
        QVERIFY(QFile::link(target, link));
        const auto shown = [](const QString &vPath) {
            return FilePath::Shown(FilePath::Resolved(FilePath::FromText(vPath)));
        };
        QCOMPARE(shown(link), QFileInfo(target).canonicalFilePath());
        QCOMPARE(shown(target), target);
        QCOMPARE(shown("relative/name.txt"), "relative/name.txt");
    }

    void carriageReturnAndLineFeedAcrossChunksAreOneEnd()
    {
        QByteArray bytes(64 * 1024 - 1, 'x');
        bytes += "\r\nnext\n";
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write(bytes)), why);
        QVERIFY(input);
        QCOMPARE(readAll(*input), (QStringList{QString(64 * 1024 - 1, u'x'), "next"}));
    }

    // The chunk boundary falls inside a surrogate pair: the decoder must carry the half over.
    void aUtf16CharacterSplitAcrossChunksIsOneCharacter()
    {
        const QString first = QString(32766, u'x') + QString::fromUtf8("\xF0\x9F\x98\x80");
        QByteArray bytes("\xFF\xFE");
        const QString text = first + QStringLiteral("\nnext");
        bytes += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QCOMPARE(bytes.indexOf("\x3D\xD8"), 65534); // the high surrogate's place
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write(bytes)), why);
        QVERIFY(input);
        QCOMPARE(readAll(*input), (QStringList{first, "next"}));
    }

    void skippedLinesCountLikeReadLines()
    {
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(write("3\ra=1\r\nb=2\nc=3")), why);
        QVERIFY(input);
        QString line;
        QCOMPARE(input->skipLine(), TextInput::Read::Line);
        QCOMPARE(input->skipLine(), TextInput::Read::Line);
        QCOMPARE(input->skipLine(), TextInput::Read::Line);
        QCOMPARE(input->readLine(line), TextInput::Read::Line);
        QCOMPARE(line, "c=3");
        QCOMPARE(input->skipLine(), TextInput::Read::End);
    }

    void textIsUtf8AndOtherwiseWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("flaws");
        QTest::newRow("ascii") << QByteArray("cafe") << QString("cafe") << 0;
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("caf\xC3\xA9") << 0;
        QTest::newRow("latin-1 letter") << QByteArray("caf\xE9") << QString::fromUtf8("caf\xC3\xA9") << 0;
        QTest::newRow("curly quotes, dash and ellipsis")
                << QByteArray("\x93rock\x92n\x92roll\x94 \x96 loud\x85")
                << QString::fromUtf8("\u201Crock\u2019n\u2019roll\u201D \u2013 loud\u2026") << 0;
        QTest::newRow("euro sign") << QByteArray("5 \x80") << QString::fromUtf8("5 \u20AC") << 0;
        QTest::newRow("undefined byte stays a control") << QByteArray("a\x81") << QString::fromUtf8("a\u0081") << 0;
        QTest::newRow("truncated utf-8 sequence") << QByteArray("\xE2\x82") << QString::fromUtf8("\u00E2\u201A") << 0;
        QTest::newRow("overlong utf-8 is not utf-8") << QByteArray("\xC0\xAF") << QString::fromLatin1("\xC0\xAF") << 0;
        QTest::newRow("four-byte utf-8 is one character")
                << QByteArray("\xF0\x9F\x98\x80") << QString::fromUtf8("\xF0\x9F\x98\x80") << 0;
        QTest::newRow("a combining accent is composed")
                << QByteArray("cafe\xCC\x81") << QString::fromUtf8("caf\xC3\xA9") << 0;
        QTest::newRow("a mark with no composed form stays")
                << QByteArray("q\xCC\x83") << QString::fromUtf8("q\xCC\x83") << 0;
        // Mostly UTF-8: only the stray byte is read as Windows-1252.
        QTest::newRow("one Windows-1252 apostrophe in a UTF-8 line")
                << QByteArray("na\xC3\xAFve=innocent, it\x92s said")
                << QString::fromUtf8("na\u00EFve=innocent, it\u2019s said") << int(TextInput::MixedEncoding);
        QTest::newRow("stray bytes outnumber the UTF-8: all Windows-1252")
                << QByteArray("\x93"
                              "caf\xC3\xA9\x94 \x96")
                << QString::fromUtf8("\u201Ccaf\u00C3\u00A9\u201D \u2013") << 0;
        QTest::newRow("a UTF-8 surrogate is half a character")
                << QByteArray("x\xED\xA0\xBDy") << QString::fromUtf8("x\uFFFDy") << int(TextInput::LoneSurrogate);
    }
    void textIsUtf8AndOtherwiseWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(int, flaws);
        int found = -1;
        QCOMPARE(FileTextInput::decode(bytes, &found), text);
        QCOMPARE(found, flaws);
    }

    // The table against the system's own code page, where Qt was built with ICU.
    void theWindows1252TableMatchesTheCodePage()
    {
        QStringDecoder system("windows-1252");
        if (!system.isValid())
            QSKIP("this Qt has no Windows-1252 decoder to compare with");
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const QByteArray one(1, char(byte));
            QCOMPARE(FileTextInput::fromWindows1252(one), system(one));
        }
    }

    // The bound counts a UTF-16 file's own bytes, two a unit, whatever the
    // characters take once converted.
    void theBoundCountsAUtf16FilesOwnBytes_data()
    {
        QTest::addColumn<QString>("character");
        QTest::newRow("ascii, one byte converted") << "a";
        QTest::newRow("e acute, two bytes converted") << QString::fromUtf8("\u00E9");
        QTest::newRow("a CJK character, three bytes converted") << QString::fromUtf8("\u6C34");
    }
    void theBoundCountsAUtf16FilesOwnBytes()
    {
        QFETCH(QString, character);
        const auto utf16 = [](const QString &vText) {
            return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(vText.utf16()), vText.size() * 2);
        };
        const qsizetype units = TextInput::MaxLineBytes / 2;
        QString why;
        auto fits = FileTextInput::open(FilePath::FromText(write(utf16(character.repeated(units) + "\nb"))), why);
        QString line;
        QCOMPARE(fits->readLine(line), TextInput::Read::Line);
        QCOMPARE(line.size(), units);
        auto tooLong = FileTextInput::open(FilePath::FromText(write(utf16(character.repeated(units + 1)))), why);
        QCOMPARE(tooLong->readLine(line), TextInput::Read::TooLong);
    }

    void aLineLongerThanTheBoundIsRefused()
    {
        QString why;
        auto fits = FileTextInput::open(FilePath::FromText(write(QByteArray(TextInput::MaxLineBytes, 'a') + "\nb")),
                                        why);
        QString line;
        QCOMPARE(fits->readLine(line), TextInput::Read::Line);
        QCOMPARE(line.size(), TextInput::MaxLineBytes);

        auto tooLong = FileTextInput::open(FilePath::FromText(write(QByteArray(TextInput::MaxLineBytes + 1, 'a'))),
                                           why);
        QCOMPARE(tooLong->readLine(line), TextInput::Read::TooLong);
        auto skipped = FileTextInput::open(FilePath::FromText(write(QByteArray(TextInput::MaxLineBytes + 1, 'a'))),
                                           why);
        QCOMPARE(skipped->skipLine(), TextInput::Read::TooLong);
    }

    // A huge file without a line end must be refused after the bound, not read whole.
    void aGibibyteWithoutALineEndIsRefusedAtOnce()
    {
        const QString path = m_dir.filePath(QStringLiteral("sparse.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(1) << 30));
        file.close();
        QString why;
        auto input = FileTextInput::open(FilePath::FromText(path), why);
        QVERIFY(input);
        QString line;
        // All zeros: refused as no text before the bound is reached.
        QCOMPARE(input->readLine(line), TextInput::Read::NotText);
    }

    void whatCannotBeReadIsRefusedWithAReason_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << m_dir.filePath("nothing.txt") << "does not exist";
        QTest::newRow("folder") << m_dir.path() << "folder";
#if !defined(Q_OS_WIN)
        QTest::newRow("device") << "/dev/zero"
                                << "not a regular file";
        // The installed list is a link into /etc: a broken one names where it points.
        const QString missing = m_dir.filePath("gone.txt");
        QFile::link(missing, m_dir.filePath("dangling"));
        QTest::newRow("link to a missing file") << m_dir.filePath("dangling") << missing + ", which does not exist";
        QFile::link(m_dir.filePath("loop2"), m_dir.filePath("loop1"));
        QFile::link(m_dir.filePath("loop1"), m_dir.filePath("loop2"));
        QTest::newRow("links in a loop") << m_dir.filePath("loop1")
                                         << m_dir.filePath("loop2") + ", and the links from there lead round in a loop";
        QFile::link(m_dir.filePath("dangling"), m_dir.filePath("chain"));
        QTest::newRow("link to a broken link") << m_dir.filePath("chain") << "leads on to " + missing;
#endif
    }
    void whatCannotBeReadIsRefusedWithAReason()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(!FileTextInput::open(FilePath::FromText(path), why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void anUnreadableFileIsRefused()
    {
        SKIP_ON_WINDOWS();
#if !defined(Q_OS_WIN)
        if (geteuid() == 0)
            QSKIP("root reads every file");
        const QString path = write("1\na=b");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QString why;
        QVERIFY(!FileTextInput::open(FilePath::FromText(path), why));
        QVERIFY(!why.isEmpty());
#endif
    }
};

QTEST_GUILESS_MAIN(tst_FileTextInput)
#include "tst_filetextinput.moc"
