#include "board/Austeiler.h"

#include "board/Bilddateiname.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace {

std::vector<int> allePaare(int spalten, int zeilen)
{
    // An odd board (refused by the settings) keeps its last cell's "a" picture.
    std::vector<int> paare(static_cast<std::size_t>((spalten * zeilen + 1) / 2));
    std::iota(paare.begin(), paare.end(), 1);
    return paare;
}

} // namespace

Austeiler::Austeiler(int spalten, int zeilen, Zufallsquelle& zufall)
    : Austeiler(spalten, zeilen, allePaare(spalten, zeilen), spalten * zeilen, zufall)
{
}

Austeiler::Austeiler(int spalten, int zeilen, std::vector<int> paare, Zufallsquelle& zufall)
    : Austeiler(spalten, zeilen, paare, 2 * static_cast<int>(paare.size()), zufall)
{
}

Austeiler::Austeiler(int spalten, int zeilen, std::vector<int> paare, int bilder, Zufallsquelle& zufall)
    : spalten_(spalten), n_(bilder), zufall_(zufall), paare_(std::move(paare)),
      frei_(static_cast<std::size_t>(spalten) * static_cast<std::size_t>(zeilen), false)
{
    if (n_ < 1 || static_cast<std::size_t>(n_) > frei_.size())
        throw std::invalid_argument("Austeiler: so viele Paare passen nicht auf das Brett");
    std::fill_n(frei_.begin(), n_, true);
    dateinamen_.reserve(n_);
    for (int k = 0; k < n_; ++k)
        dateinamen_.push_back(bilddateiname(paare_[static_cast<std::size_t>(k / 2)], k % 2 == 1));
}

Austeilschritt Austeiler::naechster()
{
    if (fertig())
        throw std::logic_error("Austeiler: alle Bilder sind schon ausgeteilt");
    const int frei = n_ - k_;
    const int r = zufall_.naechste(frei);
    if (r < 0 || r >= frei)
        throw std::out_of_range("Austeiler: Zufallszahl außerhalb des Bereichs");

    // The r-th free cell in reading order; it exists since exactly N - k cells are free.
    int gezaehlt = 0;
    int index = 0;
    for (;; ++index) {
        if (!frei_[index])
            continue;
        if (gezaehlt == r)
            break;
        ++gezaehlt;
    }
    frei_[index] = false;

    Austeilschritt s;
    s.K = k_;
    s.PaarNummer = paare_[static_cast<std::size_t>(k_ / 2)];
    s.ZweitesBild = k_ % 2 == 1;
    s.Dateiname = dateinamen_[k_];
    s.Ziel = Zelle{index / spalten_, index % spalten_};
    s.Fortschritt = (k_ + 1) * 100 / n_;
    ++k_;
    return s;
}

std::vector<int> austeilen(int spalten, int zeilen, const std::vector<int>& paare, Zufallsquelle& zufall)
{
    std::vector<int> bildAnZelle(static_cast<std::size_t>(spalten) * static_cast<std::size_t>(zeilen), -1);
    Austeiler austeiler(spalten, zeilen, paare, zufall);
    while (!austeiler.fertig()) {
        const Austeilschritt s = austeiler.naechster();
        bildAnZelle[static_cast<std::size_t>(s.Ziel.Zeile * spalten + s.Ziel.Spalte)] = s.K;
    }
    return bildAnZelle;
}
