#include "ModalGuard.h"
#include "WindowUnderTest.h"
#include "platform/qt/QtPlatform.h"
#include "platform/seam/Controls.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "window/ClueLabel.h"
#include "window/Shapes.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

// The real window, headless, with the fake platform behind it.
class tst_fScaffold : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Headless(); }

private:
    using Window = WindowUnderTest;

    static QStringList visibleParts(Window &vWin)
    {
        QStringList parts;
        for (const QString &part : Controls::FigureParts)
            if (vWin.get(part)->isVisible())
                parts << part;
        return parts;
    }

    static QRect twips(int l, int t, int w, int h) { return QRect(l / 15, t / 15, w / 15, h / 15); }

private slots:
    void theWindowHasItsMenuAndBelowItTheClientArea()
    {
        Window win;
        QCOMPARE(win.w.windowTitle(), "Scaffold");
        QVERIFY(!win.w.windowIcon().isNull());
        const QMenuBar *menu = win.w.menuBar();
        const QList<QAction *> top = menu->actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->text(), "&Help");
        QCOMPARE(top[1]->text(), "&Exit");
        QVERIFY(!top[1]->menu());
        const QList<QAction *> help = top[0]->menu()->actions();
        QCOMPARE(help.size(), 3);
        QCOMPARE(help[0]->text(), "&Content");
        QVERIFY(help[1]->isSeparator());
        QCOMPARE(help[2]->text(), "&About Us");
        QWidget *client = win.get("client");
        QCOMPARE(client->size(), QSize(439, 496));
        QVERIFY(menu->isVisible() && menu->height() > 0);
        QCOMPARE(client->y(), menu->height());
        QCOMPARE(win.w.height(), menu->height() + client->height());
    }

    // Each control where the design places it, in twips, with its caption at
    // start; the cells relative to their frame.
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
        QTest::newRow("A, first of the top row") << "lLetters_0" << twips(120, 240, 135, 255) << "A";
        QTest::newRow("M, last of the top row") << "lLetters_12" << twips(3000, 240, 135, 255) << "M";
        QTest::newRow("N, first of the bottom row") << "lLetters_13" << twips(120, 480, 135, 255) << "N";
        QTest::newRow("Z, last of the bottom row") << "lLetters_25" << twips(3000, 480, 135, 255) << "Z";
        QTest::newRow("the first word cell") << "lWord_0" << twips(120, 240, 135, 255) << "_";
        QTest::newRow("the last word cell") << "lWord_12" << twips(3000, 240, 135, 255) << "_";
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
        QVERIFY(line);
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
        QVERIFY(visibleParts(win).isEmpty());
        for (int i = 0; i < Controls::LetterCount; ++i) {
            QLabel *cell = win.letter(QChar('A' + i));
            QVERIFY(cell->isVisible());
            QVERIFY(!cell->isEnabled());
            QCOMPARE(cell->parentWidget()->objectName(), "fLetters");
            QCOMPARE(cell->text(), QString(QChar('A' + i)));
            QCOMPARE(cell->palette().color(QPalette::Window), i == 0 ? QColor(255, 255, 0) : QColor(255, 255, 128));
        }
        for (int i = 0; i < Controls::WordCellCount; ++i) {
            QVERIFY(win.word(i)->isHidden());
            QCOMPARE(win.word(i)->text(), "_");
            QCOMPARE(win.word(i)->parentWidget()->objectName(), "Frame1");
            QCOMPARE(win.word(i)->palette().color(QPalette::Window), QColor(255, 255, 128));
        }
        for (const auto &[name, colour] : {std::pair{"sFace", QColor(255, 255, 0)},
                                           {"sEyes1", QColor(0, 255, 255)},
                                           {"sStand1", QColor(64, 0, 0)}}) {
            auto *shape = win.get<FilledShape>(name);
            QVERIFY2(shape, name);
            QCOMPARE(shape->colour(), colour);
        }
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

    // The game's rules are held against the fake board (tst_cscaffold); these
    // play them once on the real one.
    void aWonGameOnTheRealBoard()
    {
        Window win;
        const QString startState = win.board();
        // A bad list changes nothing and keeps the program; the user mends it.
        win.start("no equals sign");
        QCOMPARE(win.platform.messages.size(), size_t(1));
        QCOMPARE(win.board(), startState);
        QVERIFY(!win.w.hasEnded() && win.w.isVisible());
        win.start("X-Ray=a picture of the inside of the body");
        QCOMPARE(win.caption("lMeaning"), "Meaning : A picture of the inside of the body");
        QCOMPARE(win.shown(), "_-___");
        win.click('Q');
        QCOMPARE(win.caption("lChances1"), "9");
        QCOMPARE(visibleParts(win), QStringList{"sFace"});
        for (QChar c : QString("XRAY"))
            win.click(c);
        QCOMPARE(win.platform.messages.size(), size_t(2));
        QCOMPARE(win.board(), startState);
    }

    // A press is a click only when it is released over the cell it began on.
    void aPressDraggedOffItsCellPlaysNoGuess()
    {
        Window win;
        win.start("fig=a fruit");
        QLabel *q = win.letter('Q');
        QTest::mousePress(q, Qt::LeftButton);
        QTest::mouseRelease(q, Qt::LeftButton, {}, QPoint(q->width() + 10, q->height() / 2));
        QLabel *r = win.letter('R');
        QTest::mousePress(r, Qt::LeftButton);
        QTest::mouseRelease(win.letter('S'), Qt::LeftButton);
        QCOMPARE(win.w.misses(), 0);
        QVERIFY(q->isVisible() && r->isVisible() && win.letter('S')->isVisible());
        win.click('Q');
        QCOMPARE(win.w.misses(), 1);
    }

    void theProgramEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << "button";
        QTest::newRow("Exit on the menu") << "menu";
        QTest::newRow("Cancel on an end message") << "cancel";
    }
    void theProgramEnds()
    {
        QFETCH(QString, how);
        Window win;
        win.start("ox=a strong animal");
        if (how == "menu")
            win.w.findChild<QAction *>("mExit")->trigger();
        else if (how == "button")
            QTest::mouseClick(win.get<QPushButton>("cExit"), Qt::LeftButton);
        else {
            win.platform.answers = {Platform::Answer::Cancel};
            win.click('O');
            win.click('X');
        }
        QCOMPARE(win.platform.ends, 1);
        QCOMPARE(win.platform.messages.size(), size_t(how == "cancel"));
        QVERIFY(win.w.hasEnded());
        QVERIFY(!win.w.isVisible());
    }

    void theHelpBoxesChangeNothing()
    {
        Window win;
        win.start("banana=a yellow fruit");
        win.click('A');
        const QString before = win.board();
        win.w.findChild<QAction *>("mContent")->trigger();
        win.w.findChild<QAction *>("mAboutUs")->trigger();
        QCOMPARE(win.board(), before);
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

    // The real message box: its lines, plain text, its buttons, and which
    // answer OK gives and closing the box gives.
    void theMessageBoxShowsLinesAndAnswers_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<bool>("pressOk");
        QTest::newRow("OK and Cancel, OK pressed") << true << true;
        QTest::newRow("OK alone, the box closed") << false << false;
    }
    void theMessageBoxShowsLinesAndAnswers()
    {
        QFETCH(bool, withCancel);
        QFETCH(bool, pressOk);
        QtPlatform platform;
        ModalGuard guard;
        guard.expect([&](QWidget *vBox) {
            auto *box = qobject_cast<QMessageBox *>(vBox);
            QVERIFY(box);
            // Plain text: a word list's "<b>" shows as itself and never as markup.
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), "first <b>line</b>\nsecond");
            QCOMPARE(box->windowTitle(), "Title");
            QVERIFY(box->button(QMessageBox::Ok)->isVisible());
            QCOMPARE(box->button(QMessageBox::Cancel)->isVisible(), withCancel);
            if (pressOk)
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QCOMPARE(platform.messageBox(QStringLiteral("first <b>line</b>\rsecond"),
                                     withCancel ? Platform::Buttons::OkCancel : Platform::Buttons::Ok, "Title"),
                 pressOk ? Platform::Answer::Ok : Platform::Answer::Cancel);
    }
};

QTEST_MAIN(tst_fScaffold)
#include "tst_fscaffold.moc"
