#include "window/CellFrameStyle.h"

#include <QImage>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

// Styles draw a second, lighter line just inside the border line: both stay
// clear of the cells' top row.
CellFrameStyle::CellFrameStyle(int vCellTop) : m_lineLimit(vCellTop - 3)
{ }

int CellFrameStyle::baseLineRow(const QStyleOption &vOption, const QWidget *vWidget) const
{
    // Styles place the line by rules of their own (the caption's height, the
    // size of a check box), so the line is found where the style draws it:
    // once per caption font, off screen, on a small frame of the same kind.
    // How far below its top a style draws the line does not hang on the
    // frame's size, and a small frame is quick to draw and to search.
    const int key = vOption.fontMetrics.height();
    const auto found = m_lineRows.constFind(key);
    if (found != m_lineRows.cend())
        return *found;
    QStyleOption small(vOption);
    small.rect = QRect(QPoint(0, 0), vOption.rect.size().boundedTo(QSize(32, 32)));
    QImage image(small.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QProxyStyle::drawPrimitive(PE_FrameGroupBox, &small, &painter, vWidget);
    }
    int row = 0;
    const auto painted = [&](int vRow) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(vRow));
        return std::any_of(pixels, pixels + image.width(), [](QRgb vPixel) { return qAlpha(vPixel) != 0; });
    };
    while (row < image.height() && !painted(row))
        ++row;
    m_lineRows.insert(key, row);
    return row;
}

void CellFrameStyle::drawPrimitive(PrimitiveElement vElement, const QStyleOption *vOption, QPainter *vPainter,
                                   const QWidget *vWidget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(vOption);
    if (vElement != PE_FrameGroupBox || !frame) {
        QProxyStyle::drawPrimitive(vElement, vOption, vPainter, vWidget);
        return;
    }
    const int raise = baseLineRow(*frame, vWidget) - m_lineLimit;
    if (raise <= 0) {
        QProxyStyle::drawPrimitive(vElement, vOption, vPainter, vWidget);
        return;
    }
    QStyleOptionFrame raised(*frame);
    raised.rect.setTop(frame->rect.top() - raise);
    QProxyStyle::drawPrimitive(vElement, &raised, vPainter, vWidget);
}
