#pragma once

#include "core/backups.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/editorlogic.h"
#include "dictionary/recordlist.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The dictionary the editor works on: its records (and their list model for the grid),
// the file it belongs to and whether it changed since it was opened, started or saved.
// Every change of the records goes through here; windows show it and ask it, none holds
// the records itself.
class DictionaryDocument final : public QObject {
    Q_OBJECT
public:
    explicit DictionaryDocument(QObject *parent = nullptr);

    const RecordList &records() const { return m_records; }
    int count() const { return int(m_records.size()); }
    bool isEmpty() const { return m_records.isEmpty(); }
    // The records as the editor's grid shows them.
    DictionaryModel *model() { return &m_model; }
    const DictionaryModel *model() const { return &m_model; }

    // Changes of the records; each marks the dictionary modified.
    void append(const Tslovniky &record);
    void remove(int row);
    void setRecord(int row, const Tslovniky &record);

    // A new dictionary ("novyslovnik.slv", not saved yet, not modified).
    void startNew();
    // The records of the file at `path`, just read: not modified.
    void takeOpened(Tpole records, const QString &path);
    // Records from elsewhere (an import) as a new, modified dictionary.
    void takeImported(Tpole records);

    // The file's name (spelled as on disk), its folder, and both together once it has
    // been saved or opened from there.
    QString fileName() const { return m_fileName; }
    QString folder() const { return m_folder; }
    QString path() const { return m_folder + m_fileName; }
    // Not saved anywhere yet: saving asks for a name.
    bool isNew() const;
    bool isModified() const { return m_modified; }

    // What a save did with the recordings, whether the file was written or not.
    struct SoundReport {
        QStringList notMoved;     // recordings that stayed where they were
        QStringList notMovedBack; // after a failed write: recordings left beside the file
        QList<editor::SoundMoveResult::RecordChange> moved; // where recordings went
    };
    // Moves the recordings waiting in `tempFolder` beside the file and writes it; when the
    // file cannot be written (the Czech message) the recordings go back, so that the file
    // on disk and the sounds agree. A written file is the dictionary's file from then on.
    Result<void> saveTo(const QString &path, const QString &tempFolder, SoundReport &sounds);
    // Where a save keeps the file's earlier version first (none: no backups).
    void setBackups(BackupStore *backups) { m_backups = backups; }

    // Whether an expression has this sound.
    bool usesSound(const QString &sound) const;
    // A window's fields that hold sounds not yet in an expression (a recording just made)
    // name them here, so that they are kept with the records' own.
    void addSoundHolder(std::function<QStringList()> holder);
    // Every sound the records and the holders name: the recordings not to be thrown away.
    QStringList soundsInUse() const;

signals:
    // The records changed (not through a save's moved recordings).
    void changed();
    // The dictionary was written to `path`.
    void saved(const QString &path);
    // The dictionary's file is another one (opened, saved elsewhere, started anew).
    void renamed(const QString &fileName);

private:
    void takeName(const QString &path);
    void markModified();

    RecordList m_records;
    DictionaryModel m_model;
    QString m_fileName;
    QString m_folder;
    bool m_modified = false;
    BackupStore *m_backups = nullptr;
    std::vector<std::function<QStringList()>> m_soundHolders;
};
