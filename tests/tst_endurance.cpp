#include "game/WordList.h"
#include "platform/seam/Controls.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "window/fScaffold.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <fstream>

// Thousands of whole games through the real window by a seeded random player,
// checking after every click that the board agrees with itself.
class tst_Endurance : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Headless(); }

private:
    static long residentKiB()
    {
        std::ifstream status("/proc/self/status");
        std::string key;
        while (status >> key) {
            long value = 0;
            if (key == "VmRSS:" && status >> value)
                return value;
        }
        return 0;
    }

private slots:
    void thousandsOfGamesKeepTheBoardConsistent()
    {
        const int games = qEnvironmentVariableIsSet("SCAFFOLD_ENDURANCE_GAMES")
                ? qEnvironmentVariableIntValue("SCAFFOLD_ENDURANCE_GAMES")
                : 10000;
        FakePlatform platform;
        QRandomGenerator draws(20261208);
        platform.nextRandom = [&] { return draws.generateDouble(); };
        platform.keepMessages = false; // the record would grow over the games
        platform.writeWordList("9\n"
                               "banana=a yellow fruit\n"
                               "X-Ray=a picture of bones\n"
                               "Jazz=music\n"
                               "ice cap=polar ice\n"
                               "quiz=a test\n"
                               "abcdefghijklm=the first thirteen\n"
                               "nopqrstuvwxyz=the last thirteen\n"
                               "ox=an animal\n"
                               "caf\xC3\xA9=coffee\n");
        fScaffold w(platform);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QList<QLabel *> letters;
        QList<QLabel *> cells;
        QList<QWidget *> parts;
        for (int i = 0; i < Controls::LetterCount; ++i)
            letters << w.findChild<QLabel *>(QStringLiteral("lLetters_%1").arg(i));
        for (int i = 0; i < Controls::WordCellCount; ++i)
            cells << w.findChild<QLabel *>(QStringLiteral("lWord_%1").arg(i));
        for (const QString &name : Controls::FigureParts)
            parts << w.findChild<QWidget *>(name);
        auto *start = w.findChild<QPushButton *>(QStringLiteral("cStart"));
        auto *chances = w.findChild<QLabel *>(QStringLiteral("lChances1"));
        QRandomGenerator player(7);

        QSet<int> guessed;
        int ended = 0;
        long rssAfterFirstThousand = 0;
        const auto check = [&](const char *vWhen) {
            const QString where = QStringLiteral("game %1 %2: %3").arg(ended).arg(vWhen).arg(w.word());
            int shownParts = 0;
            for (QWidget *part : parts)
                shownParts += part->isVisible();
            QVERIFY2(shownParts == w.misses(), qPrintable(where));
            for (int i = 0; i < shownParts; ++i)
                QVERIFY2(parts[i]->isVisible(), qPrintable(where));
            QVERIFY2(chances->text() == Controls::ChancesLeft(w.misses()), qPrintable(where));
            for (int index : guessed)
                QVERIFY2(!letters[index]->isVisible() && !letters[index]->isEnabled(), qPrintable(where));
            const QStringList word = WordList::Cells(w.word());
            for (int i = 0; i < Controls::WordCellCount; ++i) {
                if (!cells[i]->isVisible())
                    continue;
                QVERIFY2(i < word.size(), qPrintable(where));
                const QString caption = cells[i]->text();
                const bool guessable = WordList::IsGuessable(word[i]);
                QVERIFY2(guessable ? (caption == "_" || caption == word[i].toUpper()) : caption == word[i],
                         qPrintable(where));
                if (guessable)
                    QVERIFY2((caption != "_") == guessed.contains(word[i].toUpper().at(0).unicode() - u'A'),
                             qPrintable(where));
            }
        };

        size_t messagesSeen = 0;
        while (ended < games) {
            QTest::mouseClick(start, Qt::LeftButton);
            guessed.clear();
            QVERIFY(size_t(platform.messageCount) == messagesSeen);
            check("after Start");
            for (;;) {
                QList<int> open;
                for (int i = 0; i < Controls::LetterCount; ++i)
                    if (letters[i]->isVisible() && letters[i]->isEnabled())
                        open << i;
                QVERIFY2(!open.isEmpty(), "the game ran out of letters without ending");
                const int index = open[int(player.bounded(open.size()))];
                QTest::mouseClick(letters[index], Qt::LeftButton);
                guessed.insert(index);
                const size_t shown = size_t(platform.messageCount) - messagesSeen;
                QVERIFY2(shown <= 1, "a game ended with more than one message");
                if (shown == 1) {
                    messagesSeen = size_t(platform.messageCount);
                    guessed.clear();
                    ++ended;
                    // OK cleared the board back to its start state.
                    for (QLabel *cell : letters)
                        QVERIFY(cell->isVisible() && !cell->isEnabled());
                    for (QLabel *cell : cells)
                        QVERIFY(cell->isHidden() && cell->text() == "_");
                    check("after the end");
                    break;
                }
                check("after a click");
                // A game whose every letter is revealed has ended.
                const auto unrevealed = [](const QLabel *vCell) { return vCell->isVisible() && vCell->text() == "_"; };
                QVERIFY2(std::any_of(cells.cbegin(), cells.cend(), unrevealed),
                         qPrintable("every letter is revealed, yet the game goes on: " + w.word()));
                if (player.bounded(100) < 2)
                    break; // Start again in the middle of the game
            }
            // Let the window paint, as the event loop does between a player's clicks;
            // unpainted regions would otherwise pile up.
            QCoreApplication::processEvents();
            if (ended == 1000 && rssAfterFirstThousand == 0)
                rssAfterFirstThousand = residentKiB();
        }
        QCOMPARE(platform.ends, 0);
        const long rssAtEnd = residentKiB();
        qInfo("games: %d, resident memory after 1000 games: %ld KiB, at the end: %ld KiB", ended, rssAfterFirstThousand,
              rssAtEnd);
        // A leak of even a few hundred bytes per game would show over 9,000 games.
        if (rssAfterFirstThousand > 0 && !qEnvironmentVariableIsSet("SCAFFOLD_SANITIZED"))
            QVERIFY2(rssAtEnd - rssAfterFirstThousand < 2048, "memory grew over the games");
    }
};

QTEST_MAIN(tst_Endurance)
#include "tst_endurance.moc"
