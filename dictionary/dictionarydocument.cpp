#include "dictionary/dictionarydocument.h"

#include "core/paths.h"
#include "core/textfile.h"
#include "dictionary/collatedorder.h"
#include "dictionary/slovnik.h"

#include <QHash>
#include <QUndoCommand>

#include <algorithm>
#include <utility>

// A step of the history. It holds only what it changes (a record and its row; an import
// the dictionary it replaced), so that undoing it in a million expressions costs what the
// change itself did.
class DictionaryDocument::Step : public QUndoCommand {
public:
    Step(DictionaryDocument &document, const QString &text)
        : QUndoCommand(text), m_document(document) {}
    // The records this step holds for its undo or redo.
    virtual void forEachRecord(const std::function<void(Tslovniky &)> &visit) = 0;

protected:
    DictionaryDocument &m_document;
    DictionaryModel &model() { return m_document.m_model; }
};

// An expression added (at the end) and taken out again.
class DictionaryDocument::Insertion final : public Step {
public:
    Insertion(DictionaryDocument &document, int row, Tslovniky record)
        : Step(document, QStringLiteral("Přidání výrazu")), m_row(row), m_record(std::move(record)),
          m_blankRow(document.m_model.blankRow()) {}
    void redo() override {
        model().insert(m_row, m_record);
        m_document.stepTaken(m_row);
    }
    void undo() override {
        model().take(m_row);
        // A new dictionary shows its empty row again.
        model().setBlankRow(m_blankRow);
        m_document.stepTaken(m_row);
    }
    void forEachRecord(const std::function<void(Tslovniky &)> &visit) override { visit(m_record); }

private:
    int m_row;
    Tslovniky m_record;
    bool m_blankRow;
};

// An expression deleted and put back where it was.
class DictionaryDocument::Removal final : public Step {
public:
    Removal(DictionaryDocument &document, int row)
        : Step(document, QStringLiteral("Odebrání výrazu")), m_row(row),
          m_blankRow(document.m_model.blankRow()) {}
    void redo() override {
        m_record = model().take(m_row);
        m_document.stepTaken(m_row);
    }
    void undo() override {
        model().insert(m_row, m_record);
        model().setBlankRow(m_blankRow);
        m_document.stepTaken(m_row);
    }
    void forEachRecord(const std::function<void(Tslovniky &)> &visit) override { visit(m_record); }

private:
    int m_row;
    Tslovniky m_record; // while deleted
    bool m_blankRow;
};

// An expression changed, and changed back.
class DictionaryDocument::Edit final : public Step {
public:
    Edit(DictionaryDocument &document, int row, Tslovniky record)
        : Step(document, QStringLiteral("Úprava výrazu")), m_row(row), m_other(std::move(record)) {}
    void redo() override { exchange(); }
    void undo() override { exchange(); }
    void forEachRecord(const std::function<void(Tslovniky &)> &visit) override { visit(m_other); }

private:
    void exchange() {
        Tslovniky now = m_document.m_records[m_row];
        model().setRecord(m_row, m_other);
        m_other = std::move(now);
        m_document.stepTaken(m_row);
    }
    int m_row;
    Tslovniky m_other; // the record as it is not now: the new one before redo, the old one after
};

// The whole dictionary replaced by an import, and given back: the records (moved, not
// copied), the empty row and the file's name.
class DictionaryDocument::Exchange final : public Step {
public:
    Exchange(DictionaryDocument &document, Tpole records)
        : Step(document, QStringLiteral("Import slovníku")), m_records(std::move(records)),
          m_path(dictionaryfile::kNewDictionaryName) {}
    void redo() override { exchange(); }
    void undo() override { exchange(); }
    void forEachRecord(const std::function<void(Tslovniky &)> &visit) override {
        for (qsizetype row = 0; row < m_records.size(); ++row)
            visit(m_records[row]);
    }

private:
    void exchange() {
        model().exchange(m_records, m_blankRow);
        const QString path = m_document.path();
        m_document.takeName(m_path);
        m_path = path;
        m_document.stepTaken(-1);
    }
    RecordList m_records; // the dictionary not shown now
    bool m_blankRow = true;
    QString m_path; // its file
};

// The records sorted, and put back in the order they had.
class DictionaryDocument::Reordering final : public Step {
public:
    Reordering(DictionaryDocument &document, std::vector<int> order)
        : Step(document, QStringLiteral("Seřazení slovníku")), m_order(std::move(order)) {}
    void redo() override {
        model().reorder(m_order);
        m_document.stepTaken(kReordered);
    }
    void undo() override {
        std::vector<int> back(m_order.size());
        for (size_t i = 0; i < m_order.size(); ++i)
            back[size_t(m_order[i])] = int(i);
        model().reorder(back);
        m_document.stepTaken(kReordered);
    }
    void forEachRecord(const std::function<void(Tslovniky &)> &) override {}

private:
    std::vector<int> m_order; // the row each place takes its record from
};

DictionaryDocument::DictionaryDocument(QObject *parent)
    : QObject(parent), m_model(m_records, DictionaryModel::Style::Editor),
      m_fileName(dictionaryfile::kNewDictionaryName) {}

void DictionaryDocument::append(const Tslovniky &record) {
    m_history.push(new Insertion(*this, count(), record));
}

void DictionaryDocument::remove(int row) {
    if (row < 0 || row >= count())
        return;
    m_history.push(new Removal(*this, row));
}

void DictionaryDocument::setRecord(int row, const Tslovniky &record) {
    if (row < 0 || row >= count() || m_records[row] == record)
        return;
    m_history.push(new Edit(*this, row, record));
}

void DictionaryDocument::sortBy(int field) {
    std::vector<int> order = CollatedOrder().sorted(m_records, field);
    if (std::is_sorted(order.begin(), order.end()))
        return; // already in that order: no step
    m_history.push(new Reordering(*this, std::move(order)));
}

void DictionaryDocument::startNew() {
    m_history.clear();
    m_model.replace({}, true);
    takeName(dictionaryfile::kNewDictionaryName);
    emit changed();
}

void DictionaryDocument::takeOpened(Tpole records, const QString &path) {
    m_history.clear();
    m_model.replace(std::move(records), true);
    takeName(path);
    emit changed();
}

void DictionaryDocument::takeImported(Tpole records) {
    // The import is the first step; undone, it leaves the dictionary as modified as it was.
    const bool modified = isModified();
    m_history.clear();
    if (modified)
        m_history.resetClean();
    m_history.push(new Exchange(*this, std::move(records)));
}

void DictionaryDocument::undo() {
    if (!m_history.canUndo())
        return;
    m_history.undo();
    emit stepped(m_steppedRow);
}

void DictionaryDocument::redo() {
    if (!m_history.canRedo())
        return;
    m_history.redo();
    emit stepped(m_steppedRow);
}

bool DictionaryDocument::isNew() const {
    return paths::asciiLower(m_fileName) == dictionaryfile::kNewDictionaryName;
}

Result<void> DictionaryDocument::saveTo(const QString &path, const QString &tempFolder,
                                        SoundReport &sounds) {
    sounds = {};
    if (m_backups)
        m_backups->keep(path); // a failed backup is told by the store; the save goes on
    const editor::SoundMoveResult moved = editor::moveSounds(m_records, path, tempFolder);
    const Result<void> written = dictionaryfile::writeDictionaryFile(path, m_records);
    sounds.notMoved = moved.failed;
    if (!written) {
        // The file on disk still names the sounds where they were: so do the records.
        sounds.notMovedBack = editor::undoSoundMoves(m_records, moved);
        m_model.recordsChanged();
        return written;
    }
    m_model.recordsChanged();
    sounds.moved = moved.changed;
    // A record the history brings back finds a moved recording in its new place.
    if (!moved.changed.isEmpty()) {
        QHash<QString, QString> movedTo;
        for (const editor::SoundMoveResult::RecordChange &change : moved.changed)
            movedTo.insert(change.zvuk, m_records[change.record].zvuk);
        forEachHeldRecord([&](Tslovniky &record) {
            if (const auto to = movedTo.constFind(record.zvuk); to != movedTo.constEnd())
                record.zvuk = *to;
        });
    }
    m_history.setClean();
    takeName(path);
    emit saved(path);
    return written;
}

bool DictionaryDocument::usesSound(const QString &sound) const {
    if (std::any_of(m_records.begin(), m_records.end(),
                    [&](const Tslovniky &record) { return record.zvuk == sound; }))
        return true;
    bool held = false;
    forEachHeldRecord([&](const Tslovniky &record) { held = held || record.zvuk == sound; });
    return held;
}

void DictionaryDocument::addSoundHolder(std::function<QStringList()> holder) {
    m_soundHolders.push_back(std::move(holder));
}

QStringList DictionaryDocument::soundsInUse() const {
    QStringList found;
    found.reserve(m_records.size());
    for (const Tslovniky &record : m_records)
        found.append(record.zvuk);
    forEachHeldRecord([&](const Tslovniky &record) { found.append(record.zvuk); });
    for (const std::function<QStringList()> &holder : m_soundHolders)
        found.append(holder());
    return found;
}

void DictionaryDocument::takeName(const QString &path) {
    const QString before = this->path();
    m_fileName = paths::fileNamePart(path);
    m_folder = paths::folderPart(path);
    if (this->path() != before)
        emit renamed(m_fileName);
}

void DictionaryDocument::stepTaken(int row) {
    m_steppedRow = row;
    emit changed();
}

void DictionaryDocument::forEachHeldRecord(
    const std::function<void(const Tslovniky &)> &visit) const {
    // The steps belong to this document; reading them changes nothing.
    const_cast<DictionaryDocument *>(this)->forEachHeldRecord(
        [&](Tslovniky &record) { visit(record); });
}

void DictionaryDocument::forEachHeldRecord(const std::function<void(Tslovniky &)> &visit) {
    for (int i = 0; i < m_history.count(); ++i)
        static_cast<Step *>(const_cast<QUndoCommand *>(m_history.command(i)))->forEachRecord(visit);
}
