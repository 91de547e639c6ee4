#pragma once

#include "platform/seam/Controls.h"

#include <QPoint>
#include <QRect>
#include <QString>

// The board's geometry is given in twips, 15 to a logical pixel.
namespace Layout {

constexpr int TwipsPerPixel = 15;
constexpr int ClientWidth = 6585;
constexpr int ClientHeight = 7440;

// Letter and word cells: their size, and where the first stands and how far
// apart they are inside their frame.
constexpr int CellWidth = 135;
constexpr int CellHeight = 255;
constexpr int CellLeft = 120;
constexpr int CellTop = 240;
constexpr int CellPitch = 240;

// The chances caption, the longest fixed caption on the board.
constexpr int ChancesWidth = 1935;

constexpr int Px(int vTwips)
{
    return vTwips / TwipsPerPixel;
}

constexpr QRect Twips(int vLeft, int vTop, int vWidth, int vHeight)
{
    return QRect(Px(vLeft), Px(vTop), Px(vWidth), Px(vHeight));
}

constexpr QPoint Point(int vX, int vY)
{
    return QPoint(Px(vX), Px(vY));
}

// Where each control placed directly on the window stands, in twips, relative
// to the client area. The window, the start-up floor and the tests all place
// or find the board's controls through this one table.
struct Place
{
    const QString &name;
    int left;
    int top;
    int width;
    int height;

    QRect rect() const { return Twips(left, top, width, height); }
};

inline const Place Places[] = {
        {Controls::fScaffold1, 360, 360, 3135, 4095},
        {Controls::lMeaning, 3960, 480, 2415, 1575},
        {Controls::lChances, 3960, 2520, ChancesWidth, 255},
        {Controls::lChances1, 5880, 2520, 255, 255},
        {Controls::fLetters, 360, 4920, 3255, 855},
        {Controls::Frame1, 360, 6120, 3255, 735},
        {Controls::cStart, 5520, 6000, 735, 375},
        {Controls::cExit, 5520, 6480, 735, 375},
};

// The place of the control named vName; an empty rectangle for a name the
// table does not hold.
inline QRect PlaceOf(const QString &vName)
{
    for (const Place &place : Places)
        if (place.name == vName)
            return place.rect();
    return QRect();
}

// Cell vIndex of an array of cells in rows of vPerRow, inside its frame: the
// first row at CellTop and each further one a cell's pitch lower.
constexpr QRect CellRect(int vIndex, int vPerRow)
{
    return Twips(CellLeft + CellPitch * (vIndex % vPerRow), CellTop + CellPitch * (vIndex / vPerRow), CellWidth,
                 CellHeight);
}

} // namespace Layout
