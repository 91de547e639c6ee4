#pragma once

#include <QLabel>

// The clue: a word-wrapped label that keeps its whole text, and shows as much
// of it as fits. A clue too long for the label, or holding a run too wide for
// a line, ends its last shown line with an ellipsis; one that fits is painted
// exactly as a plain label paints it. Only the start of the text that the
// label can show is laid out, so the time taken does not grow with the clue.
class ClueLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The most characters of the whole text a tooltip shows.
    static constexpr qsizetype ToolTipLength = 1000;

    // The text as the label shows it: text() itself when it fits.
    QString shownText() const;
    bool isCut() const { return shownText() != text(); }
    // vText as a tooltip shows it: as plain text, whatever markup it holds,
    // and cut with an ellipsis after ToolTipLength characters. Empty for an
    // empty vText.
    static QString toolTipFor(const QString &vText);

protected:
    void paintEvent(QPaintEvent *vEvent) override;

private:
    int textFlags() const;
    QString layOut() const;

    // The last text shown and what it was made from: the window asks for it
    // after each handler, and paints it.
    struct Shown
    {
        QString text; // holds the very buffer of the label's text, so the buffer cannot change
        QRect area;
        QFont font;
        QString shown;
    };
    mutable Shown m_shown;
};
