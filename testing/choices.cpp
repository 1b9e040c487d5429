#include "testing/choices.h"

#include "answers/answercheck.h"

#include <algorithm>

namespace choices {
namespace {

QStringList meaningsOf(const QString &field) {
    return field.split(u'+', Qt::SkipEmptyParts);
}

// Whether two texts are the same but for case, accents, punctuation and spaces.
bool sameText(const QString &text, const QString &field) {
    answers::Leniency loose;
    loose.ignoreCase = true;
    loose.ignoreDiacritics = true;
    loose.ignorePunctuation = true;
    loose.ignoreLeadingWord = false;
    return answers::judge(text, field, loose, answers::Language::Czech).verdict !=
           answers::Verdict::Wrong;
}

int bounded(const Draw &draw, int bound) {
    const int drawn = draw(bound);
    return drawn >= 0 && drawn < bound ? drawn : 0;
}

// The other expressions a question takes its wrong options from, in a random order.
QList<int> othersToLookAt(int count, const Draw &draw) {
    QList<int> others;
    if (count <= kSample) {
        for (int i = 0; i < count; ++i)
            others.append(i);
        for (qsizetype i = others.size() - 1; i > 0; --i)
            std::swap(others[i], others[bounded(draw, int(i + 1))]);
        return others;
    }
    for (int i = 0; i < kSample; ++i)
        others.append(bounded(draw, count));
    return others;
}

} // namespace

Question ask(const QList<testitems::TestRecord> &records, const testitems::TestRecord &record,
             const Draw &draw, const WrongEnough &wrongEnough) {
    const QStringList meanings = meaningsOf(record.answer);
    if (meanings.isEmpty())
        return {};
    const QString right = meanings.first();
    const QStringList shownAs = meaningsOf(record.shown);

    // Candidates in the order looked at; the nearest lengths are taken, earlier ones first
    // among equals.
    QStringList candidates;
    for (const int other : othersToLookAt(int(records.size()), draw)) {
        const testitems::TestRecord &candidate = records.at(other);
        const bool sameExpression =
            std::any_of(shownAs.begin(), shownAs.end(),
                        [&](const QString &shown) { return sameText(shown, candidate.shown); });
        if (sameExpression)
            continue;
        for (const QString &meaning : meaningsOf(candidate.answer)) {
            if (!sameText(meaning, record.answer) && (!wrongEnough || wrongEnough(meaning)))
                candidates.append(meaning);
        }
    }
    const auto distance = [&](const QString &text) {
        return std::abs(int(text.size()) - int(right.size()));
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const QString &a, const QString &b) { return distance(a) < distance(b); });

    Question question;
    question.options.append(right);
    for (const QString &candidate : candidates) {
        if (question.options.size() == kOptions)
            break;
        const bool repeated =
            std::any_of(question.options.begin(), question.options.end(),
                        [&](const QString &option) { return sameText(candidate, option); });
        if (!repeated)
            question.options.append(candidate);
    }
    question.right = bounded(draw, int(question.options.size()));
    question.options.swapItemsAt(0, question.right);
    return question;
}

} // namespace choices
