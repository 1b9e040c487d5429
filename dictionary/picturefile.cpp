#include "dictionary/picturefile.h"

#include "core/escapes.h"
#include "core/paths.h"
#include "core/textfile.h"
#include "dictionary/editorlogic.h"
#include "dictionary/recordlist.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace picturefile {
namespace {

const QByteArray kHeader = QByteArrayLiteral("VOKAB-PICTURES ");
constexpr QByteArrayView kEntryTag = "P";
constexpr qsizetype kLongestName = 200;

struct Line {
    Key key;
    QString file;
};

// A picture's line (its name not yet judged), or nothing when the line is not one this
// version writes.
std::optional<Line> lineOf(QByteArrayView line, QStringDecoder &utf8) {
    QByteArrayView fields[4];
    qsizetype start = 0;
    for (int n = 0; n < 3; ++n) {
        const qsizetype tab = line.indexOf('\t', start);
        if (tab < 0)
            return std::nullopt;
        fields[n] = line.sliced(start, tab - start);
        start = tab + 1;
    }
    fields[3] = line.sliced(start);
    if (fields[0] != kEntryTag || fields[3].contains('\t'))
        return std::nullopt;
    std::optional<QByteArray> texts[3];
    for (int n = 0; n < 3; ++n) {
        texts[n] = escapes::undone(fields[n + 1]);
        if (!texts[n])
            return std::nullopt;
    }
    return Line{{utf8.decode(*texts[0]), utf8.decode(*texts[1])}, utf8.decode(*texts[2])};
}

void appendLine(QByteArray &out, const Key &key, const QString &file) {
    out.append(kEntryTag);
    out += '\t';
    escapes::append(out, key.foreign);
    out += '\t';
    escapes::append(out, key.czech);
    out += '\t';
    escapes::append(out, file);
    out += "\r\n";
}

} // namespace

size_t qHash(const Key &key, size_t seed) noexcept {
    return qHashMulti(seed, key.foreign, key.czech);
}

bool isPictureName(QStringView name) {
    if (name.isEmpty() || name.size() > kLongestName || name.startsWith(u'.'))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == u'/' || c == u'\\' || c == u':' ||
            c.category() == QChar::Other_Format || c.isSurrogate())
            return false;
    }
    // Windows does not keep a name's trailing dots and blanks.
    if (name.endsWith(u' ') || name.endsWith(u'.'))
        return false;
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0)
        return false;
    const QString extension = name.sliced(dot + 1).toString().toLower();
    static const QStringList allowed{QStringLiteral("png"), QStringLiteral("jpg"),
                                     QStringLiteral("jpeg"), QStringLiteral("webp"),
                                     QStringLiteral("gif")};
    return allowed.contains(extension);
}

QString picturesPath(const QString &dictionaryPath) {
    const QString name = paths::fileNamePart(dictionaryPath);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    return paths::folderPart(dictionaryPath) + base + QStringLiteral(".vko");
}

Result<Pictures> parsePictures(QByteArrayView bytes, const Limits &limits) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.size() > limits.fileBytes)
        return Failure{QStringLiteral("soubor je příliš velký")};
    if (bytes.contains('\0'))
        return Failure{QStringLiteral("soubor obsahuje nulové bajty, není to seznam obrázků")};
    const Result<textfile::LineCount> counted =
        textfile::countLines(bytes, limits.lineBytes, limits.lines);
    if (!counted)
        return Failure{counted.error()};
    Pictures pictures;
    if (counted->count == 0)
        return pictures;
    const QByteArrayView header = counted->first;
    bool versionOk = false;
    const int version = header.startsWith(kHeader)
                            ? header.sliced(kHeader.size()).toByteArray().toInt(&versionOk)
                            : 0;
    if (!versionOk || version < 1)
        return Failure{QStringLiteral("chybí záhlaví seznamu obrázků programu Vokab")};
    if (version > kVersion)
        return Failure{QStringLiteral("seznam obrázků je uložen novější verzí programu "
                                      "(formát %1, tato verze zná %2)")
                           .arg(version)
                           .arg(kVersion)};
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QByteArrayView body = bytes.sliced(header.data() + header.size() - bytes.data());
    textfile::forEachLine(body, [&](QByteArrayView line) {
        if (line.isEmpty())
            return;
        std::optional<Line> read = lineOf(line, utf8);
        if (read && isPictureName(read->file)) {
            pictures.files.insert(std::move(read->key), std::move(read->file));
            return;
        }
        if (read)
            ++pictures.refusedNames;
        pictures.otherLines.append(utf8.decode(line));
    });
    if (utf8.hasError())
        return Failure{QStringLiteral("soubor není text v kódování UTF-8")};
    return pictures;
}

Result<Pictures> readPicturesFile(const QString &path, const Limits &limits) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Pictures();
    const Result<QByteArray> raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw)
        return Failure{raw.error()};
    Result<Pictures> result = parsePictures(*raw, limits);
    if (!result)
        return Failure{QStringLiteral("Seznam obrázků „%1“ nelze načíst: %2.")
                           .arg(QDir::toNativeSeparators(path), result.error())};
    return result;
}

QByteArray picturesBytes(const Pictures &pictures) {
    QByteArray bytes = kHeader + QByteArray::number(kVersion) + "\r\n";
    for (const QString &line : pictures.otherLines)
        bytes += line.toUtf8() + "\r\n";
    QList<Key> keys = pictures.files.keys();
    std::sort(keys.begin(), keys.end());
    bytes.reserve(bytes.size() + keys.size() * 48);
    for (const Key &key : keys)
        appendLine(bytes, key, pictures.files.value(key));
    return bytes;
}

Result<void> writePicturesFile(const QString &path, const Pictures &pictures) {
    return textfile::saveFile(path, picturesBytes(pictures));
}

QHash<Key, QString> pictureFilesOf(const QString &dictionaryPath, QString *problem) {
    QHash<Key, QString> found;
    const Result<Pictures> read = readPicturesFile(picturesPath(dictionaryPath));
    if (!read) {
        if (problem)
            *problem = read.error();
        return found;
    }
    if (read->files.isEmpty())
        return found;
    const QString folder =
        editor::existingSoundFolder(paths::folderPart(dictionaryPath),
                                    editor::soundFolderBase(paths::fileNamePart(dictionaryPath)));
    if (folder.isEmpty())
        return found;
    for (auto file = read->files.cbegin(); file != read->files.cend(); ++file) {
        const QString path = folder + u'/' + file.value();
        if (editor::livesIn(path, folder))
            found.insert(file.key(), path);
    }
    return found;
}

QString copyPictures(const QString &dictionaryPath, const RecordList &records,
                     const QHash<Key, QString> &files) {
    if (files.isEmpty())
        return {};
    Pictures written;
    QHash<QString, QString> copiedTo; // a source file -> its name in the sound folder
    QStringList failed;
    QString folder;
    for (const Tslovniky &record : records) {
        Key key{record.ang, record.cz};
        const auto source = files.constFind(key);
        if (source == files.cend() || written.files.contains(key))
            continue;
        if (const auto copied = copiedTo.constFind(*source); copied != copiedTo.cend()) {
            written.files.insert(std::move(key), *copied);
            continue;
        }
        if (folder.isEmpty())
            folder =
                editor::soundFolder(paths::folderPart(dictionaryPath),
                                    editor::soundFolderBase(paths::fileNamePart(dictionaryPath)));
        if (folder.isEmpty()) {
            failed.append(QDir::toNativeSeparators(*source));
            continue;
        }
        const QString to = editor::freePath(folder, paths::fileNamePart(*source));
        const Result<QByteArray> bytes = textfile::readBytes(*source);
        const Result<void> saved =
            bytes ? textfile::saveFile(to, *bytes) : Result<void>(Failure{bytes.error()});
        if (!saved) {
            failed.append(saved.error());
            continue;
        }
        copiedTo.insert(*source, paths::fileNamePart(to));
        written.files.insert(std::move(key), paths::fileNamePart(to));
    }
    if (!written.files.isEmpty()) {
        if (const Result<void> saved = writePicturesFile(picturesPath(dictionaryPath), written);
            !saved)
            failed.append(saved.error());
    }
    if (failed.isEmpty())
        return {};
    return QStringLiteral("Tyto obrázky se nepodařilo uložit:\n") + failed.join(u'\n');
}

} // namespace picturefile
