#pragma once

#include <QString>
#include <QStringList>

// The program's command line: "vokab [volby] [SLOVNÍK.slv]". Answers --help and --version
// in Czech on the standard output; the dictionary named opens in the editor once the
// splash has gone.
namespace commandline {

struct Options {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString error;               // Czech, when the command line is wrong
    QString dictionary;          // the dictionary to open, as given
    bool benchmarkStart = false; // the start-up benchmark's probe
    bool benchmarkOpen = false;  // tools/compare.sh: the splash gives way at once
};

// `arguments` as QCoreApplication::arguments() gives them, the program first. Qt's own
// options are gone by then; `beforeQt` says that they may still be there, so that only
// --help and --version are looked for (they need no display).
Options parse(const QStringList &arguments, bool beforeQt = false);

QString helpText();
QString versionText();

} // namespace commandline
