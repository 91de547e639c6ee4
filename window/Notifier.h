#pragma once

#include <QWidget>

// A widget no one sees that a screen reader speaks. Its accessible role is a
// notification; say() hides it, names it with the sentence and shows it
// again. Showing sends the "showing" state change, which a screen reader
// speaks for a notification wherever the focus is, where it passes over a
// label's name change and over anything outside the focus.
class Notifier : public QWidget
{
    Q_OBJECT
public:
    explicit Notifier(QWidget *vParent);

    void say(const QString &vSentence);
};
