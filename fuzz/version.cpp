// The version file from the web site: any bytes; what is read holds no empty news item,
// and a name or address that passes the checks cannot leave the update folder or the web.
#include "check.h"
#include "harnesses.h"

#include "internet/verze.h"

int fuzzVersion(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<versionfile::VersionFile> file = versionfile::parse(bytes);
    FUZZ_CHECK(file.has_value() == (bytes.size() <= versionfile::kMaxFileSize));
    if (!file)
        return 0;
    for (const QString &item : file->news)
        FUZZ_CHECK(!item.isEmpty());
    if (versionfile::isPlainFileName(file->fileName)) {
        FUZZ_CHECK(!file->fileName.contains(u'/') && !file->fileName.contains(u'\\'));
        FUZZ_CHECK(!file->fileName.contains(QStringLiteral("..")));
    }
    if (versionfile::isWebAddress(file->address)) {
        const QString scheme = QUrl(file->address).scheme().toLower();
        FUZZ_CHECK(scheme == QStringLiteral("http") || scheme == QStringLiteral("https"));
    }
    if (const std::optional<qint64> announced = versionfile::announcedSize(*file))
        FUZZ_CHECK(*announced >= 0);
    return 0;
}
