#pragma once

#include <QDate>
#include <QString>

#include <array>

// The memory of one expression and how an answer changes it: FSRS-4.5 (Free Spaced
// Repetition Scheduler), the published model of memory stability, difficulty and
// retrievability with its 17 default parameters. Days are whole days; the day of an
// answer comes in as an argument, nothing here reads a clock.
namespace review {

// The four answers of a review, from "forgotten" to "effortless".
enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };
inline constexpr std::array<Rating, 4> kRatings{Rating::Again, Rating::Hard, Rating::Good,
                                                Rating::Easy};
// "Znovu", "Těžké", "Dobře", "Snadno".
QString ratingText(Rating rating);

// New: never answered. Learning: answered, but the last answer was "Znovu" (at the first
// meeting or after a lapse). Known: the last answer was a recall.
enum class State { New, Learning, Known };
// "nové", "učí se", "umí".
QString stateText(State state);

struct Parameters {
    static constexpr std::array<double, 17> kDefaultWeights{
        0.4872, 1.4003, 3.7145, 13.8206, 5.1618, 1.2298, 0.8975, 0.031, 1.6474,
        0.1367, 1.0461, 2.1072, 0.0793,  0.3246, 1.587,  0.2272, 2.8755};
    static constexpr double kMinimumRetention = 0.7;
    static constexpr double kMaximumRetention = 0.99;

    std::array<double, 17> w = kDefaultWeights;
    // The chance of recall the plan aims at when an expression comes due; kept within
    // kMinimumRetention .. kMaximumRetention.
    double desiredRetention = 0.9;
    int maximumInterval = 36500; // days
    // Stability is kept within these bounds (days), as the published schedulers do.
    static constexpr double kMinimumStability = 0.01;
    static constexpr double kMaximumStability = 36500;
};

struct Memory {
    State state = State::New;
    double stability = 0;  // days until the chance of recall falls to 90 %
    double difficulty = 0; // 1 (easy) .. 10 (hard)
    QDate due;             // the day it should be asked again
    QDate lastReview;      // the day of the last answer
    QDate firstReview;     // the day of the first answer
    int reps = 0;          // answers given
    int lapses = 0;        // "Znovu" after a recall

    friend bool operator==(const Memory &, const Memory &) = default;
};

// The chance of recall `days` after the last review of a memory of this stability:
// (1 + FACTOR·t/S)^DECAY with DECAY = −0.5 and FACTOR = 19/81, so that it is 90 % at
// t = S.
double retrievability(double days, double stability);
// The chance of recall of a memory on `day` (1 for a memory never answered).
double retrievabilityOn(const Memory &memory, QDate day);

// The whole days until the chance of recall falls to the desired retention: rounded,
// at least 1, at most the maximum interval.
int intervalDays(double stability, const Parameters &parameters);

// The memory after each of the four answers given on `today` (index: rating − 1).
// "Znovu" is due the next day; harder answers never wait longer than easier ones: Těžké
// at most as long as Dobře, Dobře and Snadno each at least a day longer than the answer
// before them.
std::array<Memory, 4> outcomes(const Memory &memory, QDate today,
                               const Parameters &parameters = {});
// The memory after one answer given on `today`.
Memory answered(const Memory &memory, Rating rating, QDate today,
                const Parameters &parameters = {});

// Whether the expression should be asked on `today`: answered before and due on or
// before that day.
bool isDue(const Memory &memory, QDate today);

} // namespace review
