#include "play/Brettstand.h"

#include <algorithm>

void Brettstand::neuesSpiel(int spalten, int zeilen, int karten)
{
    spalten_ = spalten;
    zeilen_ = zeilen;
    const int zellen = spalten * zeilen;
    karten_ = karten < 0 ? zellen : std::min(karten, zellen);
    lagen_.assign(std::size_t(zellen), Kartenlage::Leer);
    std::fill_n(lagen_.begin(), karten_, Kartenlage::Verdeckt);
    gruppen_.assign(lagen_.size(), -1);
    for (auto& karten : gesammelt_)
        karten.clear();
}

bool Brettstand::aufBrett(Zelle z) const
{
    return z.Zeile >= 0 && z.Zeile < zeilen_ && z.Spalte >= 0 && z.Spalte < spalten_;
}

Kartenlage Brettstand::lage(Zelle z) const
{
    return aufBrett(z) ? lagen_[index(z)] : Kartenlage::Leer;
}

std::optional<Sammelplatz> Brettstand::sammelplatz(Zelle z) const
{
    if (!aufBrett(z) || gruppen_[index(z)] < 0)
        return std::nullopt;
    const int g = gruppen_[index(z)];
    const auto& karten = gesammelt_[g];
    const auto it = std::find(karten.begin(), karten.end(), z);
    if (it == karten.end())
        return std::nullopt;
    return Sammelplatz{g, int(it - karten.begin())};
}

bool Brettstand::alleGesammelt() const
{
    return karten_ > 0 && std::all_of(lagen_.begin(), lagen_.end(), [](Kartenlage l) {
        return l == Kartenlage::Gesammelt || l == Kartenlage::Leer;
    });
}

void Brettstand::fuehreAus(const Zugschritte& schritte)
{
    for (const Zugschritt& s : schritte)
        fuehreAus(s);
}

void Brettstand::fuehreAus(const Zugschritt& schritt)
{
    // Cells the rules name lie on the board; a step that named another would
    // come from a fault and must not reach past the tables.
    const auto setze = [this](Zelle z, Kartenlage lage) {
        if (aufBrett(z) && lagen_[index(z)] != Kartenlage::Leer)
            lagen_[index(z)] = lage;
    };
    if (const auto* s = std::get_if<Schritt::BildDrehen>(&schritt)) {
        setze(s->Zelle, Kartenlage::Aufgedeckt);
    } else if (const auto* s = std::get_if<Schritt::Zudecken>(&schritt)) {
        setze(s->Erste, Kartenlage::Verdeckt);
        setze(s->Zweite, Kartenlage::Verdeckt);
    } else if (const auto* s = std::get_if<Schritt::PaarNehmen>(&schritt)) {
        for (const Zelle z : {s->Erste, s->Zweite}) {
            setze(z, Kartenlage::Gesammelt);
            if (aufBrett(z) && lagen_[index(z)] == Kartenlage::Gesammelt)
                gruppen_[index(z)] = s->Gruppe & 1;
        }
    } else if (const auto* s = std::get_if<Schritt::KarteAblegen>(&schritt)) {
        if (!aufBrett(s->Zelle) || gruppen_[index(s->Zelle)] < 0)
            return;
        auto& karten = gesammelt_[gruppen_[index(s->Zelle)]];
        // The places are numbered in turn: the number is the entry.
        if (s->Nummer >= 0 && s->Nummer < int(karten.size()))
            karten[s->Nummer] = s->Zelle;
        else
            karten.push_back(s->Zelle);
    }
}
