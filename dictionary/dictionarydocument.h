#pragma once

#include "core/backups.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/editorlogic.h"
#include "dictionary/picturefile.h"
#include "dictionary/recordlist.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <vector>

// The dictionary the editor works on: its records (and their list model for the grid),
// the file it belongs to and whether it changed since it was opened, started or saved.
// Every change of the records goes through here, as a step that can be undone; windows
// show it and ask it, none holds the records itself.
class DictionaryDocument final : public QObject {
    Q_OBJECT
public:
    // The picture of an expression: a file in the dictionary's sound folder, or one taken
    // in since the last save (its bytes, written there by the next save).
    struct Picture {
        QString file;
        QByteArray pending;
        QString extension; // of the pending bytes
        bool isNull() const { return file.isEmpty() && pending.isEmpty(); }
        friend bool operator==(const Picture &a, const Picture &b) {
            return a.file == b.file && a.pending == b.pending;
        }
    };

    explicit DictionaryDocument(QObject *parent = nullptr);

    static constexpr int kReordered = -2;

    const RecordList &records() const { return m_records; }
    int count() const { return int(m_records.size()); }
    bool isEmpty() const { return m_records.isEmpty(); }
    // The records as the editor's grid shows them.
    DictionaryModel *model() { return &m_model; }
    const DictionaryModel *model() const { return &m_model; }

    // Changes of the records; each is a step of the undo history and marks the dictionary
    // modified (an edit that changes nothing is no step).
    void append(const Tslovniky &record);
    void remove(int row);
    void setRecord(int row, const Tslovniky &record);
    // Puts the records in the Czech order of one field's text (0 foreign, 1 Czech,
    // 2 pronunciation, 3 sound) as one step; the file is written in that order.
    void sortBy(int field);

    // A new dictionary ("novyslovnik.slv", not saved yet, not modified), with no history.
    void startNew();
    // The records of the file at `path`, just read: not modified, no history. Its picture
    // file is read too; a Czech message when it cannot be (the file is then never written
    // over, and the dictionary opens without pictures).
    QString takeOpened(Tpole records, const QString &path);
    // Records from elsewhere (an import) as a new, modified dictionary. The history starts
    // anew with the import as its one step, whose undo gives back the dictionary as it
    // was (its records, name and modified state).
    // The pictures of its expressions (taken in, waiting for the save) come with it.
    void takeImported(Tpole records, QHash<picturefile::Key, Picture> pictures = {});

    // The steps of the records' changes since the dictionary was opened, started or
    // imported; the dictionary is modified unless the history stands where it was saved.
    // Its texts name the steps ("Odebrání výrazu").
    const QUndoStack &history() const { return m_history; }
    // Undoes or redoes one step (none when there is nothing to undo or redo) and tells
    // which record it changed (`stepped`).
    void undo();
    void redo();

    // The file's name (spelled as on disk), its folder, and both together once it has
    // been saved or opened from there.
    QString fileName() const { return m_fileName; }
    QString folder() const { return m_folder; }
    QString path() const { return m_folder + m_fileName; }
    // Not saved anywhere yet: saving asks for a name.
    bool isNew() const;
    bool isModified() const { return !m_history.isClean(); }

    // What a save did with the recordings, whether the file was written or not.
    struct SoundReport {
        QStringList notMoved;     // recordings that stayed where they were
        QStringList notMovedBack; // after a failed write: recordings left beside the file
        QList<editor::SoundMoveResult::RecordChange> moved; // where recordings went
        QString pictures; // why the pictures could not all be saved (empty: they were)
    };
    // Moves the recordings waiting in `tempFolder` beside the file and writes it; when the
    // file cannot be written (the Czech message) the recordings go back, so that the file
    // on disk and the sounds agree. A written file is the dictionary's file from then on.
    Result<void> saveTo(const QString &path, const QString &tempFolder, SoundReport &sounds);
    // Where a save keeps the file's earlier version first (none: no backups).
    void setBackups(BackupStore *backups) { m_backups = backups; }

    // The picture of the expression at `row` (none: a null picture).
    Picture pictureOf(int row) const;
    // Gives the expression at `row` a picture, or takes its picture away (a null one): a
    // step of the history. The picture belongs to the expression's foreign and Czech text.
    void setPicture(int row, const Picture &picture);
    // The file a picture names, when it is a file directly in the dictionary's sound
    // folder (a name from the picture file is never followed anywhere else); else empty.
    QString picturePath(const Picture &picture) const;
    // How many expressions' texts the pictures belong to (also those of deleted ones).
    qsizetype pictureCount() const { return m_pictures.size(); }

    // Whether an expression has this sound, or one that an undo or redo can bring back.
    bool usesSound(const QString &sound) const;
    // A window's fields that hold sounds not yet in an expression (a recording just made)
    // name them here, so that they are kept with the records' own.
    void addSoundHolder(std::function<QStringList()> holder);
    // Every sound the records, the history's steps and the holders name: the recordings
    // not to be thrown away.
    QStringList soundsInUse() const;

signals:
    // The records changed (not through a save's moved recordings).
    void changed();
    // The dictionary was written to `path`.
    void saved(const QString &path);
    // The dictionary's file is another one (opened, saved elsewhere, started anew).
    void renamed(const QString &fileName);
    // An undo or redo changed the record at `row`, or removed the record that was there;
    // -1: it gave the whole dictionary back (an import undone or redone); kReordered: the
    // same records in another order.
    void stepped(int row);

private:
    class Step;
    class Insertion;
    class Removal;
    class Edit;
    class Exchange;
    class Reordering;
    class PictureChange;

    void takeName(const QString &path);
    // After the dictionary was written to `path`: the pending pictures written into its
    // sound folder, those of another folder copied there (Save As), and the picture file.
    QString savePictures(const QString &path);
    // Moves a picture from one expression's texts to another's when the latter has none;
    // whether it did.
    bool movePicture(const picturefile::Key &from, const picturefile::Key &to);
    // A step changed the record at `row` (-1: all of them).
    void stepTaken(int row);
    // Every record the history's steps hold (to read, or to change the sounds a save moved).
    void forEachHeldRecord(const std::function<void(const Tslovniky &)> &visit) const;
    void forEachHeldRecord(const std::function<void(Tslovniky &)> &visit);

    RecordList m_records;
    DictionaryModel m_model;
    QString m_fileName;
    QString m_folder;
    QUndoStack m_history;
    int m_steppedRow = -1;
    BackupStore *m_backups = nullptr;
    std::vector<std::function<QStringList()>> m_soundHolders;
    QHash<picturefile::Key, Picture> m_pictures;
    QStringList m_otherPictureLines;
    // The picture file beside the dictionary could not be read: it is not written over.
    bool m_picturesUnreadable = false;
    QString m_pictureFolder; // the sound folder the pictures' files are in, when there is one
};
