#include "core/textfile.h"

#include "core/win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace textfile {
namespace {

QString nativeName(const QString &path) {
    return QDir::toNativeSeparators(path);
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

SaveResult saveFile(const QString &path, const QByteArray &bytes) {
    SaveResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("Soubor „%1“ nelze uložit: %2")
                           .arg(nativeName(path), file.errorString());
        return result;
    }
    // QSaveFile::commit() can report success after a write that a full disk cut
    // short, so every write is checked for its whole size.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != bytes.size() || !file.flush()) {
        result.error = QStringLiteral("Soubor „%1“ nelze uložit: %2")
                           .arg(nativeName(path), file.errorString());
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = QStringLiteral("Soubor „%1“ nelze uložit: %2")
                           .arg(nativeName(path), file.errorString());
        return result;
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
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

} // namespace textfile
