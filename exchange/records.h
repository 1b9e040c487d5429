#pragma once

#include "dictionary/slovnik.h"
#include "exchange/delimited.h"

#include <QList>
#include <QString>

// Expressions between Vokab's dictionaries and what other programs hold: which column
// is which, pronunciations in phonetic symbols, sounds that may be kept, and texts that
// Windows-1250 cannot hold.
namespace exchange {

// Which column of a table holds what (−1: none). Without a pronunciation column every
// expression gets "[]", without a sound column "NENÍ".
struct Columns {
    int foreign = 0;
    int czech = 1;
    int pronunciation = -1;
    int sound = -1;
    bool headerRow = false; // the first row names the columns and is no expression
    friend bool operator==(const Columns &, const Columns &) = default;
};

// The header row of an export: "Cizí výraz", "Český výraz", "Výslovnost", "Zvuk".
Row headerRow();

// The columns of a table: the export's own header row when the first row is one (its
// names in any order and case), otherwise foreign, Czech, and a third column as the
// pronunciation when each of its filled cells is in brackets.
Columns guessColumns(const Table &table);

// The rows of an export: foreign, Czech, pronunciation (its keys as the phonetic symbols
// they stand for), sound, each as the dictionary holds it; the header row first when
// asked for.
Table tableOfDictionary(const Tpole &dictionary, bool withHeader);

struct Imported {
    Tpole dictionary;
    qsizetype skippedRows = 0; // rows with only one of the foreign and Czech texts
    // Sound references that name no file beside the source (or one whose path a
    // dictionary line cannot hold): those expressions get "NENÍ".
    QStringList droppedSounds;
};

// The expressions of a table. `sourceFolder` is the folder of the imported file: a
// sound is kept only when it names an existing file in that folder or below it. It fails
// (Czech) when nothing can be imported.
Result<Imported> dictionaryOfTable(const Table &table, const Columns &columns,
                                   const QString &sourceFolder);

// A pronunciation from another program: phonetic symbols become the keys the phonetic
// font draws them for (æ → "4", ɑ → "a", ː → ":"); a text without brackets gets them.
// An empty text gives "[]".
QString pronunciationFromSymbols(const QString &text);

// The full path of the file that a sound reference of an imported file names (a path
// relative to `sourceFolder`, an absolute path or a file: address), or an empty text
// when it is no regular file in that folder or below it.
QString soundBeside(const QString &reference, const QString &sourceFolder);

// A character that Windows-1250 cannot hold, what it becomes, and how often it occurs.
struct Replacement {
    QString character;
    QString replacement; // the nearest letter ("à" → "a", "æ" → "ae") or "?"
    qsizetype count = 0;
    friend bool operator==(const Replacement &, const Replacement &) = default;
};

// The characters of the expressions' texts and pronunciations that Windows-1250 cannot
// hold, in order of first appearance (imported sounds are already paths it can hold).
QList<Replacement> unencodableCharacters(const Tpole &dictionary);

// The dictionary as Windows-1250 can hold it: every such character replaced.
Tpole withReplacements(const Tpole &dictionary);

// A text as a field of a dictionary line: line breaks and tabs become spaces, ";"
// becomes "+" in the foreign and Czech fields (`meanings`) and is left out elsewhere.
QString fieldOf(const QString &text, bool meanings);

} // namespace exchange
