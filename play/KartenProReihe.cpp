#include "play/KartenProReihe.h"

#include <cstdint>

namespace {

// A panel for n cards per row is no wider than half the client area.
bool passtBreite(const Reihenvorgaben& v, int n)
{
    if (n < 1)
        return false;
    const std::int64_t panel = (std::int64_t{v.KartenBreite} + 1) * n + 19;
    return v.ClientWidth / 2 - 4 >= panel;
}

// All cards of the board fit below each other in one panel with n per row,
// the last row counted whole: a length whose last row would be cut off at the
// panel's foot is not chosen.
bool passtHoehe(const Reihenvorgaben& v, int n)
{
    // A length below 1 would divide by zero; it is never used anyway.
    if (n < 1)
        return false;
    const std::int64_t karten = std::int64_t{v.Spalten} * v.Zeilen;
    const std::int64_t reihen = (karten - 1) / n + 1;
    const std::int64_t hoehe = reihen * (std::int64_t{v.KartenHoehe} + 2) + KopfHoehe + 3;
    return hoehe <= v.HoeheBekommene;
}

} // namespace

int kartenProReihe(const Reihenvorgaben& v)
{
    const int s = v.Spalten;
    int n = s;
    if (s % 2 != 0) {
        if (passtBreite(v, s + 1))
            n = s + 1;
        else if (passtHoehe(v, s - 1))
            n = s - 1;
    } else if (!passtHoehe(v, s) && passtBreite(v, s + 2)) {
        n = s + 2;
    }
    return n < 1 ? 1 : n;
}
