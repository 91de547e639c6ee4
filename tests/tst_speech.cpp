#include "ModalGuard.h"
#include "WindowUnderTest.h"
#include "platform/qt/QtPlatform.h"
#include "testsupport/Headless.h"
#include "window/BoardAnnouncer.h"
#include "window/BoardBuilder.h"
#include "window/BoardFonts.h"
#include "window/CellFrameStyle.h"
#include "window/Layout.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QRawFont>

// The game heard through a screen reader and played from the keyboard: what
// is spoken after each move, keys that must not lose a game or an unread
// message, the focus frame, where the end message opens, and the cells' font
// where the desktop's font has no Latin capitals.
class tst_Speech : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Headless(); }

private:
    // A notification's name each time it shows, as a screen reader hears it.
    // An update handler sees nothing here: Qt sends accessibility events only
    // while a screen reader's bridge is active, which offscreen never is.
    struct Heard : QObject
    {
        QStringList spoken;
        bool eventFilter(QObject *vWatched, QEvent *vEvent) override
        {
            QAccessibleInterface *shown = vEvent->type() == QEvent::Show
                    ? QAccessible::queryAccessibleInterface(vWatched)
                    : nullptr;
            if (shown && shown->role() == QAccessible::Notification)
                spoken << shown->text(QAccessible::Name);
            return false;
        }
    };
    Heard m_heard;
    struct Window : WindowUnderTest
    {
        Window() { QApplication::setActiveWindow(&w); }
        void type(const QString &vKeys) { QTest::keyClicks(QApplication::focusWidget(), vKeys); }
    };

private slots:
    void initTestCase() { qApp->installEventFilter(&m_heard); }
    void init() { m_heard.spoken.clear(); }

    // Each row: the entry, the letters typed, how many sentences to pass over,
    // then every sentence heard after them; "message" marks the end message.
    void eachMoveIsSpokenAsItHappens_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("start, hit, miss, a letter again")
                << QByteArray("ice cream=a cold sweet food") << "czc" << 0
                << QStringList{"New word, 2 words, 3 and 5 letters. Meaning : A cold sweet food. Type letters A to Z "
                               "to guess the word.",
                               "C is in the word: blank C blank space C blank blank blank blank.",
                               "Z is not in the word. Number Of Chances Left : 9. 1 of 10 parts of the figure.",
                               "C was guessed already."};
        QTest::newRow("blanks and apostrophes as words")
                << QByteArray("rock 'n' roll=music") << "n" << 0
                << QStringList{"New word, 3 words, 4, 1 and 4 letters. Meaning : Music. Type letters A to Z to guess "
                               "the word.",
                               "N is in the word: blank blank blank blank space apostrophe N apostrophe space blank "
                               "blank blank blank."};
        QTest::newRow("a hyphen, read out")
                << QByteArray("a-ha=so that is it") << "h" << 0
                << QStringList{"New word, 3 letters. Meaning : So that is it. Type letters A to Z to guess the word.",
                               "H is in the word: blank hyphen H blank."};
        QTest::newRow("won: a word of one letter, its hit, then the message")
                << QByteArray("a=a letter") << "a" << 0
                << QStringList{"New word, 1 letter. Meaning : A letter. Type letters A to Z to guess the word.",
                               "A is in the word: A.", "message"};
        QTest::newRow("lost: the last miss, then the message")
                << QByteArray("a=a letter") << "bcdefghijk" << 10
                << QStringList{"K is not in the word. Number Of Chances Left : 0. 10 of 10 parts of the figure.",
                               "message"};
        QTest::newRow("a Start the list refuses: its message alone")
                << QByteArray("=no word") << "" << 0 << QStringList{"message"};
    }
    void eachMoveIsSpokenAsItHappens()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, typed);
        QFETCH(int, skipped);
        QFETCH(QStringList, spoken);
        Window win;
        win.platform.onMessage = [this](const ShownMessage &) { m_heard.spoken << "message"; };
        win.start(entry);
        win.type(typed);
        // Answering the end message clears the board, which is not spoken.
        QCOMPARE(m_heard.spoken.mid(skipped), spoken);
        // Start, where a screen reader lands first, says how to play.
        QVERIFY(win.get(Controls::cStart)->accessibleDescription().contains("Type letters"));
    }

    // Flat review and braille read the names off the board; each part whose
    // name changed is told of once, and a part that did not change is not.
    void aNameChangeIsToldOnlyForThePartsThatChanged()
    {
        static QStringList told;
        told.clear();
        QWidget client;
        const BoardWidgets board = BuildBoard(&client);
        board.cellFrameStyle->setParent(&client);
        BoardAnnouncer announcer(board, [](QAccessibleEvent *vEvent) {
            if (vEvent->type() == QAccessible::NameChanged)
                told << vEvent->object()->objectName();
        });
        client.findChild<QWidget *>(Controls::Element(Controls::lWord, 0))->show();
        announcer.announce();
        QCOMPARE(told, QStringList{Controls::Frame1});
        client.findChild<QLabel *>(Controls::lChances1)->setText(Controls::ChancesLeft(1));
        client.findChild<QWidget *>(Controls::FigureParts[0])->show();
        announcer.announce();
        announcer.announce();
        QCOMPARE(told, (QStringList{Controls::Frame1, Controls::fScaffold1, Controls::lChances}));
    }

    // A space typed as part of the word presses neither Exit nor Start.
    void typingTheWordAsWrittenPlaysOnlyItsLetters()
    {
        Window win;
        win.start("ice cream=cold");
        const int opens = win.platform.opens;
        win.get(Controls::cExit)->setFocus();
        win.type("ice ");
        win.get(Controls::cStart)->setFocus();
        win.type(" cream");
        QCOMPARE(win.platform.opens, opens);
        QCOMPARE(win.platform.ends, 0);
        QVERIFY(win.platform.messages.size() == 1 && win.platform.messages[0].text.startsWith("Congrats"));
    }

    // Under the look GNOME and Xfce get, the box's buttons have access keys.
    void typedLettersLeaveAMessageOpenAndEnterAnswersIt()
    {
        const auto box = QtPlatform::createBox(nullptr, "It was ox.", Platform::Buttons::OkCancel, "Message");
        box->button(QMessageBox::Ok)->setText("&OK");
        box->button(QMessageBox::Cancel)->setText("&Cancel");
        ModalGuard guard;
        guard.expect([&](QWidget *) {
            QVERIFY(QTest::qWaitForWindowActive(box.get()));
            // Typed to the focused button, as the keyboard sends them; a held key repeats.
            QTest::keyClicks(box->focusWidget(), "oc o");
            QKeyEvent held(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, "o", true);
            QApplication::sendEvent(box->focusWidget(), &held);
            // An access key presses its button at once and clicks it a moment later.
            for (QAbstractButton *button : box->buttons())
                QVERIFY2(!button->isDown(), qPrintable(button->text()));
            QVERIFY(box->isVisible());
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        });
        box->exec();
        QCOMPARE(box->clickedButton(), box->button(QMessageBox::Ok));
    }

    void aSingleEscapeGivesTheKeyboardBackFromTheMenu()
    {
        Window win;
        win.start("fig=a fruit");
        QTest::keyClick(&win.w, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        // Typed into the open menu, a letter guesses nothing behind it.
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Z);
        QCOMPARE(win.w.misses(), 0);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_COMPARE(win.w.focusWidget(), win.get(Controls::cStart));
        QTest::keyClicks(win.w.focusWidget(), "e");
        QCOMPARE(win.w.misses(), 1);
        QCOMPARE(win.platform.ends, 0);
    }

    void theFocusFrameShowsAtLaunchAndAfterAMessage()
    {
        Window win;
        QWidget *start = win.get(Controls::cStart);
        const QImage framed = start->grab().toImage();
        win.type("\t");
        QVERIFY(start->grab().toImage() != framed);
        win.type("\t");
        win.start("ox=an animal");
        win.click('O');
        win.click('X');
        QCOMPARE(QApplication::focusWidget(), start);
        QCOMPARE(start->grab().toImage(), framed);
    }

    // To the drawing's right, or where the screen has no room there, to its left.
    void theEndMessageOpensBesideTheDrawing()
    {
        const QRect screen(0, 0, 1024, 768);
        QCOMPARE(QtPlatform::besidePosition(QSize(300, 100), QRect(100, 100, 200, 270), screen), QPoint(312, 100));
        QCOMPARE(QtPlatform::besidePosition(QSize(300, 100), QRect(700, 700, 200, 60), screen), QPoint(388, 644));
    }

    // Droid Sans Fallback, a Japanese desktop's sans font, draws no Latin
    // capital: a fallback font draws them.
    void cellsFitWithAFontWithoutLatinCapitals()
    {
        QFont base("Droid Sans Fallback");
        base.setPixelSize(13);
        if (QFontInfo(base).family() != "Droid Sans Fallback")
            QSKIP("Droid Sans Fallback is not installed (fonts-droid-fallback)");
        QVERIFY(!QRawFont::fromFont(base).supportsCharacter(u'W'));
        const QFontMetricsF cell(BoardFonts::cellFont(base));
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            QVERIFY2(cell.tightBoundingRect(QString(letter)).width() <= Layout::Px(Layout::CellWidth),
                     qPrintable(QString(letter)));
    }
};

QTEST_MAIN(tst_Speech)
#include "tst_speech.moc"
