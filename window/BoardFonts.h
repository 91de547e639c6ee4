#pragma once

#include <QFont>

// The fonts of the board, fitted to its fixed controls. Used by the main
// window only; a header of its own so that the fitting can be tested.
namespace BoardFonts {

// The font of the board's captions: vBase, made smaller where needed so that
// every fixed caption fits its control.
QFont captionFont(const QFont &vBase);

// The font of the letter and word cells: vBase in bold, at the largest size
// at which every capital fits whole inside a cell.
QFont cellFont(const QFont &vBase);

} // namespace BoardFonts
