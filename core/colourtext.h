#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// A colour as text, as the settings store it. Colours are 0x00BBGGRR values: blue in
// the third byte from the right, red in the lowest.
namespace colourtext {

// The green and the red of right and wrong answers, of the grades "1" and "5" and of
// the recording status.
inline constexpr quint32 kGreen = 0x008000;
inline constexpr quint32 kRed = 0x0000FF;

// The colour's name when it is one of the twenty stored by name ("clBlack" ...
// "clMedGray"), otherwise "$" and eight upper-case hex digits.
QString toText(quint32 colour);

// Reads a name (letter case ignored) or "$" with one to eight hex digits. Nothing
// for anything else, and for values above 0x00FFFFFF, which are not plain colours.
std::optional<quint32> fromText(const QString &text);

} // namespace colourtext
