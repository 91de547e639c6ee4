#pragma once

#include "platform/seam/TextInput.h"

#include <QString>

#include <memory>

// Everything the game needs from the desktop, apart from the board.
class Platform
{
public:
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    virtual ~Platform() = default;

    // A modal message box; a carriage return in vText starts a new line.
    // Closing the box without a button answers Cancel.
    virtual Answer messageBox(const QString &vText, Buttons vButtons, const QString &vTitle) = 0;

    // Opens vPath for reading; on failure returns nullptr and says why in vError.
    virtual std::unique_ptr<TextInput> openText(const QString &vPath, QString &vError) = 0;

    // Reseeds the random source from the system clock.
    virtual void reseed() = 0;
    // The next random value, uniform in [0, 1).
    virtual double random() = 0;

    // The word list to play: the file named on the command line, or else
    // Vocabulary.txt in the folder of the running program's real executable;
    // empty when neither is known. A symbolic link is followed to its file,
    // which is the one to edit.
    virtual QString wordListPath() const = 0;

    // Ends the program at once: nothing after the call runs. Implementations
    // throw ProgramEnd, which the window catches at the edge of its handler.
    [[noreturn]] virtual void end() = 0;
};

struct ProgramEnd
{
};
