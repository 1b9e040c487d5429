#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

// The program's command line: "vokab [volby] [SLOVNÍK.slv]". Answers --help and --version
// in Czech on the standard output; the dictionary named opens in the editor once the
// splash has gone. "vokab --import SOUBOR --output SLOVNÍK.slv" and "vokab --export
// SLOVNÍK.slv --output SOUBOR" convert without a window (and without a display).
namespace commandline {

struct Options {
    enum class Action { Run, Help, Version, Import, Export };
    Action action = Action::Run;
    QString dictionary;          // the dictionary to open, as given
    bool benchmarkStart = false; // the start-up benchmark's probe
    bool benchmarkOpen = false;  // tools/compare.sh: the splash gives way at once
    // Import and export: the file read and the file written, as given.
    QString input;
    QString output;
    bool force = false;   // an existing output is replaced
    bool replace = false; // characters Windows-1250 cannot hold are replaced on import
};

// `arguments` as QCoreApplication::arguments() gives them, the program first. Qt's own
// options are gone by then; `beforeQt` says that they may still be there, so that only
// --help and --version are looked for (they need no display). A wrong command line fails
// with its Czech message, the hint at --help included.
Result<Options> parse(const QStringList &arguments, bool beforeQt = false);

QString helpText();

// What an import or export printed, and its exit status (0 done, 1 refused or failed).
struct Conversion {
    int status = 1;
    QString output; // for the standard output
    QString errors; // Czech, for the standard error
};
// Runs an import (delimited text or KVTML into a .slv dictionary, with the guessed
// columns) or an export (a .slv dictionary into .csv, .tsv or .kvtml, by the output's
// extension). An existing output is refused unless `force`; characters that
// Windows-1250 cannot hold are listed and refused unless `replace`. Every file is
// written through the safe save.
Conversion convert(const Options &options);
QString versionText();

} // namespace commandline
