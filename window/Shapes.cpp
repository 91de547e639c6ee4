#include "window/Shapes.h"

#include <QPainter>

FilledShape::FilledShape(const QColor &vColour, QWidget *vParent) : QWidget(vParent), m_colour(vColour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FilledShape::setEdge(const QColor &vEdge)
{
    m_edge = vEdge;
    update();
}

void FilledShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_edge.isValid()) {
        painter.fillRect(rect(), m_colour);
        return;
    }
    painter.fillRect(rect(), m_edge);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), m_colour);
}

Backdrop::Backdrop(const QColor &vColour, QWidget *vParent) : QWidget(vParent), m_colour(vColour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Backdrop::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}

LineShape::LineShape(QPoint vFrom, QPoint vTo, const QColor &vColour, QWidget *vParent)
    : QWidget(vParent), m_from(vFrom), m_to(vTo), m_colour(vColour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(vFrom, vTo).normalized().adjusted(-PenWidth, -PenWidth, PenWidth, PenWidth));
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, PenWidth, Qt::SolidLine, Qt::RoundCap));
    // A pen of odd width centred on a pixel's corner would half cover the
    // pixels at its sides; centred on the pixel, an upright or level line
    // covers whole pixels and stays crisp.
    const QPointF centre(PenWidth % 2 ? 0.5 : 0.0, PenWidth % 2 ? 0.5 : 0.0);
    const QPointF origin = pos() - centre;
    painter.drawLine(QPointF(m_from) - origin, QPointF(m_to) - origin);
}
