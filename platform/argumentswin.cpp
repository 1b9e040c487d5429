// The command line on Windows: argv holds the ANSI code page's rendering, which loses
// every letter outside it (a Czech file name on a Western system), so the arguments are
// split from the wide command line instead.
#include "platform/arguments.h"

#include <windows.h>

#include <shellapi.h>

QStringList programArguments(int argc, char **argv) {
    QStringList arguments;
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.append(QString::fromWCharArray(wide[i]));
        LocalFree(wide);
        return arguments;
    }
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void printText(std::FILE *stream, const QString &text) {
    std::fflush(stream);
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                      &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
