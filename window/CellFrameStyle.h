#pragma once

#include <QProxyStyle>

// The style of the two frames that hold the letter and word cells. The cells
// stand at fixed places a little below the frame's top; a style left to
// itself may draw the frame's border line at the full height of the caption,
// which runs through the first row of cells. This one raises the border line
// to stay above vCellTop (a logical pixel row of the frame) and changes
// nothing else.
class CellFrameStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit CellFrameStyle(int vCellTop);

    QRect subControlRect(ComplexControl vControl, const QStyleOptionComplex *vOption, SubControl vSubControl,
                         const QWidget *vWidget) const override;

private:
    int m_lineLimit;
};
