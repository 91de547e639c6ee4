#pragma once

#include <QLabel>

// The clue: a word-wrapped label that keeps its whole text, and shows as much
// of it as fits. A clue too long for the label ends its last shown line with
// an ellipsis; one that fits is painted exactly as a plain label paints it.
class ClueLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The text as the label shows it: text() itself when it fits.
    QString shownText() const;
    bool isCut() const { return shownText() != text(); }

protected:
    void paintEvent(QPaintEvent *vEvent) override;

private:
    int textFlags() const;
};
