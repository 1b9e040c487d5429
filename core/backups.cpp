#include "core/backups.h"

#include "core/textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

const QString kPathFile = QStringLiteral("cesta.txt");
constexpr qint64 kMaxPathBytes = 4096;
// What a listing reads at most: folders of originals and backups of one original.
constexpr int kMaxEntries = 10000;

QString hashOf(const QString &absolutePath) {
#ifdef Q_OS_WIN
    const QString key = absolutePath.toLower();
#else
    const QString &key = absolutePath;
#endif
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).left(4).toHex());
}

QString stemOf(const QString &absolutePath) {
    QString stem = QFileInfo(absolutePath).completeBaseName().left(40);
    for (QChar &c : stem) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_')
            c = u'_';
    }
    return stem.isEmpty() ? QStringLiteral("_") : stem;
}

QString extensionOf(const QString &absolutePath) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
    const QString suffix = QFileInfo(absolutePath).suffix();
    return plain.match(suffix).hasMatch() ? suffix : QStringLiteral("bak");
}

const QRegularExpression &folderPattern() {
    static const QRegularExpression pattern(QStringLiteral("^[^/\\\\]{1,40}-([0-9a-f]{8})$"));
    return pattern;
}

// The original's folders in the store, as the listing shows them (no links).
QFileInfoList fileFolders(const QString &root) {
    QFileInfoList found;
    const QFileInfoList entries =
        QDir(root).entryInfoList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (found.size() >= kMaxEntries)
            break;
        if (!entry.isSymLink() && folderPattern().match(entry.fileName()).hasMatch())
            found.append(entry);
    }
    return found;
}

QString originalIn(const QString &fileFolder) {
    const QFileInfo info(fileFolder + u'/' + kPathFile);
    if (info.isSymLink() || !info.isFile())
        return {};
    const Result<QByteArray> bytes = textfile::readBytes(info.filePath(), kMaxPathBytes);
    if (!bytes)
        return {};
    return backups::originalOf(*bytes, QFileInfo(fileFolder).fileName());
}

// The backups in a folder, newest first.
QList<BackupStore::Backup> backupsIn(const QString &fileFolder) {
    QList<BackupStore::Backup> found;
    const QFileInfoList entries =
        QDir(fileFolder).entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (found.size() >= kMaxEntries)
            break;
        if (entry.isSymLink() || !entry.isFile() || entry.size() > BackupStore::kMaxFileBytes)
            continue;
        const QDateTime time = backups::timeOfName(entry.fileName());
        if (time.isValid())
            found.append({entry.absoluteFilePath(), time, entry.size()});
    }
    // Within one second, the one with the higher number ("-2", "-3", …) came later.
    const auto number = [](const BackupStore::Backup &backup) {
        const QString name = QFileInfo(backup.path).completeBaseName();
        return name.size() > 15 ? name.mid(16).toInt() : 1;
    };
    std::sort(found.begin(), found.end(),
              [&](const BackupStore::Backup &a, const BackupStore::Backup &b) {
                  return a.time != b.time ? a.time > b.time : number(a) > number(b);
              });
    return found;
}

QString withoutFullStop(QString text) {
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace

namespace backups {

QString originalOf(const QByteArray &pathFile, const QString &folderName) {
    if (pathFile.size() > kMaxPathBytes || pathFile.contains('\0'))
        return {};
    const QString path = QString::fromUtf8(pathFile);
    if (path.contains(QChar::ReplacementCharacter) || !QDir::isAbsolutePath(path) ||
        QDir::cleanPath(path) != path)
        return {};
    const QRegularExpressionMatch match = folderPattern().match(folderName);
    if (!match.hasMatch() || match.captured(1) != hashOf(path))
        return {};
    return path;
}

QString folderNameOf(const QString &absolutePath) {
    return stemOf(absolutePath) + u'-' + hashOf(absolutePath);
}

QDateTime timeOfName(const QString &fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8}-\\d{6})(-\\d{1,4})?\\.[A-Za-z0-9]{1,10}$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd-HHmmss"));
}

} // namespace backups

BackupStore::BackupStore(const QString &folder, std::function<QDateTime()> clock, Limits limits)
    : m_folder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) + u'/'),
      m_clock(std::move(clock)), m_limits(limits) {}

QString BackupStore::folderOf(const QString &absolutePath) const {
    return m_folder + backups::folderNameOf(absolutePath);
}

Result<bool> BackupStore::keep(const QString &path) {
    Result<bool> kept = keepCopy(path, false);
    if (!kept && !m_told && m_notice) {
        m_told = true;
        m_notice(kept.error());
    }
    return kept;
}

Result<bool> BackupStore::keepNow(const QString &path) {
    return keepCopy(path, true);
}

Result<bool> BackupStore::keepCopy(const QString &path, bool always) {
    const QFileInfo original(path);
    const QString absolute = QDir::cleanPath(original.absoluteFilePath());
    if (!original.isFile() || original.size() > kMaxFileBytes)
        return false;
    const auto fail = [&](const QString &reason) -> Result<bool> {
        return Failure{
            QStringLiteral("Zálohu souboru %1 se nepodařilo uložit: %2. Soubor se přesto uloží.")
                .arg(QDir::toNativeSeparators(absolute), withoutFullStop(reason))};
    };
    const QString fileFolder = folderOf(absolute);
    const QDateTime now = m_clock();
    const QList<Backup> earlier = backupsIn(fileFolder);
    if (!always && !earlier.isEmpty() && earlier.first().time <= now &&
        earlier.first().time.secsTo(now) < m_limits.minimumGapSeconds)
        return false;
    if (!QDir().mkpath(fileFolder) || !QFileInfo(fileFolder).isDir())
        return fail(
            QStringLiteral("složku %1 nelze vytvořit").arg(QDir::toNativeSeparators(fileFolder)));
    if (originalIn(fileFolder) != absolute) {
        if (const Result<void> named =
                textfile::saveFile(fileFolder + u'/' + kPathFile, absolute.toUtf8());
            !named)
            return fail(named.error());
    }
    const Result<QByteArray> bytes = textfile::readBytes(absolute, kMaxFileBytes);
    if (!bytes)
        return fail(bytes.error());
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString extension = u'.' + extensionOf(absolute);
    QString target = fileFolder + u'/' + stamp + extension;
    for (int n = 2; QFileInfo::exists(target) && n < 10000; ++n)
        target = fileFolder + u'/' + stamp + u'-' + QString::number(n) + extension;
    // The copy of a file on the disk: its own flush would double what the save costs.
    if (const Result<void> saved = textfile::saveFile(target, *bytes, textfile::Flush::Later);
        !saved)
        return fail(saved.error());
    rotate(fileFolder);
    trimTotal();
    return QFileInfo::exists(target);
}

void BackupStore::rotate(const QString &fileFolder) const {
    const QDateTime now = m_clock();
    const QDate oldestDay = now.date().addDays(-m_limits.days);
    QDate lastDay;
    for (const Backup &backup : backupsIn(fileFolder)) {
        if (backup.time.secsTo(now) < 24 * 3600)
            continue;
        const QDate day = backup.time.date();
        // Newest first: the first of a day among the older ones is its newest.
        const bool newestOfDay = day != lastDay;
        lastDay = day;
        if (!newestOfDay || day < oldestDay)
            QFile::remove(backup.path);
    }
}

void BackupStore::trimTotal() const {
    const qint64 limit = m_limits.megabytes * 1024 * 1024;
    // Every backup but the newest of each file, oldest first; the total of them all.
    std::multimap<QDateTime, Backup> removable;
    qint64 total = 0;
    for (const QFileInfo &fileFolder : fileFolders(m_folder)) {
        const QList<Backup> found = backupsIn(fileFolder.absoluteFilePath());
        for (qsizetype i = 0; i < found.size(); ++i) {
            total += found[i].size;
            if (i > 0)
                removable.emplace(found[i].time, found[i]);
        }
    }
    for (auto it = removable.begin(); total > limit && it != removable.end(); ++it) {
        if (QFile::remove(it->second.path))
            total -= it->second.size;
    }
}

QStringList BackupStore::originals() const {
    struct Original {
        QString path;
        QDateTime saved;
    };
    QList<Original> found;
    for (const QFileInfo &fileFolder : fileFolders(m_folder)) {
        const QString path = originalIn(fileFolder.absoluteFilePath());
        if (path.isEmpty())
            continue;
        const QList<Backup> kept = backupsIn(fileFolder.absoluteFilePath());
        if (kept.isEmpty())
            continue;
        // When the original was saved last: its time on the disk, at least its newest backup.
        const QFileInfo info(path);
        QDateTime saved = kept.first().time;
        if (info.isFile() && info.lastModified() > saved)
            saved = info.lastModified();
        found.append({path, saved});
    }
    std::sort(found.begin(), found.end(), [](const Original &a, const Original &b) {
        return a.saved != b.saved ? a.saved > b.saved : a.path < b.path;
    });
    QStringList paths;
    for (const Original &original : found)
        paths.append(original.path);
    return paths;
}

QList<BackupStore::Backup> BackupStore::backupsOf(const QString &path) const {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString fileFolder = folderOf(absolute);
    if (originalIn(fileFolder) != absolute)
        return {};
    return backupsIn(fileFolder);
}
