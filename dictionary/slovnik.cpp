#include "dictionary/slovnik.h"

#include "core/textfile.h"
#include "core/win1250.h"

trozdelenenac rozreteznac(QStringView text, QChar separator) {
    trozdelenenac pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == separator) {
            pieces.append(text.mid(start, i - start).toString());
            start = i + 1;
        }
    }
    pieces.append(text.mid(start).toString());
    return pieces;
}

namespace slovnik {

LineFields fieldsOfLine(QStringView line) {
    const trozdelenenac pieces = rozreteznac(line, u';');
    LineFields fields;
    QString *targets[] = {&fields.field1, &fields.field2, &fields.field3, &fields.field4};
    for (qsizetype i = 0; i < 4 && i < pieces.size(); ++i)
        *targets[i] = pieces[i];
    return fields;
}

Tslovniky recordFromLine(QStringView line) {
    LineFields f = fieldsOfLine(line);
    return Tslovniky{std::move(f.field2), std::move(f.field1), std::move(f.field3),
                     std::move(f.field4)};
}

QString lineOfRecord(const Tslovniky &record) {
    QString line;
    line.reserve(record.cz.size() + record.ang.size() + record.vyslovnost.size() +
                 record.zvuk.size() + 3);
    line += record.cz;
    line += u';';
    line += record.ang;
    line += u';';
    line += record.vyslovnost;
    line += u';';
    line += record.zvuk;
    return line;
}

Tpole parseDictionary(QStringView text) {
    const QStringList lines = textfile::splitLines(text);
    Tpole dictionary;
    dictionary.reserve(lines.size());
    for (const QString &line : lines)
        dictionary.append(recordFromLine(line));
    return dictionary;
}

QStringList dictionaryLines(const Tpole &dictionary) {
    QStringList lines;
    lines.reserve(dictionary.size());
    for (const Tslovniky &record : dictionary)
        lines.append(lineOfRecord(record));
    return lines;
}

ReadResult parseDictionaryFile(QByteArrayView bytes, Contents contents) {
    ReadResult result;
    if (bytes.isEmpty()) {
        result.status = ReadResult::Status::Empty;
        return result;
    }
    // The bytes are split into lines before they are decoded (the line breaks are the
    // same bytes either way), so the whole decoded text is never held.
    const bool records = int(contents) & int(Contents::Records);
    const bool lines = int(contents) & int(Contents::Lines);
    qsizetype count = 0;
    textfile::forEachLine(bytes, [&](QByteArrayView) { ++count; });
    if (records)
        result.dictionary.reserve(count);
    if (lines)
        result.lines.reserve(count);
    textfile::forEachLine(bytes, [&](QByteArrayView lineBytes) {
        const QString line = win1250::decode(lineBytes);
        if (records)
            result.dictionary.append(recordFromLine(line));
        if (lines)
            result.lines.append(line);
    });
    result.status = ReadResult::Status::Ok;
    return result;
}

ReadResult readDictionaryFile(const QString &path, Contents contents) {
    const textfile::ReadResult raw = textfile::readBytes(path);
    if (!raw.bytes) {
        ReadResult result;
        result.status = ReadResult::Status::Failed;
        result.error = raw.error;
        return result;
    }
    return parseDictionaryFile(*raw.bytes, contents);
}

QString fileNamePart(const QString &path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1);
}

QString folderPart(const QString &path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.left(slash + 1);
}

QString asciiLower(const QString &text) {
    QString result = text;
    for (QChar &c : result) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return result;
}

} // namespace slovnik

namespace slovnik {
textfile::SaveResult writeDictionaryFile(const QString &path, const Tpole &dictionary) {
    return textfile::saveLines(path, dictionaryLines(dictionary));
}
} // namespace slovnik
