#include "window/CellFrameStyle.h"

#include <QImage>
#include <QPainter>
#include <QStyleOption>

// Styles draw a second, lighter line just inside the border line: both stay
// clear of the cells' top row.
CellFrameStyle::CellFrameStyle(int vCellTop) : m_lineLimit(vCellTop - 3) { }

int CellFrameStyle::baseLineRow(const QStyleOption &vOption, const QWidget *vWidget) const
{
    // Styles place the line by rules of their own (the caption's height, the
    // size of a check box), so the line is found where the style draws it:
    // once per caption font and frame size, off screen.
    const QPair<int, QSize> key(vOption.fontMetrics.height(), vOption.rect.size());
    const auto found = m_lineRows.constFind(key);
    if (found != m_lineRows.cend())
        return *found;
    QImage image(vOption.rect.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(-vOption.rect.topLeft());
        QProxyStyle::drawPrimitive(PE_FrameGroupBox, &vOption, &painter, vWidget);
    }
    int row = 0;
    const auto painted = [&](int vRow) {
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, vRow)) != 0)
                return true;
        return false;
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
