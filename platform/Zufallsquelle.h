#pragma once

#include <chrono>
#include <random>

// Uniform random integers; replaced by a seeded source in tests.
class Zufallsquelle {
public:
    virtual ~Zufallsquelle() = default;
    // n > 0; returns r with 0 <= r < n.
    virtual int naechste(int n) = 0;
};

class MersenneZufall final : public Zufallsquelle {
public:
    explicit MersenneZufall(std::uint32_t seed) : gen_(seed) {}

    // Seeded from the clock's time of day at millisecond resolution.
    static std::uint32_t seedAusUhrzeit()
    {
        using namespace std::chrono;
        const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
        return static_cast<std::uint32_t>(ms % (24LL * 3600 * 1000));
    }

    int naechste(int n) override
    {
        std::uniform_int_distribution<int> dist(0, n - 1);
        return dist(gen_);
    }

private:
    std::mt19937 gen_;
};
