#pragma once

// Hand-written fakes of the seam: a board that stores the three properties of
// every control, and a platform that scripts answers and records what the
// game asked of it.

#include "Board.h"
#include "FileTextInput.h"
#include "Platform.h"
#include "cScaffold.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>

class FakeControl : public BoardControl
{
public:
    FakeControl(QString vCaption = QString(), bool vVisible = true, bool vEnabled = true)
        : text(std::move(vCaption)), visible(vVisible), enabled(vEnabled)
    {
    }
    QString caption() const override { return text; }
    void setCaption(const QString &vCaption) override { text = vCaption; }
    bool isVisible() const override { return visible; }
    void setVisible(bool vVisible) override { visible = vVisible; }
    bool isEnabled() const override { return enabled; }
    void setEnabled(bool vEnabled) override { enabled = vEnabled; }

    bool operator==(const FakeControl &o) const { return text == o.text && visible == o.visible && enabled == o.enabled; }

    QString text;
    bool visible;
    bool enabled;
};

// Starts in the window's start state and throws for unknown names, like the real board.
class FakeBoard : public Board
{
public:
    FakeBoard()
    {
        controls["lMeaning"] = FakeControl("Meaning :");
        controls["lChances1"] = FakeControl("10");
        for (int i = 0; i < LetterCount; ++i)
            controls[QStringLiteral("lLetters_%1").arg(i)] = FakeControl(QString(QChar(u'A' + i)), true, false);
        for (int i = 0; i < WordCellCount; ++i)
            controls[QStringLiteral("lWord_%1").arg(i)] = FakeControl("_", false, true);
        for (const QString &part : cScaffold::FigureParts)
            controls[part] = FakeControl(QString(), false, true);
    }

    BoardControl &control(const QString &vName) override
    {
        auto found = controls.find(vName);
        if (found == controls.end())
            throw BoardError("no control " + vName.toStdString());
        return *found;
    }
    BoardControl &lLetters(int vIndex) override
    {
        if (vIndex < 0 || vIndex >= LetterCount)
            throw BoardError("no letter cell");
        return control(QStringLiteral("lLetters_%1").arg(vIndex));
    }
    BoardControl &lWord(int vIndex) override
    {
        if (vIndex < 0 || vIndex >= WordCellCount)
            throw BoardError("no word cell");
        return control(QStringLiteral("lWord_%1").arg(vIndex));
    }

    FakeControl &letter(QChar vLetter) { return controls[QStringLiteral("lLetters_%1").arg(vLetter.unicode() - u'A')]; }
    FakeControl &word(int vIndex) { return controls[QStringLiteral("lWord_%1").arg(vIndex)]; }
    // The word cells as the player sees them: captions of the visible cells.
    QString shown() const
    {
        QString text;
        for (int i = 0; i < WordCellCount; ++i) {
            const FakeControl &cell = controls[QStringLiteral("lWord_%1").arg(i)];
            if (cell.visible)
                text += cell.text;
        }
        return text;
    }
    int visibleParts() const
    {
        int count = 0;
        for (const QString &part : cScaffold::FigureParts)
            count += controls[part].visible;
        return count;
    }

    QMap<QString, FakeControl> controls;
};

struct ShownMessage
{
    QString text;
    Platform::Buttons buttons;
    QString title;
};

// Reads real files from a temporary program folder; message boxes, random
// values and program end are scripted.
class FakePlatform : public Platform
{
public:
    FakePlatform() { folder.setAutoRemove(true); }

    int MsgBox(const QString &vText, Buttons vButtons, const QString &vTitle) override
    {
        messages.push_back({vText, vButtons, vTitle});
        if (onMessage)
            onMessage(messages.back());
        if (answers.empty())
            return vbOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::unique_ptr<TextInput> openText(const QString &vPath, QString &vError) override
    {
        ++opens;
        if (beforeOpen)
            beforeOpen(opens);
        return FileTextInput::open(vPath, vError);
    }
    void Randomize() override { ++reseeds; }
    double Rnd() override
    {
        if (randoms.empty())
            return 0.0;
        const double value = randoms.front();
        randoms.pop_front();
        return value;
    }
    QString programFolder() const override { return folder.path(); }
    [[noreturn]] void End() override
    {
        ++ends;
        throw ProgramEnd{};
    }

    QString wordListPath() const { return folder.path() + QStringLiteral("/Vocabulary.txt"); }
    // Writes the word list exactly as given, bytes and line ends included.
    void writeWordList(const QByteArray &vBytes) const
    {
        QFile file(wordListPath());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(vBytes);
    }

    QTemporaryDir folder;
    std::vector<ShownMessage> messages;
    std::deque<int> answers;
    std::deque<double> randoms;
    std::function<void(const ShownMessage &)> onMessage;
    std::function<void(int)> beforeOpen; // called with the number of the open, from 1
    int opens = 0;
    int reseeds = 0;
    int ends = 0;
};
