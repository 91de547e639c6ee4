#include "game/WordListCheck.h"
#include "game/cScaffold.h"
#include "platform/files/FileTextInput.h"
#include "testsupport/FakeBoard.h"
#include "testsupport/FakePlatform.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <set>

// Cases of Linux's own: file names in bytes, symbolic links, the shell.
#if defined(Q_OS_WIN)
#define SKIP_ON_WINDOWS() QSKIP("a case of Linux's file names, links or shell")
#else
#define SKIP_ON_WINDOWS()
#endif

// The word list checker: its findings, its agreement with the game's draw,
// and the program as a teacher runs it.
class tst_WordListCheck : public QObject
{
    Q_OBJECT

    static WordListReport check(FakePlatform &vPlatform)
    {
        QString why;
        std::unique_ptr<TextInput> input = vPlatform.openText(vPlatform.wordListPath(), why);
        return CheckWordList(std::move(input), why);
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
#if defined(Q_OS_WIN)
    static constexpr const char *CheckerName = "scaffold-check.exe";
#else
    static constexpr const char *CheckerName = "scaffold-check";
#endif

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
        QTest::newRow("a clean list") << QByteArray("2\napple=a sweet fruit\npiano=a keyboard instrument\n")
                                      << QStringList{} << 2;
        QTest::newRow("two bad lines and a count off by two")
                << QByteArray("5\napple=a sweet fruit\nno equals here\npiano=an instrument\n=no word\n")
                << QStringList{"1:error:holds 5 entries, but the file ends after 4", "3:error:no \"=\"",
                               "5:error:no word"}
                << 4;
        QTest::newRow("a smaller count names the first entry never drawn")
                << QByteArray("1\napple=a sweet fruit\npiano=an instrument\ncandle=wax\n")
                << QStringList{"1:warning:says 1 entries, but 3 follow: from line 3, \"piano=an instrument\" on"} << 1;
        QTest::newRow("a count of 0 with more than one entry")
                << QByteArray("0\napple=a sweet fruit\npiano=an instrument\n")
                << QStringList{"1:warning:says 0 entries, but 2 follow"} << 1;
        QTest::newRow("entries after the count are not checked")
                << QByteArray("1\napple=a sweet fruit\nno equals\n") << QStringList{"1:warning:from line 3"} << 1;
        QTest::newRow("the same word twice, case aside")
                << QByteArray("2\nApple=a sweet fruit\napple=a fruit\n")
                << QStringList{"3:warning:\"apple\" is also the word of line 2"} << 2;
        QTest::newRow("an empty clue") << QByteArray("1\napple=\n") << QStringList{"2:warning:meaning is empty"} << 1;
        QTest::newRow("a clue holding its word")
                << QByteArray("1\ncat=a Cat is a pet\n") << QStringList{"2:warning:gives it away"} << 1;
        QTest::newRow("a word inside a longer word gives nothing away")
                << QByteArray("1\ncat=a category\n") << QStringList{} << 1;
        QTest::newRow("blanks, hyphens, apostrophes, digits and accents are the teacher's choice")
                << QByteArray("6\nice cream=a cold sweet\ncaf\xC3\xA9=coffee\no'clock=the hour\nna\xC3\xAFve=innocent\n"
                              "x-ray 2=a picture\nrock\xE2\x80\x99n\xE2\x80\x99roll=music\n")
                << QStringList{} << 6;
        QTest::newRow("other characters shown from the start")
                << QByteArray("1\nC++=a language\n") << QStringList{"2:warning:holds \"+\""} << 1;
        // What looks like a letter A to Z or a cell but is not: an error, the character named.
        QTest::newRow("look-alikes, fullwidth forms, fillers, joiners, selectors and \"_\"")
                << QByteArray("9\nc\xD0\xB0t=Cyrillic a\nd\xCE\xBFg=Greek omicron\n\xEF\xBC\xA1pple=fullwidth\n"
                              "ice\xE3\x85\xA4"
                              "cream=Hangul filler\nc\xCD\x8F"
                              "at=joiner\nstar\xEF\xB8\x8F=selector\n"
                              "snake_case=a style\n\xF0\x9D\x90\x80pple=bold\nbook\xEF\xBC\x91=fullwidth one\n")
                << QStringList{"2:error:U+0430 CYRILLIC SMALL LETTER A, which looks like \"a\"",
                               "3:error:U+03BF GREEK SMALL LETTER OMICRON, which looks like \"o\"",
                               "4:error:U+FF21 FULLWIDTH LATIN CAPITAL LETTER A, which looks like \"A\"",
                               "5:error:U+3164 HANGUL FILLER",
                               "6:error:U+034F COMBINING GRAPHEME JOINER",
                               "7:error:U+FE0F VARIATION SELECTOR-16",
                               "8:error:holds \"_\", which looks like a cell not yet guessed",
                               "9:error:U+1D400 MATHEMATICAL BOLD CAPITAL A",
                               "10:error:U+FF11 FULLWIDTH DIGIT ONE, a fullwidth character"}
                << 9;
        QTest::newRow("another form is named by what it stands for")
                << QByteArray("2\n\xEF\xAC\x81sh=ligature\nchapter \xE2\x85\xAB=Roman twelve\n")
                << QStringList{"2:error:LIGATURE FI, which looks like \"fi\"",
                               "3:error:ROMAN NUMERAL TWELVE, which looks like \"XII\""}
                << 2;
        QTest::newRow("a look-alike in the meaning is no matter")
                << QByteArray("1\ncat=\xD0\xB0 pet\n") << QStringList{} << 1;
        QTest::newRow("a line mixing UTF-8 and Windows-1252") << QByteArray("1\nna\xC3\xAFve=innocent, it\x92s said\n")
                                                              << QStringList{"2:warning:mixes two encodings"} << 1;
        QTest::newRow("a Windows-1252 line alone is no mixture")
                << QByteArray("1\ncaf\xE9=it\x92s coffee\n") << QStringList{} << 1;
        QTest::newRow("half a UTF-16 character") << QByteArray("\xFF\xFE"
                                                               "1\0\n\0a\0=\0\x3D\xD8",
                                                               12)
                                                 << QStringList{"2:warning:half a UTF-16 character"} << 1;
        QTest::newRow("\"%\" in a word stays as written")
                << QByteArray("2\nab%1%2=x\nAB%1%2=y\n")
                << QStringList{"2:warning:holds \"%\"", "3:warning:holds \"%\"",
                               "3:warning:\"AB%1%2\" is also the word of line 2"}
                << 2;
        QTest::newRow("a document saved by mistake")
                << QByteArray("PK\x03\x04\x14\0\x06\0\n2\n", 10) << QStringList{"1:error:not plain text"} << 0;
        QTest::newRow("a clue too long to show whole")
                << "1\nlantern=" + QByteArray(Controls::ClueShownWhole + 1, 'a') + "\n"
                << QStringList{QStringLiteral("2:warning:%1 characters, but the clue shows at most %2")
                                       .arg(Controls::ClueShownWhole + 1)
                                       .arg(Controls::ClueShownWhole)}
                << 1;
        QTest::newRow("a clue as long as shows whole") << "1\nlantern=" + QByteArray(Controls::ClueShownWhole, 'a')
                        + "\n" << QStringList{} << 1;
        QTest::newRow("blank lines at the end are not entries")
                << QByteArray("1\napple=a fruit\n\n \n") << QStringList{} << 1;
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
        if (auto input = FileTextInput::open(FilePath::FromText(platform.wordListPath()), why)) {
            try {
                count = WordList::ReadCount(*input).count;
            } catch (const WordListError &) { }
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
                   "    hint: Make the first line the number of entries that follow, 10.\n"
                   "@:4: error: The entry has no \"=\" between the word and its meaning.\n    river bank a place by "
                   "the water\n"
                   "    hint: A correct entry is the word, \"=\" and its meaning, for instance apple=a sweet fruit.\n"
                   "@:8: error: The word has 15 characters, but a word can have at most 13.\n    extraordinarily=very "
                   "unusual\n"
                   "    hint: Choose a word of at most 13 characters, the cells the board has.\n"
                   "3 errors, 0 warnings in 10 entries\n";
        QTest::newRow("warnings alone still pass")
                << QByteArray("2\ncat=a cat\ndog=a\x07 pet\n") << 0
                << "@:2: warning: The meaning holds the word itself, which gives it away.\n    cat=a cat\n"
                   "    hint: Say what the word means without using it.\n"
                   "2 entries, all playable; 1 warning\n";
        QTest::newRow("one error") << QByteArray("1\n=clue\n") << 1
                                   << "@:2: error: The entry has no word before the \"=\".\n    =clue\n"
                                      "    hint: Write the word before the \"=\" and its meaning after it, for "
                                      "instance apple=a sweet fruit.\n"
                                      "1 error, 0 warnings in 1 entry\n";
        QTest::newRow("a Cyrillic letter in a word")
                << QByteArray("1\nc\xD0\xB0t=a pet\n") << 1
                << QString::fromUtf8("@:2: error: The word holds U+0430 CYRILLIC SMALL LETTER A, which looks like "
                                     "\"a\" but is another "
                                     "character: guessing A does not reveal it.\n    c\xD0\xB0t=a pet\n"
                                     "    hint: Type the word again by hand, with the keyboard set to English.\n"
                                     "1 error, 0 warnings in 1 entry\n");
        // Notepad writes CR LF, and UTF-8 with a byte order mark or, as "ANSI", Windows-1252.
        QTest::newRow("a list saved by Notepad as UTF-8")
                << QByteArray("\xEF\xBB\xBF"
                              "2\r\ncaf\xC3\xA9=coffee\r\nna\xC3\xAFve=innocent\r\n")
                << 0 << "2 entries, all playable\n";
        QTest::newRow("a list saved by Notepad as ANSI")
                << QByteArray("2\r\ncaf\xE9=coffee\r\nth\xE9 \x93vert\x94\r\n") << 1
                << QString::fromUtf8("@:3: error: The entry has no \"=\" between the word and its meaning.\n"
                                     "    th\xC3\xA9 \xE2\x80\x9Cvert\xE2\x80\x9D\n"
                                     "    hint: A correct entry is the word, \"=\" and its meaning, for instance "
                                     "apple=a sweet fruit.\n"
                                     "1 error, 0 warnings in 2 entries\n");
        QTest::newRow("a .docx gets one sentence and its mend")
                << QByteArray("PK\x03\x04\x14\0\x06\0word/document.xml", 25) << 1
                << "@:1: error: The file is not plain text: it may be a word processor document.\n"
                   "    hint: Open it in your editor and save it as plain text (.txt).\n1 error, 0 warnings in 0 "
                   "entries\n";
        QTest::newRow("the file cannot be read")
                << QByteArray("<none>") << 2
                << "@: error: The word list could not be opened: the file does not exist.\n"
                   "    hint: Put a word list there, or name another: its first line is the number "
                   "of entries, then one entry per line, for instance apple=a sweet fruit.\n";
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
        QCOMPARE(run.out, output.replace('@', QDir::toNativeSeparators(platform.wordListPath())));
        QCOMPARE(run.status, status);
    }

    // Millions of bad lines: the findings kept stop at the bound, every one is counted.
    void findingsBeyondTheBoundAreCountedNotKept()
    {
        FakePlatform platform;
        platform.writeWordList("none\n" + QByteArray("no equals\n").repeated(WordListReport::MaxKept + 500)
                               + "\n\n\napple=a\n");
        const WordListReport report = check(platform);
        QCOMPARE(report.count(Finding::Kind::Error), 1 + WordListReport::MaxKept + 500 + 3);
        QCOMPARE(report.findings.size(), WordListReport::MaxKept);
        QCOMPARE(report.omitted(), 504);
        QCOMPARE(report.findings.first().line, 1);
    }

    // Statuses as the manual gives them, and names as the system gives them.
    void theProgramsStatusesAndNames_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("an unknown option") << QStringList{"--frobnicate"} << 2 << "Unknown option 'frobnicate'";
        QTest::newRow("two files") << QStringList{"a", "b"} << 2 << "one word list at most";
#if !defined(Q_OS_WIN)
        QTest::newRow("a read that fails at once")
                << QStringList{"/proc/self/mem"} << 2 << "could not be read at line 1";
#endif
        QTest::newRow("a folder") << QStringList{"/"} << 2 << "it is a folder";
    }
    void theProgramsStatusesAndNames()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        const Run run = runChecker(QStringLiteral(SCAFFOLD_CHECK), arguments);
        QCOMPARE(run.status, status);
        QVERIFY2((run.out + run.err).contains(output), qPrintable(run.out + run.err));
    }

    void aLatin1NamedFileIsCheckedAndNamedReadably()
    {
        SKIP_ON_WINDOWS();
        QTemporaryDir folder;
        const QString script = QStringLiteral(
                "cd \"$1\" && printf '1\\n=x\\n' > \"$(printf 'lat\\355n1.txt')\" && "
                "\"$2\" \"$(printf 'lat\\355n1.txt')\"; s=$?; rm -f \"$(printf 'lat\\355n1.txt')\"; exit $s");
        const Run run = runChecker("/bin/sh", {"-c", script, "sh", folder.path(), QStringLiteral(SCAFFOLD_CHECK)});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(QString::fromUtf8("lat\xC3\xADn1.txt:2: error:")), qPrintable(run.out + run.err));
    }

    void aLinkIsReportedByTheFileItLeadsTo()
    {
        SKIP_ON_WINDOWS();
        QTemporaryDir folder;
        const QString target = folder.filePath("Vocabulary.txt");
        QFile list(target);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("1\n=x\n");
        list.close();
        QVERIFY(QFile::link(target, folder.filePath("link.txt")));
        const Run run = runChecker(QStringLiteral(SCAFFOLD_CHECK), {folder.filePath("link.txt")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(QFileInfo(target).canonicalFilePath() + ":2: error:"), qPrintable(run.out));
    }

    void theShippedListChecksClean()
    {
        const Run run = runChecker(QStringLiteral(SCAFFOLD_CHECK),
                                   {QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/lists/intermediate.txt")});
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

    // Without a file the checker reads the list the game beside it reads,
    // also in a folder named with letters beyond the ANSI code page, and in
    // one the user cannot write to.
    void withoutAFileTheListBesideTheProgramIsChecked_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("a plain folder") << QStringLiteral("Scaffold") << false;
        QTest::newRow("a folder named in Latin and Cyrillic letters")
                << QString::fromUtf8("Zo\xC3\xAB \xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0") << false;
        QTest::newRow("a read-only folder") << QStringLiteral("Scaffold") << true;
    }
    void withoutAFileTheListBesideTheProgramIsChecked()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnly);
        QTemporaryDir scratch;
        QVERIFY(QDir(scratch.path()).mkdir(name));
        const QDir folder(scratch.filePath(name));
        QVERIFY(QFile::copy(QStringLiteral(SCAFFOLD_CHECK), folder.filePath(CheckerName)));
        QFile list(folder.filePath("Vocabulary.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("1\nnothing to see\n");
        list.close();
        const QFileDevice::Permissions readable = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ExeOwner
                | QFileDevice::ExeUser;
        if (readOnly) {
            QVERIFY(list.setPermissions(readable));
            QVERIFY(QFile::setPermissions(folder.path(), readable));
        }
        const Run run = runChecker(folder.filePath(CheckerName), {});
        if (readOnly)
            QFile::setPermissions(folder.path(), readable | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(QDir::toNativeSeparators(folder.canonicalPath() + "/Vocabulary.txt:2: error:")),
                 qPrintable(run.out));
    }

    // A file named on the command line in letters beyond the ANSI code page is
    // the one checked, and named as it is.
    void aFileNamedInAnyLettersIsChecked()
    {
        QTemporaryDir folder;
        const QString name = QString::fromUtf8("\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0 Zo\xC3\xAB.txt");
        QFile list(folder.filePath(name));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("1\n=x\n");
        list.close();
        const Run run = runChecker(QStringLiteral(SCAFFOLD_CHECK), {list.fileName()});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.startsWith(QDir::toNativeSeparators(list.fileName()) + ":2: error:"),
                 qPrintable(run.out + run.err));
        const Run missing = runChecker(QStringLiteral(SCAFFOLD_CHECK), {folder.filePath("\u0434\u0430.txt")});
        QCOMPARE(missing.status, 2);
        QVERIFY2(missing.out.startsWith(QDir::toNativeSeparators(folder.filePath("\u0434\u0430.txt")) + ": error:"),
                 qPrintable(missing.out + missing.err));
    }

    // A folder name that is not valid UTF-8 must not send the checker to /Vocabulary.txt.
    void aProgramFolderThatCannotBeNamedIsReported()
    {
        SKIP_ON_WINDOWS();
        QTemporaryDir folder;
        const QString script = QStringLiteral("d=\"$1/bad$(printf '\\377')\" && mkdir \"$d\" && cp \"$2\" \"$d/\" && "
                                              "cd \"$d\" && exec ./scaffold-check");
        const Run run = runChecker("/bin/sh", {"-c", script, "sh", folder.path(), QStringLiteral(SCAFFOLD_CHECK)});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("folder of this program could not be determined"), qPrintable(run.err + run.out));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_WordListCheck)
#include "tst_wordlistcheck.moc"
