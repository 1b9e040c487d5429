#include "platform/programfolder.h"

#include "core/textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

QString asFolder(const QString &dir) {
    QString path = QDir::cleanPath(dir);
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

// Copies the files of `source` and of its sub-folders into `target`, keeping what is
// there already.
void copyTree(const QString &source, const QString &target) {
    QDirIterator files(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = target + QDir(source).relativeFilePath(from);
        if (QFileInfo::exists(to) || !QDir().mkpath(QFileInfo(to).absolutePath()))
            continue;
        const Result<QByteArray> bytes = textfile::readBytes(from, qint64(64) << 20);
        if (bytes)
            textfile::saveFile(to, *bytes);
    }
}

} // namespace

ProgramFolder::ProgramFolder(const QString &dir) : ProgramFolder(dir, dir) {}

ProgramFolder::ProgramFolder(const QString &programDir, const QString &userDir)
    : m_path(asFolder(programDir)), m_user(asFolder(userDir)) {}

QString ProgramFolder::userOrShipped(const QString &name) const {
    const QString own = userFile(name);
    return QFileInfo::exists(own) ? own : shipped(name);
}

Result<void> ProgramFolder::prepareFolder(const QString &folder) const {
    if (!QDir().mkpath(folder))
        return Failure{
            QStringLiteral("Složku „%1“ nelze vytvořit.").arg(QDir::toNativeSeparators(folder))};
    return {};
}

void ProgramFolder::prepareUserFolder() const {
    const bool firstStart = separate() && !QFileInfo::exists(dictionaries());
    for (const QString &folder : {temp(), workDir(), updates(), dictionaries()})
        prepareFolder(folder);
    if (firstStart)
        copyTree(shipped(QStringLiteral("Slovniky")), dictionaries());
}

QString ProgramFolder::locate(const QStringList &arguments, const QString &executableDir,
                              const QString &installedData, bool *installed) {
    if (installed)
        *installed = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("--program-dir") && i + 1 < arguments.size())
            return QDir(arguments[i + 1]).absolutePath();
        if (argument.startsWith(QStringLiteral("--program-dir=")))
            return QDir(argument.mid(14)).absolutePath();
    }
    const QByteArray fromEnvironment = qgetenv("VOKAB_PROGRAM_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir(QString::fromLocal8Bit(fromEnvironment)).absolutePath();
    if (!installedData.isEmpty()) {
        const QFileInfo data(QDir(executableDir).filePath(installedData));
        if (data.isDir()) {
            if (installed)
                *installed = true;
            return data.canonicalFilePath();
        }
    }
    return executableDir;
}

bool ProgramFolder::isPortable(const QString &programDir) {
    return QFileInfo(QDir(programDir).filePath(QStringLiteral("portable"))).isFile();
}
