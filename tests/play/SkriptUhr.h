#pragma once

#include "platform/Uhr.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

// A clock that returns the given readings in turn; reading past the end is a test failure.
class SkriptUhr final : public Uhr {
public:
    explicit SkriptUhr(std::vector<double> zeiten) : zeiten_(std::move(zeiten)) {}

    double jetzt() override
    {
        if (naechste_ >= zeiten_.size()) {
            ADD_FAILURE() << "clock read more often than scripted";
            return zeiten_.empty() ? 0.0 : zeiten_.back() + 1000.0;
        }
        return zeiten_[naechste_++];
    }

    std::size_t gelesen() const { return naechste_; }

private:
    std::vector<double> zeiten_;
    std::size_t naechste_ = 0;
};
