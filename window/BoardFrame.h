#pragma once

#include <QGroupBox>

// A frame of the board. A class of its own so that what a screen reader reads
// of each frame can be chosen (see BoardAccessibility): Qt's own reading of a
// group box would otherwise take precedence.
class BoardFrame : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
};
