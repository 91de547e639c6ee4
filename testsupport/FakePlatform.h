#pragma once

#include "platform/seam/Platform.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <vector>

struct ShownMessage
{
    QString text;
    Platform::Buttons buttons;
    QString title;
};

// The desktop without a desktop: message boxes are recorded and answered from
// a script, random values are chosen by the test, and the program folder is a
// temporary folder of its own whose word list is read with the real reader,
// found as the real platform finds it.
// end() throws ProgramEnd, as the real one does, so that a caller sees that
// nothing ran after it.
class FakePlatform : public Platform
{
public:
    Answer messageBox(const QString &vText, Buttons vButtons, const QString &vTitle) override;
    std::unique_ptr<TextInput> openText(const QString &vPath, QString &vError) override;
    void reseed() override { ++reseeds; }
    double random() override;
    [[noreturn]] void end() override;

    QString wordListPath() const override;
    // Writes the word list exactly as given, bytes and line ends included.
    void writeWordList(const QByteArray &vBytes) const;

    QTemporaryDir folder;
    // The list named on the command line; empty plays the one in the folder.
    QString chosenList;
    // False plays a system that cannot say where the program is.
    bool folderKnown = true;
    // Every message shown; keepMessages false keeps only their number.
    std::vector<ShownMessage> messages;
    bool keepMessages = true;
    int messageCount = 0;
    // Answers, one per message; OK once they run out.
    std::deque<Answer> answers;
    // Random values, one per draw; once they run out, nextRandom gives them.
    std::deque<double> randoms;
    std::function<double()> nextRandom = [] { return 0.0; };
    // Called as each message is shown, and before each open with its number from 1.
    std::function<void(const ShownMessage &)> onMessage;
    std::function<void(int)> beforeOpen;
    int opens = 0;
    int reseeds = 0;
    int ends = 0;
};
