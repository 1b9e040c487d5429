#pragma once

#include "core/fields.h"
#include "core/result.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// One expression of a dictionary.
struct Tslovniky {
    QString ang;        // the foreign expression; meanings joined by "+"
    QString cz;         // the Czech translation; meanings joined by "+"
    QString vyslovnost; // the written pronunciation, "[...]"
    QString zvuk;       // path of the sound file, or "NENÍ"

    friend bool operator==(const Tslovniky &, const Tslovniky &) = default;
};
// Four strings, each of which may be moved in memory as bytes: a list of a million
// records grows and shrinks by moving memory, not record by record.
Q_DECLARE_TYPEINFO(Tslovniky, Q_RELOCATABLE_TYPE);

// A dictionary: expressions in file order.
using Tpole = QList<Tslovniky>;

namespace dictionaryfile {

// The sound field of an expression without a sound.
inline const QString kNoSound = QStringLiteral("NENÍ");
// The pronunciation field of an expression without a pronunciation.
inline const QString kNoPronunciation = QStringLiteral("[]");
// The name of a dictionary that has never been saved.
inline const QString kNewDictionaryName = QStringLiteral("novyslovnik.slv");
// The message shown for an empty dictionary file.
inline const QString kEmptyFileMessage = QStringLiteral("Nejde načíst prázdný slovník!");

} // namespace dictionaryfile

namespace dictionaryfile {

// The fields of a dictionary line in file order: Czech ; foreign ; pronunciation ;
// sound. A line with fewer than four fields gives empty text for the missing ones;
// fields after the fourth are ignored.
struct LineFields {
    QString field1, field2, field3, field4;
};
LineFields fieldsOfLine(QStringView line);

// One record from one file line (field 1 is Czech, field 2 foreign).
Tslovniky recordFromLine(QStringView line);

// The file line of a record: cz;ang;vyslovnost;zvuk.
QString lineOfRecord(const Tslovniky &record);

// Every line of the text that is not empty becomes one record, in file order.
Tpole parseDictionary(QStringView text);

// The lines of a dictionary, built afresh from its records.
QStringList dictionaryLines(const Tpole &dictionary);

// What was read of a dictionary file.
struct Loaded {
    bool empty = true; // the file holds no expression
    Tpole dictionary;  // with Contents::Records
    QStringList lines; // the file's lines as read, with Contents::Lines
    // Read as Windows-1250, though the bytes are UTF-8 with letters beyond ASCII (a
    // dictionary made by another tool): the window offers to read it as UTF-8.
    bool looksUtf8 = false;
    // Read as UTF-8: the characters Windows-1250 cannot hold, each replaced by "?".
    QString replaced;
};
// The text encoding a dictionary file is read in: its own Windows-1250, or UTF-8 for a
// file from another tool (a byte-order mark is skipped).
enum class Encoding { Windows1250, Utf8 };
// What of a dictionary file a reader wants: its records, its lines, or both. A
// 100,000-line dictionary is read without holding the lines it does not want.
enum class Contents { Records = 1, Lines = 2, Both = 3 };
// What a dictionary file may hold. A file beyond them is refused with a message (a
// stranger's file must not exhaust the memory or hang a window's text layout).
struct Limits {
    qint64 fileBytes = qint64(256) << 20;
    qsizetype lineBytes = 4096;
    qsizetype lines = 2'000'000;
};
// Empty lines are left out: they hold no expression (the program never writes one),
// and a file of nothing but line breaks is an empty dictionary. A file with a zero byte
// is not a text and is refused.
// A failure is the Czech message naming the file.
Result<Loaded> readDictionaryFile(const QString &path, Contents contents = Contents::Both,
                                  const Limits &limits = {},
                                  Encoding encoding = Encoding::Windows1250);
// The same for the bytes of a file; it fails (with the reason, without a file name) only
// when a limit is passed or the bytes are not a text.
Result<Loaded> parseDictionaryFile(QByteArrayView bytes, Contents contents = Contents::Both,
                                   const Limits &limits = {},
                                   Encoding encoding = Encoding::Windows1250);

// Whether the bytes are UTF-8 holding at least one character beyond ASCII: never the
// case for a Czech text in Windows-1250, whose letters are single bytes that UTF-8
// cannot start or continue with in that order.
bool looksLikeUtf8(QByteArrayView bytes);

// The meanings of a field: its text cut at "+".
inline trozdelenenac meanings(QStringView field) {
    return rozreteznac(field, u'+');
}

} // namespace dictionaryfile

namespace dictionaryfile {
// Writes every record as one line followed by CR LF, replacing the file's content.
// An empty dictionary gives a file of zero bytes.
Result<void> writeDictionaryFile(const QString &path, const Tpole &dictionary);
} // namespace dictionaryfile
