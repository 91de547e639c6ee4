#pragma once

#include "platform/seam/Platform.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class BoardAnnouncer;
class ClickLabel;

// The game's only window: the gallows and figure, the clue, the chances, the
// letter and word cells, Start and Exit, and the menu. Every control carries
// its name as objectName; the game reaches them through a QtBoard.
class fScaffold : public QMainWindow
{
    Q_OBJECT
public:
    explicit fScaffold(Platform &vPlatform, QWidget *vParent = nullptr);
    ~fScaffold() override;

    // The word of the current game, as written in the word list.
    const QString &word() const { return vWord; }
    // Wrong guesses of the current game.
    int misses() const { return vMisses; }
    // True once the program has ended: a handler ran the platform's end, or
    // reported a failure.
    bool hasEnded() const { return m_ended; }

protected:
    // Typing a letter A to Z plays the guess a click on its cell plays.
    void keyPressEvent(QKeyEvent *vEvent) override;
    void showEvent(QShowEvent *vEvent) override;
    // During a game, a space typed on Start or Exit presses nothing.
    bool eventFilter(QObject *vWatched, QEvent *vEvent) override;

private slots:
    void cStart_Click();
    void lLetters_Click(qint16 Index);
    void cExit_Click();
    void mContent_Click();
    void mAboutUs_Click();
    void mExit_Click();

private:
    void buildMenu();
    // Runs one handler. A program end leaves through here; any other failure
    // is reported in a message box that names it, and the program ends.
    void guarded(const std::function<void()> &vHandler);
    void finish();
    // Tells a screen reader which names on the board changed and how the
    // last move went, and keeps the clue's tooltip whole.
    void announceBoard();
    // True from a Start until the end message is answered.
    bool inGame() const;
    // Shows the focus frame, as after a Tab.
    void showFocusFrame();

    // The desktop as the handlers use it: before a message box opens, a
    // screen reader is told how the board stands.
    std::unique_ptr<Platform> m_announcing;
    Platform &m_platform;
    bool m_ended = false;
    bool m_running = false;
    QList<ClickLabel *> m_letters;
    std::unique_ptr<BoardAnnouncer> m_announcer;
    // The game's two variables keep the names the game's rules give them
    // (vWord, vMisses), as the handlers in game/ do, so that the window and
    // the rules read alike.
    QString vWord;
    // Belongs to the letter-click handler; Start and OK on an end message set it to 0.
    int vMisses = 0;
};
