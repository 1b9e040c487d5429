#include "review/fsrs.h"

#include <algorithm>
#include <cmath>

namespace review {
namespace {

constexpr double kDecay = -0.5;
constexpr double kFactor = 19.0 / 81.0;

double initialStability(const Parameters &p, Rating g) {
    return std::max(p.w[int(g) - 1], 0.1);
}

double initialDifficulty(const Parameters &p, Rating g) {
    return std::clamp(p.w[4] - (int(g) - 3) * p.w[5], 1.0, 10.0);
}

// The step of the answer, pulled back a little towards the difficulty of a first "Dobře"
// (FSRS-4.5; later versions pull towards that of a first "Snadno").
double nextDifficulty(const Parameters &p, double d, Rating g) {
    const double stepped = d - p.w[6] * (int(g) - 3);
    return std::clamp(p.w[7] * initialDifficulty(p, Rating::Good) + (1 - p.w[7]) * stepped, 1.0,
                      10.0);
}

double recallStability(const Parameters &p, double d, double s, double r, Rating g) {
    const double hardPenalty = g == Rating::Hard ? p.w[15] : 1.0;
    const double easyBonus = g == Rating::Easy ? p.w[16] : 1.0;
    return s * (std::exp(p.w[8]) * (11 - d) * std::pow(s, -p.w[9]) *
                    (std::exp(p.w[10] * (1 - r)) - 1) * hardPenalty * easyBonus +
                1);
}

// A lapse never makes a memory more stable than it was.
double forgetStability(const Parameters &p, double d, double s, double r) {
    const double after = p.w[11] * std::pow(d, -p.w[12]) * (std::pow(s + 1, p.w[13]) - 1) *
                         std::exp(p.w[14] * (1 - r));
    return std::min(after, s);
}

} // namespace

QString ratingText(Rating rating) {
    switch (rating) {
    case Rating::Again:
        return QStringLiteral("Znovu");
    case Rating::Hard:
        return QStringLiteral("Těžké");
    case Rating::Good:
        return QStringLiteral("Dobře");
    case Rating::Easy:
        return QStringLiteral("Snadno");
    }
    return {};
}

QString stateText(State state) {
    switch (state) {
    case State::New:
        return QStringLiteral("nové");
    case State::Learning:
        return QStringLiteral("učí se");
    case State::Known:
        return QStringLiteral("umí");
    }
    return {};
}

double retrievability(double days, double stability) {
    if (stability <= 0)
        return 0;
    return std::pow(1 + kFactor * std::max(days, 0.0) / stability, kDecay);
}

double retrievabilityOn(const Memory &memory, QDate day) {
    if (memory.state == State::New || !memory.lastReview.isValid())
        return 1;
    return retrievability(double(memory.lastReview.daysTo(day)), memory.stability);
}

int intervalDays(double stability, const Parameters &p) {
    const double retention = std::clamp(p.desiredRetention, Parameters::kMinimumRetention,
                                        Parameters::kMaximumRetention);
    const double days = stability / kFactor * (std::pow(retention, 1 / kDecay) - 1);
    const int maximum = std::max(p.maximumInterval, 1);
    if (!(days < maximum)) // also a stability that is not a number
        return maximum;
    return std::max(1, int(std::lround(days)));
}

std::array<Memory, 4> outcomes(const Memory &memory, QDate today, const Parameters &p) {
    const bool first = memory.state == State::New;
    const double r = retrievabilityOn(memory, today);
    std::array<Memory, 4> after{};
    std::array<int, 4> days{};
    for (const Rating g : kRatings) {
        Memory &m = after[int(g) - 1];
        m = memory;
        if (first) {
            m.stability = initialStability(p, g);
            m.difficulty = initialDifficulty(p, g);
            m.firstReview = today;
        } else {
            // Both stabilities depend on the difficulty before this answer.
            m.stability = g == Rating::Again
                              ? forgetStability(p, memory.difficulty, memory.stability, r)
                              : recallStability(p, memory.difficulty, memory.stability, r, g);
            m.difficulty = nextDifficulty(p, memory.difficulty, g);
        }
        m.stability =
            std::clamp(m.stability, Parameters::kMinimumStability, Parameters::kMaximumStability);
        m.state = g == Rating::Again ? State::Learning : State::Known;
        if (g == Rating::Again && memory.state == State::Known)
            ++m.lapses;
        ++m.reps;
        m.lastReview = today;
        days[int(g) - 1] = intervalDays(m.stability, p);
    }
    auto &[again, hard, good, easy] = days;
    // A forgotten expression comes back the next day: the plan counts whole days, where
    // a scheduler counting minutes would ask it again within the hour.
    again = 1;
    hard = std::min(hard, good);
    good = std::max(good, hard + 1);
    easy = std::max(easy, good + 1);
    for (int i = 0; i < 4; ++i)
        after[i].due = today.addDays(std::min(days[i], std::max(p.maximumInterval, 1)));
    return after;
}

Memory answered(const Memory &memory, Rating rating, QDate today, const Parameters &p) {
    return outcomes(memory, today, p)[int(rating) - 1];
}

bool isDue(const Memory &memory, QDate today) {
    return memory.state != State::New && memory.due.isValid() && memory.due <= today;
}

} // namespace review
