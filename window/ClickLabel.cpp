#include "window/ClickLabel.h"

#include <QMouseEvent>

void ClickLabel::click()
{
    // Hidden or disabled cells are out of play; a click that reaches one
    // anyway (a synthetic event, a stale screen-reader tree) must not count
    // as a guess.
    if (isVisible() && isEnabled())
        emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent *vEvent)
{
    m_pressed = vEvent->button() == Qt::LeftButton;
    QLabel::mousePressEvent(vEvent);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *vEvent)
{
    const bool click = m_pressed && vEvent->button() == Qt::LeftButton && rect().contains(vEvent->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(vEvent);
    if (click)
        this->click();
}
