#pragma once

#include <QHash>
#include <QProxyStyle>

// The style of the two frames that hold the letter and word cells. The cells
// stand at fixed places a little below the frame's top; a style left to
// itself may draw the frame's border line at the full height of the caption
// and more, through the first row of cells. This one raises the border line
// to end above vCellTop (a pixel row of the frame) and changes nothing else.
class CellFrameStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit CellFrameStyle(int vCellTop);

    void drawPrimitive(PrimitiveElement vElement, const QStyleOption *vOption, QPainter *vPainter,
                       const QWidget *vWidget) const override;

private:
    // The first row the base style paints of a frame drawn in vOption's rect.
    int baseLineRow(const QStyleOption &vOption, const QWidget *vWidget) const;

    int m_lineLimit;
    mutable QHash<int, int> m_lineRows; // by the caption font's height
};
