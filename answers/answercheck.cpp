#include "answers/answercheck.h"

#include "dictionary/slovnik.h"

#include <functional>
#include <optional>

namespace answers {
namespace {

// Letters whose accent is part of the letter itself in Unicode (no decomposition).
QChar withoutStroke(QChar c) {
    switch (c.unicode()) {
    case u'ł':
        return u'l';
    case u'Ł':
        return u'L';
    case u'đ':
        return u'd';
    case u'Đ':
        return u'D';
    case u'ø':
        return u'o';
    case u'Ø':
        return u'O';
    default:
        return c;
    }
}

QString withoutPunctuation(const QString &text) {
    QString result;
    result.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (c.isPunct())
            continue;
        if (c.isSpace()) {
            space = !result.isEmpty();
            continue;
        }
        if (space)
            result.append(u' ');
        space = false;
        result.append(c);
    }
    return result;
}

QString withoutDiacritics(const QString &text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(withoutStroke(c));
    }
    return result.normalized(QString::NormalizationForm_C);
}

QString withoutLeadingWord(const QString &text, const QStringList &words) {
    for (const QString &word : words) {
        if (word.isEmpty() || !text.startsWith(word, Qt::CaseInsensitive))
            continue;
        qsizetype rest = word.size();
        if (rest >= text.size() || !text[rest].isSpace())
            continue;
        while (rest < text.size() && text[rest].isSpace())
            ++rest;
        if (rest < text.size())
            return text.mid(rest);
    }
    return text;
}

QString normalized(const QString &text, const Leniency &leniency, Language language) {
    QString result = text;
    if (leniency.ignorePunctuation)
        result = withoutPunctuation(result);
    if (leniency.ignoreDiacritics)
        result = withoutDiacritics(result);
    if (leniency.ignoreCase)
        result = result.toCaseFolded();
    if (leniency.ignoreLeadingWord && language == Language::Foreign)
        result = withoutLeadingWord(result, leniency.leadingWords);
    return result;
}

qsizetype letterCount(QStringView text) {
    qsizetype letters = 0;
    for (const QChar c : text)
        letters += c.isLetter() ? 1 : 0;
    return letters;
}

using Relation = std::function<bool(const QString &answer, const QString &meaning)>;

// Each leniency that the relation between answer and meaning needs: without it the
// two would no longer be related.
Notes notesFor(const QString &answer, const QString &meaning, const Leniency &leniency,
               Language language, const Relation &related) {
    const auto needs = [&](bool Leniency::*option) {
        if (!(leniency.*option))
            return false;
        Leniency without = leniency;
        without.*option = false;
        return !related(normalized(answer, without, language),
                        normalized(meaning, without, language));
    };
    Notes notes;
    notes.letterCase = needs(&Leniency::ignoreCase);
    notes.diacritics = needs(&Leniency::ignoreDiacritics);
    notes.punctuation = needs(&Leniency::ignorePunctuation);
    notes.leadingWord = language == Language::Foreign && needs(&Leniency::ignoreLeadingWord);
    return notes;
}

} // namespace

QStringList defaultLeadingWords() {
    return {QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("the"), QStringLiteral("to")};
}

bool oneSlipApart(QStringView a, QStringView b) {
    if (a.size() < b.size())
        std::swap(a, b);
    const qsizetype n = a.size();
    if (n - b.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < b.size() && a[i] == b[i])
        ++i;
    if (n != b.size()) // one character left out of `b`
        return a.sliced(i + 1) == b.sliced(i);
    if (i == n)
        return false; // equal
    if (a.sliced(i + 1) == b.sliced(i + 1))
        return true; // one replaced
    return i + 1 < n && a[i] == b[i + 1] && a[i + 1] == b[i] && a.sliced(i + 2) == b.sliced(i + 2);
}

Judgement judge(const QString &answer, QStringView expectedField, const Leniency &leniency,
                Language language) {
    const QStringList meanings = dictionaryfile::meanings(expectedField);
    for (const QString &meaning : meanings) {
        if (answer == meaning)
            return {Verdict::Exact, meaning, {}};
    }
    const QString typed = normalized(answer, leniency, language);
    const Relation equal = [](const QString &a, const QString &b) { return a == b; };
    const Relation slip = [](const QString &a, const QString &b) {
        return a == b || (letterCount(b) >= kTypoMinimumLetters && oneSlipApart(a, b));
    };
    std::optional<Judgement> almost;
    for (const QString &meaning : meanings) {
        const QString expected = normalized(meaning, leniency, language);
        if (expected.isEmpty())
            continue;
        if (typed == expected)
            return {Verdict::RightWithNotes, meaning,
                    notesFor(answer, meaning, leniency, language, equal)};
        if (!almost && leniency.acceptOneTypo && slip(typed, expected))
            almost = Judgement{Verdict::AlmostRight, meaning,
                               notesFor(answer, meaning, leniency, language, slip)};
    }
    return almost ? *almost : Judgement{};
}

} // namespace answers
