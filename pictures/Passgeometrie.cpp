#include "pictures/Passgeometrie.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Round half to even under the default rounding mode.
int rundeGerade(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

Passgeometrie berechnePassgeometrie(int W, int H, int TW, int TH, const QString& modus)
{
    Passgeometrie g;

    if (modus == QLatin1String("n") && W <= TW && H <= TH) {
        // Unscaled and centred; no snap, so a free last column keeps its content.
        const int x = rundeGerade((TW - W) / 2.0);
        const int y = rundeGerade((TH - H) / 2.0);
        g.Quelle = QRect(0, 0, W, H);
        g.Ziel = QRect(x, y, W, H);
        g.Unskaliert = true;
        return g;
    }

    const std::int64_t A = std::int64_t(W) * TH;
    const std::int64_t B = std::int64_t(H) * TW;
    int dx = 0, dy = 0, dw = TW, dh = TH;
    int sx = 0, sy = 0, sw = W, sh = H;

    if (A < B) {
        // Relatively taller; B > A >= 0 guarantees TW > 0 and H > 0.
        const bool schneiden = modus == QLatin1String("o") || modus == QLatin1String("m")
            || modus == QLatin1String("u");
        if (schneiden) {
            // A band of at least one row, so that a crop never leaves the
            // target showing whatever the work bitmap held before.
            const int S = std::max(1, rundeGerade(double(A) / TW));
            sh = S;
            if (modus == QLatin1String("m"))
                sy = rundeGerade((H - S) / 2.0);
            else if (modus == QLatin1String("u"))
                sy = H - S;
        } else {
            const double ratio = double(W) / H;
            const int w = rundeGerade(TH * ratio);
            dx = rundeGerade((TW - w) / 2.0);
            dw = w;
        }
    } else if (A > B) {
        // Relatively wider; A > B >= 0 guarantees TH > 0 and W > 0.
        const bool schneiden = modus == QLatin1String("l") || modus == QLatin1String("m")
            || modus == QLatin1String("r");
        if (schneiden) {
            const int S = std::max(1, rundeGerade(double(B) / TH));
            sw = S;
            if (modus == QLatin1String("m"))
                sx = rundeGerade((W - S) / 2.0);
            else if (modus == QLatin1String("r"))
                sx = W - S;
        } else {
            const double ratio = double(W) / H;
            const int h = rundeGerade(TW / ratio);
            dy = rundeGerade((TH - h) / 2.0);
            dh = h;
        }
    }

    // A free line of exactly one pixel gets offset Round(0.5) = 0: cover it.
    if (dh == TH - 1)
        dh = TH;
    if (dw == TW - 1)
        dw = TW;

    g.Quelle = QRect(sx, sy, sw, sh);
    g.Ziel = QRect(dx, dy, dw, dh);
    return g;
}
