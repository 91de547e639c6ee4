#include "window/fScaffold.h"

#include "game/GameHandlers.h"
#include "platform/Controls.h"
#include "platform/QtBoard.h"
#include "window/AppIcon.h"
#include "window/BoardAccessibility.h"
#include "window/BoardAnnouncer.h"
#include "window/BoardBuilder.h"
#include "window/BoardFonts.h"
#include "window/CellFrameStyle.h"
#include "window/ClickLabel.h"
#include "window/Layout.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>

fScaffold::fScaffold(Platform &vPlatform, QWidget *vParent) : QMainWindow(vParent), m_platform(vPlatform)
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
    buildMenu();
    // The window keeps the board's size: nothing on it moves or stretches.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Owned by the window, and made its child after the board, so that it
    // outlives the frames that use it.
    board.cellFrameStyle->setParent(this);

    m_announcer = std::make_unique<BoardAnnouncer>(board.clue);
    m_announcer->follow(board.drawing, BoardAccessibility::figureName);
    m_announcer->follow(board.wordRow, BoardAccessibility::wordName);
    m_announcer->follow(board.chances, BoardAccessibility::chancesName);
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
}

void fScaffold::keyPressEvent(QKeyEvent *vEvent)
{
    const int key = vEvent->key();
    // Enter presses the focused button, as Space does; a button outside a
    // dialog leaves Enter to its window.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (vEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
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
    vEvent->accept();
    // A key held down guesses once.
    if (vEvent->isAutoRepeat())
        return;
    // The letter's cell is the one that shows it; the cell itself refuses
    // the guess while it is hidden or disabled.
    const QString letter(QChar(u'A' + (key - Qt::Key_A)));
    for (ClickLabel *cell : std::as_const(m_letters))
        if (cell->text() == letter)
            cell->click();
}

void fScaffold::guarded(const std::function<void()> &vHandler)
{
    // One handler at a time. A message box blocks the window's mouse and
    // keyboard, but not a screen reader's press action, which is delivered
    // from inside the box's event loop.
    if (m_ended || m_running)
        return;
    const QScopedValueRollback<bool> running(m_running, true);
    // A handler that stops at a message box waits in the box's event loop,
    // which runs this queued call: a screen reader hears how the guess left
    // the board before the box is answered. The call at the end covers
    // what follows.
    QMetaObject::invokeMethod(this, &fScaffold::announceBoard, Qt::QueuedConnection);
    QString failure;
    try {
        vHandler();
        announceBoard();
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
    } catch (...) {
    }
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
        game::cStart_Click(board, m_platform, vWord, vMisses);
    });
}

void fScaffold::lLetters_Click(qint16 Index)
{
    guarded([this, Index] {
        QtBoard board(*this);
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
