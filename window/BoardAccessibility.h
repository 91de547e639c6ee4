#pragma once

#include <QString>

class QWidget;

// How a screen reader sees the board. The widgets keep their captions and
// text; what a screen reader reads is added beside them:
// - each letter cell is a button named by its letter, whose press action is a
//   click; it is unavailable while disabled and left out while hidden;
// - the word cells read as one line (the frame Frame1), the drawing as one
//   image (the frame fScaffold1), and the chances as one phrase (lChances,
//   with lChances1 left out);
// - those names are read off the board whenever a screen reader asks, and
//   the window tells a screen reader when one of them changes.
namespace BoardAccessibility {

// Installs the board's accessible interfaces; once per program, however
// often it is called.
void install();

// What a screen reader hears for the parts of the board read as one: the
// drawing (fScaffold1), the word row (Frame1) and the chances (lChances),
// from what they show now.
QString figureName(const QWidget *vDrawing);
// The word row: wordCells, then wordSize.
QString wordName(const QWidget *vWordRow);
// The word's cells in play, an unrevealed one read as "blank" and a blank in
// the word as "space".
QString wordCells(const QWidget *vWordRow);
// How many letters there are to guess: "9 letters", or word by word,
// "2 words, 3 and 5 letters". Empty while there is no word.
QString wordSize(const QWidget *vWordRow);
QString chancesName(const QWidget *vChances);

} // namespace BoardAccessibility
