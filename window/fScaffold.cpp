#include "window/fScaffold.h"

#include "game/GameHandlers.h"
#include "platform/qt/QtBoard.h"
#include "platform/seam/Controls.h"
#include "window/AnnouncingPlatform.h"
#include "window/AppIcon.h"
#include "window/BoardAccessibility.h"
#include "window/BoardAnnouncer.h"
#include "window/BoardBuilder.h"
#include "window/BoardFonts.h"
#include "window/CellFrameStyle.h"
#include "window/ClickLabel.h"
#include "window/Layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

fScaffold::fScaffold(Platform &vPlatform, QWidget *vParent)
    : QMainWindow(vParent),
      m_announcing(std::make_unique<AnnouncingPlatform>(vPlatform, [this] { announceBoard(); })),
      m_platform(*m_announcing)
{
    BoardAccessibility::install();
    setObjectName(QStringLiteral("fScaffold"));
    setWindowTitle(QStringLiteral("Scaffold"));
    setWindowIcon(AppIcon());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Layout::Px(Layout::ClientWidth), Layout::Px(Layout::ClientHeight));
    client->setFont(BoardFonts::captionFont(font()));
    setCentralWidget(client);
    const BoardWidgets board = BuildBoard(client);
    for (int i = 0; i < board.letters.size(); ++i)
        connect(board.letters[i], &ClickLabel::clicked, this, [this, i] { lLetters_Click(qint16(i)); });
    connect(board.start, &QPushButton::clicked, this, &fScaffold::cStart_Click);
    connect(board.exit, &QPushButton::clicked, this, &fScaffold::cExit_Click);
    setTabOrder(board.start, board.exit);
    board.start->setFocus();
    m_letters = board.letters;
    for (QPushButton *button : {board.start, board.exit})
        button->installEventFilter(this);
    // Start is where a screen reader looks first; the letter buttons take no focus.
    board.start->setAccessibleDescription(BoardAnnouncer::HowToPlay);
    buildMenu();
    // The window keeps the board's size: nothing on it moves or stretches.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Owned by the window, and made its child after the board, so that it
    // outlives the frames that use it.
    board.cellFrameStyle->setParent(this);

    m_announcer = std::make_unique<BoardAnnouncer>(board);
}

fScaffold::~fScaffold() = default;

void fScaffold::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mHelp"));

    QAction *content = help->addAction(QStringLiteral("&Content"));
    content->setObjectName(QStringLiteral("mContent"));
    help->addSeparator()->setObjectName(QStringLiteral("m1"));
    QAction *about = help->addAction(QStringLiteral("&About Us"));
    about->setObjectName(QStringLiteral("mAboutUs"));

    // Exit sits on the bar itself and acts at once, without a drop-down.
    auto *exit = new QAction(QStringLiteral("&Exit"), this);
    exit->setObjectName(QStringLiteral("mExit"));
    bar->addAction(exit);

    connect(content, &QAction::triggered, this, &fScaffold::mContent_Click);
    connect(about, &QAction::triggered, this, &fScaffold::mAboutUs_Click);
    connect(exit, &QAction::triggered, this, &fScaffold::mExit_Click);

    // Escape closes the menu and leaves the bar holding the keyboard, where a
    // typed e would choose Exit; a second Escape, sent here, gives the
    // keyboard back to the board. A menu closed by a choice or a click has
    // left the bar already.
    connect(help, &QMenu::aboutToHide, this, [this, bar] {
        QTimer::singleShot(0, this, [this, bar] {
            if (focusWidget() == bar && !QApplication::activePopupWidget()) {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(bar, &escape);
            }
            showFocusFrame();
        });
    });
}

bool fScaffold::inGame() const
{
    return std::any_of(m_letters.begin(), m_letters.end(), [](const ClickLabel *vCell) { return vCell->isEnabled(); });
}

void fScaffold::showFocusFrame()
{
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget *focused = focusWidget())
        focused->update();
}

void fScaffold::showEvent(QShowEvent *vEvent)
{
    QMainWindow::showEvent(vEvent);
    // Showing a window hides its focus frame until a Tab; it shows at once.
    showFocusFrame();
}

bool fScaffold::eventFilter(QObject *vWatched, QEvent *vEvent)
{
    // A blank typed as part of the word would press the focused button:
    // Start would throw the game away, Exit would quit.
    if ((vEvent->type() == QEvent::KeyPress || vEvent->type() == QEvent::KeyRelease)
        && static_cast<QKeyEvent *>(vEvent)->key() == Qt::Key_Space && inGame()) {
        vEvent->accept();
        return true;
    }
    return QMainWindow::eventFilter(vWatched, vEvent);
}

void fScaffold::keyPressEvent(QKeyEvent *vEvent)
{
    const int key = vEvent->key();
    // Enter presses the focused button, as Space does outside a game; a
    // button outside a dialog leaves Enter to its window.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter)
        && (vEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && !vEvent->isAutoRepeat()) {
            vEvent->accept();
            button->click();
            return;
        }
    }
    // A letter typed with no modifier but Shift is a guess. Other keys go on
    // to the menu's access keys and the rest of Qt.
    if (key < Qt::Key_A || key > Qt::Key_Z || (vEvent->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) {
        QMainWindow::keyPressEvent(vEvent);
        return;
    }
    // A letter an open menu, or the menu bar, did not take plays no guess
    // behind it: the player is choosing from the menu.
    if (QApplication::activePopupWidget() || qobject_cast<QMenuBar *>(QApplication::focusWidget())) {
        QMainWindow::keyPressEvent(vEvent);
        return;
    }
    vEvent->accept();
    // A key held down guesses once.
    if (vEvent->isAutoRepeat())
        return;
    // The letter's cell is the one that shows it; the cell itself refuses
    // the guess while it is hidden or disabled. A letter typed again is
    // silent on the board, so a screen reader is told.
    const QString letter(QChar(u'A' + (key - Qt::Key_A)));
    for (ClickLabel *cell : std::as_const(m_letters)) {
        if (cell->text() != letter)
            continue;
        if (cell->isHidden() && inGame())
            m_announcer->say(letter + QStringLiteral(" was guessed already."));
        cell->click();
    }
}

void fScaffold::guarded(const std::function<void()> &vHandler)
{
    // One handler at a time. A message box blocks the window's mouse and
    // keyboard, but not a screen reader's press action, which is delivered
    // from inside the box's event loop.
    if (m_ended || m_running)
        return;
    const QScopedValueRollback<bool> running(m_running, true);
    // A handler that stops at a message box tells a screen reader how the
    // board stands as the box opens (m_announcing); the call at the end covers what
    // follows. The focus frame shows again after every message.
    QString failure;
    try {
        vHandler();
        announceBoard();
        showFocusFrame();
        return;
    } catch (const ProgramEnd &) {
        finish();
        return;
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("an unknown failure");
    }
    try {
        m_platform.messageBox(QStringLiteral("Scaffold stopped after a failure:") + QChar(u'\r') + failure,
                              Platform::Buttons::Ok, QStringLiteral("Scaffold"));
        m_platform.end();
    } catch (...) { }
    finish();
}

void fScaffold::announceBoard()
{
    m_announcer->announce();
}

void fScaffold::finish()
{
    m_ended = true;
    close();
    QCoreApplication::quit();
}

void fScaffold::cStart_Click()
{
    guarded([this] {
        QtBoard board(*this);
        // A Start refused for its word list draws no word and leaves this one
        // null, and the game in progress as it was.
        QString drawn;
        int misses = vMisses;
        game::cStart_Click(board, m_platform, drawn, misses);
        if (drawn.isNull())
            return;
        vWord = drawn;
        vMisses = misses;
        m_announcer->expect(BoardAnnouncer::Move::NewWord);
    });
}

void fScaffold::lLetters_Click(qint16 Index)
{
    guarded([this, Index] {
        QtBoard board(*this);
        m_announcer->expect(BoardAnnouncer::Move::Guess, m_letters.at(Index)->text());
        game::lLetters_Click(board, m_platform, vWord, vMisses, Index);
    });
}

void fScaffold::cExit_Click()
{
    guarded([this] { m_platform.end(); });
}

void fScaffold::mExit_Click()
{
    guarded([this] { m_platform.end(); });
}

void fScaffold::mContent_Click()
{
    guarded([this] {
        m_platform.messageBox(QStringLiteral("Play Scaffold and Enjoy and Learn"), Platform::Buttons::Ok,
                              QStringLiteral("Content"));
    });
}

void fScaffold::mAboutUs_Click()
{
    guarded([this] {
        const QString indent(18, u' ');
        const QString text = QStringLiteral("Scaffold, made by the Scaffold project") + QChar(u'\r') + indent
                + QStringLiteral("scaffold@example.org") + QChar(u'\r') + indent
                + QStringLiteral("https://example.org/scaffold");
        m_platform.messageBox(text, Platform::Buttons::Ok, QStringLiteral("About Us"));
    });
}
