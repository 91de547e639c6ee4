#pragma once

#include "platform/seam/Platform.h"

#include <functional>

// A platform that runs vBefore just before each message box and otherwise
// passes everything to vPlatform: a screen reader hears how a move left the
// board before the box that follows it.
class AnnouncingPlatform : public Platform
{
public:
    AnnouncingPlatform(Platform &vPlatform, std::function<void()> vBefore)
        : m_platform(vPlatform), m_before(std::move(vBefore))
    { }
    Answer messageBox(const QString &vText, Buttons vButtons, const QString &vTitle) override
    {
        m_before();
        return m_platform.messageBox(vText, vButtons, vTitle);
    }
    std::unique_ptr<TextInput> openText(const QString &vPath, QString &vError) override
    {
        return m_platform.openText(vPath, vError);
    }
    void reseed() override { m_platform.reseed(); }
    double random() override { return m_platform.random(); }
    QString wordListPath() const override { return m_platform.wordListPath(); }
    // The compiler cannot know that a virtual end() never returns: the throw
    // keeps this one's promise whatever vPlatform does.
    [[noreturn]] void end() override
    {
        m_platform.end();
        throw ProgramEnd{};
    }

private:
    Platform &m_platform;
    std::function<void()> m_before;
};
