#include "game/WordListError.h"

#include "game/WordList.h"

#include <QDir>
#include <QStringList>

QString WordListError::message(const QString &vPath) const
{
    QStringList lines{problem};
    if (!vPath.isEmpty())
        lines << QStringLiteral("File: ") + QDir::toNativeSeparators(vPath);
    if (line > 0)
        lines << (found.isNull() ? QStringLiteral("Line %1").arg(line)
                                 : QStringLiteral("Line %1: \"%2\"").arg(line).arg(WordList::Readable(found)));
    lines << hint << QStringLiteral("Mend the file, then press Start again.")
          << QStringLiteral("To see every problem of the list at once, run scaffold-check, which lies beside "
                            "the program.");
    return lines.join(QChar(u'\r'));
}
