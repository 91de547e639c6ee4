#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

// A rectangle filled solid in one colour, optionally with a one-pixel edge
// of another colour drawn inside it, so that it keeps its exact place and
// size and still stands out from a background close to its own colour.
class FilledShape : public QWidget
{
    Q_OBJECT
public:
    FilledShape(const QColor &vColour, QWidget *vParent);
    QColor colour() const { return m_colour; }
    void setEdge(const QColor &vEdge);

protected:
    void paintEvent(QPaintEvent *vEvent) override;

private:
    QColor m_colour;
    QColor m_edge; // invalid: no edge
};

// A fixed backdrop for the drawing. It keeps its own colour whatever the
// desktop's palette, so that the gallows and the figure stand out from it
// the same on a light theme and a dark one.
class Backdrop : public QWidget
{
    Q_OBJECT
public:
    Backdrop(const QColor &vColour, QWidget *vParent);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *vEvent) override;

private:
    QColor m_colour;
};

// A straight line between two points of its parent. The widget covers the
// line's bounding box, widened by the pen, and lets clicks through.
class LineShape : public QWidget
{
    Q_OBJECT
public:
    // Thick enough for the figure's limbs to read clearly against the backdrop.
    static constexpr int PenWidth = 3;

    LineShape(QPoint vFrom, QPoint vTo, const QColor &vColour, QWidget *vParent);
    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *vEvent) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
};
