#include "game/WordListError.h"

#include <QDir>
#include <QStringList>

namespace {

// An entry line as the user can read it inside a message: control characters
// made visible and a long line cut short.
QString Shown(const QString &vText)
{
    constexpr qsizetype MaxShown = 60;
    QString shown;
    for (const QChar ch : vText.left(MaxShown)) {
        const bool control = ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format;
        shown += control ? QChar(QChar::ReplacementCharacter) : ch;
    }
    if (vText.size() > MaxShown)
        shown += QStringLiteral("...");
    return shown;
}

} // namespace

QString WordListError::message(const QString &vPath) const
{
    QStringList lines{problem, QStringLiteral("File: ") + QDir::toNativeSeparators(vPath)};
    if (line > 0)
        lines << (found.isNull() ? QStringLiteral("Line %1").arg(line)
                                 : QStringLiteral("Line %1: \"%2\"").arg(line).arg(Shown(found)));
    lines << hint << QStringLiteral("Mend the file, then press Start again.");
    return lines.join(QChar(u'\r'));
}
