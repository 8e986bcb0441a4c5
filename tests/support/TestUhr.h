#pragma once

#include "platform/Uhr.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

// The clock of the tests. Given a step, it moves on by that step at every reading,
// so that every half turn takes the same number of steps whatever the machine's
// speed. Given readings, it returns them in turn; reading past them is a failure.
class TestUhr final : public Uhr {
public:
    explicit TestUhr(double schritt) : schritt_(schritt) {}
    explicit TestUhr(std::vector<double> zeiten) : zeiten_(std::move(zeiten)), geskriptet_(true) {}

    double jetzt() override
    {
        // Lets a test look at the controls between two steps of an animation.
        if (beiLesung)
            beiLesung();
        ++lesungen;
        if (!geskriptet_)
            return zeit_ += schritt_;
        if (static_cast<std::size_t>(lesungen) > zeiten_.size()) {
            ADD_FAILURE() << "clock read more often than scripted";
            return zeiten_.empty() ? 0.0 : zeiten_.back() + 1000.0;
        }
        return zeiten_[lesungen - 1];
    }

    int lesungen = 0;
    std::function<void()> beiLesung;

private:
    double schritt_ = 0.0;
    double zeit_ = 1000.0;
    std::vector<double> zeiten_;
    bool geskriptet_ = false;
};
