#pragma once

#include "core/backups.h"
#include "review/fsrs.h"
#include "review/reviewfile.h"

#include <QDateTime>
#include <QString>

#include <optional>

// The review plan of a dictionary as the windows keep it: answers count in the plan only
// when the dictionary has one (a plan file beside it, made when the learner turns the
// plan on); without one nothing is recorded and no file appears. Every answer is written
// at once; a plan file changed by another window since it was read is read again first,
// so that two windows never write over each other's answers.
namespace review {

class PlanRecorder {
public:
    // `backups` keeps the plan file's earlier version before each write (none: no backups).
    explicit PlanRecorder(BackupStore *backups = nullptr) : m_backups(backups) {}

    // Takes the plan beside the dictionary when there is one. A plan file that cannot be
    // read is left as it is and nothing is recorded; it fails with the Czech message.
    Result<void> open(const QString &dictionaryPath);
    void close();
    bool isOn() const { return !m_planFile.isEmpty(); }
    const Plan &plan() const { return m_plan; }

    // Starts a plan for the dictionary: writes an empty plan file beside it, or takes the
    // one already there (failing with the Czech message of a failed write or read).
    Result<void> turnOn(const QString &dictionaryPath);
    // Reads the plan file again when another window changed it; it fails with the Czech
    // message of a file that cannot be read (the plan then stops recording).
    Result<void> refresh();

    // Moves the expression's memory by the answer given on `today` and writes the plan;
    // it fails with the Czech message of a failed write (the plan then stops recording).
    Result<void> record(const Key &key, Rating rating, QDate today, const Parameters &parameters);
    // Whether the last answer can be taken back (one answer, while the plan records).
    bool canUndo() const { return m_undo.has_value(); }
    // Takes back the last answer recorded: the expression's memory goes back to what it
    // was before it and the plan is written at once (the file as it was, when no other
    // window answered since). Fails with the Czech message of a failed write.
    Result<void> undoLast();
    // Sets an expression aside (not asked until resumed) or resumes it, and writes the plan
    // when that changed it.
    Result<void> setSuspended(const Key &key, bool suspended);
    // Forgets what the plan knows of an expression (it is new again) and writes the plan.
    Result<void> resetMemory(const Key &key);
    // The plan's entry of an expression, when it holds one.
    std::optional<Entry> entryOf(const Key &key) const;
    // Forgets the expressions no longer in the dictionary for a long time and writes
    // the plan when that changed it.
    Result<void> forgetRemoved(const QList<bool> &inDictionary, QDate today);

private:
    Result<void> write();
    void rememberFileState();

    BackupStore *m_backups = nullptr;
    struct Undo {
        Key key;
        std::optional<Memory> before;
    };

    QString m_planFile;
    Plan m_plan;
    std::optional<Undo> m_undo;
    QDateTime m_modified;
    qint64 m_size = -1;
};

} // namespace review
