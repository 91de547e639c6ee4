#pragma once

#include "Platform.h"

#include <QMainWindow>

#include <functional>

class QAction;

// The game's only window: the gallows and figure, the clue, the chances, the
// letter and word cells, Start and Exit, and the menu. Every control carries
// its name as objectName; the game reaches them through a QtBoard.
class fScaffold : public QMainWindow
{
    Q_OBJECT
public:
    // Twips per logical pixel: every position and size below is given in twips.
    static constexpr int TwipsPerPixel = 15;
    static constexpr int ClientWidth = 6585;
    static constexpr int ClientHeight = 7440;

    explicit fScaffold(Platform &vPlatform, QWidget *vParent = nullptr);

    // The word of the current game, as written in the word list.
    QString vWord;
    // Wrong guesses of the current game; belongs to the letter-click handler.
    int vMisses = 0;

    void cStart_Click();
    void lLetters_Click(qint16 Index);
    void cExit_Click();
    void mContent_Click();
    void mAboutUs_Click();
    void mExit_Click();

    // Runs one handler. A program end leaves through here; any other failure
    // is reported in a message box that names it, and the program ends.
    void guarded(const std::function<void()> &vHandler);
    bool hasEnded() const { return m_ended; }

    // The font of the board's captions: the platform's own, made smaller where
    // needed so that every fixed caption fits its control.
    static QFont BoardFont(const QFont &vBase);
    // The font of the letter and word cells: the largest size at which every
    // capital fits whole inside a cell.
    static QFont CellFont(const QFont &vBase);

private:
    void buildBoard(QWidget *vClient);
    void buildMenu();
    void finish();

    Platform &m_platform;
    bool m_ended = false;
};
