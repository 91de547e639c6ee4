#include "window/CellFrameStyle.h"

// The border line is a pixel wide, and styles draw a second, lighter line just
// inside it: both stay clear of the cells' top row, with one row to spare.
CellFrameStyle::CellFrameStyle(int vCellTop) : m_lineLimit(vCellTop - 3) { }

QRect CellFrameStyle::subControlRect(ComplexControl vControl, const QStyleOptionComplex *vOption,
                                     SubControl vSubControl, const QWidget *vWidget) const
{
    QRect rect = QProxyStyle::subControlRect(vControl, vOption, vSubControl, vWidget);
    if (vControl == CC_GroupBox && (vSubControl == SC_GroupBoxFrame || vSubControl == SC_GroupBoxContents)
        && rect.top() > m_lineLimit)
        rect.setTop(m_lineLimit);
    return rect;
}
