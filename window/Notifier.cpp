#include "window/Notifier.h"

Notifier::Notifier(QWidget *vParent) : QWidget(vParent)
{
    // Unnamed: it is no control of the board.
    // No size: shown, it covers no pixel of the board and takes no click.
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Notifier::say(const QString &vSentence)
{
    hide();
    setAccessibleName(vSentence);
    show();
}
