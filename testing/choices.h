#pragma once

#include "testing/zkouseni.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A question answered by a choice among four texts instead of a typed answer: the right
// answer and three wrong ones taken from the other expressions of the same test, on the
// same side.
namespace choices {

inline constexpr int kOptions = 4;
// How many other expressions a question looks at for its wrong options: all of a small
// dictionary, a random sample of a large one.
inline constexpr int kSample = 64;

struct Question {
    QStringList options; // in the order shown
    int right = -1;      // the index of the right option
};

// A whole number in 0 .. bound - 1.
using Draw = std::function<int(int bound)>;
// Whether a text may stand as a wrong option of the question (the window's own judge
// must find it wrong).
using WrongEnough = std::function<bool(const QString &text)>;

// The options of the question of `asked`, one of the test's `records`: its first meaning and up to
// three meanings of other expressions, as near to its length as can be found. A wrong option is
// never a meaning of the asked expression (nor differs from one only in case, accents,
// punctuation or spaces), never repeats another option, and never comes from an
// expression shown as the asked one is (itself, another line of it). A test of
// too few expressions gets fewer options; one whose asked answer is empty gets none.
Question ask(const QList<testitems::TestRecord> &records, const testitems::TestRecord &asked,
             const Draw &draw, const WrongEnough &wrongEnough = {});

} // namespace choices
