#include "dictionary/slovnik.h"

#include "core/textfile.h"
#include "core/win1250.h"

#include <QDir>
#include <QSet>

#include <algorithm>
#include <utility>

namespace dictionaryfile {
namespace {

// A UTF-8 line with every character Windows-1250 cannot hold replaced by "?" (and
// noted in `replaced`); a character beyond the basic plane counts as one.
QString fromUtf8Within1250(QByteArrayView bytes, QSet<QChar> &replaced) {
    const QString text = QString::fromUtf8(bytes);
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            replaced.insert(QChar::ReplacementCharacter);
            line.append(u'?');
            ++i;
            continue;
        }
        if (win1250::canEncode(QStringView(&c, 1))) {
            line.append(c);
        } else {
            replaced.insert(c);
            line.append(u'?');
        }
    }
    return line;
}

} // namespace

LineFields fieldsOfLine(QStringView line) {
    trozdelenenac pieces = rozreteznac(line, u';');
    LineFields fields;
    QString *targets[] = {&fields.field1, &fields.field2, &fields.field3, &fields.field4};
    for (qsizetype i = 0; i < 4 && i < pieces.size(); ++i)
        *targets[i] = std::move(pieces[i]);
    // No pronunciation and no sound are the same text in most records: they share one
    // string (a million records hold tens of megabytes less).
    if (fields.field3 == kNoPronunciation)
        fields.field3 = kNoPronunciation;
    if (fields.field4 == kNoSound)
        fields.field4 = kNoSound;
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

bool looksLikeUtf8(QByteArrayView bytes) {
    // Walks the bytes once and stops at the first that UTF-8 does not allow there (in a
    // Windows-1250 file, as a rule its first letter with a diacritic).
    bool beyondAscii = false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar lead = uchar(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        char32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > n)
            return false;
        for (int k = 1; k < length; ++k) {
            const uchar next = uchar(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        beyondAscii = true;
        i += length;
    }
    return beyondAscii;
}

Result<Loaded> parseDictionaryFile(QByteArrayView bytes, Contents contents, const Limits &limits,
                                   Encoding encoding) {
    if (bytes.contains('\0'))
        return Failure{QStringLiteral("soubor obsahuje nulové bajty, není to textový slovník")};
    if (encoding == Encoding::Utf8 && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // The bytes are split into lines before they are decoded (the line breaks are the
    // same bytes either way), so the whole decoded text is never held. A first walk
    // counts the lines and checks the limits before anything is built.
    const Result<textfile::LineCount> counted =
        textfile::countLines(bytes, limits.lineBytes, limits.lines);
    if (!counted)
        return Failure{counted.error()};
    Loaded result;
    const qsizetype count = counted->count;
    if (count == 0)
        return result;
    result.empty = false;
    const bool records = int(contents) & int(Contents::Records);
    const bool lines = int(contents) & int(Contents::Lines);
    if (records)
        result.dictionary.reserve(count);
    if (lines)
        result.lines.reserve(count);
    QSet<QChar> replaced;
    textfile::forEachLine(bytes, [&](QByteArrayView lineBytes) {
        if (lineBytes.isEmpty())
            return;
        const QString line = encoding == Encoding::Utf8 ? fromUtf8Within1250(lineBytes, replaced)
                                                        : win1250::decode(lineBytes);
        if (records)
            result.dictionary.append(recordFromLine(line));
        if (lines)
            result.lines.append(line);
    });
    QList<QChar> sorted(replaced.begin(), replaced.end());
    std::sort(sorted.begin(), sorted.end());
    for (const QChar c : sorted)
        result.replaced.append(c);
    result.looksUtf8 = encoding == Encoding::Windows1250 && looksLikeUtf8(bytes);
    return result;
}

Result<Loaded> readDictionaryFile(const QString &path, Contents contents, const Limits &limits,
                                  Encoding encoding) {
    const Result<QByteArray> raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw)
        return Failure{raw.error()};
    Result<Loaded> result = parseDictionaryFile(*raw, contents, limits, encoding);
    if (!result)
        return Failure{QStringLiteral("Slovník „%1“ nelze načíst: %2.")
                           .arg(QDir::toNativeSeparators(path), result.error())};
    return result;
}

} // namespace dictionaryfile

namespace dictionaryfile {
Result<void> writeDictionaryFile(const QString &path, const Tpole &dictionary) {
    return textfile::saveLines(path, dictionaryLines(dictionary));
}
} // namespace dictionaryfile
