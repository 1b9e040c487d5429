#include "dictionary/dictionarydocument.h"

#include "core/paths.h"
#include "core/textfile.h"
#include "dictionary/slovnik.h"

#include <algorithm>

DictionaryDocument::DictionaryDocument(QObject *parent)
    : QObject(parent), m_model(m_records, DictionaryModel::Style::Editor),
      m_fileName(dictionaryfile::kNewDictionaryName) {}

void DictionaryDocument::append(const Tslovniky &record) {
    m_model.append(record);
    markModified();
}

void DictionaryDocument::remove(int row) {
    if (row < 0 || row >= count())
        return;
    m_model.remove(row);
    markModified();
}

void DictionaryDocument::setRecord(int row, const Tslovniky &record) {
    if (row < 0 || row >= count())
        return;
    m_model.setRecord(row, record);
    markModified();
}

void DictionaryDocument::startNew() {
    m_model.replace({}, true);
    m_modified = false;
    takeName(dictionaryfile::kNewDictionaryName);
    emit changed();
}

void DictionaryDocument::takeOpened(Tpole records, const QString &path) {
    m_model.replace(std::move(records), true);
    m_modified = false;
    takeName(path);
    emit changed();
}

void DictionaryDocument::takeImported(Tpole records) {
    m_model.replace(std::move(records), true);
    takeName(dictionaryfile::kNewDictionaryName);
    markModified();
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
    m_modified = false;
    takeName(path);
    emit saved(path);
    return written;
}

bool DictionaryDocument::usesSound(const QString &sound) const {
    return std::any_of(m_records.begin(), m_records.end(),
                       [&](const Tslovniky &record) { return record.zvuk == sound; });
}

void DictionaryDocument::addSoundHolder(std::function<QStringList()> holder) {
    m_soundHolders.push_back(std::move(holder));
}

QStringList DictionaryDocument::soundsInUse() const {
    QStringList found;
    found.reserve(m_records.size());
    for (const Tslovniky &record : m_records)
        found.append(record.zvuk);
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

void DictionaryDocument::markModified() {
    m_modified = true;
    emit changed();
}
