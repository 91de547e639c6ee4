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
