#include "internet/verze.h"

#include "core/fields.h"
#include "core/product.h"
#include "core/textfile.h"
#include "core/win1250.h"

namespace versionfile {

std::optional<VersionFile> parse(QByteArrayView bytes) {
    if (bytes.size() > kMaxFileSize)
        return std::nullopt;
    const QStringList lines = textfile::splitLines(win1250::decode(bytes));
    VersionFile file;
    file.version = lines.value(0);
    file.size = lines.value(1);
    file.date = lines.value(2);
    file.address = lines.value(3);
    file.fileName = lines.value(4);
    for (const QString &item : rozreteznac(lines.value(5), u';')) {
        if (item.isEmpty())
            break;
        file.news.append(item);
    }
    return file;
}

bool isNew(const VersionFile &file, const QString &running) {
    return file.version != running;
}

std::optional<qint64> announcedSize(const VersionFile &file) {
    bool ok = false;
    const qint64 size = file.size.toLongLong(&ok);
    if (!ok || size < 0 || file.size.startsWith(u'+'))
        return std::nullopt;
    return size;
}

bool isPlainFileName(const QString &name) {
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        name.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    }
    // Windows drops trailing dots and blanks, which would name another file.
    return !name.endsWith(u'.') && !name.endsWith(u' ');
}

bool isWebAddress(const QString &address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() &&
           (scheme == QStringLiteral("http") || scheme == QStringLiteral("https")) &&
           !url.host().isEmpty();
}

QUrl versionFileUrl() {
    const QByteArray fromEnvironment = qgetenv("VOKAB_UPDATE_URL");
    if (!fromEnvironment.isEmpty())
        return QUrl(QString::fromUtf8(fromEnvironment));
    return QUrl(product::webAddress() + QStringLiteral("N-VERZE.TXT"));
}

} // namespace versionfile
