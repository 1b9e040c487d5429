// Where the user's data lives on Windows: %APPDATA%\Vokab2 (the roaming profile), unless
// the program is a portable copy. A per-user installation can write its own folder, so
// only the marker makes a copy portable.
#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <windows.h>

#include <shlobj.h>

QString ProgramFolder::userFolderFor(const QString &programDir, bool, const QString &userDataDir) {
    if (isPortable(programDir) && QFileInfo(programDir).isWritable())
        return programDir;
    return userDataDir;
}

QString ProgramFolder::userDataLocation() {
    QString roaming;
    PWSTR path = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &path)))
        roaming = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    if (roaming.isEmpty()) // no profile: Qt's idea of the user's data
        roaming = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return roaming + QStringLiteral("/Vokab2");
}
