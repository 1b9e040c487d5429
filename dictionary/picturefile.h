#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

class RecordList;

// Which expression of a dictionary has which picture, kept in a file beside it
// (zvirata.slv → zvirata.vko), never in the dictionary itself. UTF-8, CR LF; the first
// line "VOKAB-PICTURES 1" names the format and its version; then one line per
// expression with a picture:
//
//   P <tab> foreign <tab> Czech <tab> file name
//
// ("\\", tab, CR and LF in the texts written as \\ \t \r \n). The picture files live in
// the dictionary's sound folder, and a line names a file there by its bare name: a name
// with a folder in it, a drive, "." or "..", a control character or an extension that
// is not a picture's is never used (the line is kept as it is, like a line of a later
// version, so that writing the file again loses nothing). An expression is known by its
// foreign and Czech text, so reordering, merging or editing the rest of the dictionary
// keeps its picture.
namespace picturefile {

inline constexpr int kVersion = 1;

struct Key {
    QString foreign;
    QString czech;
    friend bool operator==(const Key &, const Key &) = default;
    friend bool operator<(const Key &a, const Key &b) {
        return a.foreign != b.foreign ? a.foreign < b.foreign : a.czech < b.czech;
    }
};
size_t qHash(const Key &key, size_t seed = 0) noexcept;

// Whether `name` may name a picture file in the sound folder: a bare file name of at
// most 200 characters with the extension .png, .jpg, .jpeg, .webp or .gif (any letter
// case), without a separator, a drive's colon, a control character, and not starting
// with a dot.
bool isPictureName(QStringView name);

struct Pictures {
    QHash<Key, QString> files; // the picture file's name in the sound folder
    // Lines this version does not use (a later version's, or naming no allowed file), in
    // file order.
    QStringList otherLines;
    // How many of otherLines are pictures' lines whose file name was refused.
    qsizetype refusedNames = 0;
    friend bool operator==(const Pictures &a, const Pictures &b) {
        return a.files == b.files && a.otherLines == b.otherLines;
    }
};

// The picture file of a dictionary: its name with the extension ".vko" instead of ".slv"
// (or added, when it has none).
QString picturesPath(const QString &dictionaryPath);

struct Limits {
    qint64 fileBytes = qint64(64) << 20;
    qsizetype lineBytes = 16 * 1024;
    qsizetype lines = 2'000'000;
};

// Reads the bytes of a picture file (untrusted: never throws, refuses what passes the
// limits, is not UTF-8 text or has no header of ours or a later version). An empty file
// holds no pictures. Of two lines of the same expression the later wins. A refusal is
// Czech.
Result<Pictures> parsePictures(QByteArrayView bytes, const Limits &limits = {});
// The same for a file; the message names it. A file that is not there holds no pictures.
Result<Pictures> readPicturesFile(const QString &path, const Limits &limits = {});

// The bytes of a picture file: the header, the other lines, then one line per
// expression, in the order of their texts.
QByteArray picturesBytes(const Pictures &pictures);
// Writes the file through the program's safe save.
Result<void> writePicturesFile(const QString &path, const Pictures &pictures);

// The picture files of the dictionary at `dictionaryPath` by their expressions' texts:
// each an existing file directly in its sound folder (editor::livesIn), nothing else. A
// picture file that cannot be read gives none and its Czech message in `problem`.
QHash<Key, QString> pictureFilesOf(const QString &dictionaryPath, QString *problem = nullptr);

// Copies the pictures of `records` (`files` by their texts, as pictureFilesOf gives them)
// into the sound folder of the dictionary at `dictionaryPath`, one copy of each file under
// a name free there, and writes its picture file; nothing when no record has a picture. A
// Czech message naming what could not be copied or written, else empty.
QString copyPictures(const QString &dictionaryPath, const RecordList &records,
                     const QHash<Key, QString> &files);

} // namespace picturefile
