#pragma once

#include <QString>
#include <QStringView>

// Pronunciations are typed with the keys "0" to "9", "!" and "@", which the phonetic font
// VokabFont draws as phonetic symbols.
namespace phonetic {

// The pronunciation with each of those keys replaced by the symbol the font draws for it
// (θ ɪ ʊ ʒ æ ʃ ð ʌ ŋ ɒ ɔ ə); every other character stays. The font draws these characters
// as it draws their keys, and a printout that carries them reads as the symbols.
QString symbols(QStringView pronunciation);

} // namespace phonetic
