#pragma once

#include "dictionary/slovnik.h"
#include "exchange/delimited.h"
#include "exchange/records.h"
#include "exchange/textencoding.h"

#include <QString>

#include <optional>

namespace textfile {
struct SaveResult;
}

// Whole files in and out: what the import window and the command line call.
namespace exchange {

struct DelimitedFile {
    std::optional<Table> table; // every row, the header row included
    Encoding encoding = Encoding::Utf8;
    QChar delimiter = u'\t';
    Columns columns; // guessed; the import window lets the user change them
    QString error;   // Czech, when the file is refused
};

// The rows of a delimited file's bytes: encoding and delimiter detected, the header
// lines of Anki's plain-text notes ("#separator:tab", "#html:true", ...) obeyed and left
// out, HTML of such notes turned into plain text.
DelimitedFile parseDelimitedFile(QByteArrayView bytes, const TableLimits &limits = {});
// The same for a file; the message names it.
DelimitedFile readDelimitedFile(const QString &path, const TableLimits &limits = {});

// The text of a field of HTML notes: line breaks (<br>, <div>) become spaces, other tags
// are left out, the entities &amp; &lt; &gt; &quot; &#39; &nbsp; and numbered ones are
// read.
QString plainTextOfHtml(const QString &html);

// Exports through the program's safe save: delimited text in UTF-8 (tab: TSV, ",": CSV),
// or KVTML with the given title and locale of the foreign language.
textfile::SaveResult writeDelimitedFile(const QString &path, const Tpole &dictionary,
                                        QChar delimiter, bool withHeader);
textfile::SaveResult writeKvtmlFile(const QString &path, const Tpole &dictionary,
                                    const QString &title, const QString &foreignLocale);

} // namespace exchange
