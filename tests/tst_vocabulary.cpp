#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The shipped word list keeps every rule the game and its players rely on.
class tst_Vocabulary : public QObject
{
    Q_OBJECT

    QList<QByteArray> m_lines;

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/Vocabulary.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY2(!bytes.contains('\r'), "lines end in a line feed alone");
        QVERIFY(bytes.endsWith('\n'));
        m_lines = bytes.chopped(1).split('\n');
    }

    void theCountLineEqualsTheEntries()
    {
        bool ok = false;
        const int count = m_lines.first().toInt(&ok);
        QVERIFY(ok);
        QCOMPARE(count, m_lines.size() - 1);
        QVERIFY2(count >= 1000, "a vocabulary worth learning from");
    }

    void everyEntryIsAPlayableWordWithAClue()
    {
        static const QRegularExpression word(QStringLiteral("^[a-z]{3,13}$"));
        QSet<QString> seen;
        for (int i = 1; i < m_lines.size(); ++i) {
            const QByteArray &line = m_lines.at(i);
            const QString where = QStringLiteral("line %1: %2").arg(i + 1).arg(QString::fromLatin1(line));
            for (const char c : line)
                QVERIFY2(uchar(c) >= 0x20 && uchar(c) < 0x7F, qPrintable(where));
            const QList<QByteArray> parts = line.split('=');
            QVERIFY2(parts.size() == 2, qPrintable(where));
            const QString name = QString::fromLatin1(parts.at(0));
            const QString meaning = QString::fromLatin1(parts.at(1));
            QVERIFY2(word.match(name).hasMatch(), qPrintable(where));
            QVERIFY2(!seen.contains(name), qPrintable("twice: " + where));
            seen.insert(name);
            QVERIFY2(!meaning.isEmpty() && meaning.at(0).isLower(), qPrintable(where));
            QVERIFY2(meaning.size() <= 90, qPrintable("clue too long to show whole: " + where));
            QVERIFY2(meaning == meaning.trimmed(), qPrintable(where));
            // A clue that holds its word, or the word's stem, gives it away.
            const QString lower = meaning.toLower();
            QVERIFY2(!lower.contains(name), qPrintable("gives the word away: " + where));
            if (name.size() >= 6)
                QVERIFY2(!lower.contains(name.left(5)), qPrintable("gives the word away: " + where));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Vocabulary)
#include "tst_vocabulary.moc"
