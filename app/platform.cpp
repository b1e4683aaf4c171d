#include "app/platform.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace lumbrell {

#ifdef Q_OS_WIN

QStringList programArguments(int, char*[])
{
    QStringList arguments;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return arguments;
}

namespace {

// The console of the process that started this one (cmd.exe, PowerShell),
// opened once; nullptr when there is none (started from the desktop).
HANDLE startingConsole()
{
    static const HANDLE console = []() -> HANDLE {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return nullptr;
        const HANDLE handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }();
    return console;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle && GetConsoleMode(handle, &mode);
}

} // namespace

void writeText(OutputStream stream, const QString& text)
{
    HANDLE handle = GetStdHandle(stream == OutputStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == INVALID_HANDLE_VALUE || (handle && GetFileType(handle) == FILE_TYPE_UNKNOWN))
        handle = nullptr;
    if (!handle)
        handle = startingConsole();
    if (!handle)
        return;
    if (isConsole(handle)) {
        DWORD written = 0;
        WriteConsoleW(handle, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    DWORD written = 0;
    WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

#else

QStringList programArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void writeText(OutputStream stream, const QString& text)
{
    std::FILE* file = stream == OutputStream::Output ? stdout : stderr;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), file);
}

#endif

} // namespace lumbrell
