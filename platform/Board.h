#pragma once

#include <QString>

#include <stdexcept>

// The three properties the game may touch on a control of the main window.
class BoardControl
{
public:
    virtual ~BoardControl() = default;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString &vCaption) = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool vVisible) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool vEnabled) = 0;
};

// The main window's controls as the game sees them: by name, and the two
// arrays by index. Every lookup throws BoardError for a control that does not
// exist, so a bad name or index stops the handler instead of touching nothing.
class Board
{
public:
    static constexpr int LetterCount = 26;
    static constexpr int WordCellCount = 13;

    virtual ~Board() = default;
    virtual BoardControl &control(const QString &vName) = 0;
    virtual BoardControl &lLetters(int vIndex) = 0;
    virtual BoardControl &lWord(int vIndex) = 0;
};

class BoardError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
