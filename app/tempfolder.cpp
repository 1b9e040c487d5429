#include "app/tempfolder.h"

#include <QDir>
#include <QFile>

int deleteFilesIn(const QString &folder) {
    const QDir dir(folder);
    if (!dir.exists())
        return 0;
    int failed = 0;
    const QStringList files =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : files) {
        if (!QFile::remove(dir.filePath(name)))
            ++failed;
    }
    return failed;
}
