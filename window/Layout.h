#pragma once

#include <QPoint>
#include <QRect>

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

} // namespace Layout
