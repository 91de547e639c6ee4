#include "platform/FileTextInput.h"

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

    void textIsUtf8AndOtherwiseLatin1_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("cafe") << QString("cafe");
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("latin-1") << QByteArray("caf\xE9") << QString::fromLatin1("caf\xE9");
        QTest::newRow("truncated utf-8 sequence") << QByteArray("\xE2\x82") << QString::fromLatin1("\xE2\x82");
        QTest::newRow("overlong utf-8 is not utf-8") << QByteArray("\xC0\xAF") << QString::fromLatin1("\xC0\xAF");
        QTest::newRow("four-byte utf-8 is one character") << QByteArray("\xF0\x9F\x98\x80") << QString::fromUtf8("\xF0\x9F\x98\x80");
    }
    void textIsUtf8AndOtherwiseLatin1()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(FileTextInput::decode(bytes), text);
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
