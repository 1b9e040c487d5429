#pragma once

#include "core/textfile.h"

#include <QString>
#include <QStringList>

// Where the program reads the data it ships and where it writes what the user makes.
//
// The program folder holds the shipped data, read only: the fonts, the translator's word
// list, the tips, the help, the pictures and the sample dictionaries. It is the folder of
// the executable (a build's `build/program/`, a portable copy), or, for an installed
// program, the data folder beside its `bin/` (`/usr/share/vokab/`). "--program-dir DIR"
// on the command line or the environment variable VOKAB_PROGRAM_DIR points it elsewhere.
//
// The user's folder holds everything the program writes: the statistics, an edited tips
// file, the folders Temp, WorkDir, Aktualizace and the dictionaries folder Slovniky. A
// writable program folder that is not an installation is its own user's folder, so a
// portable copy keeps everything together; otherwise it is the user's data folder
// (`~/.local/share/Vokab2/`).
class ProgramFolder {
public:
    // Shipped data and user data in one folder.
    explicit ProgramFolder(const QString &dir);
    ProgramFolder(const QString &programDir, const QString &userDir);

    // The program folder, ending with "/".
    const QString &path() const { return m_path; }
    // A shipped file or folder, to read.
    QString shipped(const QString &name) const { return m_path + name; }

    // The user's folder, ending with "/".
    const QString &userPath() const { return m_user; }
    // A file or folder the program writes.
    QString userFile(const QString &name) const { return m_user + name; }
    // The user's own copy of a shipped file once the program has written one, else the
    // shipped file.
    QString userOrShipped(const QString &name) const;
    // The folders the program writes in, each ending with "/".
    QString temp() const { return m_user + QStringLiteral("Temp/"); }
    QString workDir() const { return m_user + QStringLiteral("WorkDir/"); }
    QString updates() const { return m_user + QStringLiteral("Aktualizace/"); }
    // The dictionaries folder, where the file dialogs open the first time.
    QString dictionaries() const { return m_user + QStringLiteral("Slovniky/"); }
    // True when the user's folder is not the program folder.
    bool separate() const { return m_path != m_user; }

    // Makes one of the folders the program writes in (temp(), workDir(), updates()) when
    // it is missing: someone may have removed it while the program ran. Fails with the
    // Czech message naming the folder. The one place these folders are made.
    Result<void> prepareFolder(const QString &folder) const;
    // Creates the user's folder and its working folders; at the first start with a
    // separate user's folder, copies the shipped sample dictionaries into its Slovniky.
    // Failures are left to the saves that meet them later.
    void prepareUserFolder() const;

    // The program folder named by the arguments or the environment; else the data folder
    // of an installation (`installedData`, relative to the executable's folder) when it
    // exists; else the executable's folder. `installed` tells which it was.
    static QString locate(const QStringList &arguments, const QString &executableDir,
                          const QString &installedData, bool *installed = nullptr);
    // The user's folder for a program folder. Linux: the program folder itself when it
    // is writable and not an installation. Windows: the program folder itself when it is
    // a portable copy and writable. Else `userDataDir`.
    static QString userFolderFor(const QString &programDir, bool installed,
                                 const QString &userDataDir);
    // The user's data folder of this system: `~/.local/share/Vokab2` on Linux,
    // `%APPDATA%\Vokab2` on Windows.
    static QString userDataLocation();
    // Whether the program folder is a portable copy: a file named `portable` lies in it.
    // A portable copy on Windows keeps its settings (registry.ini) and the user's data
    // beside the program, and writes nothing to the registry or to %APPDATA%.
    static bool isPortable(const QString &programDir);

private:
    QString m_path;
    QString m_user;
};
