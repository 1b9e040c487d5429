#include "core/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

int deleteFilesIn(const QString &folder, const QStringList &keep) {
    const QDir dir(folder);
    if (!dir.exists())
        return 0;
    // Each kept file by its own path and by its real place.
    QSet<QString> kept;
    for (const QString &path : keep) {
        const QFileInfo info(QDir::fromNativeSeparators(path));
        kept.insert(QDir::cleanPath(info.absoluteFilePath()));
        if (const QString real = info.canonicalFilePath(); !real.isEmpty())
            kept.insert(real);
    }
    int failed = 0;
    const QStringList files =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : files) {
        const QFileInfo info(dir.filePath(name));
        if (kept.contains(QDir::cleanPath(info.absoluteFilePath())) ||
            kept.contains(info.canonicalFilePath()))
            continue;
        if (!QFile::remove(info.filePath()))
            ++failed;
    }
    return failed;
}
