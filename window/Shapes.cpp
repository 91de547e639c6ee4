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
    const QPoint origin = pos();
    painter.drawLine(m_from - origin, m_to - origin);
}
