#pragma once

#include "dictionary/slovnik.h"

#include <QString>
#include <QStringList>

// The rules of the expression editor that need no window: what a typed text becomes
// in an entry field, and moving a dictionary's sounds beside it when it is saved.
namespace editor {

// How an entry field treats what is typed into it.
struct FieldRules {
    bool upperCase = false;      // "Psát vše velkými písmeny"
    bool semicolonToPlus = true; // the foreign and Czech fields: ";" joins meanings as "+"
    bool keepSemicolon = false;  // a field that is never saved (an answer) keeps it
};

// The text of an entry field after typing. A ";" would cut the dictionary line when it
// is read back, so no saved field keeps one: it becomes "+" where the field joins
// meanings and is dropped elsewhere. Upper-case mode makes every letter upper case
// that Windows-1250 can hold in upper case.
QString fieldText(const QString &typed, const FieldRules &rules);

// The base of a dictionary's sound folder: its file name up to, not including, the
// first "." (the whole name when it has none).
QString soundFolderBase(const QString &dictionaryFileName);

// The sound folder of a dictionary in `dictionaryFolder` (ending with a separator):
// an existing folder whose name equals `base` regardless of letter case keeps its
// spelling (the exact spelling first, then the upper-case one); otherwise the folder
// is created in upper case. Returns the folder's path without a trailing separator,
// or an empty text when it neither exists nor can be created.
QString soundFolder(const QString &dictionaryFolder, const QString &base);

struct SoundMoveResult {
    int moved = 0;
    QStringList failed; // sound files that could not be moved; their records keep them
};

// Moves the sound of every record whose `zvuk` is not "NENÍ" into the sound folder of
// the dictionary saved at `dictionaryPath`, and points `zvuk` at the moved file (in the
// platform's native spelling). A file of the same name already in the folder is
// replaced. A sound that cannot be moved keeps its old path, so no record points to a
// file that does not exist; a record whose sound an earlier record of this save has
// already moved gets the moved file's path.
SoundMoveResult moveSounds(Tpole &dictionary, const QString &dictionaryPath);

} // namespace editor
