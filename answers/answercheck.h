#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Judging a typed answer as strictly as the learner asks. Each leniency is off by
// default; with all of them off an answer is right only when it equals one of the
// expected field's meanings character for character, as the tests have always judged.
namespace answers {

// The leading words dropped from a foreign answer and its meanings when the learner
// asks for it: English articles and the "to" of an infinitive.
QStringList defaultLeadingWords();

struct Leniency {
    bool ignoreCase = false;
    // "ě" = "e": letters count without their accents (the answer is shown with the note
    // "bez diakritiky").
    bool ignoreDiacritics = false;
    // Punctuation is left out and every run of spaces counts as one; spaces at either
    // end do not count.
    bool ignorePunctuation = false;
    // One leading word of `leadingWords` (any case) is dropped from a foreign answer and
    // from each foreign meaning, when something follows it.
    bool ignoreLeadingWord = false;
    QStringList leadingWords = defaultLeadingWords();
    // One slip (a letter added, left out, replaced, or two neighbours swapped) in a
    // meaning of at least kTypoMinimumLetters letters makes the answer "almost right".
    bool acceptOneTypo = false;
};

inline constexpr int kTypoMinimumLetters = 6;

// The language of the expected answer: leading words are dropped only in a foreign one.
enum class Language { Czech, Foreign };

enum class Verdict {
    Exact,          // equal to a meaning character for character
    RightWithNotes, // equal to a meaning once the chosen leniencies apply
    AlmostRight,    // one slip away from a meaning
    Wrong,
};

// What set a right answer apart from its meaning: each leniency the answer needed.
struct Notes {
    bool letterCase = false;
    bool diacritics = false; // the note "bez diakritiky" applies
    bool punctuation = false;
    bool leadingWord = false;
    friend bool operator==(const Notes &, const Notes &) = default;
};

struct Judgement {
    Verdict verdict = Verdict::Wrong;
    QString meaning; // the meaning the answer matched; empty when Wrong
    Notes notes;     // for RightWithNotes and AlmostRight
};

// An exact match with any meaning wins over a lenient one, which wins over a slip; among
// equals the first meaning in the field is taken. A meaning that leniency reduces to
// nothing (only punctuation, only a leading word) is matched exactly or not at all.
Judgement judge(const QString &answer, QStringView expectedField, const Leniency &leniency,
                Language language);

// The text shown with a right answer that counted without its accents.
inline const QString kWithoutDiacriticsNote = QStringLiteral("bez diakritiky");

// Whether two texts are one slip apart: one character added, left out or replaced, or
// two neighbouring characters swapped.
bool oneSlipApart(QStringView a, QStringView b);

} // namespace answers
