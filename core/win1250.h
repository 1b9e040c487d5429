#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1250 (Central European), the code page of every text file the program
// reads and writes. All 256 byte values map to a character and back, so a file that
// is read and written again keeps its bytes.
namespace win1250 {

QString decode(QByteArrayView bytes);

// Returns false, and leaves `out` unspecified, when the text holds a character that
// Windows-1250 cannot hold; `bad` then receives the first such character.
bool encode(QStringView text, QByteArray &out, QChar *bad = nullptr);

// True when every character of the text can be written in Windows-1250.
bool canEncode(QStringView text);

// The text in upper case as far as Windows-1250 goes: a character whose capital the
// code page cannot hold (µ, whose capital is the Greek Μ) stays as it is, so that
// upper-case typing never makes a text unsavable.
QString toUpper(QStringView text);

} // namespace win1250
