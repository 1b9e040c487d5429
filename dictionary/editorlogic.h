#pragma once

#include "dictionary/recordlist.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rules of the expression editor that need no window: what a typed text becomes
// in an entry field, the names of new recordings, and moving a dictionary's recordings
// beside it when it is saved.
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
// The same folder when it exists, found as soundFolder() finds it, never created; an
// empty text when there is none.
QString existingSoundFolder(const QString &dictionaryFolder, const QString &base);

// Whether `path` names a file directly inside `folder`: a regular file, not a link,
// whose real place (links in the folders above it resolved) is in the real place of
// `folder`. A link in `folder` that points elsewhere does not live there.
bool livesIn(const QString &path, const QString &folder);

// Whether something (a file, a folder, a link, even a broken one) has this path.
bool occupied(const QString &path);

// The path in `folder` (ending with a separator or not) of a file named `fileName`
// that names nothing yet: the name itself, else the name with "_2", "_3", ... before
// its extension ("cat.wav", "cat_2.wav", "cat_3.wav").
QString freePath(const QString &folder, const QString &fileName);

// Where a new recording of a foreign expression goes in `tempFolder`: the recording
// name of the expression (wav::recordingPath), or the first free name after it, so
// that a new recording never replaces an existing file.
QString newRecordingPath(const QString &tempFolder, const QString &expression);

struct SoundMoveResult {
    struct FileMove {
        QString from;
        QString to;
    };
    struct RecordChange {
        qsizetype record;
        QString zvuk; // the record's sound before the move
    };
    QList<FileMove> files;       // in the order they were moved
    QList<RecordChange> changed; // every record whose `zvuk` now names a moved file
    QStringList failed;          // recordings that could not be moved; their records keep them
};

// Moves the recordings of a dictionary saved at `dictionaryPath` into its sound folder:
// the sound of a record is moved only when it lives directly in `tempFolder` (the
// program's Temp, where recordings wait for their dictionary); `zvuk` then names the
// moved file (in the platform's native spelling). A sound anywhere else stays where it
// is and its record keeps its path. Nothing is replaced or deleted: a recording whose
// name is taken in the sound folder gets a free name (freePath). A record whose sound an
// earlier record of this save has moved gets the moved file's path.
SoundMoveResult moveSounds(Tpole &dictionary, const QString &dictionaryPath,
                           const QString &tempFolder);
SoundMoveResult moveSounds(RecordList &dictionary, const QString &dictionaryPath,
                           const QString &tempFolder);

// Undoes moveSounds after the dictionary could not be written: every moved file goes
// back to where it was and its records get their old `zvuk` back. A file that cannot go
// back stays in the sound folder and its records keep pointing at it; those files are
// returned.
QStringList undoSoundMoves(Tpole &dictionary, const SoundMoveResult &moved);
QStringList undoSoundMoves(RecordList &dictionary, const SoundMoveResult &moved);

} // namespace editor
