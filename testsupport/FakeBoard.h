#pragma once

#include "platform/seam/Board.h"

#include <QMap>

// A control that only stores its three properties.
class FakeControl : public BoardControl
{
public:
    FakeControl(QString vCaption = QString(), bool vVisible = true, bool vEnabled = true)
        : text(std::move(vCaption)), visible(vVisible), enabled(vEnabled)
    { }
    QString caption() const override { return text; }
    void setCaption(const QString &vCaption) override { text = vCaption; }
    void setVisible(bool vVisible) override { visible = vVisible; }
    void setEnabled(bool vEnabled) override { enabled = vEnabled; }

    bool operator==(const FakeControl &o) const
    {
        return text == o.text && visible == o.visible && enabled == o.enabled;
    }

    QString text;
    bool visible;
    bool enabled;
};

// The board the game touches, without widgets. It starts in the window's
// start state and, like the real one, throws for a name it does not have.
class FakeBoard : public Board
{
public:
    FakeBoard();

    BoardControl &control(const QString &vName) override;

    FakeControl &letter(QChar vLetter);
    FakeControl &word(int vIndex);
    // The word cells as the player sees them: the captions of the visible cells.
    QString shown() const;
    int visibleParts() const;

    bool operator==(const FakeBoard &o) const { return controls == o.controls; }

    QMap<QString, FakeControl> controls;
};
