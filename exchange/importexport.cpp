#include "exchange/importexport.h"

#include "core/textfile.h"
#include "exchange/kvtml.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace exchange {
namespace {

struct NotesHeader {
    qsizetype length = 0; // characters of the header lines
    QChar delimiter;      // null: not named
    bool html = false;
};

// Anki's plain-text notes begin with lines such as "#separator:tab" and "#html:true".
NotesHeader notesHeaderOf(const QString &text) {
    static const QRegularExpression line(
        QStringLiteral("#([a-z ]+):([^\\r\\n]*)(\\r\\n|\\r|\\n|$)"));
    NotesHeader header;
    while (true) {
        const auto match = line.match(text, header.length, QRegularExpression::NormalMatch,
                                      QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch())
            return header;
        const QString key = match.captured(1).trimmed();
        const QString value = match.captured(2).trimmed().toLower();
        if (key == u"separator") {
            if (value == u"tab")
                header.delimiter = u'\t';
            else if (value == u"comma")
                header.delimiter = u',';
            else if (value == u"semicolon")
                header.delimiter = u';';
            else if (value == u"pipe")
                header.delimiter = u'|';
            else if (value == u"space")
                header.delimiter = u' ';
            else if (value.size() == 1)
                header.delimiter = value.front();
        } else if (key == u"html") {
            header.html = value == u"true";
        }
        header.length += match.capturedLength(0);
        if (match.capturedLength(3) == 0)
            return header;
    }
}

} // namespace

QString plainTextOfHtml(const QString &html) {
    static const QRegularExpression breaks(QStringLiteral("<\\s*(br|/?div|/?p)\\b[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]{1,7}|#x[0-9a-fA-F]{1,6}|[a-z]+);"));
    QString text = html;
    text.replace(breaks, QStringLiteral(" "));
    text.remove(tags);
    QString result;
    qsizetype from = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        result += QStringView(text).sliced(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString name = match.captured(1);
        char32_t code = 0;
        bool ok = false;
        if (name.startsWith(QStringLiteral("#x")))
            code = name.mid(2).toUInt(&ok, 16);
        else if (name.startsWith(u'#'))
            code = name.mid(1).toUInt(&ok, 10);
        else if (name == u"amp")
            code = u'&', ok = true;
        else if (name == u"lt")
            code = u'<', ok = true;
        else if (name == u"gt")
            code = u'>', ok = true;
        else if (name == u"quot")
            code = u'"', ok = true;
        else if (name == u"apos")
            code = u'\'', ok = true;
        else if (name == u"nbsp")
            code = u' ', ok = true;
        if (ok && code != 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF))
            result += QString::fromUcs4(&code, 1);
        else
            result += match.captured(0);
    }
    result += QStringView(text).sliced(from);
    return result;
}

Result<DelimitedFile> parseDelimitedFile(QByteArrayView bytes, const TableLimits &limits,
                                         const DelimitedChoice &choice) {
    if (bytes.size() > limits.fileBytes)
        return Failure{QStringLiteral("soubor je větší než %1 bajtů").arg(limits.fileBytes)};
    const Result<DecodedText> decoded =
        choice.encoding ? decodeTextAs(bytes, *choice.encoding) : decodeText(bytes);
    if (!decoded)
        return Failure{decoded.error()};
    DelimitedFile file;
    file.encoding = decoded->encoding;
    const NotesHeader header = notesHeaderOf(decoded->text);
    const QStringView text = QStringView(decoded->text).sliced(header.length);
    file.delimiter = choice.delimiter            ? *choice.delimiter
                     : header.delimiter.isNull() ? detectDelimiter(text)
                                                 : header.delimiter;
    Result<Table> parsed = parseDelimited(text, file.delimiter, limits);
    if (!parsed)
        return Failure{parsed.error()};
    if (header.html) {
        for (Row &row : *parsed) {
            for (QString &field : row)
                field = plainTextOfHtml(field);
        }
        // A row whose HTML held no text is no row.
        parsed->removeIf([](const Row &row) {
            return std::all_of(row.cbegin(), row.cend(),
                               [](const QString &field) { return field.isEmpty(); });
        });
    }
    file.columns = guessColumns(*parsed);
    file.table = std::move(parsed).value();
    return file;
}

Result<DelimitedFile> readDelimitedFile(const QString &path, const TableLimits &limits) {
    const Result<QByteArray> raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw)
        return Failure{raw.error()};
    Result<DelimitedFile> file = parseDelimitedFile(*raw, limits);
    if (!file)
        return Failure{QStringLiteral("Soubor „%1“ nelze načíst: %2.")
                           .arg(QDir::toNativeSeparators(path), file.error())};
    return file;
}

namespace {

QString extensionOf(const QString &path) {
    return QFileInfo(path).suffix().toLower();
}

} // namespace

std::optional<FileFormat> importFormatOf(const QString &path) {
    const QString extension = extensionOf(path);
    if (extension == u"txt")
        return FileFormat::Csv;
    return exportFormatOf(path);
}

std::optional<FileFormat> exportFormatOf(const QString &path) {
    const QString extension = extensionOf(path);
    if (extension == u"csv")
        return FileFormat::Csv;
    if (extension == u"tsv")
        return FileFormat::Tsv;
    if (extension == u"kvtml")
        return FileFormat::Kvtml;
    return std::nullopt;
}

Result<void> exportDictionary(const QString &path, const Tpole &dictionary, FileFormat format,
                              const QString &title, const QStringList &pictures) {
    if (format == FileFormat::Kvtml)
        return writeKvtmlFile(path, dictionary, title, QStringLiteral("en"), pictures);
    return writeDelimitedFile(path, dictionary, format == FileFormat::Tsv ? u'\t' : u',', true);
}

Result<void> writeDelimitedFile(const QString &path, const Tpole &dictionary, QChar delimiter,
                                bool withHeader) {
    return textfile::saveFile(path,
                              delimitedBytes(tableOfDictionary(dictionary, withHeader), delimiter));
}

Result<void> writeKvtmlFile(const QString &path, const Tpole &dictionary, const QString &title,
                            const QString &foreignLocale, const QStringList &pictures) {
    return textfile::saveFile(path, kvtmlBytes(dictionary, title, foreignLocale,
                                               QFileInfo(path).absolutePath(), pictures));
}

} // namespace exchange
