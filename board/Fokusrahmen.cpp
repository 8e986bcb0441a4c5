#include "board/Fokusrahmen.h"

#include <algorithm>

namespace {
int bandbreite(int abstand)
{
    return std::clamp(abstand / 2, 2, 4);
}
} // namespace

Fokusrahmen fokusrahmen(const QRect& karte, int abstandX, int abstandY)
{
    const int dx = bandbreite(abstandX);
    const int dy = bandbreite(abstandY);
    return {karte.adjusted(-dx, -dy, dx, dy), dx, dy};
}
