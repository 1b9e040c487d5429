#pragma once

#include <QDateTime>

#include <memory>

// The time of day, asked through one place so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

std::unique_ptr<Clock> makeSystemClock();
