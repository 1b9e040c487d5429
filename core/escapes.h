#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The texts of our tab-separated side files (review plans, pictures): UTF-8 with "\\",
// tab, CR and LF written as \\ \t \r \n, so that a text never breaks its line or field.
namespace escapes {

// Appends the UTF-8 of `text` with its escapes.
void append(QByteArray &out, const QString &text);

// The bytes of a field with its escapes undone, or nothing for a broken escape.
std::optional<QByteArray> undone(QByteArrayView field);

} // namespace escapes
