#include "core/textfile.h"

#include "core/win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

namespace textfile {
namespace {

QString nativeName(const QString &path) {
    return QDir::toNativeSeparators(path);
}

bool syncToDisk(QFile &file) {
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// Replaces `target` by `source` in one step; the target exists as the old or the new
// file at every moment.
bool replaceFile(const QString &source, const QString &target, QString *reason) {
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(source).utf16()),
                    reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(target).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = QStringLiteral("soubor nelze přepsat");
    return false;
#else
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
#endif
}

} // namespace

ReadResult readBytes(const QString &path, qint64 limit) {
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Soubor „%1“ nelze otevřít: %2")
                           .arg(nativeName(path), file.errorString());
        return result;
    }
    if (file.size() > limit) {
        result.error = QStringLiteral("Soubor „%1“ je příliš velký.").arg(nativeName(path));
        return result;
    }
    QByteArray bytes = file.readAll();
    if (bytes.size() > limit) {
        result.error = QStringLiteral("Soubor „%1“ je příliš velký.").arg(nativeName(path));
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("Soubor „%1“ nelze přečíst: %2")
                           .arg(nativeName(path), file.errorString());
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

TextResult readText(const QString &path, qint64 limit) {
    ReadResult raw = readBytes(path, limit);
    TextResult result;
    result.error = raw.error;
    if (raw.bytes)
        result.text = win1250::decode(*raw.bytes);
    return result;
}

QString temporaryPathFor(const QString &path) {
    const QFileInfo info(path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".ukladani");
}

SaveResult saveFile(const QString &path, const QByteArray &bytes) {
    SaveResult result;
    const auto fail = [&](const QString &reason) {
        result.error = QStringLiteral("Soubor „%1“ nelze uložit: %2").arg(nativeName(path), reason);
        return result;
    };
    // The bytes go to a temporary file of a fixed name beside the target, which then
    // replaces the target in one rename. A crash at any moment leaves the old file
    // whole; a temporary left by a crash is overwritten by the next save.
    const QString temporary = temporaryPathFor(path);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(file.errorString());
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    // A write cut short by a full disk must not pass for a whole file.
    if (written != bytes.size() || !file.flush() || !syncToDisk(file)) {
        const QString reason = file.errorString();
        file.close();
        QFile::remove(temporary);
        return fail(reason);
    }
    file.close();
    if (QFileInfo::exists(path))
        QFile::setPermissions(temporary, QFile::permissions(path));
    QString reason;
    if (!replaceFile(temporary, path, &reason)) {
        QFile::remove(temporary);
        return fail(reason);
    }
    result.ok = true;
    return result;
}

std::optional<QByteArray> encodeLines(const QStringList &lines, QString *error) {
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    QByteArray encoded;
    for (const QString &line : lines) {
        QChar bad;
        if (!win1250::encode(line, encoded, &bad)) {
            if (error)
                *error = QStringLiteral("Text obsahuje znak „%1“, který nelze uložit v "
                                        "kódování Windows-1250. Soubor nebyl uložen.")
                             .arg(bad);
            return std::nullopt;
        }
        bytes += encoded;
        bytes += "\r\n";
    }
    return bytes;
}

SaveResult saveLines(const QString &path, const QStringList &lines) {
    SaveResult result;
    std::optional<QByteArray> bytes = encodeLines(lines, &result.error);
    if (!bytes)
        return result;
    return saveFile(path, *bytes);
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    forEachLine(text, [&](QStringView line) { lines.append(line.toString()); });
    return lines;
}

} // namespace textfile
