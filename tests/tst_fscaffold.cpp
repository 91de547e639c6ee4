#include "platform/Controls.h"
#include "platform/QtPlatform.h"
#include "WindowUnderTest.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "window/ClickLabel.h"
#include "window/ClueLabel.h"
#include "window/Shapes.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The real window, headless, with the fake platform behind it.
class tst_fScaffold : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Headless(); }

private:
    struct Window : WindowUnderTest
    {
        QString shown()
        {
            QString text;
            for (int i = 0; i < Controls::WordCellCount; ++i)
                if (!word(i)->isHidden())
                    text += word(i)->text();
            return text;
        }
        QStringList visibleParts()
        {
            QStringList parts;
            for (const QString &part : Controls::FigureParts)
                if (get(part)->isVisible())
                    parts << part;
            return parts;
        }
    };

    static QRect twips(int l, int t, int w, int h) { return QRect(l / 15, t / 15, w / 15, h / 15); }

    // Everything the start state fixes, in one comparable text.
    static QString state(Window &vWin)
    {
        QStringList lines;
        for (QWidget *widget : vWin.w.findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_"))
                continue;
            QString caption;
            if (auto *label = qobject_cast<QLabel *>(widget))
                caption = label->text();
            lines << QStringLiteral("%1 %2 %3 %4").arg(widget->objectName(), caption).arg(widget->isHidden()).arg(widget->isEnabled());
        }
        lines.sort();
        return lines.join('\n');
    }

private slots:
    void theWindowHasItsClientAreaBelowTheMenu()
    {
        Window win;
        QCOMPARE(win.w.windowTitle(), "Scaffold");
        QCOMPARE(win.get("client")->size(), QSize(439, 496));
        QCOMPARE(win.get("client")->y(), win.w.menuBar()->height());
        QVERIFY(!win.w.windowIcon().isNull());
        QVERIFY(win.w.windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(win.w.windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void everyControlStandsAtItsPlaceWithItsCaption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("fScaffold1") << "fScaffold1" << twips(360, 360, 3135, 4095) << "Scaffold : SAVE ME PLZ...";
        QTest::newRow("lMeaning") << "lMeaning" << twips(3960, 480, 2415, 1575) << "Meaning :";
        QTest::newRow("lChances") << "lChances" << twips(3960, 2520, 1935, 255) << "Number Of Chances Left :";
        QTest::newRow("lChances1") << "lChances1" << twips(5880, 2520, 255, 255) << "10";
        QTest::newRow("fLetters") << "fLetters" << twips(360, 4920, 3255, 855) << "Select A Letter";
        QTest::newRow("Frame1") << "Frame1" << twips(360, 6120, 3255, 735) << "Word Is ...";
        QTest::newRow("cStart") << "cStart" << twips(5520, 6000, 735, 375) << "Start";
        QTest::newRow("cExit") << "cExit" << twips(5520, 6480, 735, 375) << "Exit";
        QTest::newRow("sFootStand") << "sFootStand" << twips(120, 3480, 2655, 375) << "";
        QTest::newRow("sStand1") << "sStand1" << twips(360, 600, 135, 2895) << "";
        QTest::newRow("sStand2") << "sStand2" << twips(360, 480, 1215, 135) << "";
        QTest::newRow("sFace") << "sFace" << twips(960, 840, 735, 615) << "";
        QTest::newRow("sEyes1") << "sEyes1" << twips(1080, 960, 135, 135) << "";
        QTest::newRow("sEyes2") << "sEyes2" << twips(1440, 960, 135, 135) << "";
        for (int i = 0; i < Controls::LetterCount; ++i)
            QTest::addRow("lLetters_%d", i) << QStringLiteral("lLetters_%1").arg(i)
                                            << twips(120 + 240 * (i % Controls::LettersPerRow), 240 + 240 * (i / Controls::LettersPerRow), 135, 255) << QString(QChar('A' + i));
        for (int i = 0; i < Controls::WordCellCount; ++i)
            QTest::addRow("lWord_%d", i) << QStringLiteral("lWord_%1").arg(i) << twips(120 + 240 * i, 240, 135, 255) << "_";
    }
    void everyControlStandsAtItsPlaceWithItsCaption()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        Window win;
        QWidget *widget = win.get(name);
        QCOMPARE(widget->geometry(), geometry);
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            text = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            text = frame->title();
        QCOMPARE(text, caption);
        // Fixed captions fit their controls; none is cut short.
        if (auto *label = qobject_cast<QLabel *>(widget); label && name != "lMeaning")
            QVERIFY2(std::max(label->indent(), 0) + label->fontMetrics().horizontalAdvance(text) <= label->width(),
                     qPrintable(name));
    }

    void theLinesRunBetweenTheirPoints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QColor>("colour");
        const QColor yellow(255, 255, 0);
        QTest::newRow("lRope") << "lRope" << QPoint(88, 40) << QPoint(88, 56) << QColor(64, 0, 0);
        QTest::newRow("lNose") << "lNose" << QPoint(88, 64) << QPoint(88, 80) << QColor(192, 0, 192);
        QTest::newRow("lMouth") << "lMouth" << QPoint(80, 88) << QPoint(96, 88) << QColor(255, 0, 0);
        QTest::newRow("lBody") << "lBody" << QPoint(88, 96) << QPoint(88, 176) << yellow;
        QTest::newRow("lArm1") << "lArm1" << QPoint(88, 120) << QPoint(56, 128) << yellow;
        QTest::newRow("lArm2") << "lArm2" << QPoint(120, 128) << QPoint(88, 120) << yellow;
        QTest::newRow("lLeg1") << "lLeg1" << QPoint(88, 176) << QPoint(64, 208) << yellow;
        QTest::newRow("lLeg2") << "lLeg2" << QPoint(88, 176) << QPoint(112, 208) << yellow;
    }
    void theLinesRunBetweenTheirPoints()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QColor, colour);
        Window win;
        auto *line = win.get<LineShape>(name);
        QCOMPARE(line->parentWidget()->objectName(), "fScaffold1");
        QCOMPARE(line->from(), from);
        QCOMPARE(line->to(), to);
        QCOMPARE(line->colour(), colour);
        QVERIFY(line->geometry().contains(from) && line->geometry().contains(to));
    }

    void theStartStateShowsTheGallowsAndDisabledLetters()
    {
        Window win;
        for (const char *name : {"sFootStand", "sStand1", "sStand2", "lRope"})
            QVERIFY(win.get(name)->isVisible());
        QVERIFY(win.visibleParts().isEmpty());
        for (int i = 0; i < Controls::LetterCount; ++i) {
            QLabel *cell = win.letter(QChar('A' + i));
            QVERIFY(cell->isVisible());
            QVERIFY(!cell->isEnabled());
            QCOMPARE(cell->parentWidget()->objectName(), "fLetters");
            QCOMPARE(cell->palette().color(QPalette::Window), i == 0 ? QColor(255, 255, 0) : QColor(255, 255, 128));
        }
        for (int i = 0; i < Controls::WordCellCount; ++i) {
            QVERIFY(win.word(i)->isHidden());
            QCOMPARE(win.word(i)->parentWidget()->objectName(), "Frame1");
            QCOMPARE(win.word(i)->palette().color(QPalette::Window), QColor(255, 255, 128));
        }
        QCOMPARE(win.get<FilledShape>("sFace")->colour(), QColor(255, 255, 0));
        QCOMPARE(win.get<FilledShape>("sEyes1")->colour(), QColor(0, 255, 255));
        QCOMPARE(win.get<FilledShape>("sStand1")->colour(), QColor(64, 0, 0));
        QVERIFY(win.w.word().isEmpty());
        QCOMPARE(win.w.misses(), 0);
    }

    void onlyTheTwoButtonsTakeTheFocusStartFirst()
    {
        Window win;
        QStringList focusable;
        for (QWidget *widget : win.w.findChildren<QWidget *>())
            if (widget->focusPolicy() & Qt::TabFocus)
                focusable << widget->objectName();
        focusable.sort();
        QCOMPARE(focusable, (QStringList{"cExit", "cStart"}));
        QApplication::setActiveWindow(&win.w);
        QCOMPARE(QApplication::focusWidget(), win.get("cStart"));
        QTest::keyClick(&win.w, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), win.get("cExit"));
    }

    void everyLetterFitsWholeInsideItsCell()
    {
        Window win;
        for (int i = 0; i < Controls::LetterCount; ++i) {
            QLabel *cell = win.letter(QChar('A' + i));
            const QFontMetrics metrics(cell->font());
            const QRect ink = metrics.boundingRect(cell->text());
            QVERIFY2(ink.width() <= cell->width() && metrics.height() <= cell->height(), qPrintable(cell->text()));
        }
        QCOMPARE(win.word(0)->font(), win.letter('A')->font());
    }

    void theFacesFeaturesArePaintedOverTheFace()
    {
        Window win;
        for (const QString &part : Controls::FigureParts)
            win.get(part)->show();
        const QImage image = win.get("fScaffold1")->grab().toImage();
        const qreal dpr = image.devicePixelRatio();
        const auto at = [&](int x, int y) { return image.pixelColor(int(x * dpr), int(y * dpr)); };
        QCOMPARE(at(76, 68), QColor(0, 255, 255)); // left eye
        QCOMPARE(at(100, 68), QColor(0, 255, 255)); // right eye
        QCOMPARE(at(70, 90), QColor(255, 255, 0)); // face
        QCOMPARE(at(88, 72), QColor(192, 0, 192)); // nose
        QCOMPARE(at(88, 88), QColor(255, 0, 0)); // mouth
        QCOMPARE(at(88, 150), QColor(255, 255, 0)); // body
        QCOMPARE(at(26, 100), QColor(64, 0, 0)); // stand
    }

    void startShowsTheClueAndTheCellsAndEnablesTheLetters()
    {
        Window win;
        win.start("apple=a sweet fruit");
        QCOMPARE(win.caption("lMeaning"), "Meaning : A sweet fruit");
        QCOMPARE(win.shown(), "_____");
        QVERIFY(win.word(5)->isHidden());
        for (int i = 0; i < Controls::LetterCount; ++i)
            QVERIFY(win.letter(QChar('A' + i))->isEnabled());
        QCOMPARE(win.w.word(), "apple");
    }

    void theLongestShippedClueShowsWhole()
    {
        QFile list(QStringLiteral(SCAFFOLD_SOURCE_DIR "/data/lists/intermediate.txt"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QByteArray longest;
        for (const QByteArray &line : list.readAll().split('\n'))
            if (line.size() - line.indexOf('=') > longest.size() - longest.indexOf('='))
                longest = line;
        Window win;
        win.start(longest);
        auto *label = win.get<QLabel>("lMeaning");
        QVERIFY(label->text().size() > 60);
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
    }

    // The limit the checker warns at, and the README promises, must hold on the real board.
    void aClueOfTheLongestLengthShowsWhole_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("ordinary words") << "a small thing that people use when they want to keep warm ";
        QTest::newRow("the widest letters") << "WWWWW mmmmmm ";
        QTest::newRow("one long word after another") << "interconnectedness ";
    }
    void aClueOfTheLongestLengthShowsWhole()
    {
        QFETCH(QString, pattern);
        QString clue;
        while (clue.size() < Controls::ClueShownWhole)
            clue += pattern;
        clue.truncate(Controls::ClueShownWhole);
        Window win;
        win.start("lantern=" + clue.toUtf8());
        auto *label = win.get<ClueLabel>("lMeaning");
        QVERIFY(label->text().endsWith(clue.mid(1)));
        QVERIFY2(!label->isCut(), qPrintable(label->shownText()));
        // Three times as much is cut, so the check above can fail.
        win.start("lantern=" + (clue + ' ' + clue + ' ' + clue).toUtf8());
        QVERIFY(label->isCut());
    }

    void aBadWordListKeepsTheBoardAndTheProgram()
    {
        Window win;
        const QString before = state(win);
        win.platform.writeWordList("1\nno equals sign\n");
        QTest::mouseClick(win.get<QPushButton>("cStart"), Qt::LeftButton);
        QCOMPARE(win.platform.messages.size(), size_t(1));
        QCOMPARE(state(win), before);
        QVERIFY(!win.w.hasEnded());
        QVERIFY(win.w.isVisible());
        // The user mends the file and tries again.
        win.start("fig=a fruit");
        QCOMPARE(win.shown(), "___");
    }

    // The cell itself refuses the click, whatever the window does with it.
    void aCellReportsNoClickWhileHiddenOrDisabled_data()
    {
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("clicks");
        QTest::newRow("in play") << true << true << 1;
        QTest::newRow("disabled") << true << false << 0;
        QTest::newRow("hidden") << false << true << 0;
    }
    void aCellReportsNoClickWhileHiddenOrDisabled()
    {
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        QFETCH(int, clicks);
        QWidget parent;
        auto *cell = new ClickLabel(QStringLiteral("Q"), &parent);
        cell->resize(9, 17);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        cell->setVisible(visible);
        cell->setEnabled(enabled);
        QSignalSpy clicked(cell, &ClickLabel::clicked);
        QTest::mouseClick(cell, Qt::LeftButton);
        QCOMPARE(clicked.count(), clicks);
    }

    void lettersIgnoreClicksBeforeStartAndOnceGuessed()
    {
        Window win;
        QTest::mouseClick(win.letter('Q'), Qt::LeftButton);
        QVERIFY(win.letter('Q')->isVisible());
        QCOMPARE(win.w.misses(), 0);
        win.start("fig=a fruit");
        win.click('Q');
        QCOMPARE(win.w.misses(), 1);
        // A synthetic click on the now hidden cell must not count again.
        QTest::mouseClick(win.letter('Q'), Qt::LeftButton);
        QCOMPARE(win.w.misses(), 1);
        QCOMPARE(win.caption("lChances1"), "9");
    }

    void aLostGameShowsEveryPartThenOkRestoresTheStartState()
    {
        Window win;
        const QString startState = state(win);
        win.start("Jazz=a kind of music");
        const QString misses = "BCDEFGHIKL";
        QStringList atMessage;
        QString chancesAtMessage;
        win.platform.onMessage = [&](const ShownMessage &) {
            atMessage = win.visibleParts();
            chancesAtMessage = win.caption("lChances1");
        };
        for (int i = 0; i < Controls::ChanceCount; ++i) {
            win.click(misses[i]);
            if (i + 1 < Controls::ChanceCount) {
                QCOMPARE(win.visibleParts(), Controls::FigureParts.mid(0, i + 1));
                QCOMPARE(win.caption("lChances1"), QString::number(Controls::ChanceCount - 1 - i));
            }
        }
        QCOMPARE(atMessage, Controls::FigureParts);
        QCOMPARE(chancesAtMessage, "0");
        QCOMPARE(win.platform.messages.size(), size_t(1));
        QCOMPARE(win.platform.messages[0].text,
                 QStringLiteral("You have failed to recognize the word.\rIt was Jazz. Want to play again"));
        QCOMPARE(state(win), startState);
        QCOMPARE(win.w.misses(), 0);
    }

    void aWonGameWithAHyphenAndMixedCase()
    {
        Window win;
        win.start("X-Ray=a picture of the inside of the body");
        QCOMPARE(win.shown(), "_-___");
        for (QChar c : QString("XRA"))
            win.click(c);
        QVERIFY(win.platform.messages.empty());
        QCOMPARE(win.shown(), "X-RA_");
        win.click('Y');
        QCOMPARE(win.platform.messages.size(), size_t(1));
        QCOMPARE(win.platform.messages[0].text, QStringLiteral("Congrats. You have recognized the word.\rIt was X-Ray. Want to play again"));
        QVERIFY(win.word(0)->isHidden());
        QCOMPARE(win.caption("lMeaning"), "Meaning :");
    }

    void startInTheMiddleOfAGameClearsTheBoard()
    {
        Window win;
        win.start("banana=a yellow fruit");
        win.click('A');
        win.click('Z');
        win.start("fig=a fruit");
        QCOMPARE(win.shown(), "___");
        QVERIFY(win.letter('A')->isVisible());
        QVERIFY(win.visibleParts().isEmpty());
        QCOMPARE(win.caption("lChances1"), "10");
        QCOMPARE(win.w.misses(), 0);
    }

    void cancelOnAnEndMessageEndsTheProgram()
    {
        Window win;
        win.start("ox=a strong animal");
        win.platform.answers = {Platform::Answer::Cancel};
        win.click('O');
        win.click('X');
        QCOMPARE(win.platform.ends, 1);
        QVERIFY(win.w.hasEnded());
        QVERIFY(!win.w.isVisible());
        QCOMPARE(win.shown(), "OX"); // hidden with the window, but not reset
    }

    void exitEndsAtOnceWithoutAMessage_data()
    {
        QTest::addColumn<bool>("menu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }
    void exitEndsAtOnceWithoutAMessage()
    {
        QFETCH(bool, menu);
        Window win;
        win.start("fig=a fruit");
        if (menu)
            win.w.findChild<QAction *>("mExit")->trigger();
        else
            QTest::mouseClick(win.get<QPushButton>("cExit"), Qt::LeftButton);
        QCOMPARE(win.platform.ends, 1);
        QVERIFY(win.platform.messages.empty());
        QVERIFY(!win.w.isVisible());
    }

    void theMenuHasHelpWithContentAndAboutThenExit()
    {
        Window win;
        const QList<QAction *> top = win.w.menuBar()->actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->text(), "&Help");
        QCOMPARE(top[1]->text(), "&Exit");
        QVERIFY(!top[1]->menu());
        const QList<QAction *> help = top[0]->menu()->actions();
        QCOMPARE(help.size(), 3);
        QCOMPARE(help[0]->text(), "&Content");
        QVERIFY(help[1]->isSeparator());
        QCOMPARE(help[2]->text(), "&About Us");
    }

    void theHelpBoxesChangeNothing()
    {
        Window win;
        win.start("banana=a yellow fruit");
        win.click('A');
        const QString before = state(win);
        win.w.findChild<QAction *>("mContent")->trigger();
        win.w.findChild<QAction *>("mAboutUs")->trigger();
        QCOMPARE(state(win), before);
        QCOMPARE(win.w.misses(), 0);
        QCOMPARE(win.platform.messages.size(), size_t(2));
        QCOMPARE(win.platform.messages[0].title, "Content");
        QCOMPARE(win.platform.messages[0].text, "Play Scaffold and Enjoy and Learn");
        QCOMPARE(win.platform.messages[0].buttons, Platform::Buttons::Ok);
        QCOMPARE(win.platform.messages[1].title, "About Us");
        const QStringList lines = win.platform.messages[1].text.split(QChar(13));
        QCOMPARE(lines.size(), 3);
        QVERIFY(!lines[0].startsWith(' '));
        QVERIFY(lines[1].startsWith(QString(18, ' ')) && lines[1][18] != ' ');
        QVERIFY(lines[2].startsWith(QString(18, ' ')) && lines[2][18] != ' ');
    }

    void aFailureInAHandlerIsReportedAndEndsTheProgram()
    {
        Window win;
        win.platform.beforeOpen = [](int) { throw std::runtime_error("the disk went away"); };
        QTest::mouseClick(win.get<QPushButton>("cStart"), Qt::LeftButton);
        QCOMPARE(win.platform.messages.size(), size_t(1));
        QVERIFY(win.platform.messages[0].text.contains("the disk went away"));
        QVERIFY(!win.w.isVisible());
        QCOMPARE(win.platform.ends, 1);
        QVERIFY(win.w.hasEnded());
    }

    // The real message box: line breaks, plain text, and Escape answering Cancel.
    void theMessageBoxShowsLinesAndEscapeIsCancel_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::newRow("ok and cancel") << true;
        QTest::newRow("ok alone") << false;
    }
    void theMessageBoxShowsLinesAndEscapeIsCancel()
    {
        QFETCH(bool, withCancel);
        QtPlatform platform;
        QString shownText;
        QString title;
        Qt::TextFormat format = Qt::AutoText;
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            format = box->textFormat();
            title = box->windowTitle();
            for (QAbstractButton *b : box->buttons())
                buttons += b->isVisible();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        const Platform::Answer answer = platform.messageBox(
                QStringLiteral("first <b>line</b>\rsecond"), withCancel ? Platform::Buttons::OkCancel : Platform::Buttons::Ok,
                "Title");
        QCOMPARE(answer, Platform::Answer::Cancel);
        // Plain text: a word list's "<b>" shows as itself and never as markup.
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownText, "first <b>line</b>\nsecond");
        QCOMPARE(title, "Title");
        QCOMPARE(buttons, withCancel ? 2 : 1);
    }

    void theMessageBoxAnswersOk()
    {
        QtPlatform platform;
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(platform.messageBox("text", Platform::Buttons::OkCancel, "t"), Platform::Answer::Ok);
    }

    void theRandomSourceStaysInItsRange()
    {
        QtPlatform platform;
        for (int i = 0; i < 1000; ++i) {
            platform.reseed();
            const double r = platform.random();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
        QCOMPARE(platform.programFolder(), QCoreApplication::applicationDirPath());
    }
};

QTEST_MAIN(tst_fScaffold)
#include "tst_fscaffold.moc"
