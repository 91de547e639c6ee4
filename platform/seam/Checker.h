#pragma once

#include <QDir>
#include <QString>

// How a player runs the word list checker on this system: its program's
// name, where a command is typed, and the command that checks one file, the
// file's path written as that command line reads it back.
namespace Checker {

#if defined(Q_OS_WIN)

inline QString Program()
{
    return QStringLiteral("scaffold-check.exe");
}

inline QString Place()
{
    return QStringLiteral("a Command Prompt");
}

// The path with Windows' separators, in double quotes when it holds a blank
// or a character the Command Prompt reads as its own; a Windows file name
// cannot hold a double quote.
inline QString CommandFor(const QString &vPath)
{
    const QString path = QDir::toNativeSeparators(vPath);
    for (const QChar ch : path) {
        if (ch.isSpace() || QStringLiteral("&()[]{}^=;!'+,`~%").contains(ch))
            return Program() + QStringLiteral(" \"") + path + u'"';
    }
    return Program() + u' ' + path;
}

#else

inline QString Program()
{
    return QStringLiteral("scaffold-check");
}

inline QString Place()
{
    return QStringLiteral("a terminal");
}

// The path as it is when it holds only characters a shell leaves alone,
// else in single quotes.
inline QString CommandFor(const QString &vPath)
{
    const QString path = QDir::toNativeSeparators(vPath);
    for (const QChar ch : path) {
        if (!ch.isLetterOrNumber() && !QStringLiteral("/._-+,:@%").contains(ch)) {
            QString quoted = path;
            return Program() + QStringLiteral(" '") + quoted.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
        }
    }
    return Program() + u' ' + path;
}

#endif

} // namespace Checker
