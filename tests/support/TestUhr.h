#pragma once

#include "platform/Uhr.h"

// A clock that moves on by a fixed step at every reading, so that every half
// turn takes the same number of steps whatever the machine's speed.
class SchrittUhr final : public Uhr {
public:
    explicit SchrittUhr(double schritt) : schritt_(schritt) {}
    double jetzt() override
    {
        ++lesungen;
        zeit_ += schritt_;
        return zeit_;
    }
    int lesungen = 0;

private:
    double schritt_;
    double zeit_ = 1000.0;
};
