// Delimited text from spreadsheets and other trainers: any bytes read as an imported
// file. A table that is read becomes expressions whose lines a dictionary can hold once
// the characters Windows-1250 lacks are replaced; written out again as CSV it reads back
// as the same rows.
#include "check.h"
#include "harnesses.h"

#include "core/textfile.h"
#include "exchange/importexport.h"

#include <QStringDecoder>

int fuzzDelimited(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    exchange::TableLimits limits;
    limits.fieldChars = 512;
    limits.columns = 64;
    const Result<exchange::DelimitedFile> file = exchange::parseDelimitedFile(bytes, limits);
    if (!file)
        return 0;
    for (const exchange::Row &row : file->table) {
        FUZZ_CHECK(row.size() <= limits.columns);
        bool any = false;
        for (const QString &field : row) {
            FUZZ_CHECK(field.size() <= limits.fieldChars + 1);
            any = any || !field.isEmpty();
        }
        FUZZ_CHECK(any);
    }

    const Result<exchange::Imported> imported =
        exchange::dictionaryOfTable(file->table, file->columns, QString());
    if (!imported)
        return 0;
    FUZZ_CHECK(!imported->dictionary.isEmpty());
    const Tpole fitted = exchange::withReplacements(imported->dictionary);
    FUZZ_CHECK(exchange::unencodableCharacters(fitted).isEmpty());
    for (const Tslovniky &e : fitted) {
        for (const QString *field : {&e.ang, &e.cz, &e.vyslovnost, &e.zvuk})
            FUZZ_CHECK(!field->contains(u';') && !field->contains(u'\r') &&
                       !field->contains(u'\n'));
    }
    FUZZ_CHECK(textfile::encodeLines(dictionaryfile::dictionaryLines(fitted)).ok());

    // Decoded as written: a field that begins with U+FEFF keeps it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString written = utf8.decode(exchange::delimitedBytes(file->table, u','));
    const Result<exchange::Table> again = exchange::parseDelimited(written, u',', {});
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(*again == file->table);
    return 0;
}
