#include "platform/clock.h"
#include "platform/random.h"

#include <random>

namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class MersenneRandom final : public RandomSource {
public:
    explicit MersenneRandom(quint64 seed) : m_engine(seed) {}
    void reseed(quint64 seed) override { m_engine.seed(seed); }
    int bounded(int bound) override {
        Q_ASSERT(bound > 0);
        std::uniform_int_distribution<int> draw(0, bound - 1);
        return draw(m_engine);
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace

std::unique_ptr<Clock> makeSystemClock() {
    return std::make_unique<SystemClock>();
}

std::unique_ptr<RandomSource> makeRandomSource(quint64 seed) {
    return std::make_unique<MersenneRandom>(seed);
}
