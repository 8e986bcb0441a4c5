#pragma once

#include <chrono>

// Time in days, as the turning time is given. Monotonic, so that a change of
// the system clock during a turn can neither freeze nor skip the animation.
class Uhr {
public:
    virtual ~Uhr() = default;
    virtual double jetzt() = 0;
};

class MonotoneUhr final : public Uhr {
public:
    double jetzt() override
    {
        using namespace std::chrono;
        const auto ns = duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
        return static_cast<double>(ns) / (86400.0 * 1e9);
    }
};
