#include "platform/seam/Controls.h"
#include "platform/qt/QtPlatform.h"
#include "WindowUnderTest.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "window/ClueLabel.h"
#include "window/Layout.h"
#include "window/Shapes.h"
#include "window/fScaffold.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    void theWindowHasItsClientAreaBelowTheMenu()
    {
        Window win;
        QCOMPARE(win.w.windowTitle(), "Scaffold");
        QCOMPARE(win.get("client")->size(), QSize(439, 496));
        QVERIFY(!win.w.windowIcon().isNull());
        QVERIFY(win.w.windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(win.w.windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    // The placed controls stand where the board's one table of places puts
    // them, the cells where their row puts them; the drawing's shapes are
    // given here as drawn.
    void everyControlStandsAtItsPlaceWithItsCaption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        const QHash<QString, QString> captions{
                {"fScaffold1", "Scaffold : SAVE ME PLZ..."}, {"lMeaning", "Meaning :"}, {"lChances", "Number Of Chances Left :"},
                {"lChances1", "10"}, {"fLetters", "Select A Letter"}, {"Frame1", "Word Is ..."}, {"cStart", "Start"}, {"cExit", "Exit"}};
        for (const Layout::Place &place : Layout::Places)
            QTest::newRow(qPrintable(place.name)) << place.name << place.rect() << captions.value(place.name, "?");
        QTest::newRow("sFootStand") << "sFootStand" << twips(120, 3480, 2655, 375) << "";
        QTest::newRow("sStand1") << "sStand1" << twips(360, 600, 135, 2895) << "";
        QTest::newRow("sStand2") << "sStand2" << twips(360, 480, 1215, 135) << "";
        QTest::newRow("sFace") << "sFace" << twips(960, 840, 735, 615) << "";
        QTest::newRow("sEyes1") << "sEyes1" << twips(1080, 960, 135, 135) << "";
        QTest::newRow("sEyes2") << "sEyes2" << twips(1440, 960, 135, 135) << "";
        for (int i = 0; i < Controls::LetterCount; ++i)
            QTest::addRow("lLetters_%d", i) << Controls::Element(Controls::lLetters, i)
                                            << Layout::CellRect(i, Controls::LettersPerRow) << QString(QChar('A' + i));
        for (int i = 0; i < Controls::WordCellCount; ++i)
            QTest::addRow("lWord_%d", i) << Controls::Element(Controls::lWord, i) << Layout::CellRect(i, Controls::WordCellCount) << "_";
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

    // Cells in pixels as the board was designed, at 96 dpi: the table's
    // constants and the rows' lengths all come into these.
    void theCellsStandAsDesigned()
    {
        Window win;
        QCOMPARE(win.get(Controls::fLetters)->geometry(), QRect(24, 328, 217, 57));
        QCOMPARE(win.get(Controls::Frame1)->geometry(), QRect(24, 408, 217, 49));
        QCOMPARE(win.letter('A')->geometry(), QRect(8, 16, 9, 17));
        QCOMPARE(win.letter('M')->geometry(), QRect(200, 16, 9, 17));
        QCOMPARE(win.letter('N')->geometry(), QRect(8, 32, 9, 17));
        QCOMPARE(win.letter('Z')->geometry(), QRect(200, 32, 9, 17));
        QCOMPARE(win.word(12)->geometry(), QRect(200, 16, 9, 17));
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
            QCOMPARE(cell->palette().color(QPalette::Window), i == 0 ? QColor(255, 255, 0) : QColor(255, 255, 128));
        }
        for (int i = 0; i < Controls::WordCellCount; ++i) {
            QVERIFY(win.word(i)->isHidden());
            QCOMPARE(win.word(i)->parentWidget()->objectName(), "Frame1");
            QCOMPARE(win.word(i)->palette().color(QPalette::Window), QColor(255, 255, 128));
        }
        for (const auto &[name, colour] : {std::pair{"sFace", QColor(255, 255, 0)}, {"sEyes1", QColor(0, 255, 255)}, {"sStand1", QColor(64, 0, 0)}}) {
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

    void aLostGameShowsEveryPartThenOkRestoresTheStartState()
    {
        Window win;
        const QString startState = win.board();
        win.start("Jazz=a kind of music");
        QStringList atMessage;
        win.platform.onMessage = [&](const ShownMessage &) { atMessage = visibleParts(win); };
        for (QChar c : QString("BCDEFGHIKL"))
            win.click(c);
        QCOMPARE(atMessage, Controls::FigureParts);
        QCOMPARE(win.platform.messages.size(), size_t(1));
        QCOMPARE(win.board(), startState);
        QCOMPARE(win.w.misses(), 0);
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

    // The real message box: line breaks, plain text, and its answers.
    void theMessageBoxShowsLinesAndAnswers_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("Escape is Cancel") << true << int(Qt::Key_Escape) << true;
        QTest::newRow("Escape is Cancel with OK alone") << false << int(Qt::Key_Escape) << true;
        QTest::newRow("Return is OK") << true << int(Qt::Key_Return) << false;
    }
    void theMessageBoxShowsLinesAndAnswers()
    {
        QFETCH(bool, withCancel);
        QFETCH(int, key);
        QFETCH(bool, cancel);
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
            QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(platform.messageBox(QStringLiteral("first <b>line</b>\rsecond"),
                                     withCancel ? Platform::Buttons::OkCancel : Platform::Buttons::Ok, "Title"),
                 cancel ? Platform::Answer::Cancel : Platform::Answer::Ok);
        // Plain text: a word list's "<b>" shows as itself and never as markup.
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownText, "first <b>line</b>\nsecond");
        QCOMPARE(title, "Title");
        QCOMPARE(buttons, withCancel ? 2 : 1);
    }
};

QTEST_MAIN(tst_fScaffold)
#include "tst_fscaffold.moc"
