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

// Filters `anzahl` lines of `laenge` samples (3 channels, stride `schritt`
// between samples and `zeilenschritt` between lines) down to `ziel` samples.
std::vector<float> filtere(const std::vector<float>& ein, int laenge, int anzahl, int ziel, bool horizontal)
{
    const double verhaeltnis = double(laenge) / ziel;
    const double weite = std::max(1.0, verhaeltnis);
    std::vector<float> aus(std::size_t(ziel) * anzahl * 3);
    for (int i = 0; i < ziel; ++i) {
        const double mitte = (i + 0.5) * verhaeltnis - 0.5;
        const int von = std::max(0, int(std::floor(mitte - 3 * weite)));
        const int bis = std::min(laenge - 1, int(std::ceil(mitte + 3 * weite)));
        std::vector<double> gewicht;
        double summe = 0;
        for (int j = von; j <= bis; ++j) {
            gewicht.push_back(lanczos3((j - mitte) / weite));
            summe += gewicht.back();
        }
        for (int z = 0; z < anzahl; ++z)
            for (int c = 0; c < 3; ++c) {
                double wert = 0;
                for (int j = von; j <= bis; ++j) {
                    const std::size_t index = horizontal ? (std::size_t(z) * laenge + j) * 3 + c
                                                         : (std::size_t(j) * anzahl + z) * 3 + c;
                    wert += gewicht[std::size_t(j - von)] * ein[index];
                }
                const std::size_t ziel3 = horizontal ? (std::size_t(z) * ziel + i) * 3 + c
                                                     : (std::size_t(i) * anzahl + z) * 3 + c;
                aus[ziel3] = float(wert / summe);
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
    const std::vector<float> zeilen = filtere(werte, a.width(), a.height(), groesse.width(), true);
    const std::vector<float> fertig = filtere(zeilen, a.height(), groesse.width(), groesse.height(), false);
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
