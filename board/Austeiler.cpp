#include "board/Austeiler.h"

#include "board/Bilddateiname.h"

#include <stdexcept>

Austeiler::Austeiler(int spalten, int zeilen, Zufallsquelle& zufall)
    : spalten_(spalten), n_(spalten * zeilen), zufall_(zufall), frei_(static_cast<std::size_t>(n_), true),
      dateinamen_(austeilDateinamen(n_))
{
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
    s.k = k_;
    s.PaarNummer = k_ / 2 + 1;
    s.ZweitesBild = k_ % 2 == 1;
    s.Dateiname = dateinamen_[k_];
    s.Ziel = Zelle{index / spalten_, index % spalten_};
    s.Fortschritt = (k_ + 1) * 100 / n_;
    ++k_;
    return s;
}
