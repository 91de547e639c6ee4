#include "WindowUnderTest.h"
#include "platform/seam/Controls.h"
#include "testsupport/FakePlatform.h"
#include "testsupport/Headless.h"
#include "testsupport/Palettes.h"
#include "window/ClueLabel.h"
#include "window/fScaffold.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTextDocument>

// The window as players meet it who play without a mouse, with a screen
// reader, on a dark theme or with weaker sight: typed guesses, what a screen
// reader reads and can press, the contrast of the drawing and the letters,
// clues too long for their label, and the details of the board's frames.
class tst_BoardAccess : public QObject
{
    Q_OBJECT

public:
    static void initMain() { Headless(); }

private:
    struct Window : WindowUnderTest
    {
        Window() { QApplication::setActiveWindow(&w); }
        // A key as the keyboard sends it: to the widget with the focus.
        void type(int vKey, Qt::KeyboardModifiers vModifiers = Qt::NoModifier, bool vAutoRepeat = false)
        {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
            QKeyEvent press(QEvent::KeyPress, vKey, vModifiers, QString(), vAutoRepeat);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, vKey, vModifiers, QString(), vAutoRepeat);
            QApplication::sendEvent(target, &release);
        }
    };

    static QAccessibleInterface *accessible(QObject *vObject) { return QAccessible::queryAccessibleInterface(vObject); }
    // The text a tooltip shows, its markup rendered as the tooltip renders it.
    static QString shownToolTip(const QWidget *vWidget)
    {
        QTextDocument document;
        if (Qt::mightBeRichText(vWidget->toolTip()))
            document.setHtml(vWidget->toolTip());
        else
            document.setPlainText(vWidget->toolTip());
        return document.toPlainText();
    }

    // The accessible children of vParent, as "role name" lines.
    static QStringList readOut(QAccessibleInterface *vParent)
    {
        QStringList lines;
        for (int i = 0; i < vParent->childCount(); ++i) {
            QAccessibleInterface *child = vParent->child(i);
            lines << QStringLiteral("%1 %2").arg(int(child->role())).arg(child->text(QAccessible::Name));
        }
        return lines;
    }

    // The letter button a screen reader finds by its name, or nullptr.
    static QAccessibleInterface *letterButton(Window &vWin, QChar vLetter)
    {
        QAccessibleInterface *letters = accessible(vWin.get(Controls::fLetters));
        for (int i = 0; i < letters->childCount(); ++i)
            if (letters->child(i)->text(QAccessible::Name) == QString(vLetter))
                return letters->child(i);
        return nullptr;
    }

    static void press(QAccessibleInterface *vInterface)
    {
        QVERIFY(vInterface->actionInterface());
        QVERIFY(vInterface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        vInterface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    // Applies a palette to the application for as long as it lives.
    struct AppPalette
    {
        QPalette before = QApplication::palette();
        explicit AppPalette(const QPalette &vPalette) { QApplication::setPalette(vPalette); }
        ~AppPalette() { QApplication::setPalette(before); }
    };

    static QImage render(QWidget *vWidget, qreal vScale = 1.0)
    {
        QImage image(vWidget->size() * vScale, QImage::Format_RGB32);
        image.setDevicePixelRatio(vScale);
        image.fill(Qt::magenta);
        vWidget->render(&image);
        return image;
    }

private slots:
    // --- Typed guesses

    void typedLettersPlayAsClicksDo_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("hits and misses, lower case")
                << QByteArray("meticulous=careful") << "EAUTRSZ" << int(Qt::NoModifier);
        QTest::newRow("hits and misses, with Shift")
                << QByteArray("meticulous=careful") << "EAUTRSZ" << int(Qt::ShiftModifier);
        QTest::newRow("a game won, its end message answered")
                << QByteArray("ox=an animal") << "XO" << int(Qt::NoModifier);
        QTest::newRow("a game lost") << QByteArray("ox=an animal") << "ABCDEFGHIJ" << int(Qt::ShiftModifier);
    }
    void typedLettersPlayAsClicksDo()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, letters);
        QFETCH(int, modifiers);
        Window clicked;
        Window typed;
        clicked.start(entry);
        typed.start(entry);
        for (const QChar letter : letters) {
            clicked.click(letter);
            typed.type(Qt::Key_A + (letter.unicode() - u'A'), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(typed.boardAndGame(), clicked.boardAndGame());
        }
        QCOMPARE(typed.platform.messages.size(), clicked.platform.messages.size());
        // Typing moves no focus: Start keeps it, as before.
        QCOMPARE(QApplication::focusWidget(), typed.get(Controls::cStart));
    }

    void keysThatPlayNoGuess_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("guessedBefore");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("autoRepeat");
        QTest::newRow("a letter before Start: its cell is disabled") << false << "" << int(Qt::Key_Q) << 0 << false;
        QTest::newRow("a letter already guessed: its cell is hidden") << true << "Q" << int(Qt::Key_Q) << 0 << false;
        QTest::newRow("with Control") << true << "" << int(Qt::Key_Q) << int(Qt::ControlModifier) << false;
        QTest::newRow("with Alt") << true << "" << int(Qt::Key_Q) << int(Qt::AltModifier) << false;
        QTest::newRow("with Meta") << true << "" << int(Qt::Key_Q) << int(Qt::MetaModifier) << false;
        QTest::newRow("a digit") << true << "" << int(Qt::Key_5) << 0 << false;
        QTest::newRow("a repeat of a held key") << true << "" << int(Qt::Key_Q) << 0 << true;
    }
    void keysThatPlayNoGuess()
    {
        QFETCH(bool, started);
        QFETCH(QString, guessedBefore);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, autoRepeat);
        Window win;
        if (started)
            win.start("fig=a fruit");
        for (const QChar letter : guessedBefore)
            win.click(letter);
        const QString before = win.boardAndGame();
        win.type(key, Qt::KeyboardModifiers(modifiers), autoRepeat);
        QCOMPARE(win.boardAndGame(), before);
    }

    // While an end message waits for its answer, the window plays nothing,
    // whatever reaches it: a key, or a screen reader's press.
    void nothingPlaysWhileAMessageIsOpen()
    {
        Window win;
        win.start("ox=an animal");
        win.click('O');
        QString atMessage;
        QString afterInput;
        win.platform.onMessage = [&](const ShownMessage &) {
            atMessage = win.boardAndGame();
            win.type(Qt::Key_Z);
            press(letterButton(win, 'Y'));
            afterInput = win.boardAndGame();
        };
        win.type(Qt::Key_X);
        QVERIFY(!atMessage.isEmpty());
        QCOMPARE(afterInput, atMessage);
        QCOMPARE(win.platform.messages.size(), size_t(1));
    }

    void theButtonsKeepTheirKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << 0;
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void theButtonsKeepTheirKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Window win;
        win.platform.writeWordList("1\nfig=a fruit\n");
        QCOMPARE(QApplication::focusWidget(), win.get(Controls::cStart));
        win.type(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(win.w.word(), "fig");
        win.type(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), win.get(Controls::cExit));
        win.type(Qt::Key_F);
        QCOMPARE(QApplication::focusWidget(), win.get(Controls::cExit));
        QVERIFY(win.letter('F')->isHidden());
        win.type(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(win.platform.ends, 1);
    }

    // --- What a screen reader reads

    void aScreenReaderReadsTheBoardAsItStands_data()
    {
        QTest::addColumn<QString>("guesses");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("chances");
        QTest::addColumn<QString>("word");
        QTest::newRow("before Start") << "-"
                                      << "0 of 10 parts of the figure"
                                      << "Number Of Chances Left : 10"
                                      << "No word yet";
        QTest::newRow("just started") << ""
                                      << "0 of 10 parts of the figure"
                                      << "Number Of Chances Left : 10"
                                      << "blank blank blank blank blank blank blank blank blank blank, 10 letters";
        QTest::newRow("hits and misses") << "EAUTRSO"
                                         << "2 of 10 parts of the figure"
                                         << "Number Of Chances Left : 8"
                                         << "blank E T blank blank U blank O U S, 10 letters";
    }
    void aScreenReaderReadsTheBoardAsItStands()
    {
        QFETCH(QString, guesses);
        QFETCH(QString, figure);
        QFETCH(QString, chances);
        QFETCH(QString, word);
        Window win;
        if (guesses != "-") {
            win.start("meticulous=showing great care");
            for (const QChar letter : guesses)
                win.click(letter);
        }
        const QString meaning = win.get<QLabel>(Controls::lMeaning)->text();
        const QStringList expected{
                QStringLiteral("%1 %2").arg(int(QAccessible::Graphic)).arg(figure),
                QStringLiteral("%1 %2").arg(int(QAccessible::StaticText)).arg(meaning),
                QStringLiteral("%1 %2").arg(int(QAccessible::StaticText)).arg(chances),
                QStringLiteral("%1 Select A Letter").arg(int(QAccessible::Grouping)),
                QStringLiteral("%1 %2").arg(int(QAccessible::StaticText)).arg(word),
                QStringLiteral("%1 Start").arg(int(QAccessible::Button)),
                QStringLiteral("%1 Exit").arg(int(QAccessible::Button)),
        };
        QCOMPARE(readOut(accessible(win.get("client"))), expected);
        // The drawing and the word are one object each, not their pieces.
        QCOMPARE(accessible(win.get(Controls::fScaffold1))->childCount(), 0);
        QCOMPARE(accessible(win.get(Controls::Frame1))->childCount(), 0);
        QCOMPARE(accessible(win.get(Controls::Frame1))->text(QAccessible::Description), "Word Is ...");

        // Each letter in play is a button named by its letter, in order.
        QStringList buttons;
        for (int i = 0; i < Controls::LetterCount; ++i)
            if (guesses == "-" || !guesses.contains(QChar(u'A' + i)))
                buttons << QStringLiteral("%1 %2").arg(int(QAccessible::Button)).arg(QChar(u'A' + i));
        QCOMPARE(readOut(accessible(win.get(Controls::fLetters))), buttons);
    }

    void letterButtonsAreUnavailableUntilStart()
    {
        Window win;
        QAccessibleInterface *q = letterButton(win, 'Q');
        QVERIFY(q);
        QVERIFY(q->state().disabled);
        press(q);
        QCOMPARE(win.w.misses(), 0);
        QVERIFY(win.letter('Q')->isVisible());
        win.start("fig=a fruit");
        QVERIFY(!q->state().disabled);
        QCOMPARE(q->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList{"Q"});
        press(q);
        QCOMPARE(win.w.misses(), 1);
        QVERIFY(!letterButton(win, 'Q'));
        // A screen reader holding on to the button from before cannot guess twice.
        press(q);
        QCOMPARE(win.w.misses(), 1);
    }

    // --- Contrast

    void everyPartOfTheDrawingStandsOut_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("part");
        QStringList parts{Controls::sFootStand, Controls::sStand1, Controls::sStand2, Controls::lRope};
        parts << Controls::FigureParts;
        for (const bool dark : {false, true})
            for (const QString &part : parts)
                QTest::addRow("%s, %s", dark ? "dark" : "light", qPrintable(part)) << dark << part;
    }
    // A part stands out when a good share of the pixels it paints differ from
    // what lies behind them by at least 3 to 1: the whole of a line or
    // rectangle, or the edge drawn around it.
    void everyPartOfTheDrawingStandsOut()
    {
        QFETCH(bool, dark);
        QFETCH(QString, part);
        const AppPalette palette(dark ? DarkPalette() : QApplication::palette());
        Window win;
        for (const QString &figurePart : Controls::FigureParts)
            win.get(figurePart)->show();
        QWidget *drawing = win.get(Controls::fScaffold1);
        const QImage with = render(drawing);
        win.get(part)->hide();
        const QImage behind = render(drawing);
        int painted = 0;
        int standingOut = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x) {
                if (with.pixel(x, y) == behind.pixel(x, y))
                    continue;
                ++painted;
                standingOut += ContrastRatio(with.pixelColor(x, y), behind.pixelColor(x, y)) >= 3.0;
            }
        QVERIFY(painted > 0);
        const double share = double(standingOut) / painted;
        QVERIFY2(share >= 0.35, qPrintable(QStringLiteral("%1 of %2 pixels stand out").arg(standingOut).arg(painted)));
    }

    void disabledLettersReadYetLookDisabled_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QChar>("letter");
        QTest::newRow("light, the A cell") << false << QChar('A');
        QTest::newRow("light, a light yellow cell") << false << QChar('W');
        QTest::newRow("dark, the A cell") << true << QChar('A');
        QTest::newRow("dark, a light yellow cell") << true << QChar('W');
    }
    void disabledLettersReadYetLookDisabled()
    {
        QFETCH(bool, dark);
        QFETCH(QChar, letter);
        const AppPalette palette(dark ? DarkPalette() : QApplication::palette());
        Window win;
        QLabel *cell = win.letter(letter);
        // The ink of a letter is its pixel furthest from the cell's background.
        const auto ink = [&] {
            const QImage image = render(cell);
            const QColor background = image.pixelColor(0, 0);
            QColor darkest = background;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (ContrastRatio(image.pixelColor(x, y), background) > ContrastRatio(darkest, background))
                        darkest = image.pixelColor(x, y);
            return std::make_pair(darkest, background);
        };
        const auto [disabledInk, background] = ink();
        win.start("fig=a fruit");
        const QColor enabledInk = ink().first;
        QVERIFY2(ContrastRatio(disabledInk, background) >= 4.5,
                 qPrintable(QString::number(ContrastRatio(disabledInk, background))));
        // Still clearly lighter than a letter in play.
        QVERIFY(ContrastRatio(enabledInk, background) >= 1.5 * ContrastRatio(disabledInk, background));
    }

    // --- Long clues

    // Cut downwards, sideways (a run with no place to break, wider than the
    // label) or both: the label shows an ellipsis and only what fits; the
    // tooltip shows the clue as plain text, its first 1,000 characters; a
    // screen reader gets it whole.
    void aClueTooLongOrTooWideIsCut_data()
    {
        QTest::addColumn<QByteArray>("clue");
        QTest::newRow("300 characters in short words") << "a word of many uses, "
                        + QByteArray("and of many more meanings besides ").repeated(8) + "which no label could show";
        QTest::newRow("a run of 100 W") << QByteArray(100, 'W');
        QTest::newRow("a long word after short ones")
                << QByteArray("in its longest form pneumonoultramicroscopicsilicovolcanoconiosis");
        QByteArray huge;
        while (huge.size() < 60000)
            huge += "<b>bold</b> <h1>words</h1> of many uses ";
        huge.chop(1);
        QTest::newRow("60,000 characters with markup") << huge;
    }
    void aClueTooLongOrTooWideIsCut()
    {
        QFETCH(QByteArray, clue);
        Window win;
        win.start("word=" + clue);
        auto *label = win.get<ClueLabel>(Controls::lMeaning);
        const QString whole = label->text();
        QVERIFY(whole.endsWith(QString::fromLatin1(clue.mid(1))));
        QVERIFY(label->isCut());
        const QString shown = label->shownText();
        QVERIFY2(shown.endsWith(QChar(0x2026)) && whole.startsWith(shown.chopped(1)), qPrintable(shown));
        const QRect area = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(area, Qt::TextWordWrap, shown);
        QVERIFY2(needed.height() <= area.height() && needed.width() <= area.width(), qPrintable(shown));

        const QString tip = shownToolTip(label);
        QVERIFY2(tip.endsWith(QChar(0x2026)) == (whole.size() > 1000), qPrintable(tip));
        QCOMPARE(tip.chopped(tip.endsWith(QChar(0x2026)) ? 1 : 0), whole.left(1000));
        QCOMPARE(accessible(label)->text(QAccessible::Description), whole);
        QCOMPARE(accessible(label)->text(QAccessible::Name), whole);

        // The next game's short clue takes the tooltip away again.
        win.start("fig=a fruit");
        QVERIFY(!label->isCut());
        QVERIFY(label->toolTip().isEmpty());
    }

    void aShortClueLooksAsAPlainLabelShowsIt()
    {
        Window win;
        win.start("meticulous=showing great care and attention to every small detail");
        auto *clue = win.get<ClueLabel>(Controls::lMeaning);
        QLabel plain(clue->text(), clue->parentWidget());
        plain.setGeometry(clue->geometry());
        plain.setWordWrap(true);
        plain.setAlignment(clue->alignment());
        plain.setTextFormat(Qt::PlainText);
        QVERIFY(!clue->isCut());
        QCOMPARE(render(clue), render(&plain));
        QVERIFY(clue->toolTip().isEmpty());
    }

    // --- The frames and the chances

    void theChancesStandApartFromTheirCaption()
    {
        Window win;
        QWidget *client = win.get("client");
        const QImage image = render(client);
        const QRect caption = win.get(Controls::lChances)->geometry();
        const QRect number = win.get(Controls::lChances1)->geometry();
        const QColor background = image.pixelColor(caption.left(), caption.top());
        const auto inked = [&](int vX) {
            for (int y = caption.top(); y <= caption.bottom(); ++y)
                if (image.pixelColor(vX, y) != background)
                    return true;
            return false;
        };
        int lastCaptionInk = caption.right();
        while (!inked(lastCaptionInk))
            --lastCaptionInk;
        int firstNumberInk = number.left();
        while (!inked(firstNumberInk))
            ++firstNumberInk;
        QVERIFY2(firstNumberInk - lastCaptionInk > 2,
                 qPrintable(QStringLiteral("%1 to %2").arg(lastCaptionInk).arg(firstNumberInk)));
        // And the number still fits its label whole.
        int lastNumberInk = number.right() + 2;
        while (!inked(lastNumberInk))
            --lastNumberInk;
        QVERIFY(lastNumberInk <= number.right());
    }

    void noCellCrossesItsFramesLine_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<qreal>("scale");
        for (const QString &frame : {Controls::fLetters, Controls::Frame1})
            for (const qreal scale : {1.0, 1.25, 1.5, 2.0})
                QTest::addRow("%s at %g", qPrintable(frame), scale) << frame << scale;
    }
    void noCellCrossesItsFramesLine()
    {
        QFETCH(QString, frame);
        QFETCH(qreal, scale);
        Window win;
        QWidget *box = win.get(frame);
        const QList<QLabel *> cells = box->findChildren<QLabel *>();
        QVERIFY(!cells.isEmpty());
        // The last cell stands clear of the caption, which is short.
        QLabel *cell = cells.last();
        for (QLabel *other : cells)
            other->hide();
        const QImage image = render(box, scale);
        const int x = qRound((cell->x() + cell->width() / 2) * scale);
        const int cellTop = qRound(cell->y() * scale);
        const QColor inside = image.pixelColor(x, qRound((cell->y() + cell->height() / 2) * scale));
        int lineBottom = qRound((cell->y() + cell->height() / 2) * scale);
        while (lineBottom >= 0 && image.pixelColor(x, lineBottom) == inside)
            --lineBottom;
        QVERIFY2(lineBottom >= 0, "no border line above the cells");
        QVERIFY2(lineBottom < cellTop,
                 qPrintable(QStringLiteral("line at %1, cells from %2").arg(lineBottom).arg(cellTop)));
    }
};

QTEST_MAIN(tst_BoardAccess)
#include "tst_boardaccess.moc"
