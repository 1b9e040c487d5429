#pragma once

#include <QStringList>

#include <cstdio>

// The program's command line as given, before Qt has read it: on Windows from the wide
// command line (Unicode file names, never the ANSI code page), elsewhere from argv.
QStringList programArguments(int argc, char **argv);

// Prints text of the command line (help, the conversions' reports) on the standard output
// or error: on Windows a console gets it as Unicode and a pipe or file as UTF-8, never in
// the ANSI code page; elsewhere in the locale's encoding.
void printText(std::FILE *stream, const QString &text);
