// Where the user's data lives on Linux.
#include "platform/programfolder.h"

#include <QFileInfo>
#include <QStandardPaths>

QString ProgramFolder::userFolderFor(const QString &programDir, bool installed,
                                     const QString &userDataDir) {
    if (!installed && QFileInfo(programDir).isWritable())
        return programDir;
    return userDataDir;
}

QString ProgramFolder::userDataLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Vokab2");
}
