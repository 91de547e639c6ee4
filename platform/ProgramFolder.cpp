#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString ProgramFolder()
{
    const QString folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QString();
    // A name that does not survive the way back to the system's bytes would
    // lead to some other file, or none.
    if (QFile::decodeName(QFile::encodeName(folder)) != folder)
        return QString();
    return folder;
}

QString WordListFile(const QString &vChosen, const QString &vFolder)
{
    if (vChosen.isEmpty() && vFolder.isEmpty())
        return QString();
    const QFileInfo file(vChosen.isEmpty() ? vFolder + QStringLiteral("/Vocabulary.txt") : vChosen);
    const QString real = file.canonicalFilePath();
    if (!real.isEmpty())
        return real;
    // A link whose file is gone names where the file belongs.
    if (file.isSymLink())
        return file.symLinkTarget();
    return file.absoluteFilePath();
}
