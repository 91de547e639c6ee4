#include "fScaffold.h"
#include "fakes.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <fstream>

// Thousands of whole games through the real window by a seeded random player,
// checking after every click that the board agrees with itself.
class tst_Endurance : public QObject
{
    Q_OBJECT

    class SeededPlatform : public FakePlatform
    {
    public:
        QRandomGenerator random{20261208};
        double Rnd() override { return random.generateDouble(); }
    };

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
        SeededPlatform platform;
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
        for (int i = 0; i < 26; ++i)
            letters << w.findChild<QLabel *>(QStringLiteral("lLetters_%1").arg(i));
        for (int i = 0; i < 13; ++i)
            cells << w.findChild<QLabel *>(QStringLiteral("lWord_%1").arg(i));
        for (const QString &name : cScaffold::FigureParts)
            parts << w.findChild<QWidget *>(name);
        auto *start = w.findChild<QPushButton *>(QStringLiteral("cStart"));
        auto *chances = w.findChild<QLabel *>(QStringLiteral("lChances1"));
        QRandomGenerator player(7);

        QSet<int> guessed;
        int ended = 0;
        long rssAfterFirstThousand = 0;
        const auto check = [&](const char *vWhen) {
            const QString where = QStringLiteral("game %1 %2: %3").arg(ended).arg(vWhen).arg(w.vWord);
            int shownParts = 0;
            for (QWidget *part : parts)
                shownParts += part->isVisible();
            QVERIFY2(shownParts == w.vMisses, qPrintable(where));
            for (int i = 0; i < shownParts; ++i)
                QVERIFY2(parts[i]->isVisible(), qPrintable(where));
            QVERIFY2(chances->text() == QString::number(10 - w.vMisses), qPrintable(where));
            for (int index : guessed)
                QVERIFY2(!letters[index]->isVisible() && !letters[index]->isEnabled(), qPrintable(where));
            const QStringList word = cScaffold::Characters(w.vWord);
            for (int i = 0; i < 13; ++i) {
                if (!cells[i]->isVisible())
                    continue;
                QVERIFY2(i < word.size(), qPrintable(where));
                const QString caption = cells[i]->text();
                const bool guessable = cScaffold::IsGuessable(word[i]);
                QVERIFY2(guessable ? (caption == "_" || caption == word[i].toUpper()) : caption == word[i], qPrintable(where));
                if (guessable)
                    QVERIFY2((caption != "_") == guessed.contains(word[i].toUpper().at(0).unicode() - u'A'), qPrintable(where));
            }
        };

        size_t messagesSeen = 0;
        while (ended < games) {
            QTest::mouseClick(start, Qt::LeftButton);
            guessed.clear();
            QVERIFY(platform.messages.size() == messagesSeen);
            check("after Start");
            for (;;) {
                QList<int> open;
                for (int i = 0; i < 26; ++i)
                    if (letters[i]->isVisible() && letters[i]->isEnabled())
                        open << i;
                QVERIFY2(!open.isEmpty(), "the game ran out of letters without ending");
                const int index = open[int(player.bounded(open.size()))];
                QTest::mouseClick(letters[index], Qt::LeftButton);
                guessed.insert(index);
                const size_t shown = platform.messages.size() - messagesSeen;
                QVERIFY2(shown <= 1, "a game ended with more than one message");
                if (shown == 1) {
                    platform.messages.clear(); // the fake's record would grow otherwise
                    messagesSeen = 0;
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
        qInfo("games: %d, resident memory after 1000 games: %ld KiB, at the end: %ld KiB", ended,
              rssAfterFirstThousand, rssAtEnd);
        // A leak of even a few hundred bytes per game would show over 9,000 games.
        if (rssAfterFirstThousand > 0 && !qEnvironmentVariableIsSet("SCAFFOLD_SANITIZED"))
            QVERIFY2(rssAtEnd - rssAfterFirstThousand < 2048, "memory grew over the games");
    }
};

QTEST_MAIN(tst_Endurance)
#include "tst_endurance.moc"
