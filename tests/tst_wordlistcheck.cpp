#include "game/WordListCheck.h"
#include "game/cScaffold.h"
#include "platform/FileTextInput.h"
#include "testsupport/FakeBoard.h"
#include "testsupport/FakePlatform.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <set>

// The word list checker: its findings, its agreement with the game's draw,
// and the program as a teacher runs it.
class tst_WordListCheck : public QObject
{
    Q_OBJECT

    static WordListReport check(FakePlatform &vPlatform)
    {
        return CheckWordList([&](const QString &vPath, QString &vError) { return vPlatform.openText(vPath, vError); },
                             vPlatform.wordListPath());
    }

    static QStringList described(const WordListReport &vReport)
    {
        QStringList lines;
        for (const Finding &f : vReport.findings)
            lines << QStringLiteral("%1:%2:%3")
                             .arg(f.line)
                             .arg(f.kind == Finding::Kind::Error ? "error" : "warning", f.text);
        return lines;
    }

    struct Run
    {
        int status = -1;
        QString out;
        QString err;
    };
    static Run runChecker(const QString &vProgram, const QStringList &vArguments)
    {
        QProcess process;
        process.start(vProgram, vArguments);
        Run run;
        if (!process.waitForFinished(30000))
            return run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

private slots:
    void everyProblemIsFoundInOneRun_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("findings");
        QTest::addColumn<int>("entries");
        QTest::newRow("a clean list") << QByteArray("2\napple=a sweet fruit\npiano=a keyboard instrument\n") << QStringList{} << 2;
        QTest::newRow("two bad lines and a count off by two")
                << QByteArray("5\napple=a sweet fruit\nno equals here\npiano=an instrument\n=no word\n")
                << QStringList{"1:error:holds 5 entries, but the file ends after 4", "3:error:no \"=\"", "5:error:no word"} << 4;
        QTest::newRow("a smaller count names the first entry never drawn")
                << QByteArray("1\napple=a sweet fruit\npiano=an instrument\ncandle=wax\n")
                << QStringList{"1:warning:says 1 entries, but 3 follow: from line 3, \"piano=an instrument\" on"} << 1;
        QTest::newRow("a count of 0 with more than one entry")
                << QByteArray("0\napple=a sweet fruit\npiano=an instrument\n") << QStringList{"1:warning:says 0 entries, but 2 follow"} << 1;
        QTest::newRow("entries after the count are not checked") << QByteArray("1\napple=a sweet fruit\nno equals\n")
                                                                 << QStringList{"1:warning:from line 3"} << 1;
        QTest::newRow("the same word twice, case aside") << QByteArray("2\nApple=a sweet fruit\napple=a fruit\n")
                                                         << QStringList{"3:warning:\"apple\" is also the word of line 2"} << 2;
        QTest::newRow("an empty clue") << QByteArray("1\napple=\n") << QStringList{"2:warning:meaning is empty"} << 1;
        QTest::newRow("a clue holding its word") << QByteArray("1\ncat=a Cat is a pet\n") << QStringList{"2:warning:gives it away"} << 1;
        QTest::newRow("a word inside a longer word gives nothing away") << QByteArray("1\ncat=a category\n") << QStringList{} << 1;
        QTest::newRow("characters shown from the start")
                << QByteArray("2\nx-ray 2=a picture\ncaf\xC3\xA9=coffee\n")
                << QStringList{"2:warning:holds \"-\", \" \", \"2\"", QString::fromUtf8("3:warning:holds \"\xC3\xA9\"")} << 2;
        QTest::newRow("a clue too long to show whole")
                << "1\nlantern=" + QByteArray(Controls::ClueShownWhole + 1, 'a') + "\n"
                << QStringList{QStringLiteral("2:warning:%1 characters, but the clue shows at most %2").arg(Controls::ClueShownWhole + 1).arg(Controls::ClueShownWhole)}
                << 1;
        QTest::newRow("a clue as long as shows whole") << "1\nlantern=" + QByteArray(Controls::ClueShownWhole, 'a') + "\n" << QStringList{} << 1;
        QTest::newRow("blank lines at the end are not entries") << QByteArray("1\napple=a fruit\n\n \n") << QStringList{} << 1;
        QTest::newRow("a blank line among the entries is an error")
                << QByteArray("2\n\napple=a fruit\n") << QStringList{"2:error:line is empty"} << 2;
        QTest::newRow("a count that is no number still has its entries checked")
                << QByteArray("twenty\napple=a fruit\nno equals\n\npiano=an instrument\n\n")
                << QStringList{"1:error:not a whole number", "3:error:no \"=\"", "4:error:line is empty"} << 4;
        QTest::newRow("a line too long ends the check")
                << "3\napple=a fruit\n" + QByteArray(TextInput::MaxLineBytes + 1, 'x') + "\npiano=an instrument\n"
                << QStringList{"3:error:too long to be an entry"} << 1;
        QTest::newRow("an empty file") << QByteArray() << QStringList{"0:error:is empty"} << 0;
        QTest::newRow("a count and no entries") << QByteArray("3\n") << QStringList{"0:error:holds no entries"} << 0;
    }
    void everyProblemIsFoundInOneRun()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, findings);
        QFETCH(int, entries);
        FakePlatform platform;
        platform.writeWordList(bytes);
        const WordListReport report = check(platform);
        const QStringList found = described(report);
        QVERIFY2(found.size() == findings.size(), qPrintable(found.join('\n')));
        for (int i = 0; i < found.size(); ++i) {
            const QString where = findings.at(i).section(':', 0, 1) + ':';
            const QString text = findings.at(i).section(':', 2);
            QVERIFY2(found.at(i).startsWith(where) && found.at(i).contains(text), qPrintable(found.join('\n')));
        }
        QCOMPARE(report.entries, entries);
        QVERIFY(report.readable);
    }

    // Every list of the test data, the fuzz corpus and the shipped list: the
    // checker reports an error on line L exactly when some draw is refused
    // naming line L, and never on the line of an entry that was played.
    void theCheckerAndTheDrawAgree_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QDir data(QStringLiteral(SCAFFOLD_SOURCE_DIR "/tests/data/wordlists"));
        for (const QFileInfo &file : data.entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(file.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable("test data " + file.fileName())) << f.readAll();
        }
        // A corpus input starts with two bytes of random value and one of clicks.
        const QDir corpus(QStringLiteral(SCAFFOLD_SOURCE_DIR "/fuzz/corpus"));
        for (const QFileInfo &file : corpus.entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(file.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable("fuzz corpus " + file.fileName())) << f.readAll().mid(3);
        }
        QFile shipped(QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/lists/intermediate.txt"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QTest::newRow("the shipped list") << shipped.readAll();
        QTest::newRow("no file at all") << QByteArray("<none>");
        QTest::newRow("count not a number") << QByteArray("many\napple=a fruit\n");
    }
    void theCheckerAndTheDrawAgree()
    {
        QFETCH(QByteArray, bytes);
        FakeBoard board;
        FakePlatform platform;
        if (bytes != "<none>")
            platform.writeWordList(bytes);
        const WordListReport report = check(platform);
        std::set<int> errors;
        for (const Finding &f : report.findings)
            if (f.kind == Finding::Kind::Error)
                errors.insert(f.line);

        // The count as the game reads it; -1 when it has none.
        int count = -1;
        QString why;
        if (auto input = FileTextInput::open(platform.wordListPath(), why)) {
            try {
                count = WordList::ReadCount(*input).count;
            } catch (const WordListError &) {
            }
        }
        // Draws past the end of the file all stop at the same place, so the
        // entries are tried up to one past the last line, and the count's own.
        const int lines = int(bytes.count('\n') + bytes.count('\r')) + 1;
        std::vector<int> draws;
        for (int k = 1; k <= std::max(1, std::min<int>(count, lines + 1)); ++k)
            draws.push_back(k);
        if (count > lines + 1)
            draws.push_back(count);

        std::set<int> refused;
        std::set<int> played;
        cScaffold ops(board, platform);
        for (const int k : draws) {
            platform.randoms = {count > 0 ? (k - 0.5) / count : 0.0};
            try {
                const WordList::EntryLine drawn = ops.RetrieveString();
                QString word, meaning;
                ops.RetrieveNameMeaning(drawn, word, meaning);
                played.insert(drawn.number);
            } catch (const WordListError &e) {
                refused.insert(e.line);
            }
        }
        if (count >= 0) {
            QCOMPARE(refused, errors);
        } else {
            // Without a count every draw stops at the first line; the checker
            // goes on to check the entries as well.
            QCOMPARE(refused.size(), size_t(1));
            QVERIFY(errors.count(*refused.begin()));
        }
        for (const int line : played)
            QVERIFY2(!errors.count(line), qPrintable(QString::number(line)));
        QCOMPARE(report.readable, bytes != "<none>");
    }

    void theProgramReportsLikeACompiler_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("errors on two lines and a count off by two")
                << QByteArray("12\napple=a sweet fruit\npiano=a keyboard instrument\nriver bank a place by the water\n"
                              "candle=wax\nharbour=a place for ships\nmeadow=a field\nextraordinarily=very unusual\n"
                              "lantern=a lamp\nbasket=a container\nglacier=a river of ice\n")
                << 1
                << "@:1: error: The first line says the list holds 12 entries, but the file ends after 10.\n    12\n"
                   "@:4: error: The entry has no \"=\" between the word and its meaning.\n    river bank a place by the water\n"
                   "@:8: error: The word has 15 characters, but a word can have at most 13.\n    extraordinarily=very unusual\n"
                   "3 errors, 0 warnings in 10 entries\n";
        QTest::newRow("warnings alone still pass")
                << QByteArray("2\ncat=a cat\ndog=a\x07 pet\n") << 0
                << "@:2: warning: The meaning holds the word itself, which gives it away.\n    cat=a cat\n"
                   "2 entries, all playable; 1 warning\n";
        QTest::newRow("one error") << QByteArray("1\n=clue\n") << 1
                                   << "@:2: error: The entry has no word before the \"=\".\n    =clue\n1 error, 0 warnings in 1 entry\n";
        QTest::newRow("the file cannot be read") << QByteArray("<none>") << 2
                                                 << "@: error: The word list could not be opened: the file does not exist.\n";
    }
    void theProgramReportsLikeACompiler()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, output);
        FakePlatform platform;
        if (bytes != "<none>")
            platform.writeWordList(bytes);
        const Run run = runChecker(QStringLiteral(SCAFFOLD_CHECK), {platform.wordListPath()});
        QCOMPARE(run.out, output.replace('@', platform.wordListPath()));
        QCOMPARE(run.status, status);
    }

    void theShippedListChecksClean()
    {
        const Run run = runChecker(QStringLiteral(SCAFFOLD_CHECK), {QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/lists/intermediate.txt")});
        QCOMPARE(run.status, 0);
        QVERIFY2(QRegularExpression("^\\d+ entries, all playable\n$").match(run.out).hasMatch(), qPrintable(run.out));
    }

    void helpAndVersionAreOffered()
    {
        const Run help = runChecker(QStringLiteral(SCAFFOLD_CHECK), {"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("[FILE]"));
        QVERIFY(help.out.contains("Exit status"));
        const Run version = runChecker(QStringLiteral(SCAFFOLD_CHECK), {"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("scaffold-check 1."));
    }

    // Without a file the checker reads the list the game beside it reads.
    void withoutAFileTheListBesideTheProgramIsChecked()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QStringLiteral(SCAFFOLD_CHECK), folder.filePath("scaffold-check")));
        QFile list(folder.filePath("Vocabulary.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("1\nnothing to see\n");
        list.close();
        const Run run = runChecker(folder.filePath("scaffold-check"), {});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(QDir(folder.path()).canonicalPath() + "/Vocabulary.txt:2: error:"), qPrintable(run.out));
    }

    // A folder name that is not valid UTF-8 must not send the checker to /Vocabulary.txt.
    void aProgramFolderThatCannotBeNamedIsReported()
    {
        QTemporaryDir folder;
        const QString script = QStringLiteral(
                "d=\"$1/bad$(printf '\\377')\" && mkdir \"$d\" && cp \"$2\" \"$d/\" && cd \"$d\" && exec ./scaffold-check");
        const Run run = runChecker("/bin/sh", {"-c", script, "sh", folder.path(), QStringLiteral(SCAFFOLD_CHECK)});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("folder of this program could not be determined"), qPrintable(run.err + run.out));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_WordListCheck)
#include "tst_wordlistcheck.moc"
