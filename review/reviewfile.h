#pragma once

#include "core/result.h"
#include "review/fsrs.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct Tslovniky;
// The review plan of a dictionary, kept in a file beside it (zvirata.slv → zvirata.vkp),
// never in the dictionary itself. UTF-8, CR LF; the first line "VOKAB-PLAN 1" names the
// format and its version; then one line per expression answered at least once:
//
//   E <tab> foreign <tab> Czech <tab> learning|known <tab> due <tab> last review <tab>
//     first review <tab> stability <tab> difficulty <tab> answers <tab> lapses
//
// followed, for an expression the learner set aside (not asked until resumed), by
//
//   S <tab> foreign <tab> Czech
//
// (days as 2024-03-01; "\\", tab, CR and LF in the texts written as \\ \t \r \n). An
// expression is known by its foreign and Czech text, so reordering, merging or editing
// the rest of the dictionary keeps its history. Every other line (written by a later
// version, or damaged) is kept as it is when the file is written again.
namespace review {

inline constexpr int kPlanVersion = 1;
// How long the memory of an expression no longer in the dictionary is kept, counted
// from its last review: long enough to survive deleting and adding it back, or a
// dictionary saved for a while without it.
inline constexpr int kKeepRemovedDays = 180;

struct Key {
    QString foreign;
    QString czech;
    // The lengths first: they sit in the key itself, the texts elsewhere in memory.
    friend bool operator==(const Key &a, const Key &b) {
        return a.foreign.size() == b.foreign.size() && a.czech.size() == b.czech.size() &&
               a.foreign == b.foreign && a.czech == b.czech;
    }
};
size_t qHash(const Key &key, size_t seed = 0) noexcept;
Key keyOf(const Tslovniky &expression);

struct Entry {
    Key key;
    Memory memory;
    bool suspended = false; // set aside: not asked, not in the forecast
    friend bool operator==(const Entry &, const Entry &) = default;
};

class Plan {
public:
    // The memory of an expression; a new one when it was never answered.
    Memory memoryOf(const Key &key) const;
    // The index in entries() of the expression, or -1 when the plan does not hold it.
    qsizetype indexOf(const QString &foreign, const QString &czech) const;
    bool contains(const Key &key) const { return indexOf(key.foreign, key.czech) >= 0; }
    // Remembers the memory of an expression (a new memory, never answered, is forgotten).
    void set(const Key &key, const Memory &memory);
    void forget(const Key &key);
    // Sets an expression the plan holds aside or asks it again; false when the plan does
    // not hold it.
    bool setSuspended(const Key &key, bool suspended);
    // Puts back what the plan held of an expression before a change: its memory (in its
    // place), or nothing.
    void restore(const Key &key, const std::optional<Memory> &memory);
    // What the plan holds of an expression, when it holds it.
    std::optional<Memory> heldMemoryOf(const Key &key) const;
    // Remembers the memory of an expression read from a file unless the plan holds a
    // later review of it (of two lines of one expression the later review wins).
    void setUnlessLater(Key key, const Memory &memory);
    void reserve(qsizetype count);

    // Forgets the expressions that are no longer in the dictionary (`inDictionary` holds
    // one flag per entry, as Overview finds them) and were last reviewed more than
    // kKeepRemovedDays before `today`; returns how many.
    qsizetype forgetRemoved(const QList<bool> &inDictionary, QDate today);

    const QList<Entry> &entries() const { return m_entries; }
    // Lines this version does not understand, in file order.
    const QStringList &otherLines() const { return m_otherLines; }
    void keepOtherLine(const QString &line) { m_otherLines.append(line); }

    friend bool operator==(const Plan &a, const Plan &b) {
        return a.m_entries == b.m_entries && a.m_otherLines == b.m_otherLines;
    }

private:
    // Where the entries are found: an open-addressing table of their indexes (-1 for an
    // empty slot) with each key's hash beside it. One allocation however large the plan,
    // and a look-up copies no key.
    struct Slot {
        size_t hash = 0;
        qsizetype entry = -1;
    };
    size_t hashOf(QStringView foreign, QStringView czech) const;
    // The slot holding the key, or the empty slot where it belongs.
    size_t slotOf(QStringView foreign, QStringView czech, size_t hash) const;
    void append(Key key, const Memory &memory, size_t slot, size_t hash);
    void resizeTable(qsizetype count);
    void reindex();

    QList<Entry> m_entries;
    std::vector<Slot> m_slots;
    size_t m_seed = QHashSeed::globalSeed();
    QStringList m_otherLines;
};

// The plan file of a dictionary: its name with the extension ".vkp" instead of ".slv"
// (or added, when it has none).
QString planPath(const QString &dictionaryPath);

// What a plan file may hold; a file beyond them is refused.
struct PlanLimits {
    qint64 fileBytes = qint64(256) << 20;
    qsizetype lineBytes = 64 * 1024;
    qsizetype lines = 4'000'000;
};

// Reads the bytes of a plan file (untrusted: never throws, refuses what passes the
// limits, is not UTF-8 text or has no header of ours or a later version). An empty file
// is an empty plan. Of two lines of the same expression the later review wins. A refusal
// is Czech.
Result<Plan> parsePlan(QByteArrayView bytes, const PlanLimits &limits = {});
// The same for a file; the message names it.
Result<Plan> readPlanFile(const QString &path, const PlanLimits &limits = {});

// The bytes of a plan file: the header, the other lines, then one line per expression.
QByteArray planBytes(const Plan &plan);
// Writes the plan through the program's safe save.
Result<void> writePlanFile(const QString &path, const Plan &plan);

} // namespace review
