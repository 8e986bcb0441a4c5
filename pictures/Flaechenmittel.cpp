#include "pictures/Flaechenmittel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The source pixels one destination pixel covers along one axis, with their shares.
struct Spanne {
    int anfang = 0;
    std::vector<float> anteile;
};

std::vector<Spanne> spannen(double von, double laenge, int ziel, int grenze)
{
    std::vector<Spanne> ergebnis;
    ergebnis.resize(std::size_t(ziel));
    const double schritt = laenge / ziel;
    for (int i = 0; i < ziel; ++i) {
        const double a = von + i * schritt;
        const double b = a + schritt;
        const int erster = std::clamp(int(std::floor(a)), 0, grenze - 1);
        const int letzter = std::clamp(int(std::ceil(b)) - 1, erster, grenze - 1);
        Spanne& s = ergebnis[std::size_t(i)];
        s.anfang = erster;
        double summe = 0;
        for (int j = erster; j <= letzter; ++j) {
            const double anteil = std::max(0.0, std::min(b, j + 1.0) - std::max(a, double(j)));
            s.anteile.push_back(float(anteil));
            summe += anteil;
        }
        // Shares sum to one, also where the area reaches past the picture's edge.
        if (summe <= 0) {
            s.anteile.assign(1, 1.0f);
            summe = 1;
        }
        for (float& w : s.anteile)
            w = float(w / summe);
    }
    return ergebnis;
}

} // namespace

void mittleFlaeche(const QImage& quelle, const QRectF& von, QImage& ziel, const QRect& nach)
{
    if (nach.isEmpty() || quelle.isNull() || von.width() <= 0 || von.height() <= 0)
        return;
    const std::vector<Spanne> spalten = spannen(von.x(), von.width(), nach.width(), quelle.width());
    const std::vector<Spanne> zeilen = spannen(von.y(), von.height(), nach.height(), quelle.height());
    const int links = spalten.front().anfang;
    const int rechts = spalten.back().anfang + int(spalten.back().anteile.size());
    // Four bytes per pixel (B, G, R, X): plain byte loops the compiler vectorises.
    const std::size_t bytes = std::size_t(rechts - links) * 4;
    std::vector<float> summe(bytes);

    for (int y = 0; y < nach.height(); ++y) {
        // Rows first: the weighted mean of the source rows this row covers.
        const Spanne& zs = zeilen[std::size_t(y)];
        float* s = summe.data();
        for (std::size_t j = 0; j < zs.anteile.size(); ++j) {
            const float w = zs.anteile[j];
            const uchar* p = quelle.constScanLine(zs.anfang + int(j)) + std::size_t(links) * 4;
            if (j == 0)
                for (std::size_t i = 0; i < bytes; ++i)
                    s[i] = w * float(p[i]);
            else
                for (std::size_t i = 0; i < bytes; ++i)
                    s[i] += w * float(p[i]);
        }
        // Then the columns, straight into the destination row.
        auto* aus = reinterpret_cast<std::uint32_t*>(ziel.scanLine(nach.top() + y)) + nach.left();
        for (int x = 0; x < nach.width(); ++x) {
            const Spanne& ss = spalten[std::size_t(x)];
            const float* q = s + std::size_t(ss.anfang - links) * 4;
            float b = 0, g = 0, r = 0;
            for (const float w : ss.anteile) {
                b += w * q[0];
                g += w * q[1];
                r += w * q[2];
                q += 4;
            }
            const auto kanal = [](float v) { return std::uint32_t(std::clamp(int(v + 0.5f), 0, 255)); };
            aus[x] = 0xFF000000u | kanal(r) << 16 | kanal(g) << 8 | kanal(b);
        }
    }
}
