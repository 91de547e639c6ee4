#pragma once

#include "platform/seam/Board.h"

#include <QHash>

#include <memory>

class QWidget;

// The board over real widgets: a control is the child widget whose objectName
// is its name ("cStart", "lLetters_3", "lWord_12"). The caption is a label's
// or a button's text, or a frame's title.
class QtBoard : public Board
{
public:
    explicit QtBoard(QWidget &vWindow) : m_window(vWindow) { }
    ~QtBoard() override;

    BoardControl &control(const QString &vName) override;

private:
    QWidget &m_window;
    QHash<QString, std::shared_ptr<BoardControl>> m_controls;
};
