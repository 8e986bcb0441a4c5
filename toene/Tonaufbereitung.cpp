#include "toene/Tonaufbereitung.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Kept before the first and after the last loud sample: a word's soft onset
// and its decay are quieter than the threshold.
constexpr double VorlaufSekunden = 0.010;
constexpr double NachlaufSekunden = 0.030;
constexpr double BlendeSekunden = 0.005;
// Zero crossings on each side of the resampling filter.
constexpr int Filterbreite = 12;

double ausDb(double db)
{
    return std::pow(10.0, db / 20.0);
}

Tonergebnis fehler(const QString& grund)
{
    Tonergebnis e;
    e.Fehler = grund;
    return e;
}

// Windowed-sinc resampling; below the input's rate the filter's cutoff moves
// down to the new Nyquist frequency, so nothing folds back as aliasing.
std::vector<double> neuAbgetastet(const std::vector<double>& ein, int vonRate, int zuRate)
{
    if (vonRate == zuRate)
        return ein;
    const double schritt = double(vonRate) / zuRate; // input samples per output sample
    const double grenze = std::min(1.0, 1.0 / schritt);
    const double halb = Filterbreite / grenze;
    // The kernel tabulated once, finely enough that linear steps between
    // entries stay far below the 16-bit resolution.
    constexpr int Feinheit = 256;
    std::vector<double> kern(std::size_t(halb * Feinheit) + 2);
    for (std::size_t j = 0; j < kern.size(); ++j) {
        const double x = double(j) / Feinheit;
        const double sinc = x == 0 ? 1.0 : std::sin(std::numbers::pi * grenze * x) / (std::numbers::pi * grenze * x);
        // Hann window over the filter's width.
        kern[j] = x >= halb ? 0.0 : sinc * (0.5 + 0.5 * std::cos(std::numbers::pi * x / halb));
    }
    const auto anzahl = std::size_t(std::floor(double(ein.size()) / schritt));
    const auto n = std::ptrdiff_t(ein.size());
    std::vector<double> aus(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        const double mitte = double(i) * schritt;
        const auto von = std::max<std::ptrdiff_t>(0, std::ptrdiff_t(std::ceil(mitte - halb)));
        const auto bis = std::min<std::ptrdiff_t>(n - 1, std::ptrdiff_t(std::floor(mitte + halb)));
        double summe = 0;
        double gewichte = 0;
        for (std::ptrdiff_t k = von; k <= bis; ++k) {
            const double stelle = std::abs(double(k) - mitte) * Feinheit;
            const auto j = std::min(std::size_t(stelle), kern.size() - 2);
            const double t = stelle - double(j);
            const double g = kern[j] + t * (kern[j + 1] - kern[j]);
            summe += g * ein[std::size_t(k)];
            gewichte += g;
        }
        // Dividing by the weights keeps a constant a constant, also at the ends.
        aus[i] = gewichte > 0 ? summe / gewichte : 0.0;
    }
    return aus;
}

} // namespace

Tonergebnis bereiteKartentonAuf(const Tonproben& ton)
{
    if (ton.Rate <= 0 || ton.Proben.empty())
        return fehler(QString::fromUtf8("enthält keinen Ton"));
    int spitze = 0;
    for (const std::int16_t p : ton.Proben)
        spitze = std::max(spitze, std::abs(int(p)));
    const double schwelle = std::max(spitze * ausDb(-StilleUnterSpitze), 32767.0 * ausDb(Stilleboden));
    if (spitze < schwelle)
        return fehler(QStringLiteral("enthält nur Stille"));
    const auto laut = [&](std::int16_t p) { return std::abs(int(p)) >= schwelle; };
    const auto erste = std::size_t(std::find_if(ton.Proben.begin(), ton.Proben.end(), laut) - ton.Proben.begin());
    const auto letzte = std::size_t(ton.Proben.rend() - std::find_if(ton.Proben.rbegin(), ton.Proben.rend(), laut)) - 1;
    const auto vorlauf = std::size_t(VorlaufSekunden * ton.Rate);
    const auto nachlauf = std::size_t(NachlaufSekunden * ton.Rate);
    const std::size_t anfang = erste > vorlauf ? erste - vorlauf : 0;
    const std::size_t ende = std::min(ton.Proben.size(), letzte + 1 + nachlauf);
    // Judged by the sound itself, not by the margins kept around it.
    if (double(letzte + 1 - erste) / ton.Rate > LaengsterKartenton)
        return fehler(QString::fromUtf8("ist länger als %1 Sekunden").arg(LaengsterKartenton));

    std::vector<double> proben(ton.Proben.begin() + std::ptrdiff_t(anfang), ton.Proben.begin() + std::ptrdiff_t(ende));
    proben = neuAbgetastet(proben, ton.Rate, Kartentonrate);
    if (proben.empty())
        return fehler(QString::fromUtf8("enthält keinen Ton"));

    double quadrate = 0;
    double neueSpitze = 0;
    for (const double p : proben) {
        quadrate += p * p;
        neueSpitze = std::max(neueSpitze, std::abs(p));
    }
    const double rms = std::sqrt(quadrate / double(proben.size()));
    const double voll = 32767.0;
    const double verstaerkung = neueSpitze > 0
        ? std::min(voll * ausDb(ZielRms) / rms, voll * ausDb(ZielSpitze) / neueSpitze)
        : 0.0;

    const auto blende = std::max<std::size_t>(1, std::size_t(BlendeSekunden * Kartentonrate));
    Tonproben aus;
    aus.Rate = Kartentonrate;
    aus.Proben.resize(proben.size());
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const std::size_t rand = std::min(i, proben.size() - 1 - i);
        const double faktor = rand < blende ? double(rand) / double(blende) : 1.0;
        aus.Proben[i] = std::int16_t(std::lround(std::clamp(proben[i] * verstaerkung * faktor, -voll, voll)));
    }
    Tonergebnis ergebnis;
    ergebnis.Ton = std::move(aus);
    return ergebnis;
}
