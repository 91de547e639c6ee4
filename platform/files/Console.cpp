#include "platform/files/Console.h"

#include <cstdio>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

#if defined(Q_OS_WIN)

namespace {

// The console the program was started from, for a windowed program whose
// standard handles lead nowhere; null when there is none.
HANDLE ParentConsole()
{
    static HANDLE console = [] {
        if (!::AttachConsole(ATTACH_PARENT_PROCESS))
            return HANDLE(nullptr);
        const HANDLE handle = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr);
        return handle == INVALID_HANDLE_VALUE ? HANDLE(nullptr) : handle;
    }();
    return console;
}

} // namespace

void Console::Write(Stream vStream, const QString &vText)
{
    HANDLE handle = ::GetStdHandle(vStream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (!handle || handle == INVALID_HANDLE_VALUE || ::GetFileType(handle) == FILE_TYPE_UNKNOWN)
        handle = ParentConsole();
    if (!handle) {
        const QString text = vText.trimmed();
        ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"Scaffold",
                      MB_OK | (vStream == Stream::Out ? MB_ICONINFORMATION : MB_ICONWARNING));
        return;
    }
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        // The console takes the text as it is; its line ends are LF alone.
        DWORD written = 0;
        ::WriteConsoleW(handle, vText.utf16(), DWORD(vText.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = vText.toUtf8();
    DWORD written = 0;
    ::WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
}

#else

void Console::Write(Stream vStream, const QString &vText)
{
    std::FILE *stream = vStream == Stream::Out ? stdout : stderr;
    const QByteArray bytes = vText.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

#endif
