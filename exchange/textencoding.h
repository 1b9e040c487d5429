#pragma once

#include "core/result.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The text encodings of files that other programs and spreadsheets write: UTF-8 (with
// or without a byte-order mark), UTF-16 with a byte-order mark, Windows-1250 and
// ISO 8859-2. Each decoder is the program's own, so that no code page depends on how
// Qt was built.
namespace exchange {

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1250, Iso8859_2 };

// "UTF-8", "UTF-16", "Windows-1250", "ISO 8859-2".
QString encodingName(Encoding encoding);

// A failure (Czech) when the bytes are no text in that encoding.
struct DecodedText {
    QString text;
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
};

// Finds the encoding: a byte-order mark first; bytes that are valid UTF-8 are UTF-8;
// otherwise the detector uchardet tells Windows-1250 from ISO 8859-2 (bytes 0x80-0x9F,
// which ISO 8859-2 gives to control characters, always mean Windows-1250). Bytes with a
// zero byte and no UTF-16 byte-order mark are no text.
Result<DecodedText> decodeText(QByteArrayView bytes);

// Decodes in the given encoding (the user's choice); a byte-order mark of that encoding
// is skipped.
Result<DecodedText> decodeTextAs(QByteArrayView bytes, Encoding encoding);

// ISO 8859-2 (Latin-2) decoding, every byte to one character.
QString decodeIso8859_2(QByteArrayView bytes);

} // namespace exchange
