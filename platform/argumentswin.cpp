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
