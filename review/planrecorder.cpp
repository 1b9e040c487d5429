#include "review/planrecorder.h"

#include "core/textfile.h"

#include <QFileInfo>

#include <utility>

namespace review {

Result<void> PlanRecorder::open(const QString &dictionaryPath) {
    close();
    const QString planFile = planPath(dictionaryPath);
    if (!QFileInfo::exists(planFile))
        return {};
    Result<Plan> read = readPlanFile(planFile);
    if (!read)
        return Failure{read.error()};
    m_plan = std::move(read).value();
    m_planFile = planFile;
    rememberFileState();
    return {};
}

void PlanRecorder::close() {
    m_planFile.clear();
    m_plan = Plan();
    m_undo.reset();
    m_modified = {};
    m_size = -1;
}

Result<void> PlanRecorder::turnOn(const QString &dictionaryPath) {
    // A plan already there (one that stopped recording after a failed write, or made by
    // another window meanwhile) is taken as it is, never written over by an empty one.
    if (QFileInfo::exists(planPath(dictionaryPath)))
        return open(dictionaryPath);
    close();
    m_planFile = planPath(dictionaryPath);
    return write();
}

Result<void> PlanRecorder::refresh() {
    if (!isOn())
        return {};
    const QFileInfo file(m_planFile);
    if (file.exists() && file.lastModified() == m_modified && file.size() == m_size)
        return {};
    const QString planFile = m_planFile;
    if (!file.exists()) {
        // The plan was deleted: the learner turned it off.
        close();
        return {};
    }
    Result<Plan> read = readPlanFile(planFile);
    if (!read) {
        close();
        return Failure{read.error()};
    }
    m_plan = std::move(read).value();
    rememberFileState();
    return {};
}

Result<void> PlanRecorder::record(const Key &key, Rating rating, QDate today,
                                  const Parameters &parameters) {
    if (Result<void> refreshed = refresh(); !refreshed || !isOn())
        return refreshed;
    std::optional<Memory> before = m_plan.heldMemoryOf(key);
    m_plan.set(key, answered(m_plan.memoryOf(key), rating, today, parameters));
    const Result<void> written = write();
    if (written)
        m_undo = Undo{key, std::move(before)};
    return written;
}

Result<void> PlanRecorder::undoLast() {
    if (!m_undo)
        return {};
    const Undo undo = *std::exchange(m_undo, std::nullopt);
    // Another window may have answered since: only this expression goes back.
    if (Result<void> refreshed = refresh(); !refreshed || !isOn())
        return refreshed;
    m_plan.restore(undo.key, undo.before);
    return write();
}

Result<void> PlanRecorder::setSuspended(const Key &key, bool suspended) {
    if (Result<void> refreshed = refresh(); !refreshed || !isOn())
        return refreshed;
    const std::optional<Entry> held = entryOf(key);
    if (!held || held->suspended == suspended)
        return {};
    m_plan.setSuspended(key, suspended);
    return write();
}

Result<void> PlanRecorder::resetMemory(const Key &key) {
    if (Result<void> refreshed = refresh(); !refreshed || !isOn())
        return refreshed;
    if (!m_plan.contains(key))
        return {};
    // The answer before can no longer be taken back into a memory that is gone.
    if (m_undo && m_undo->key == key)
        m_undo.reset();
    m_plan.forget(key);
    return write();
}

std::optional<Entry> PlanRecorder::entryOf(const Key &key) const {
    const qsizetype index = m_plan.indexOf(key.foreign, key.czech);
    return index < 0 ? std::nullopt : std::optional(m_plan.entries()[index]);
}

Result<void> PlanRecorder::forgetRemoved(const QList<bool> &inDictionary, QDate today) {
    if (!isOn() || m_plan.forgetRemoved(inDictionary, today) == 0)
        return {};
    return write();
}

Result<void> PlanRecorder::write() {
    if (m_backups)
        m_backups->keep(m_planFile); // a failed backup is told by the store, the plan saved
    const Result<void> saved = writePlanFile(m_planFile, m_plan);
    if (!saved) {
        close();
        return saved;
    }
    rememberFileState();
    return {};
}

void PlanRecorder::rememberFileState() {
    const QFileInfo file(m_planFile);
    m_modified = file.lastModified();
    m_size = file.size();
}

} // namespace review
