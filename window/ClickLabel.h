#pragma once

#include <QLabel>

// A label that reports a click, made with the left button and released over
// it, only while it is visible and enabled.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // A click made other than with the mouse: a typed key, or a screen
    // reader's press. Like a mouse click, it counts only while the cell is
    // visible and enabled.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *vEvent) override;
    void mouseReleaseEvent(QMouseEvent *vEvent) override;

private:
    bool m_pressed = false;
};
