#include "game/GameHandlers.h"
#include "game/cScaffold.h"
#include "testsupport/FakeBoard.h"
#include "testsupport/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <cmath>

// Game logic against the fake board and platform.
class tst_cScaffold : public QObject
{
    Q_OBJECT

    struct Game
    {
        FakeBoard board;
        FakePlatform platform;
        QString vWord;
        int vMisses = 0;

        void start() { game::cStart_Click(board, platform, vWord, vMisses); }
        // Returns false when the click ended the program.
        bool click(QChar vLetter)
        {
            try {
                game::lLetters_Click(board, platform, vWord, vMisses, qint16(vLetter.unicode() - u'A'));
                return true;
            } catch (const ProgramEnd &) {
                return false;
            }
        }
        // Starts a game on a one-entry list.
        void startWith(const QByteArray &vEntry)
        {
            platform.writeWordList("1\n" + vEntry + "\n");
            start();
        }
    };

    static int drawnEntry(Game &vGame)
    {
        cScaffold ops(vGame.board, vGame.platform);
        QString name, meaning;
        ops.RetrieveNameMeaning(ops.RetrieveString(), name, meaning);
        return meaning.mid(6).toInt();
    }

private slots:
    void theDrawMapsTheRandomValueOntoTheCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("present");
        QTest::addColumn<double>("random");
        QTest::addColumn<int>("entry");
        QTest::newRow("one entry is always drawn") << 1 << 1 << 0.999 << 1;
        QTest::newRow("a count of 0 draws the first entry") << 0 << 3 << 0.9 << 1;
        QTest::newRow("zero draws the first") << 5 << 5 << 0.0 << 1;
        QTest::newRow("just below one draws the last") << 5 << 5 << std::nextafter(1.0, 0.0) << 5;
        QTest::newRow("floor, not rounding") << 4 << 4 << 0.7499 << 3;
        QTest::newRow("a smaller count never reaches later entries") << 2 << 6 << std::nextafter(1.0, 0.0) << 2;
        QTest::newRow("the largest count reaches its last entry")
                << 32767 << 32767 << std::nextafter(1.0, 0.0) << 32767;
        // A faulty random source must not reach past the count.
        QTest::newRow("a random value of one is held to the last") << 3 << 3 << 1.0 << 3;
        QTest::newRow("a negative random value is held to the first") << 3 << 3 << -0.5 << 1;
        QTest::newRow("not a number is held to the last") << 3 << 3 << std::nan("") << 3;
    }
    void theDrawMapsTheRandomValueOntoTheCount()
    {
        QFETCH(int, count);
        QFETCH(int, present);
        QFETCH(double, random);
        QFETCH(int, entry);
        Game g;
        QByteArray bytes = QByteArray::number(count) + "\n";
        for (int i = 1; i <= present; ++i)
            bytes += "w=entry " + QByteArray::number(i) + "\n";
        g.platform.writeWordList(bytes);
        g.platform.randoms = {random};
        QCOMPARE(drawnEntry(g), entry);
        QCOMPARE(g.platform.reseeds, 1);
        QCOMPARE(g.platform.opens, 2);
    }

    void theEntrySplitsAtEquals_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("word and meaning") << "apple=a sweet fruit"
                                          << "apple"
                                          << "a sweet fruit";
        QTest::newRow("text after a second equals is dropped") << "cat=a pet=animal"
                                                               << "cat"
                                                               << "a pet";
        QTest::newRow("empty meaning") << "cat="
                                       << "cat"
                                       << "";
        QTest::newRow("blanks around word and meaning are dropped") << " cat \t= a pet "
                                                                    << "cat"
                                                                    << "a pet";
        QTest::newRow("blanks inside are kept") << "ice cream=a cold sweet"
                                                << "ice cream"
                                                << "a cold sweet";
    }
    void theEntrySplitsAtEquals()
    {
        QFETCH(QString, entry);
        QFETCH(QString, word);
        QFETCH(QString, meaning);
        Game g;
        cScaffold ops(g.board, g.platform);
        QString name, clue;
        ops.RetrieveNameMeaning(entry, name, clue);
        QCOMPARE(name, word);
        QCOMPARE(clue, meaning);
    }

    void startShowsTheClueAndTheWordsCells()
    {
        Game g;
        g.startWith("apple=a sweet fruit");
        QCOMPARE(g.vWord, "apple");
        QCOMPARE(g.board.controls["lMeaning"].text, "Meaning : A sweet fruit");
        QCOMPARE(g.board.shown(), "_____");
        for (int i = 0; i < Controls::LetterCount; ++i)
            QVERIFY(g.board.letter(QChar(u'A' + i)).enabled);
        QVERIFY(g.platform.messages.empty());
    }

    void theClueIsCapitalisedAtItsFirstCharacterOnly_data()
    {
        QTest::addColumn<QByteArray>("meaning");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a letter") << QByteArray("a sweet fruit") << "Meaning : A sweet fruit";
        QTest::newRow("one character") << QByteArray("x") << "Meaning : X";
        QTest::newRow("not a letter") << QByteArray("(a) fruit") << "Meaning : (a) fruit";
        QTest::newRow("an accented letter")
                << QByteArray("\xC3\xA9t\xC3\xA9") << QString::fromUtf8("Meaning : \xC3\x89t\xC3\xA9");
        QTest::newRow("empty meaning is no failure") << QByteArray() << "Meaning : ";
    }
    void theClueIsCapitalisedAtItsFirstCharacterOnly()
    {
        QFETCH(QByteArray, meaning);
        QFETCH(QString, shown);
        Game g;
        g.startWith("fig=" + meaning);
        QVERIFY(g.platform.messages.empty());
        QCOMPARE(g.board.controls["lMeaning"].text, shown);
    }

    void aBadWordListIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("hint");
        const QString entry = "apple=a sweet fruit";
        const QString count = "such as 25";
        QTest::newRow("missing") << QByteArray() << "could not be opened: the file does not exist" << 0
                                 << "Put a word list there";
        QTest::newRow("empty") << QByteArray("") << "is empty" << 0 << count;
        QTest::newRow("count not a number") << QByteArray("two\na=b\n") << "not a whole number" << 1 << count;
        QTest::newRow("count with a fraction") << QByteArray("1.5\na=b\n") << "not a whole number" << 1 << count;
        QTest::newRow("count too large") << QByteArray("32768\na=b\n") << "larger than 32767" << 1 << count;
        QTest::newRow("count far too large")
                << QByteArray("99999999999999999999999\na=b\n") << "larger than 32767" << 1 << count;
        QTest::newRow("count negative") << QByteArray("-1\na=b\n") << "negative" << 1 << count;
        QTest::newRow("count below the 16-bit range") << QByteArray("-40000\na=b\n") << "negative" << 1 << count;
        QTest::newRow("count larger than the entries")
                << QByteArray("5\na=b\nc=d\n") << "holds 5 entries, but the file ends after 2" << 1
                << "Make the first line the number of entries that follow, 2.";
        QTest::newRow("count padded and too large")
                << QByteArray(" 3 \na=b\n") << "holds 3 entries" << 1 << "follow, 1.";
        QTest::newRow("no entries at all") << QByteArray("0\n") << "holds no entries" << 0 << "Add at least one entry";
        QTest::newRow("no equals") << QByteArray("1\napple a sweet fruit\n") << "no \"=\"" << 2 << entry;
        QTest::newRow("empty word") << QByteArray("1\n=a sweet fruit\n") << "no word" << 2 << "Write the word before";
        QTest::newRow("only blanks before the equals")
                << QByteArray("1\n  =a sweet fruit\n") << "no word" << 2 << "Write the word before";
        QTest::newRow("no letter to guess")
                << QByteArray("1\n42=the answer\n") << "no letter A to Z" << 2 << "at least one letter A to Z";
        QTest::newRow("word longer than the board") << QByteArray("1\nextraordinarily=very unusual\n")
                                                    << "15 characters" << 2 << "a word of at most 13 characters";
        QTest::newRow("direction override in the word") << QByteArray("1\nca\xE2\x80\xAEt=a pet\n")
                                                        << "invisible character, U+202E" << 2 << "Type the word again";
        QTest::newRow("zero-width joiner in the word")
                << QByteArray("1\nca\xE2\x80\x8Dt=a pet\n") << "U+200D" << 2 << "Type the word again";
        QTest::newRow("line separator in the word")
                << QByteArray("1\nca\xE2\x80\xA8t=a pet\n") << "U+2028" << 2 << "Type the word again";
        QTest::newRow("tab inside the word")
                << QByteArray("1\nice\tcap=a pet\n") << "U+0009" << 2 << "Type the word again";
        QTest::newRow("line too long") << QByteArray("1\n") + QByteArray(70000, 'a') << "too long to be an entry" << 2
                                       << entry;
        QTest::newRow("count line too long") << QByteArray(70000, '1') << "too long to be an entry" << 1 << entry;
        QTest::newRow("binary garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "not a whole number" << 1
                                        << count;
        QTest::newRow("utf-16 file without entries") << QByteArray("\xFF\xFE"
                                                                   "1\0\n\0",
                                                                   6)
                                                     << "holds no entries" << 0 << "Add at least one entry";
    }
    void aBadWordListIsReportedAndChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QFETCH(int, line);
        QFETCH(QString, hint);
        Game g;
        if (!QTest::currentDataTag() || QByteArray(QTest::currentDataTag()) != "missing")
            g.platform.writeWordList(bytes);
        g.platform.randoms = {0.99};
        const FakeBoard before = g.board;
        g.start();
        QCOMPARE(g.platform.messages.size(), size_t(1));
        const ShownMessage &m = g.platform.messages.front();
        const QStringList lines = m.text.split(QChar(13));
        QVERIFY2(lines.first().contains(expected), qPrintable(m.text));
        QVERIFY(lines.contains("File: " + QDir::toNativeSeparators(g.platform.wordListPath())));
        QCOMPARE(m.text.contains(QStringLiteral("Line %1").arg(line)), line > 0);
        // The hint fits the problem, and the message ends with the way to see every problem at once.
        QVERIFY2(lines.at(lines.size() - 3).contains(hint), qPrintable(m.text));
        QCOMPARE(lines.at(lines.size() - 2), "Mend the file, then press Start again.");
        QVERIFY(lines.last().contains("run scaffold-check"));
        QCOMPARE(m.buttons, Platform::Buttons::Ok);
        QVERIFY(g.board == before);
        QVERIFY(g.vWord.isEmpty());
        QCOMPARE(g.platform.ends, 0);
    }

    // `scaffold FILE`: FILE is played instead of the list in the folder, read
    // afresh at every Start, and named by the message of a Start it refuses,
    // with the command that checks it, quoted as a shell reads it back.
    void aChosenListIsPlayedReadAfreshAndNamed()
    {
        Game g;
        g.platform.writeWordList("1\napple=a sweet fruit\n");
        g.platform.chosenList = g.platform.folder.filePath("Jo's level.txt");
        g.platform.writeWordList("1\nfig=a small soft fruit\n");
        g.start();
        QCOMPARE(g.vWord, "fig");
        g.platform.writeWordList("1\nkiwi=a green fruit\n");
        g.start();
        QCOMPARE(g.vWord, "kiwi");

        g.platform.writeWordList("1\nno equals sign\n");
        g.start();
        QCOMPARE(g.platform.messages.size(), size_t(1));
        const QStringList lines = g.platform.messages.front().text.split(QChar(13));
        const QString folder = QDir::toNativeSeparators(g.platform.folder.path());
#if defined(Q_OS_WIN)
        QVERIFY2(lines.contains("File: " + folder + "\\Jo's level.txt"), qPrintable(lines.join('\n')));
        QVERIFY2(lines.last().endsWith(" in a Command Prompt: scaffold-check.exe \"" + folder + "\\Jo's level.txt\""),
                 qPrintable(lines.last()));
#else
        QVERIFY2(lines.contains("File: " + folder + "/Jo's level.txt"), qPrintable(lines.join('\n')));
        QVERIFY2(lines.last().endsWith(" in a terminal: scaffold-check '" + folder + "/Jo'\\''s level.txt'"),
                 qPrintable(lines.last()));
#endif
        QCOMPARE(g.vWord, "kiwi");
    }

    // The installed list is a link to the file under /etc: messages name that
    // file, the one to edit, also when it is gone.
    void aLinkedListIsNamedByTheFileItLeadsTo()
    {
#if defined(Q_OS_WIN)
        QSKIP("Windows makes a shortcut, not a link");
#endif
        Game g;
        const QString target = g.platform.folder.filePath("etc/Vocabulary.txt");
        QVERIFY(QDir(g.platform.folder.path()).mkdir("etc"));
        QFile list(target);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("1\nno equals sign\n");
        list.close();
        QVERIFY(QFile::link(target, g.platform.folder.filePath("Vocabulary.txt")));
        g.start();
        QVERIFY(QFile::remove(target));
        g.start();
        QCOMPARE(g.platform.messages.size(), size_t(2));
        for (const ShownMessage &m : g.platform.messages) {
            QVERIFY2(m.text.split(QChar(13)).contains("File: " + QDir::toNativeSeparators(target)), qPrintable(m.text));
            QVERIFY(m.text.endsWith(": scaffold-check " + QDir::toNativeSeparators(target)));
        }
    }

    // With no folder to look in, nothing is read: not even a file at the root.
    void anUnknownProgramFolderIsReportedAndNothingIsRead()
    {
        Game g;
        g.platform.folderKnown = false;
        g.start();
        QCOMPARE(g.platform.opens, 0);
        QCOMPARE(g.platform.messages.size(), size_t(1));
        const QString text = g.platform.messages.front().text;
        QVERIFY2(text.startsWith("The folder of the program could not be determined"), qPrintable(text));
        QVERIFY(!text.contains("File:"));
        QVERIFY(g.vWord.isEmpty());
    }

    void theOffendingLineIsShownReadably()
    {
        Game g;
        g.platform.writeWordList("1\nbad\tline" + QByteArray(100, 'x') + "\n");
        g.start();
        const QString text = g.platform.messages.at(0).text;
        QVERIFY2(text.contains(QStringLiteral("Line 2: \"bad") + QChar(QChar::ReplacementCharacter) + "line"),
                 qPrintable(text));
        QVERIFY(text.contains("...\""));
        QVERIFY(!text.contains('\t'));
    }

    void blanksAroundTheCountAreAccepted()
    {
        Game g;
        g.platform.writeWordList(" \t1 \r\ncat=a pet\r\n");
        g.start();
        QVERIFY(g.platform.messages.empty());
        QCOMPARE(g.vWord, "cat");
    }

    void aFailedStartLeavesTheRunningGameAsItWas()
    {
        Game g;
        g.startWith("banana=a yellow fruit");
        QVERIFY(g.click('A'));
        QVERIFY(g.click('Z'));
        const FakeBoard before = g.board;
        g.platform.writeWordList("1\nno equals here\n");
        g.start();
        QCOMPARE(g.platform.messages.size(), size_t(1));
        QVERIFY(g.board == before);
        QCOMPARE(g.vWord, "banana");
        QCOMPARE(g.vMisses, 1);
    }

    // The file can change between the count and the entry; each change is reported, not trusted.
    void theListChangingBetweenItsTwoReadsIsReported_data()
    {
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QString>("expected");
        QTest::newRow("shrinks") << QByteArray("3\na=b\n") << "ends after 1";
        QTest::newRow("vanishes") << QByteArray("<remove>") << "does not exist";
        QTest::newRow("becomes a folder") << QByteArray("<folder>") << "folder";
        QTest::newRow("grows") << QByteArray("9\nab=1\ncd=2\nef=3\ngh=4\n") << "";
        QTest::newRow("replaced by garbage") << QByteArray("\0\0\0\0", 4) << "not plain text";
    }
    void theListChangingBetweenItsTwoReadsIsReported()
    {
        QFETCH(QByteArray, second);
        QFETCH(QString, expected);
        Game g;
        g.platform.writeWordList("3\nab=1\ncd=2\nef=3\n");
        g.platform.randoms = {0.9};
        g.platform.beforeOpen = [&](int vOpen) {
            if (vOpen != 2)
                return;
            if (second == "<remove>" || second == "<folder>")
                QFile::remove(g.platform.wordListPath());
            if (second == "<folder>")
                QDir(g.platform.folder.path()).mkdir("Vocabulary.txt");
            else if (second != "<remove>")
                g.platform.writeWordList(second);
        };
        g.start();
        if (expected.isEmpty()) {
            QVERIFY(g.platform.messages.empty());
            QCOMPARE(g.vWord, "ef");
        } else {
            QCOMPARE(g.platform.messages.size(), size_t(1));
            QVERIFY2(g.platform.messages[0].text.contains(expected), qPrintable(g.platform.messages[0].text));
            QVERIFY(g.vWord.isEmpty());
        }
    }

    void aHitRevealsEveryOccurrenceInCapitals_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("shown");
        QTest::newRow("every occurrence is revealed") << QByteArray("banana") << QChar('A') << "_A_A_A";
        QTest::newRow("case is ignored") << QByteArray("Apple") << QChar('A') << "A____";
        QTest::newRow("capitals in the word") << QByteArray("aPPle") << QChar('P') << "_PP__";
    }
    void aHitRevealsEveryOccurrenceInCapitals()
    {
        QFETCH(QByteArray, word);
        QFETCH(QChar, letter);
        QFETCH(QString, shown);
        Game g;
        g.startWith(word + "=a clue");
        QVERIFY(g.click(letter));
        QCOMPARE(g.board.shown(), shown);
        QCOMPARE(g.vMisses, 0);
        QCOMPARE(g.board.controls["lChances1"].text, "10");
        QVERIFY(!g.board.letter(letter).visible);
        QVERIFY(!g.board.letter(letter).enabled);
    }

    void tenMissesShowTheFigureInOrderThenTheLoseMessage()
    {
        Game g;
        g.startWith("Jazz=a kind of music");
        const QString misses = "BCDEFGHIKL";
        int parts = 0;
        g.platform.onMessage = [&](const ShownMessage &) {
            QVERIFY(g.board.controls["lLeg2"].visible);
            QCOMPARE(g.board.controls["lChances1"].text, "0");
            parts = g.board.visibleParts();
        };
        for (int i = 0; i < Controls::ChanceCount; ++i) {
            QVERIFY(g.click(misses[i]));
            if (i + 1 < Controls::ChanceCount) {
                QVERIFY(!g.board.letter(misses[i]).visible);
                QCOMPARE(g.vMisses, i + 1);
                QCOMPARE(g.board.shown(), "____");
                QCOMPARE(g.board.visibleParts(), i + 1);
                QVERIFY(g.board.controls[Controls::FigureParts[i]].visible);
                QCOMPARE(g.board.controls["lChances1"].text, QString::number(Controls::ChanceCount - 1 - i));
            }
        }
        QCOMPARE(parts, Controls::ChanceCount);
        QCOMPARE(g.platform.messages.size(), size_t(1));
        const ShownMessage &m = g.platform.messages[0];
        QCOMPARE(m.title, "Message");
        QCOMPARE(m.buttons, Platform::Buttons::OkCancel);
        QCOMPARE(m.text,
                 QStringLiteral("You have failed to recognize the word.") + QChar(13)
                         + "It was Jazz. Want to play again");
        // OK returns the board to its start state.
        QVERIFY(g.board == FakeBoard());
        QCOMPARE(g.vMisses, 0);
    }

    void aWinIsAnnouncedWithTheWordAsWritten_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QString>("letters");
        QTest::newRow("mixed case, after a miss") << QByteArray("Apple") << "ZAPLE";
        QTest::newRow("13 letters, the longest the board holds") << QByteArray("abcdefghijklm") << "ABCDEFGHIJKLM";
    }
    void aWinIsAnnouncedWithTheWordAsWritten()
    {
        QFETCH(QByteArray, word);
        QFETCH(QString, letters);
        Game g;
        g.startWith(word + "=a clue");
        for (QChar c : letters.chopped(1))
            QVERIFY(g.click(c));
        QVERIFY(g.platform.messages.empty());
        QVERIFY(g.click(letters.back()));
        QCOMPARE(g.platform.messages.size(), size_t(1));
        QCOMPARE(g.platform.messages[0].text,
                 QStringLiteral("Congrats. You have recognized the word.") + QChar(13) + "It was " + word
                         + ". Want to play again");
        QCOMPARE(g.platform.messages[0].title, "Message");
        QVERIFY(g.board == FakeBoard());
        QCOMPARE(g.vMisses, 0);
    }

    void cancelOnAnEndMessageEndsAtOnce_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::newRow("win") << "OX";
        QTest::newRow("loss") << "ABCDEFGHIJ";
    }
    void cancelOnAnEndMessageEndsAtOnce()
    {
        QFETCH(QString, clicks);
        Game g;
        g.startWith("ox=a strong animal");
        g.platform.answers = {Platform::Answer::Cancel};
        for (int i = 0; i + 1 < clicks.size(); ++i)
            QVERIFY(g.click(clicks[i]));
        const FakeBoard before = g.board;
        QVERIFY(!g.click(clicks.back()));
        QCOMPARE(g.platform.ends, 1);
        // Nothing ran after the end: the board still shows the finished game.
        QCOMPARE(g.board.controls["lMeaning"].text, before.controls["lMeaning"].text);
        QVERIFY(!g.board.controls["lMeaning"].text.endsWith(':'));
    }

    void charactersNoCellRevealsAreShownFromTheStart_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QString>("atStart");
        QTest::addColumn<QString>("letters");
        QTest::newRow("hyphen") << QByteArray("x-ray") << "_-___"
                                << "XRAY";
        QTest::newRow("blank") << QByteArray("ice cap") << "___ ___"
                               << "ICEAP";
        QTest::newRow("digit") << QByteArray("b2b") << "_2_"
                               << "B";
        QTest::newRow("accented letter") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("___\xC3\xA9") << "CAF";
        QTest::newRow("character outside the basic plane")
                << QByteArray("ok\xF0\x9F\x98\x80") << QString::fromUtf8("__\xF0\x9F\x98\x80") << "OK";
    }
    void charactersNoCellRevealsAreShownFromTheStart()
    {
        QFETCH(QByteArray, word);
        QFETCH(QString, atStart);
        QFETCH(QString, letters);
        Game g;
        g.startWith(word + "=a clue");
        QVERIFY(g.platform.messages.empty());
        QCOMPARE(g.board.shown(), atStart);
        for (QChar c : letters)
            QVERIFY(g.click(c));
        QCOMPARE(g.platform.messages.size(), size_t(1));
        QVERIFY(g.platform.messages[0].text.startsWith("Congrats."));
    }

    void aWordHasOneCellPerCharacterTheReaderSees_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QString>("atStart");
        QTest::newRow("13 composed accented letters")
                << QByteArray("\xC3\xA9l\xC3\xA8ve\xC3\xA9l\xC3\xA8ve\xC3\xA9l\xC3\xA8") << 13
                << QString::fromUtf8("\xC3\xA9_\xC3\xA8__\xC3\xA9_\xC3\xA8__\xC3\xA9_\xC3\xA8");
        QTest::newRow("13 letters typed with combining accents")
                << QByteArray("e\xCC\x81le\xCC\x80vee\xCC\x81le\xCC\x80vee\xCC\x81le\xCC\x80") << 13
                << QString::fromUtf8("\xC3\xA9_\xC3\xA8__\xC3\xA9_\xC3\xA8__\xC3\xA9_\xC3\xA8");
        QTest::newRow("a mark with no composed form stays on its letter") << QByteArray("q\xCC\x83"
                                                                                        "at")
                                                                          << 3
                                                                          << QString::fromUtf8("q\xCC\x83"
                                                                                               "__");
        QTest::newRow("a flag of two code points is one cell")
                << QByteArray("ok\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7") << 3
                << QString::fromUtf8("__\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7");
    }
    void aWordHasOneCellPerCharacterTheReaderSees()
    {
        QFETCH(QByteArray, word);
        QFETCH(int, cells);
        QFETCH(QString, atStart);
        Game g;
        g.startWith(word + "=a clue");
        QVERIFY2(g.platform.messages.empty(),
                 g.platform.messages.empty() ? "" : qPrintable(g.platform.messages[0].text));
        int visible = 0;
        for (int i = 0; i < Controls::WordCellCount; ++i)
            visible += g.board.word(i).visible;
        QCOMPARE(visible, cells);
        QCOMPARE(g.board.shown(), atStart);
    }

    // Windows editors save in their 8-bit code page; its quotes and dashes must not become boxes.
    void aWindows1252ListShowsItsPunctuationInTheClueAndTheEndMessage()
    {
        Game g;
        g.startWith("rock\x92n\x92roll=\x93music\x94 \x96 loud\x85 \x80");
        QVERIFY(g.platform.messages.empty());
        QCOMPARE(g.board.controls["lMeaning"].text,
                 QString::fromUtf8("Meaning : \u201Cmusic\u201D \u2013 loud\u2026 \u20AC"));
        QCOMPARE(g.board.shown(), QString::fromUtf8("____\u2019_\u2019____"));
        for (QChar c : QString("ROCKNL"))
            QVERIFY(g.click(c));
        QCOMPARE(g.platform.messages.size(), size_t(1));
        QVERIFY(g.platform.messages[0].text.endsWith(
                QString::fromUtf8("It was rock\u2019n\u2019roll. Want to play again")));
    }

    void aUtf16ListIsPlayed_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::newRow("little endian") << "UTF-16LE";
        QTest::newRow("big endian") << "UTF-16BE";
    }
    void aUtf16ListIsPlayed()
    {
        QFETCH(QString, encoding);
        QStringEncoder encoder(encoding == "UTF-16LE" ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                               QStringEncoder::Flag::WriteBom);
        Game g;
        g.platform.writeWordList(encoder(QString::fromUtf8("1\r\ncaf\u00E9=a place for coffee \u2013 or tea\r\n")));
        g.start();
        QVERIFY2(g.platform.messages.empty(),
                 g.platform.messages.empty() ? "" : qPrintable(g.platform.messages[0].text));
        QCOMPARE(g.vWord, QString::fromUtf8("caf\u00E9"));
        QCOMPARE(g.board.controls["lMeaning"].text, QString::fromUtf8("Meaning : A place for coffee \u2013 or tea"));
    }

    // Invisible characters in a clue are shown, never acted on.
    void invisibleCharactersInTheClueAreDefused()
    {
        Game g;
        g.startWith("cat=a\xE2\x80\xAE pet\tanimal\xE2\x80\xA8kept at home");
        QVERIFY(g.platform.messages.empty());
        QCOMPARE(g.board.controls["lMeaning"].text, QString::fromUtf8("Meaning : A\uFFFD pet animal kept at home"));
    }

    void blanksAroundTheWordGiveItNoExtraCell()
    {
        Game g;
        g.startWith("apple = a sweet fruit ");
        QCOMPARE(g.board.shown(), "_____");
        QCOMPARE(g.board.controls["lMeaning"].text, "Meaning : A sweet fruit");
        for (QChar c : QString("APLE"))
            QVERIFY(g.click(c));
        QVERIFY(g.platform.messages.at(0).text.endsWith("It was apple. Want to play again"));
    }

    void startInTheMiddleOfAGameBeginsACleanGame()
    {
        Game g;
        g.startWith("banana=a yellow fruit");
        QVERIFY(g.click('A'));
        QVERIFY(g.click('Z'));
        QVERIFY(g.click('Q'));
        g.startWith("fig=a sweet fruit");
        QCOMPARE(g.vMisses, 0);
        QCOMPARE(g.board.shown(), "___");
        QCOMPARE(g.board.visibleParts(), 0);
        QCOMPARE(g.board.controls["lChances1"].text, "10");
        for (QChar c = 'A'; c <= 'Z'; c = QChar(c.unicode() + 1)) {
            QVERIFY(g.board.letter(c).visible);
            QVERIFY(g.board.letter(c).enabled);
        }
        QVERIFY(g.click('Z'));
        QCOMPARE(g.board.controls["lChances1"].text, "9");
    }

    void theSameLetterCellIndexOutOfRangeIsAFailure()
    {
        Game g;
        g.startWith("fig=a fruit");
        QVERIFY_THROWS_EXCEPTION(BoardError,
                                 game::lLetters_Click(g.board, g.platform, g.vWord, g.vMisses, Controls::LetterCount));
    }

    void drawScaffoldIgnoresCountsOutsideTheTable()
    {
        Game g;
        cScaffold ops(g.board, g.platform);
        ops.DrawScaffold(0);
        ops.DrawScaffold(11);
        ops.DrawScaffold(-1);
        QCOMPARE(g.board.visibleParts(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_cScaffold)
#include "tst_cscaffold.moc"
