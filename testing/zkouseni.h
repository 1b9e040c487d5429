#pragma once

#include "dictionary/slovnik.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>
#include <utility>

// The rules of the two tests that need no window: test records, judging a typed
// answer, the order in which expressions are asked, and the percentage texts.
namespace testitems {

// One expression of a test: the text the user must give, the text shown, the
// pronunciation and the sound file ("NENÍ" for none).
struct TestRecord {
    QString answer;
    QString shown;
    QString vyslovnost;
    QString zvuk;

    friend bool operator==(const TestRecord &, const TestRecord &) = default;
};

// A test record from one dictionary line (Czech ; foreign ; pronunciation ; sound).
// `foreignShown` ("Z CIZ do CZ"): the foreign text is shown and the Czech one is the
// answer; otherwise the Czech text is shown and the foreign one is the answer. Missing
// fields are empty text.
TestRecord recordFromLine(QStringView line, bool foreignShown);

// One test record per line, in order. A final empty line (after the last line break)
// is not an expression.
QList<TestRecord> recordsFromLines(const QStringList &lines, bool foreignShown);

// An item of Testing II from one dictionary line: its `cz` field is the question and its
// `ang` field the answer, so with `foreignShown` ("Z CIZ do CZ") the first two fields
// are swapped. Missing fields are empty text. Every line is an item.
Tslovniky itemFromLine(QStringView line, bool foreignShown);
Tpole itemsFromLines(const QStringList &lines, bool foreignShown);
// The test record of a Testing II item as the evaluation window keeps it: the question
// is the shown text and the answer the expected one.
TestRecord recordOfItem(const Tslovniky &item);

// The dictionary record and line (Czech;foreign;pronunciation;sound) of a test record of
// a test run with the shown text Czech (`czechShown`) or foreign.
Tslovniky dictionaryRecord(const TestRecord &record, bool czechShown);
QString dictionaryLine(const TestRecord &record, bool czechShown);

// The meanings of a field joined for showing: "a+b+c" -> "a ; b ; c". Every meaning is
// shown, however many the field holds.
QString shownMeanings(QStringView field);

// A typed answer is right when it equals one of the field's meanings character for
// character: no trimming, no case folding.
bool isRightAnswer(const QString &answer, QStringView answerField);

// The success percentage as the evaluation shows it: correct ÷ total × 100 as a real
// number in general format with at most 15 significant digits and a decimal comma
// (2 of 3 -> "66,6666666666667", 3 of 3 -> "100"). A total of 0 gives "0".
QString percentText(int correct, int total);
// The percentage read back from such a text (decimal comma or point); nothing when the
// text is not a number.
std::optional<double> percentFromText(const QString &text);

// The expressions still in a test and which of them is asked. Sequential order asks
// them in file order; random order draws among the ones not yet asked, removing each
// asked expression before the next draw, so that every expression is asked once.
template <typename Record> class TestRun {
public:
    // A draw: a whole number in 0 .. bound - 1.
    using Draw = std::function<int(int bound)>;
    static constexpr int kNone = 998877;

    void load(QList<Record> records) {
        m_items = std::move(records);
        m_total = int(m_items.size());
        m_position = 0;
        m_lastDrawn = kNone;
        m_step.reset();
    }
    void clear() { load({}); }

    bool loaded() const { return m_total > 0; }
    int total() const { return m_total; }
    int remaining() const { return int(m_items.size()); }
    int position() const { return m_position; }
    bool hasCurrent() const { return m_position >= 0 && m_position < m_items.size(); }
    const Record &current() const { return m_items.at(m_position); }
    const QList<Record> &items() const { return m_items; }

    // Sequential order: the next expression in file order; false when the last one has
    // been asked.
    bool nextInOrder() {
        m_step = Step{m_position, m_lastDrawn, -1, std::nullopt};
        if (m_position < m_items.size())
            ++m_position;
        return m_position < m_items.size();
    }

    // Random order: removes the expression drawn last (if any), then draws one of the
    // rest uniformly; false when none is left.
    bool nextDrawn(const Draw &draw) {
        m_step = Step{m_position, m_lastDrawn, -1, std::nullopt};
        if (m_lastDrawn != kNone && m_lastDrawn < m_items.size()) {
            m_step->removedAt = m_lastDrawn;
            m_step->removed = m_items.at(m_lastDrawn);
        }
        if (m_lastDrawn != kNone)
            m_items = UberZPole(std::move(m_items), m_lastDrawn);
        m_lastDrawn = kNone;
        if (m_items.isEmpty())
            return false;
        const int drawn = draw(int(m_items.size()));
        m_position = (drawn >= 0 && drawn < m_items.size()) ? drawn : 0;
        m_lastDrawn = m_position;
        return true;
    }

    // The number of the expression asked, from 1: its place in file order, or in random
    // order the number of expressions asked so far including this one.
    int number(bool random) const {
        return random ? m_total - int(m_items.size()) + 1 : m_position + 1;
    }

    // Takes back the last step to the next expression (one step): the expression asked
    // before it is asked again, and one drawn then is among the rest again. False when
    // there is no step to take back.
    bool stepBack() {
        if (!m_step)
            return false;
        if (m_step->removed)
            m_items.insert(m_step->removedAt, *m_step->removed);
        m_position = m_step->position;
        m_lastDrawn = m_step->lastDrawn;
        m_step.reset();
        return true;
    }

private:
    struct Step {
        int position = 0;
        int lastDrawn = kNone;
        int removedAt = -1;
        std::optional<Record> removed;
    };

    QList<Record> m_items;
    int m_total = 0;
    int m_position = 0;
    int m_lastDrawn = kNone;
    std::optional<Step> m_step;
};

} // namespace testitems
