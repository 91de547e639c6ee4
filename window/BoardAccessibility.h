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
// - the window keeps those names up to date with setAccessibleName, which
//   tells a screen reader of each change.
namespace BoardAccessibility {

// Installs the board's accessible interfaces; once per program, however
// often it is called.
void install();

// What a screen reader hears for each part of the board.
QString chancesName(const QString &vCaption, const QString &vChances);
QString wordName(const QStringList &vCellsInPlay);
QString figureName(int vPartsShown);

} // namespace BoardAccessibility
