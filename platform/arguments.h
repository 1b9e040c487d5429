#pragma once

#include <QStringList>

// The program's command line as given, before Qt has read it: on Windows from the wide
// command line (Unicode file names, never the ANSI code page), elsewhere from argv.
QStringList programArguments(int argc, char **argv);
