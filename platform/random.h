#pragma once

#include <QtGlobal>

#include <memory>

// The random generator of the tests' draws and the tip of the day.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts the sequence afresh from a seed.
    virtual void reseed(quint64 seed) = 0;
    // A uniformly drawn whole number in 0 .. bound - 1; bound must be positive.
    virtual int bounded(int bound) = 0;
};

// A Mersenne twister; the same seed gives the same draws.
std::unique_ptr<RandomSource> makeRandomSource(quint64 seed);
