#pragma once

#include "core/result.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The earlier versions of the files the program saves (dictionaries, review plans, the
// statistics), kept in a folder of the user's data before each save replaces them.
//
// Every original file has a folder of its own, `<stem>-<8 hex digits of a hash of its
// absolute path>/`, holding `cesta.txt` (the original's absolute path in UTF-8) and the
// backups, named by the time they were made: `yyyyMMdd-HHmmss.<extension>` (a second
// backup within the same second gets `-2`, `-3`, … before the extension). A backup is a
// byte-identical copy, written through textfile::saveFile.
//
// Rotation: at most one backup per file in `minimumGap`; every backup younger than a day is
// kept, of older ones the newest of each calendar day up to `days` days, older ones go;
// and while all backups together take more than `megabytes`, the oldest go first, but
// never the newest backup of a file.
//
// The folder's content is read as untrusted: only folders and files of the names above
// count (no links, nothing else), a `cesta.txt` that is not a short absolute path whose
// hash is its folder's name is ignored, and nothing outside the folder is ever written or
// removed because of what it holds.
struct BackupLimits {
    qint64 minimumGapSeconds = 10 * 60;
    int days = 30;
    qint64 megabytes = 200;
};

class BackupStore {
public:
    using Limits = BackupLimits;
    struct Backup {
        QString path;
        QDateTime time;
        qint64 size = 0;
    };

    // The folder's name in the user's data.
    static QString folderName() { return QStringLiteral("Zalohy"); }
    // The largest file that gets backups (a dictionary's own limit).
    static constexpr qint64 kMaxFileBytes = qint64(256) << 20;

    BackupStore(const QString &folder, std::function<QDateTime()> clock, Limits limits = {});

    // Keeps the file's present content before it is replaced: false when there is nothing
    // to keep (no such file, too large) or the newest backup is too recent. A failure is a
    // Czech message (told once per run through the notice, when one is set).
    Result<bool> keep(const QString &path);
    // The same without the minimum gap: before a restore over the file.
    Result<bool> keepNow(const QString &path);

    // The files that have backups, the one saved last first.
    QStringList originals() const;
    // The backups of a file, newest first.
    QList<Backup> backupsOf(const QString &path) const;

    // Who tells the user of the first failed keep() of a run.
    void setFailureNotice(std::function<void(const QString &)> notice) {
        m_notice = std::move(notice);
    }

    const QString &folder() const { return m_folder; }

private:
    Result<bool> keepCopy(const QString &path, bool always);
    QString folderOf(const QString &absolutePath) const;
    void rotate(const QString &fileFolder) const;
    void trimTotal() const;

    QString m_folder; // ends with "/"
    std::function<QDateTime()> m_clock;
    Limits m_limits;
    std::function<void(const QString &)> m_notice;
    bool m_told = false;
};

namespace backups {

// The original path named by a `cesta.txt`'s bytes, when they name one for the folder
// `folderName` (an absolute path of at most 4,096 bytes whose hash the name ends with);
// else empty.
QString originalOf(const QByteArray &pathFile, const QString &folderName);
// The name of the folder of an original's backups: `<stem>-<8 hex digits>`.
QString folderNameOf(const QString &absolutePath);
// The time a backup's file name tells, invalid for any other name.
QDateTime timeOfName(const QString &fileName);

} // namespace backups
