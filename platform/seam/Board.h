#pragma once

#include "platform/seam/Controls.h"

#include <QString>

#include <stdexcept>

// The three properties the game may touch on a control of the main window.
class BoardControl
{
public:
    virtual ~BoardControl() = default;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString &vCaption) = 0;
    virtual void setVisible(bool vVisible) = 0;
    virtual void setEnabled(bool vEnabled) = 0;
};

// The main window's controls as the game sees them: by name, and the two
// arrays by index. Every lookup throws BoardError for a control that does not
// exist, so a bad name or index stops the handler instead of touching nothing.
class Board
{
public:
    virtual ~Board() = default;
    virtual BoardControl &control(const QString &vName) = 0;

    // Element vIndex of lLetters (0 to 25) and of lWord (0 to 12).
    BoardControl &lLetters(int vIndex) { return element(Controls::lLetters, vIndex, Controls::LetterCount); }
    BoardControl &lWord(int vIndex) { return element(Controls::lWord, vIndex, Controls::WordCellCount); }

private:
    BoardControl &element(const QString &vArray, int vIndex, int vCount);
};

class BoardError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

inline BoardControl &Board::element(const QString &vArray, int vIndex, int vCount)
{
    if (vIndex < 0 || vIndex >= vCount)
        throw BoardError(vArray.toStdString() + " has no element " + std::to_string(vIndex));
    return control(Controls::Element(vArray, vIndex));
}
