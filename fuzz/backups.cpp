// The backups' folder as a stranger may have left it: the first line is a folder's or a
// backup's name, the rest the folder's cesta.txt. Only a clean absolute path whose hash
// the folder's name carries is taken, and exactly as its bytes spell it; a backup's time
// is the one its name spells.
#include "check.h"
#include "harnesses.h"

#include "core/backups.h"

#include <QDir>

int fuzzBackups(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype end = bytes.indexOf('\n');
    const QString name = QString::fromUtf8(end < 0 ? bytes : bytes.left(end));
    const QByteArray pathFile = end < 0 ? QByteArray() : bytes.mid(end + 1);

    const QString original = backups::originalOf(pathFile, name);
    if (!original.isEmpty()) {
        FUZZ_CHECK(QDir::isAbsolutePath(original));
        FUZZ_CHECK(QDir::cleanPath(original) == original);
        FUZZ_CHECK(original.toUtf8() == pathFile);
        FUZZ_CHECK(backups::folderNameOf(original).right(8) == name.right(8));
    }
    // A path the program writes into cesta.txt is read back as itself.
    const QString path = QString::fromUtf8(pathFile);
    if (QDir::isAbsolutePath(path) && QDir::cleanPath(path) == path && path.toUtf8() == pathFile &&
        !pathFile.contains('\0') && pathFile.size() <= 4096)
        FUZZ_CHECK(backups::originalOf(pathFile, backups::folderNameOf(path)) == path);

    const QDateTime time = backups::timeOfName(name);
    if (time.isValid())
        FUZZ_CHECK(name.startsWith(time.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    return 0;
}
