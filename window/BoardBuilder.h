#pragma once

#include <QList>

class CellFrameStyle;
class ClickLabel;
class ClueLabel;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The widgets of the board that the window works with after building it.
struct BoardWidgets
{
    QGroupBox *drawing = nullptr; // fScaffold1: the gallows and the figure
    ClueLabel *clue = nullptr; // lMeaning
    QLabel *chances = nullptr; // lChances, the caption read with its number
    QGroupBox *letterRow = nullptr;
    QList<ClickLabel *> letters; // lLetters, A to Z
    QGroupBox *wordRow = nullptr; // Frame1, holding lWord
    QPushButton *start = nullptr;
    QPushButton *exit = nullptr;
    // The style that draws the cell frames' line; owned by no widget yet.
    CellFrameStyle *cellFrameStyle = nullptr;
};

// Builds every control of the board on vClient, each under its name, in its
// place and in its start state. Nothing is connected: the window does that.
BoardWidgets BuildBoard(QWidget *vClient);
