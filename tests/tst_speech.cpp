#include "WindowUnderTest.h"
#include "platform/QtPlatform.h"
#include "testsupport/Headless.h"
#include "window/BoardFonts.h"
#include "window/Layout.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QRawFont>

// The game as a player hears it through a screen reader and plays it from
// the keyboard: the sentences spoken after each move, keys that must not
// lose a game or an unread message, the focus frame, where the end message
// opens, and the cells' font where the desktop's font has no Latin capitals.
class tst_Speech : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Headless(); }

private:
    // What a screen reader hears from a notification: its name each time it
    // shows. QAccessible::installUpdateHandler would see the same show, but
    // only while a screen reader's bridge is active, which the headless
    // platform never is; the show itself is watched instead.
    struct Heard : QObject
    {
        QStringList spoken;
        bool eventFilter(QObject *vWatched, QEvent *vEvent) override
        {
            QAccessibleInterface *shown = vEvent->type() == QEvent::Show && vWatched->isWidgetType()
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

    void eachMoveIsSpokenAsItHappens_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("start, hit, miss") << QByteArray("ice cream=a cold sweet food") << "cz" << QStringList{
                "New word, 2 words, 3 and 5 letters. Meaning : A cold sweet food. Type letters A to Z to guess the word.",
                "C is in the word: blank C blank space C blank blank blank blank.",
                "Z is not in the word. Number Of Chances Left : 9. 1 of 10 parts of the figure."};
        QTest::newRow("won: the last hit, before the message") << QByteArray("ox=an animal") << "xo" << QStringList{
                "New word, 2 letters. Meaning : An animal. Type letters A to Z to guess the word.",
                "X is in the word: blank X.", "O is in the word: O X.", "message"};
        QTest::newRow("lost: the last miss, before the message") << QByteArray("a=a letter") << "bcdefghijk"
                << QStringList{"New word, 1 letter. Meaning : A letter. Type letters A to Z to guess the word.",
                               "B is not in the word. Number Of Chances Left : 9. 1 of 10 parts of the figure.",
                               "C is not in the word. Number Of Chances Left : 8. 2 of 10 parts of the figure.",
                               "D is not in the word. Number Of Chances Left : 7. 3 of 10 parts of the figure.",
                               "E is not in the word. Number Of Chances Left : 6. 4 of 10 parts of the figure.",
                               "F is not in the word. Number Of Chances Left : 5. 5 of 10 parts of the figure.",
                               "G is not in the word. Number Of Chances Left : 4. 6 of 10 parts of the figure.",
                               "H is not in the word. Number Of Chances Left : 3. 7 of 10 parts of the figure.",
                               "I is not in the word. Number Of Chances Left : 2. 8 of 10 parts of the figure.",
                               "J is not in the word. Number Of Chances Left : 1. 9 of 10 parts of the figure.",
                               "K is not in the word. Number Of Chances Left : 0. 10 of 10 parts of the figure.",
                               "message"};
        QTest::newRow("a Start the word list refuses: its message alone") << QByteArray("=no word") << ""
                                                                             << QStringList{"message"};
    }
    void eachMoveIsSpokenAsItHappens()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, typed);
        QFETCH(QStringList, spoken);
        Window win;
        win.platform.onMessage = [this](const ShownMessage &) { m_heard.spoken << "message"; };
        win.start(entry);
        win.type(typed);
        // Answering the end message clears the board, which is not spoken.
        QCOMPARE(m_heard.spoken, spoken);
        // Start, where a screen reader lands first, says how to play.
        QVERIFY(win.get(Controls::cStart)->accessibleDescription().contains("Type letters"));
    }

    void theWordRowReadsBlanksAsWords_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("name");
        QTest::newRow("two words") << QByteArray("ice cream=cold") << "blank blank blank space blank blank blank blank blank, 2 words, 3 and 5 letters";
        QTest::newRow("three, with apostrophes") << QByteArray("rock 'n' roll=music") << "blank blank blank blank space apostrophe blank apostrophe space blank blank blank blank, 3 words, 4, 1 and 4 letters";
        QTest::newRow("a hyphen") << QByteArray("x-ray=a picture") << "blank hyphen blank blank blank, 4 letters";
    }
    void theWordRowReadsBlanksAsWords()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, name);
        Window win;
        win.start(entry);
        QCOMPARE(QAccessible::queryAccessibleInterface(win.get(Controls::Frame1))->text(QAccessible::Name), name);
    }

    // A space typed as part of the word presses neither Start nor Exit.
    void typingTheWordAsWrittenPlaysOnlyItsLetters_data()
    {
        QTest::addColumn<bool>("onExit");
        QTest::newRow("Start focused") << false;
        QTest::newRow("Exit focused") << true;
    }
    void typingTheWordAsWrittenPlaysOnlyItsLetters()
    {
        QFETCH(bool, onExit);
        Window win;
        win.start("ice cream=cold");
        if (onExit)
            win.get(Controls::cExit)->setFocus();
        const int opens = win.platform.opens;
        win.type("ice cream");
        QCOMPARE(win.platform.opens, opens);
        QCOMPARE(win.platform.ends, 0);
        QCOMPARE(win.platform.messages.size(), size_t(1));
        QVERIFY(win.platform.messages.front().text.startsWith("Congrats"));
    }

    // Under the look GNOME and Xfce get, the box's buttons have access keys.
    void typedLettersLeaveAMessageOpen_data()
    {
        QTest::addColumn<int>("answerKey");
        QTest::addColumn<bool>("ok");
        QTest::newRow("then Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("then Escape") << int(Qt::Key_Escape) << false;
    }
    void typedLettersLeaveAMessageOpen()
    {
        QFETCH(int, answerKey);
        QFETCH(bool, ok);
        const auto box = QtPlatform::createBox(nullptr, "It was ox.", Platform::Buttons::OkCancel, "Message");
        box->button(QMessageBox::Ok)->setText("&OK");
        box->button(QMessageBox::Cancel)->setText("&Cancel");
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        // Typed to the focused button, as the keyboard sends them; a held key repeats.
        QTest::keyClicks(box->focusWidget(), "oc o");
        QKeyEvent held(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, "o", true);
        QApplication::sendEvent(box->focusWidget(), &held);
        QTest::qWait(300); // an access key clicks after a short animation
        QVERIFY(box->isVisible());
        QTest::keyClick(box->focusWidget(), Qt::Key(answerKey));
        QTRY_VERIFY(!box->isVisible());
        QCOMPARE(box->clickedButton() == box->button(QMessageBox::Ok), ok);
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

    void theEndMessageOpensBesideTheDrawing_data()
    {
        QTest::addColumn<QRect>("drawing");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("room on the right") << QRect(100, 100, 200, 270) << QPoint(312, 100);
        QTest::newRow("no room on the right") << QRect(700, 100, 200, 270) << QPoint(388, 100);
        QTest::newRow("near the bottom") << QRect(100, 700, 200, 60) << QPoint(312, 644);
    }
    void theEndMessageOpensBesideTheDrawing()
    {
        QFETCH(QRect, drawing);
        QFETCH(QPoint, at);
        QCOMPARE(QtPlatform::besidePosition(QSize(300, 100), drawing, QRect(0, 0, 1024, 768)), at);
    }

    // Droid Sans Fallback, a Japanese desktop's sans font, draws no Latin
    // capital: a fallback font draws them.
    void cellsFitWithAFontWithoutLatinCapitals()
    {
        QFont base("Droid Sans Fallback");
        base.setPixelSize(13);
        QVERIFY2(QFontInfo(base).family() == "Droid Sans Fallback", "needs fonts-droid-fallback");
        QVERIFY(!QRawFont::fromFont(base).supportsCharacter(u'W'));
        const QFontMetricsF cell(BoardFonts::cellFont(base));
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            QVERIFY2(cell.tightBoundingRect(QString(letter)).width() <= Layout::Px(Layout::CellWidth),
                     qPrintable(QString(letter)));
    }
};

QTEST_MAIN(tst_Speech)
#include "tst_speech.moc"
