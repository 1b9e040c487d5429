#pragma once

#include <QString>
#include <QStringList>

// The folder of the executable, which holds the shipped data files and the folders
// Temp, WorkDir and Aktualizace. "--program-dir DIR" on the command line or the
// environment variable VOKAB_PROGRAM_DIR points it elsewhere (tests, portable copies).
class ProgramFolder {
public:
    explicit ProgramFolder(const QString &dir);

    // The folder, ending with "/".
    const QString &path() const { return m_path; }
    // A file or folder in the program folder.
    QString file(const QString &name) const { return m_path + name; }
    // The folders the program works in, each ending with "/".
    QString temp() const { return m_path + QStringLiteral("Temp/"); }
    QString workDir() const { return m_path + QStringLiteral("WorkDir/"); }
    QString updates() const { return m_path + QStringLiteral("Aktualizace/"); }

    // The folder named by the arguments or the environment, else `executableDir`.
    static QString locate(const QStringList &arguments, const QString &executableDir);

private:
    QString m_path;
};
