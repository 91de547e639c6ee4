#include "platform/files/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_LINUX)
#include <climits>
#include <unistd.h>
#endif

namespace {

// The folder of the running program as the system names it, in bytes; empty
// where the system does not tell.
QByteArray FolderBytes()
{
#if defined(Q_OS_LINUX)
    char path[PATH_MAX];
    const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path);
    if (size <= 0 || size == ssize_t(sizeof path))
        return QByteArray();
    const QByteArray program(path, size);
    return program.left(program.lastIndexOf('/'));
#else
    return QByteArray();
#endif
}

} // namespace

QString ProgramFolder()
{
    const QString folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QString();
    // Qt reads the folder's name as text and turns a byte that is no
    // character into U+FFFD, whose own bytes may name another folder, with
    // another word list in it. Only a name that leads back to the very bytes
    // the system gave is the program's folder.
    const QByteArray bytes = FolderBytes();
    if (!bytes.isEmpty() ? QFile::encodeName(folder) != bytes : folder.contains(QChar::ReplacementCharacter))
        return QString();
    return folder;
}
