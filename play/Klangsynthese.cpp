#include "play/Klangsynthese.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// One struck note: a quick rise, then an exponential decay; the overtones
// fade faster, as on a xylophone bar.
struct Ton {
    double Anfang;    // seconds
    double Frequenz;  // Hz at the start
    double Ende;      // Hz at the end (a slide when different)
    double Dauer;     // seconds
    double Abklingen; // seconds for the level to fall to 1/e
    double Staerke;
};

std::vector<Ton> noten(Klang klang)
{
    switch (klang) {
    case Klang::KarteDreht:
        // A soft tap sliding down, like a card laid on a table.
        return {{0.0, 900.0, 520.0, 0.07, 0.018, 1.0}};
    case Klang::PaarGefunden:
        // Two notes up a fourth: E5, A5.
        return {{0.0, 659.3, 659.3, 0.22, 0.09, 0.8}, {0.11, 880.0, 880.0, 0.30, 0.12, 1.0}};
    case Klang::KeinPaar:
        // Two low notes down a third: A4, F4.
        return {{0.0, 440.0, 440.0, 0.2, 0.08, 1.0}, {0.13, 349.2, 349.2, 0.22, 0.09, 0.9}};
    case Klang::Spielende:
        // C major up to the octave, the last note ringing: C5, E5, G5, C6.
        return {{0.0, 523.3, 523.3, 0.2, 0.1, 0.7},
                {0.12, 659.3, 659.3, 0.2, 0.1, 0.7},
                {0.24, 784.0, 784.0, 0.2, 0.1, 0.8},
                {0.36, 1046.5, 1046.5, 0.5, 0.18, 1.0}};
    }
    return {};
}

// Peak of every sound: loud enough to hear, far from clipping.
constexpr double Spitze = 0.32 * 32767.0;

} // namespace

std::vector<std::int16_t> klangProben(Klang klang)
{
    const std::vector<Ton> toene = noten(klang);
    double laenge = 0;
    for (const Ton& t : toene)
        laenge = std::max(laenge, t.Anfang + t.Dauer);
    std::vector<double> summe(static_cast<std::size_t>(std::ceil(laenge * Klangrate)), 0.0);
    for (const Ton& t : toene) {
        const auto anfang = static_cast<std::size_t>(t.Anfang * Klangrate);
        const auto anzahl = static_cast<std::size_t>(t.Dauer * Klangrate);
        double phase = 0;
        for (std::size_t i = 0; i < anzahl && anfang + i < summe.size(); ++i) {
            const double s = double(i) / Klangrate;
            const double f = t.Frequenz + (t.Ende - t.Frequenz) * s / t.Dauer;
            phase += 2 * std::numbers::pi * f / Klangrate;
            const double anstieg = std::min(1.0, s / 0.004);
            // The last 10 ms of each note fade to nothing, so no note ends in a click.
            const double auslauf = std::min(1.0, (t.Dauer - s) / 0.01);
            const double huelle = anstieg * auslauf * std::exp(-s / t.Abklingen);
            const double obertoene = 0.25 * std::sin(2 * phase) * std::exp(-s / (t.Abklingen * 0.5))
                                     + 0.08 * std::sin(3 * phase) * std::exp(-s / (t.Abklingen * 0.3));
            summe[anfang + i] += t.Staerke * huelle * (std::sin(phase) + obertoene);
        }
    }
    double hoechste = 0;
    for (const double v : summe)
        hoechste = std::max(hoechste, std::abs(v));
    const double faktor = hoechste > 0 ? Spitze / hoechste : 0;
    std::vector<std::int16_t> proben(summe.size());
    std::transform(summe.begin(), summe.end(), proben.begin(),
                   [faktor](double v) { return static_cast<std::int16_t>(std::lrint(v * faktor)); });
    return proben;
}

Klangmischer::Klangmischer()
{
    for (int k = 0; k < AnzahlKlaenge; ++k)
        proben_[std::size_t(k)] = klangProben(Klang(k));
}

void Klangmischer::spiele(Klang klang)
{
    if (stimmen_.size() >= HoechstensStimmen)
        stimmen_.erase(stimmen_.begin());
    stimmen_.push_back({&proben_[std::size_t(klang)], 0});
}

void Klangmischer::mische(std::int16_t* ziel, std::size_t anzahl)
{
    summe_.assign(anzahl, 0);
    for (Stimme& s : stimmen_) {
        const std::size_t n = std::min(anzahl, s.Proben->size() - s.Stelle);
        for (std::size_t i = 0; i < n; ++i)
            summe_[i] += (*s.Proben)[s.Stelle + i];
        s.Stelle += n;
    }
    kartentoene_.mische(summe_.data(), anzahl);
    std::erase_if(stimmen_, [](const Stimme& s) { return s.Stelle == s.Proben->size(); });
    std::transform(summe_.begin(), summe_.end(), ziel,
                   [](std::int32_t v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); });
}
