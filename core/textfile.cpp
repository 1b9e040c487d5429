#include "core/textfile.h"

#include "core/oserror.h"
#include "core/win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace textfile {
namespace {

// The suffix of every temporary file of a save; a temporary is named
// "." + (the target's name, shortened to fit) + "." + six random letters + kTempSuffix.
const QString kTempSuffix = QStringLiteral(".ukladani");
// The longest file name most file systems take, in bytes.
constexpr qsizetype kMaxNameBytes = 255;
constexpr int kRandomLetters = 6;

QString nativeName(const QString &path) {
    return QDir::toNativeSeparators(path);
}

// The part of the target's name that its temporaries carry: the whole name when the
// temporary's name fits the file system, else its beginning.
QString temporaryStem(const QString &fileName) {
    const qsizetype room = kMaxNameBytes - 2 - kRandomLetters - kTempSuffix.size();
    QString stem = fileName;
    while (QFile::encodeName(stem).size() > room)
        stem.chop(stem.size() >= 2 && stem.at(stem.size() - 1).isLowSurrogate() ? 2 : 1);
    return stem;
}

QString randomLetters() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    for (int i = 0; i < kRandomLetters; ++i)
        text.append(QChar(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]));
    return text;
}

bool isTemporaryOf(const QString &entry, const QString &stem) {
    const QString prefix = u'.' + stem + u'.';
    return entry.size() == prefix.size() + kRandomLetters + kTempSuffix.size() &&
           entry.startsWith(prefix) && entry.endsWith(kTempSuffix);
}

#ifdef Q_OS_WIN

bool syncToDisk(QFile &file) {
    return _commit(file.handle()) == 0;
}

QString lastReason() {
    return QStringLiteral("soubor nelze přepsat");
}

#else

bool syncToDisk(QFile &file) {
    return ::fsync(file.handle()) == 0;
}

QString lastReason() {
    return oserror::reason(errno);
}

// The folder's entry of a renamed file reaches the disk too.
void syncFolder(const QString &folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#endif

// Removes the temporaries that earlier saves of the same file left behind when they
// were cut off (a crash, a power cut). A temporary that another save is still writing
// is locked by it and stays; links and folders of a temporary's name are never touched.
void removeLeftTemporaries(const QString &folder, const QString &stem) {
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &entry : entries) {
        if (!isTemporaryOf(entry, stem))
            continue;
        const QString path = folder + u'/' + entry;
#ifdef Q_OS_WIN
        QFile::remove(path); // a file another save holds open cannot be removed
#else
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(QFile::encodeName(path).constData());
        ::close(fd);
#endif
    }
}

// Creates a new temporary beside the target; never opens what is already there (a
// planted file, link or folder of that name makes it try another name). It fails with
// the reason alone (without the file's name).
Result<void> createTemporary(const QString &folder, const QString &stem, QFile &file) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.setFileName(folder + u'/' + u'.' + stem + u'.' + randomLetters() + kTempSuffix);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            // Taken before the checks below can change errno.
            const int refused = errno;
            if (QFileInfo(file.fileName()).exists() || QFileInfo(file.fileName()).isSymLink())
                continue; // the name is taken: another one
            if (!QFileInfo(folder).isDir())
                return Failure{QStringLiteral("složka neexistuje")};
            if (refused != 0)
                return Failure{oserror::reason(refused)};
            return Failure{QStringLiteral("soubor nelze vytvořit")};
        }
#ifndef Q_OS_WIN
        // Locked while it is written, so that no other save takes it for a left one;
        // a save that removed it between its creation and the lock makes us start anew.
        struct stat opened {
        }, named{};
        if (::flock(file.handle(), LOCK_EX) != 0 || ::fstat(file.handle(), &opened) != 0 ||
            ::lstat(QFile::encodeName(file.fileName()).constData(), &named) != 0 ||
            opened.st_ino != named.st_ino || opened.st_dev != named.st_dev) {
            file.close();
            continue;
        }
#endif
        return {};
    }
    return Failure{QStringLiteral("soubor nelze vytvořit")};
}

// Where a save of `path` writes: a link is saved through to the file it points to.
QString resolvedTarget(const QString &path) {
    QString target = QFileInfo(path).absoluteFilePath();
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return target;
}

// Overwrites a file that has other names (hard links) in place, so that every name
// sees the new content; false when a write failed.
bool writeInPlace(const QString &target, const QByteArray &bytes) {
    QFile file(target);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return file.resize(bytes.size()) && file.flush() && syncToDisk(file);
}

// Replaces `target` by the temporary `file` in one step; the target exists as the old or
// the new file at every moment. Windows moves no file that is open: it is closed first
// (there is no lock to keep, see createTemporary). It fails with the reason alone.
Result<void> replaceFile(QFile &file, const QString &target, Flush flush) {
    const QString source = file.fileName();
#ifdef Q_OS_WIN
    Q_UNUSED(flush);
    file.close();
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(source).utf16()),
                    reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(target).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return Failure{lastReason()};
#else
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) ==
        0) {
        if (flush == Flush::ToDisk)
            syncFolder(QFileInfo(target).absolutePath());
        return {};
    }
    return Failure{lastReason()};
#endif
}

// The number of names of an existing file (1 for a file without hard links).
qint64 linkCount(const QString &path) {
#ifdef Q_OS_WIN
    const HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), 0,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return 1;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    return known ? qint64(info.nNumberOfLinks) : 1;
#else
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? qint64(info.st_nlink) : 1;
#endif
}

bool isReadOnly(const QFileInfo &info) {
    if (!(info.permissions() & QFileDevice::WriteOwner))
        return true;
#ifndef Q_OS_WIN
    if (::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) != 0)
        return true;
#endif
    return false;
}

} // namespace

Result<QByteArray> readBytes(const QString &path, qint64 limit) {
    const auto fail = [&](const QString &reason) -> Result<QByteArray> {
        return Failure{
            QStringLiteral("Soubor „%1“ nelze přečíst: %2.").arg(nativeName(path), reason)};
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("soubor neexistuje"));
    if (info.isDir())
        return fail(QStringLiteral("je to složka"));
    // A device, a pipe or a socket never ends or never answers: only files are read.
    if (!info.isFile())
        return fail(QStringLiteral("není to obyčejný soubor"));
    if (info.size() > limit)
        return fail(QStringLiteral("soubor je příliš velký"));
    QFile file;
#ifdef Q_OS_WIN
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("soubor nelze otevřít"));
#else
    // Opened without waiting (a pipe put in the file's place would block) and checked
    // again once open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(lastReason());
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("není to obyčejný soubor"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QStringLiteral("soubor nelze otevřít"));
    }
#endif
    // Never more than the limit and one byte, whatever the file claims to be.
    QByteArray bytes;
    bytes.reserve(qMin(info.size(), limit) + 1);
    constexpr qint64 kChunk = 1 << 16;
    for (;;) {
        const qint64 want = qMin(kChunk, limit + 1 - bytes.size());
        if (want <= 0)
            break;
        const qsizetype before = bytes.size();
        bytes.resize(before + want);
        const qint64 n = file.read(bytes.data() + before, want);
        if (n < 0)
            return fail(QStringLiteral("chyba při čtení z disku"));
        bytes.resize(before + n);
        if (n == 0)
            break;
    }
    if (bytes.size() > limit)
        return fail(QStringLiteral("soubor je příliš velký"));
    return bytes;
}

Result<QString> readText(const QString &path, qint64 limit) {
    const Result<QByteArray> raw = readBytes(path, limit);
    if (!raw)
        return Failure{raw.error()};
    return win1250::decode(*raw);
}

Result<LineCount> countLines(QByteArrayView bytes, qsizetype lineBytes, qsizetype maxLines) {
    LineCount result;
    qsizetype lineNumber = 0;
    qsizetype tooLong = 0;
    forEachLine(bytes, [&](QByteArrayView line) {
        ++lineNumber;
        if (line.isEmpty())
            return;
        if (++result.count == 1)
            result.first = line;
        if (tooLong == 0 && line.size() > lineBytes)
            tooLong = lineNumber;
    });
    if (tooLong > 0)
        return Failure{
            QStringLiteral("řádek %1 je delší než %2 bajtů").arg(tooLong).arg(lineBytes)};
    if (result.count > maxLines)
        return Failure{QStringLiteral("má více než %1 řádků").arg(maxLines)};
    return result;
}

QStringList temporariesOf(const QString &path) {
    const QFileInfo info(resolvedTarget(path));
    const QString stem = temporaryStem(info.fileName());
    QStringList found;
    const QStringList entries =
        QDir(info.absolutePath())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (isTemporaryOf(entry, stem))
            found.append(info.absolutePath() + u'/' + entry);
    }
    return found;
}

Result<void> saveFile(const QString &path, const QByteArray &bytes, Flush flush) {
    const auto fail = [&](const QString &reason) -> Result<void> {
        return Failure{
            QStringLiteral("Soubor „%1“ nelze uložit: %2").arg(nativeName(path), reason)};
    };
    // The bytes go to a new temporary file beside the target, which then replaces the
    // target in one rename. A crash at any moment leaves the old file whole; the next
    // save of the same file removes what a cut-off save left.
    const QString target = resolvedTarget(path);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists()) {
        if (targetInfo.isDir())
            return fail(QStringLiteral("na tomto místě je složka"));
        if (!targetInfo.isFile())
            return fail(QStringLiteral("není to obyčejný soubor"));
        if (isReadOnly(targetInfo))
            return fail(QStringLiteral("soubor je jen pro čtení. Uložte jej pod jiným jménem"));
    }
    const QString folder = targetInfo.absolutePath();
    const QString stem = temporaryStem(targetInfo.fileName());
    removeLeftTemporaries(folder, stem);
    QFile file;
    if (const Result<void> created = createTemporary(folder, stem, file); !created)
        return fail(created.error());
    const QString temporary = file.fileName();
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    // A write cut short by a full disk must not pass for a whole file.
    if (written != bytes.size() || !file.flush() || (flush == Flush::ToDisk && !syncToDisk(file))) {
        const QString reason = lastReason();
        file.close();
        QFile::remove(temporary);
        return fail(reason);
    }
    if (targetInfo.exists())
        file.setPermissions(targetInfo.permissions());
    // A file with several names keeps them all: it is overwritten in place, now that the
    // whole new content has proved to fit on the disk.
    if (targetInfo.exists() && linkCount(target) > 1 && writeInPlace(target, bytes)) {
        file.close();
        QFile::remove(temporary);
        return {};
    }
    const Result<void> replaced = replaceFile(file, target, flush);
    file.close(); // the lock is held until the temporary has its final name
    if (!replaced) {
        QFile::remove(temporary);
        return fail(replaced.error());
    }
    return {};
}

Result<QByteArray> encodeLines(const QStringList &lines) {
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    QByteArray encoded;
    for (const QString &line : lines) {
        QChar bad;
        if (!win1250::encode(line, encoded, &bad)) {
            return Failure{QStringLiteral("Text obsahuje znak „%1“, který nelze uložit v "
                                          "kódování Windows-1250. Soubor nebyl uložen.")
                               .arg(bad)};
        }
        bytes += encoded;
        bytes += "\r\n";
    }
    return bytes;
}

Result<void> saveLines(const QString &path, const QStringList &lines) {
    const Result<QByteArray> bytes = encodeLines(lines);
    if (!bytes)
        return Failure{bytes.error()};
    return saveFile(path, *bytes);
}

QStringList splitLines(QStringView text) {
    QStringList lines;
    forEachLine(text, [&](QStringView line) { lines.append(line.toString()); });
    return lines;
}

Result<QStringList> readLines(const QString &path, qint64 limit) {
    // Each line is decoded from its bytes (CR and LF are the same bytes in Windows-1250),
    // without the whole text decoded first.
    const Result<QByteArray> raw = readBytes(path, limit);
    if (!raw)
        return Failure{raw.error()};
    const QByteArrayView bytes(*raw);
    QStringList lines;
    forEachLine(bytes, [&](QByteArrayView line) { lines.append(win1250::decode(line)); });
    return lines;
}

} // namespace textfile
