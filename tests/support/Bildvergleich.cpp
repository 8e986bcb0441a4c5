#include "support/Bildvergleich.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace bildvergleich {
namespace {

double lanczos3(double x)
{
    x = std::abs(x);
    if (x < 1e-9)
        return 1.0;
    if (x >= 3.0)
        return 0.0;
    const double px = std::numbers::pi * x;
    return 3.0 * std::sin(px) * std::sin(px / 3.0) / (px * px);
}

// Weights of one output sample: the first input sample and one weight per input sample from there.
struct Gewichte {
    int von = 0;
    std::vector<float> w;
};

std::vector<Gewichte> gewichte(int laenge, int ziel)
{
    const double verhaeltnis = double(laenge) / ziel;
    const double weite = std::max(1.0, verhaeltnis);
    std::vector<Gewichte> alle;
    alle.resize(std::size_t(ziel));
    for (int i = 0; i < ziel; ++i) {
        const double mitte = (i + 0.5) * verhaeltnis - 0.5;
        const int von = std::max(0, int(std::floor(mitte - 3 * weite)));
        const int bis = std::min(laenge - 1, int(std::ceil(mitte + 3 * weite)));
        double summe = 0;
        for (int j = von; j <= bis; ++j)
            summe += lanczos3((j - mitte) / weite);
        alle[std::size_t(i)].von = von;
        for (int j = von; j <= bis; ++j)
            alle[std::size_t(i)].w.push_back(float(lanczos3((j - mitte) / weite) / summe));
    }
    return alle;
}

// Rows of `breite` RGB samples: each row filtered from breite to ziel samples.
std::vector<float> filtereZeilen(const std::vector<float>& ein, int breite, int zeilen, int ziel)
{
    const std::vector<Gewichte> g = gewichte(breite, ziel);
    std::vector<float> aus(std::size_t(ziel) * zeilen * 3);
    for (int z = 0; z < zeilen; ++z)
        for (int i = 0; i < ziel; ++i) {
            const float* p = &ein[(std::size_t(z) * breite + g[std::size_t(i)].von) * 3];
            float r = 0, gr = 0, b = 0;
            for (const float w : g[std::size_t(i)].w) {
                r += w * p[0];
                gr += w * p[1];
                b += w * p[2];
                p += 3;
            }
            float* q = &aus[(std::size_t(z) * ziel + i) * 3];
            q[0] = r;
            q[1] = gr;
            q[2] = b;
        }
    return aus;
}

// Columns of `zeilen` samples in rows of `breite` RGB samples: filtered to ziel rows.
std::vector<float> filtereSpalten(const std::vector<float>& ein, int breite, int zeilen, int ziel)
{
    const std::vector<Gewichte> g = gewichte(zeilen, ziel);
    const std::size_t zeile = std::size_t(breite) * 3;
    std::vector<float> aus(std::size_t(ziel) * zeile, 0.0f);
    for (int i = 0; i < ziel; ++i) {
        float* q = &aus[std::size_t(i) * zeile];
        int j = g[std::size_t(i)].von;
        for (const float w : g[std::size_t(i)].w) {
            const float* p = &ein[std::size_t(j++) * zeile];
            for (std::size_t x = 0; x < zeile; ++x)
                q[x] += w * p[x];
        }
    }
    return aus;
}

} // namespace

QImage lanczos(const QImage& bild, const QRect& a, QSize groesse)
{
    const QImage quelle = bild.copy(a).convertToFormat(QImage::Format_RGB32);
    std::vector<float> werte(std::size_t(a.width()) * a.height() * 3);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = quelle.pixel(x, y);
            float* w = &werte[(std::size_t(y) * a.width() + x) * 3];
            w[0] = float(qRed(p));
            w[1] = float(qGreen(p));
            w[2] = float(qBlue(p));
        }
    const std::vector<float> zeilen = filtereZeilen(werte, a.width(), a.height(), groesse.width());
    const std::vector<float> fertig = filtereSpalten(zeilen, groesse.width(), a.height(), groesse.height());
    QImage ergebnis(groesse, QImage::Format_RGB32);
    const auto kanal = [](float v) { return int(std::clamp(std::lround(v), 0L, 255L)); };
    for (int y = 0; y < groesse.height(); ++y)
        for (int x = 0; x < groesse.width(); ++x) {
            const float* w = &fertig[(std::size_t(y) * groesse.width() + x) * 3];
            ergebnis.setPixel(x, y, qRgb(kanal(w[0]), kanal(w[1]), kanal(w[2])));
        }
    return ergebnis;
}

double psnr(const QImage& a, const QImage& b)
{
    double summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                summe += double(d) * d;
        }
    const double mse = summe / (3.0 * a.width() * a.height());
    return mse <= 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

} // namespace bildvergleich
