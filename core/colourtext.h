#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// A colour as text, as the settings store it. Colours are 0x00BBGGRR values: blue in
// the third byte from the right, red in the lowest.
namespace colourtext {

struct NamedColour {
    const char *name;
    quint32 value;
};

// The twenty colours that are stored by name ("clBlack" ... "clMedGray").
const NamedColour *namedColours(int *count);

// The colour's name when it has one, otherwise "$" and eight upper-case hex digits.
QString toText(quint32 colour);

// Reads a name (letter case ignored) or "$" with one to eight hex digits. Nothing
// for anything else, and for values above 0x00FFFFFF, which are not plain colours.
std::optional<quint32> fromText(const QString &text);

} // namespace colourtext
