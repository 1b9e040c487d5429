#include "dictionary/dictionarydocument.h"

#include "core/paths.h"
#include "core/textfile.h"
#include "dictionary/collatedorder.h"
#include "dictionary/slovnik.h"

#include <QDir>
#include <QHash>
#include <QSet>
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
        // The picture goes with changed texts, and back with the undo.
        const picturefile::Key from{now.ang, now.cz};
        const picturefile::Key to{m_other.ang, m_other.cz};
        if (!m_undoing)
            m_pictureMoved = from != to && m_document.movePicture(from, to);
        else if (m_pictureMoved)
            m_document.movePicture(from, to);
        m_undoing = !m_undoing;
        model().setRecord(m_row, m_other);
        m_other = std::move(now);
        m_document.stepTaken(m_row);
    }
    int m_row;
    Tslovniky m_other; // the record as it is not now: the new one before redo, the old one after
    bool m_undoing = false;
    bool m_pictureMoved = false;
};

// A picture given to an expression's texts, changed or taken away, and back.
class DictionaryDocument::PictureChange final : public Step {
public:
    PictureChange(DictionaryDocument &document, int row, Picture picture)
        : Step(document, picture.isNull() ? QStringLiteral("Odebrání obrázku")
                                          : QStringLiteral("Změna obrázku")),
          m_row(row), m_key{document.m_records[row].ang, document.m_records[row].cz},
          m_other(std::move(picture)) {}
    void redo() override { exchange(); }
    void undo() override { exchange(); }
    void forEachRecord(const std::function<void(Tslovniky &)> &) override {}

private:
    void exchange() {
        Picture now = m_document.m_pictures.value(m_key);
        if (m_other.isNull())
            m_document.m_pictures.remove(m_key);
        else
            m_document.m_pictures.insert(m_key, m_other);
        m_other = std::move(now);
        model().setPictureColumn(!m_document.m_pictures.isEmpty());
        model().recordChanged(m_row);
        m_document.stepTaken(m_row);
    }
    int m_row;
    picturefile::Key m_key;
    Picture m_other;
};

// The whole dictionary replaced by an import, and given back: the records (moved, not
// copied), the empty row and the file's name.
class DictionaryDocument::Exchange final : public Step {
public:
    Exchange(DictionaryDocument &document, Tpole records, QHash<picturefile::Key, Picture> pictures)
        : Step(document, QStringLiteral("Import slovníku")), m_records(std::move(records)),
          m_pictures(std::move(pictures)), m_path(dictionaryfile::kNewDictionaryName) {}
    void redo() override { exchange(); }
    void undo() override { exchange(); }
    void forEachRecord(const std::function<void(Tslovniky &)> &visit) override {
        for (qsizetype row = 0; row < m_records.size(); ++row)
            visit(m_records[row]);
    }

private:
    void exchange() {
        // The other dictionary's pictures, the lines of its picture file this version does
        // not use, and whether that file could be read, go with it.
        std::swap(m_document.m_pictures, m_pictures);
        std::swap(m_document.m_otherPictureLines, m_otherPictureLines);
        std::swap(m_document.m_picturesUnreadable, m_picturesUnreadable);
        model().setPictureColumn(!m_document.m_pictures.isEmpty());
        model().exchange(m_records, m_blankRow);
        const QString path = m_document.path();
        m_document.takeName(m_path);
        m_path = path;
        m_document.stepTaken(-1);
    }
    RecordList m_records;                        // the dictionary not shown now
    QHash<picturefile::Key, Picture> m_pictures; // and its pictures
    QStringList m_otherPictureLines;
    bool m_picturesUnreadable = false;
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
    m_pictures.clear();
    m_otherPictureLines.clear();
    m_picturesUnreadable = false;
    m_model.setPictureColumn(false);
    m_model.replace({}, true);
    takeName(dictionaryfile::kNewDictionaryName);
    emit changed();
}

QString DictionaryDocument::takeOpened(Tpole records, const QString &path) {
    m_history.clear();
    m_pictures.clear();
    m_otherPictureLines.clear();
    m_picturesUnreadable = false;
    QString message;
    Result<picturefile::Pictures> read =
        picturefile::readPicturesFile(picturefile::picturesPath(path));
    if (!read) {
        m_picturesUnreadable = true;
        message = read.error() +
                  QStringLiteral(" Slovník se otevře bez obrázků a soubor zůstane, jak je.");
    } else {
        m_pictures.reserve(read->files.size());
        for (auto file = read->files.cbegin(); file != read->files.cend(); ++file)
            m_pictures.insert(file.key(), Picture{file.value(), {}, {}});
        m_otherPictureLines = read->otherLines;
        if (read->refusedNames > 0)
            message = QStringLiteral("Seznam obrázků slovníku jmenuje %1 souborů mimo složku "
                                     "slovníku nebo s nepovoleným jménem; ty se nezobrazí.")
                          .arg(read->refusedNames);
    }
    m_model.replace(std::move(records), true);
    m_model.setPictureColumn(!m_pictures.isEmpty());
    takeName(path);
    emit changed();
    return message;
}

void DictionaryDocument::takeImported(Tpole records, QHash<picturefile::Key, Picture> pictures) {
    // The import is the first step; undone, it leaves the dictionary as modified as it was.
    const bool modified = isModified();
    m_history.clear();
    if (modified)
        m_history.resetClean();
    m_history.push(new Exchange(*this, std::move(records), std::move(pictures)));
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
    sounds.pictures = savePictures(path);
    m_history.setClean();
    takeName(path);
    emit saved(path);
    return written;
}

DictionaryDocument::Picture DictionaryDocument::pictureOf(int row) const {
    if (row < 0 || row >= count() || m_pictures.isEmpty())
        return {};
    const Tslovniky &record = m_records[row];
    return m_pictures.value({record.ang, record.cz});
}

void DictionaryDocument::setPicture(int row, const Picture &picture) {
    if (row < 0 || row >= count() || pictureOf(row) == picture)
        return;
    m_history.push(new PictureChange(*this, row, picture));
}

QString DictionaryDocument::picturePath(const Picture &picture) const {
    if (picture.file.isEmpty() || m_pictureFolder.isEmpty() ||
        !picturefile::isPictureName(picture.file))
        return {};
    const QString path = m_pictureFolder + u'/' + picture.file;
    return editor::livesIn(path, m_pictureFolder) ? path : QString();
}

bool DictionaryDocument::movePicture(const picturefile::Key &from, const picturefile::Key &to) {
    const auto found = m_pictures.constFind(from);
    if (found == m_pictures.constEnd() || m_pictures.contains(to))
        return false;
    const Picture picture = *found;
    m_pictures.erase(found);
    m_pictures.insert(to, picture);
    return true;
}

namespace {

// A file name for a new picture of an expression: its foreign text in letters, digits
// and "_" (at most 40 of them), else "obrazek".
QString pictureBase(const QString &foreign) {
    QString base;
    for (const QChar c : foreign) {
        if (base.size() == 40)
            break;
        base.append(c.isLetterOrNumber() && c.unicode() < 0x17F ? c : u'_');
    }
    return base.isEmpty() || base.startsWith(u'.') ? QStringLiteral("obrazek") : base;
}

} // namespace

QString DictionaryDocument::savePictures(const QString &path) {
    const QString sidePath = picturefile::picturesPath(path);
    const bool samePlace = QDir::cleanPath(path) == QDir::cleanPath(this->path());
    if (m_picturesUnreadable && samePlace) {
        // The unreadable file stays as it is; pictures taken in wait for another name.
        const bool waiting = std::any_of(m_pictures.cbegin(), m_pictures.cend(),
                                         [](const Picture &p) { return !p.pending.isEmpty(); });
        if (!waiting)
            return {};
        return QStringLiteral("Obrázky se neuložily: seznam obrázků „%1“ nešlo načíst a zůstává, "
                              "jak je. Uložte slovník pod jiným jménem.")
            .arg(QDir::toNativeSeparators(sidePath));
    }
    if (m_pictures.isEmpty() && m_otherPictureLines.isEmpty() && !editor::occupied(sidePath))
        return {}; // no picture file appears where there are no pictures
    QSet<picturefile::Key> inDictionary;
    inDictionary.reserve(m_pictures.size());
    for (const Tslovniky &record : m_records) {
        picturefile::Key key{record.ang, record.cz};
        if (m_pictures.contains(key))
            inDictionary.insert(std::move(key));
    }
    const QString base = editor::soundFolderBase(paths::fileNamePart(path));
    const QString targetFolder =
        inDictionary.isEmpty() ? QString() : editor::soundFolder(paths::folderPart(path), base);
    QStringList failed;
    picturefile::Pictures written;
    written.otherLines = m_otherPictureLines;
    QHash<QString, QString> copiedTo; // a file of the old folder -> its name in the new one
    for (auto it = m_pictures.begin(); it != m_pictures.end(); ++it) {
        if (!inDictionary.contains(it.key()))
            continue;
        Picture &picture = it.value();
        if (targetFolder.isEmpty()) {
            failed.append(it.key().foreign);
            continue;
        }
        if (!picture.pending.isEmpty()) {
            const QString to = editor::freePath(targetFolder, pictureBase(it.key().foreign) + u'.' +
                                                                  picture.extension);
            if (const Result<void> saved = textfile::saveFile(to, picture.pending); !saved) {
                failed.append(saved.error());
                continue;
            }
            picture = Picture{paths::fileNamePart(to), {}, {}};
        } else if (QDir::cleanPath(targetFolder) != QDir::cleanPath(m_pictureFolder)) {
            // Save As elsewhere: the picture comes along, one copy of a file however many
            // expressions share it.
            if (const auto copied = copiedTo.constFind(picture.file); copied != copiedTo.cend()) {
                picture.file = *copied;
            } else {
                const QString from = picturePath(picture);
                const Result<QByteArray> bytes = from.isEmpty()
                                                     ? Result<QByteArray>(Failure{picture.file})
                                                     : textfile::readBytes(from);
                const QString to = editor::freePath(targetFolder, picture.file);
                const Result<void> saved =
                    bytes ? textfile::saveFile(to, *bytes) : Result<void>(Failure{bytes.error()});
                if (!saved) {
                    failed.append(saved.error());
                    continue;
                }
                copiedTo.insert(picture.file, paths::fileNamePart(to));
                picture.file = paths::fileNamePart(to);
            }
        }
        written.files.insert(it.key(), picture.file);
    }
    if (!targetFolder.isEmpty())
        m_pictureFolder = targetFolder;
    if (const Result<void> saved = picturefile::writePicturesFile(sidePath, written); !saved)
        failed.append(saved.error());
    else
        m_picturesUnreadable = false;
    if (failed.isEmpty())
        return {};
    return QStringLiteral("Tyto obrázky se nepodařilo uložit:\n") + failed.join(u'\n');
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
        m_pictureFolder =
            editor::existingSoundFolder(m_folder, editor::soundFolderBase(m_fileName));
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
