#include "platform/FileTextInput.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

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
        QTest::newRow("carriage return and line feed") << QByteArray("2\r\na=b\r\nc=d\r\n") << QStringList{"2", "a=b", "c=d"};
        QTest::newRow("carriage return alone") << QByteArray("2\ra=b\rc=d\r") << QStringList{"2", "a=b", "c=d"};
        QTest::newRow("line feed alone") << QByteArray("2\na=b\nc=d\n") << QStringList{"2", "a=b", "c=d"};
        QTest::newRow("mixed line ends") << QByteArray("2\ra=b\nc=d\r\ne=f") << QStringList{"2", "a=b", "c=d", "e=f"};
        QTest::newRow("last line without an end") << QByteArray("1\na=b") << QStringList{"1", "a=b"};
        QTest::newRow("empty lines are lines") << QByteArray("\n\r\n\r") << QStringList{"", "", ""};
        QTest::newRow("two carriage returns are two ends") << QByteArray("a\r\rb") << QStringList{"a", "", "b"};
        QTest::newRow("line feed then carriage return are two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("byte order mark is skipped") << QByteArray("\xEF\xBB\xBF" "1\na=b") << QStringList{"1", "a=b"};
        QTest::newRow("byte order mark only at the start") << QByteArray("1\n\xEF\xBB\xBF" "a") << QStringList{"1", QString(QChar(0xFEFF)) + "a"};
        QTest::newRow("NUL bytes are kept") << QByteArray("a\0b\nc", 5) << QStringList{QString::fromLatin1("a\0b", 3), "c"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("utf-16 little endian") << QByteArray("\xFF\xFE" "2\0\r\0\n\0a\0=\0b\0\r\0\xE9\0=\0d\0", 22)
                                               << QStringList{"2", "a=b", QString::fromUtf8("\xC3\xA9=d")};
        QTest::newRow("utf-16 big endian") << QByteArray("\xFE\xFF\0" "1\0\n\0a\0=\0b", 12) << QStringList{"1", "a=b"};
        // U+010A is the bytes 0A 01: its low byte must not end a line.
        QTest::newRow("utf-16 character whose low byte is a line feed")
                << QByteArray("\xFF\xFE\x0A\x01\x0D\x01\n\0x\0", 10) << QStringList{QString(QChar(0x010A)) + QChar(0x010D), "x"};
        QTest::newRow("utf-16 byte order mark alone") << QByteArray("\xFF\xFE") << QStringList{};
    }
    void everyLineEndEndsALine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QString why;
        auto input = FileTextInput::open(write(bytes), why);
        QVERIFY2(input, qPrintable(why));
        QCOMPARE(readAll(*input), lines);
    }

    void carriageReturnAndLineFeedAcrossChunksAreOneEnd()
    {
        QByteArray bytes(64 * 1024 - 1, 'x');
        bytes += "\r\nnext\n";
        QString why;
        auto input = FileTextInput::open(write(bytes), why);
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
        auto input = FileTextInput::open(write(bytes), why);
        QVERIFY(input);
        QCOMPARE(readAll(*input), (QStringList{first, "next"}));
    }

    void skippedLinesCountLikeReadLines()
    {
        QString why;
        auto input = FileTextInput::open(write("3\ra=1\r\nb=2\nc=3"), why);
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
        QTest::newRow("ascii") << QByteArray("cafe") << QString("cafe");
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("latin-1 letter") << QByteArray("caf\xE9") << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("curly quotes, dash and ellipsis") << QByteArray("\x93rock\x92n\x92roll\x94 \x96 loud\x85")
                                                          << QString::fromUtf8("\u201Crock\u2019n\u2019roll\u201D \u2013 loud\u2026");
        QTest::newRow("euro sign") << QByteArray("5 \x80") << QString::fromUtf8("5 \u20AC");
        QTest::newRow("undefined byte stays a control") << QByteArray("a\x81") << QString::fromUtf8("a\u0081");
        QTest::newRow("truncated utf-8 sequence") << QByteArray("\xE2\x82") << QString::fromUtf8("\u00E2\u201A");
        QTest::newRow("overlong utf-8 is not utf-8") << QByteArray("\xC0\xAF") << QString::fromLatin1("\xC0\xAF");
        QTest::newRow("four-byte utf-8 is one character") << QByteArray("\xF0\x9F\x98\x80") << QString::fromUtf8("\xF0\x9F\x98\x80");
        QTest::newRow("a combining accent is composed") << QByteArray("cafe\xCC\x81") << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("a mark with no composed form stays") << QByteArray("q\xCC\x83") << QString::fromUtf8("q\xCC\x83");
    }
    void textIsUtf8AndOtherwiseWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(FileTextInput::decode(bytes), text);
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

    void aLineLongerThanTheBoundIsRefused()
    {
        QString why;
        auto fits = FileTextInput::open(write(QByteArray(TextInput::MaxLineBytes, 'a') + "\nb"), why);
        QString line;
        QCOMPARE(fits->readLine(line), TextInput::Read::Line);
        QCOMPARE(line.size(), TextInput::MaxLineBytes);

        auto tooLong = FileTextInput::open(write(QByteArray(TextInput::MaxLineBytes + 1, 'a')), why);
        QCOMPARE(tooLong->readLine(line), TextInput::Read::TooLong);
        auto skipped = FileTextInput::open(write(QByteArray(TextInput::MaxLineBytes + 1, 'a')), why);
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
        auto input = FileTextInput::open(path, why);
        QVERIFY(input);
        QString line;
        QCOMPARE(input->readLine(line), TextInput::Read::TooLong);
    }

    void whatCannotBeReadIsRefusedWithAReason_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << m_dir.filePath("nothing.txt") << "does not exist";
        QTest::newRow("folder") << m_dir.path() << "folder";
        QTest::newRow("device") << "/dev/zero" << "not a regular file";
        // The installed list is a link into /etc: a broken one names where it points.
        const QString missing = m_dir.filePath("gone.txt");
        QFile::link(missing, m_dir.filePath("dangling"));
        QTest::newRow("link to a missing file") << m_dir.filePath("dangling") << missing + ", which does not exist";
        QFile::link(m_dir.filePath("loop2"), m_dir.filePath("loop1"));
        QFile::link(m_dir.filePath("loop1"), m_dir.filePath("loop2"));
        QTest::newRow("links in a loop") << m_dir.filePath("loop1") << m_dir.filePath("loop2") + ", and the links from there lead round in a loop";
        QFile::link(m_dir.filePath("dangling"), m_dir.filePath("chain"));
        QTest::newRow("link to a broken link") << m_dir.filePath("chain") << "leads on to " + missing;
    }
    void whatCannotBeReadIsRefusedWithAReason()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(!FileTextInput::open(path, why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void anUnreadableFileIsRefused()
    {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        const QString path = write("1\na=b");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QString why;
        QVERIFY(!FileTextInput::open(path, why));
        QVERIFY(!why.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_FileTextInput)
#include "tst_filetextinput.moc"
