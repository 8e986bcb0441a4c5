#pragma once

#include <mutex>

// libsndfile keeps the error of a failed open in one unguarded global, read
// back with sf_error(nullptr): sounds are read on several workers at the
// deal, so opening and asking why it failed happen under this lock.
inline std::mutex& sndfileOeffnung()
{
    static std::mutex sperre;
    return sperre;
}
