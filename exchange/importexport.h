#pragma once

#include "core/result.h"
#include "dictionary/slovnik.h"
#include "exchange/delimited.h"
#include "exchange/records.h"
#include "exchange/textencoding.h"

#include <QString>

#include <optional>

// Whole files in and out: what the import window and the command line call.
namespace exchange {

struct DelimitedFile {
    Table table; // every row, the header row included
    Encoding encoding = Encoding::Utf8;
    QChar delimiter = u'\t';
    Columns columns; // guessed; the import window lets the user change them
};

// What the user chose in place of what is detected.
struct DelimitedChoice {
    std::optional<Encoding> encoding;
    std::optional<QChar> delimiter;
};

// The rows of a delimited file's bytes: encoding and delimiter detected (unless chosen),
// the header lines of Anki's plain-text notes ("#separator:tab", "#html:true", ...)
// obeyed and left out, HTML of such notes turned into plain text. A refusal is Czech.
Result<DelimitedFile> parseDelimitedFile(QByteArrayView bytes, const TableLimits &limits = {},
                                         const DelimitedChoice &choice = {});
// The same for a file; the message names it.
Result<DelimitedFile> readDelimitedFile(const QString &path, const TableLimits &limits = {});

// The text of a field of HTML notes: line breaks (<br>, <div>) become spaces, other tags
// are left out, the entities &amp; &lt; &gt; &quot; &#39; &nbsp; and numbered ones are
// read.
QString plainTextOfHtml(const QString &html);

// The formats of files to import and export, told by the file name's extension (in any
// letter case): .csv, .tsv and .txt are delimited text, .kvtml is KVTML.
enum class FileFormat { Csv, Tsv, Kvtml };
std::optional<FileFormat> importFormatOf(const QString &path);
// An export is written as .csv (UTF-8, commas), .tsv (UTF-8, tabs) or .kvtml.
std::optional<FileFormat> exportFormatOf(const QString &path);

// Writes the dictionary in the format: delimited text with the header row of the
// columns, or KVTML titled `title` with English as the foreign language (and the
// expressions' pictures, one file per expression or empty, as its images).
Result<void> exportDictionary(const QString &path, const Tpole &dictionary, FileFormat format,
                              const QString &title, const QStringList &pictures = {});

// Exports through the program's safe save: delimited text in UTF-8 (tab: TSV, ",": CSV),
// or KVTML with the given title and locale of the foreign language.
Result<void> writeDelimitedFile(const QString &path, const Tpole &dictionary, QChar delimiter,
                                bool withHeader);
Result<void> writeKvtmlFile(const QString &path, const Tpole &dictionary, const QString &title,
                            const QString &foreignLocale, const QStringList &pictures = {});

} // namespace exchange
