#include "play/Drehung.h"

#include "platform/Uhr.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Far too late a clock reading could push a width beyond int; clamp rather
// than convert out of range.
int alsInt(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double unten = std::numeric_limits<int>::min();
    constexpr double oben = std::numeric_limits<int>::max();
    if (v <= unten)
        return std::numeric_limits<int>::min();
    if (v >= oben)
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

int alsInt(std::int64_t v)
{
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

} // namespace

int drehBreite(double b, int w, Drehrichtung r)
{
    const double breite = r == Drehrichtung::Schmaler ? (1.0 - b) * w : w * b;
    return alsInt(std::nearbyint(breite));
}

int drehLinks(int x, int w, int breite)
{
    return alsInt(std::int64_t{x} + (std::int64_t{w} - breite) / 2);
}

void halbeDrehung(Uhr& uhr, double halbeDrehZeit, int w, Drehrichtung r,
                  const std::function<void(int breite)>& schritt)
{
    const double start = uhr.jetzt();
    // Zero would give no finite fraction and a negative time would never reach
    // the end: take such a half turn as done at once.
    const bool gueltig = halbeDrehZeit > 0.0;
    for (;;) {
        const double b = gueltig ? (uhr.jetzt() - start) / halbeDrehZeit : 1.0;
        schritt(drehBreite(b, w, r));
        if (!(b < 1.0))
            return;
    }
}
