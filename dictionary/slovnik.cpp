#include "dictionary/slovnik.h"

#include "core/textfile.h"
#include "core/win1250.h"

#include <QDir>

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
    for (const QString &line : lines) {
        if (!line.isEmpty())
            dictionary.append(recordFromLine(line));
    }
    return dictionary;
}

QStringList dictionaryLines(const Tpole &dictionary) {
    QStringList lines;
    lines.reserve(dictionary.size());
    for (const Tslovniky &record : dictionary)
        lines.append(lineOfRecord(record));
    return lines;
}

ReadResult parseDictionaryFile(QByteArrayView bytes, Contents contents, const Limits &limits) {
    ReadResult result;
    // The bytes are split into lines before they are decoded (the line breaks are the
    // same bytes either way), so the whole decoded text is never held. A first walk
    // counts the lines and checks the limits before anything is built.
    qsizetype count = 0;
    qsizetype lineNumber = 0;
    qsizetype tooLong = 0;
    textfile::forEachLine(bytes, [&](QByteArrayView line) {
        ++lineNumber;
        if (line.isEmpty())
            return;
        ++count;
        if (tooLong == 0 && line.size() > limits.lineBytes)
            tooLong = lineNumber;
    });
    if (tooLong > 0) {
        result.error =
            QStringLiteral("řádek %1 je delší než %2 bajtů").arg(tooLong).arg(limits.lineBytes);
        return result;
    }
    if (count > limits.lines) {
        result.error = QStringLiteral("má více než %1 řádků").arg(limits.lines);
        return result;
    }
    if (count == 0) {
        result.status = ReadResult::Status::Empty;
        return result;
    }
    const bool records = int(contents) & int(Contents::Records);
    const bool lines = int(contents) & int(Contents::Lines);
    if (records)
        result.dictionary.reserve(count);
    if (lines)
        result.lines.reserve(count);
    textfile::forEachLine(bytes, [&](QByteArrayView lineBytes) {
        if (lineBytes.isEmpty())
            return;
        const QString line = win1250::decode(lineBytes);
        if (records)
            result.dictionary.append(recordFromLine(line));
        if (lines)
            result.lines.append(line);
    });
    result.status = ReadResult::Status::Ok;
    return result;
}

ReadResult readDictionaryFile(const QString &path, Contents contents, const Limits &limits) {
    const textfile::ReadResult raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw.bytes) {
        ReadResult result;
        result.error = raw.error;
        return result;
    }
    ReadResult result = parseDictionaryFile(*raw.bytes, contents, limits);
    if (result.status == ReadResult::Status::Failed)
        result.error = QStringLiteral("Slovník „%1“ nelze načíst: %2.")
                           .arg(QDir::toNativeSeparators(path), result.error);
    return result;
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
