#include "platform/files/FilePath.h"

#include "platform/files/FileTextInput.h"

#include <QDir>

#include <set>

#if defined(Q_OS_WIN)
#include <windows.h>

#include <shellapi.h> // after windows.h, whose types it uses
#endif

namespace fs = std::filesystem;

FilePath::Native FilePath::FromText(const QString &vPath)
{
#if defined(Q_OS_WIN)
    return Native(vPath.toStdWString());
#else
    return Native(QFile::encodeName(vPath).toStdString());
#endif
}

std::vector<FilePath::Native> FilePath::Arguments(int argc, char *argv[])
{
    std::vector<Native> arguments;
#if defined(Q_OS_WIN)
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (wchar_t **words = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.emplace_back(words[i]);
        ::LocalFree(words);
    }
#else
    for (int i = 0; i < argc; ++i)
        arguments.emplace_back(argv[i]);
#endif
    return arguments;
}

QString FilePath::ToText(const Native &vPath)
{
#if defined(Q_OS_WIN)
    return QString::fromStdWString(vPath.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(vPath.native()));
#endif
}

QString FilePath::Shown(const Native &vPath)
{
#if defined(Q_OS_WIN)
    return QDir::toNativeSeparators(QString::fromStdWString(vPath.native()));
#else
    return FileTextInput::decodeName(QByteArrayView(vPath.native().data(), qsizetype(vPath.native().size())));
#endif
}

FilePath::Native FilePath::WordListIn(const Native &vFolder)
{
    return vFolder.empty() ? Native() : vFolder / "Vocabulary.txt";
}

FilePath::Followed FilePath::Follow(const Native &vPath)
{
    Followed followed;
    std::error_code error;
    Native hop = fs::absolute(vPath, error).lexically_normal();
    std::set<Native> passed;
    for (int hops = 0; hops <= 40 && fs::is_symlink(fs::symlink_status(hop, error)); ++hops) {
        if (!passed.insert(hop).second)
            break;
        const Native next = fs::read_symlink(hop, error);
        if (error)
            break;
        hop = (hop.parent_path() / next).lexically_normal();
        if (followed.target.empty())
            followed.target = hop;
    }
    followed.last = hop;
    if (fs::is_symlink(fs::symlink_status(hop, error)))
        followed.end = Followed::End::Loop;
    else if (!fs::exists(fs::symlink_status(hop, error)))
        followed.end = Followed::End::Missing;
    return followed;
}

FilePath::Native FilePath::Resolved(const Native &vPath)
{
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(vPath, error)))
        return vPath;
    const Native real = fs::canonical(vPath, error);
    if (!error)
        return real;
    const Followed followed = Follow(vPath);
    return followed.end == Followed::End::Missing ? followed.last : followed.target;
}

QString WordListFile(const QString &vChosen, const QString &vFolder)
{
    const FilePath::Native path = vChosen.isEmpty() ? FilePath::WordListIn(FilePath::FromText(vFolder))
                                                    : FilePath::FromText(vChosen);
    if (path.empty())
        return QString();
    std::error_code error;
    return FilePath::Shown(fs::absolute(FilePath::Resolved(path), error).lexically_normal());
}
