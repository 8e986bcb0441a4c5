#pragma once

#include "platform/Zufallsquelle.h"

#include <deque>
#include <vector>

// Hands out scripted numbers first (each reduced into range), then those of a seeded generator.
class SkriptZufall final : public Zufallsquelle {
public:
    explicit SkriptZufall(std::deque<int> zahlen = {}, unsigned seed = 1) : zahlen_(std::move(zahlen)), gen_(seed) {}
    int naechste(int n) override
    {
        bereiche.push_back(n);
        if (!zahlen_.empty()) {
            const int z = zahlen_.front();
            zahlen_.pop_front();
            return z % n;
        }
        return gen_.naechste(n);
    }
    std::vector<int> bereiche; // the n of every draw

private:
    std::deque<int> zahlen_;
    MersenneZufall gen_;
};
