#include "board/Neuverteilung.h"

#include "board/Austeiler.h"

#include <stdexcept>

std::vector<int> neuVerteilen(const std::vector<int>& bildAnZelle, int spalten, int zeilen, Zufallsquelle& zufall)
{
    const std::size_t n = static_cast<std::size_t>(spalten) * static_cast<std::size_t>(zeilen);
    if (bildAnZelle.size() != n)
        throw std::invalid_argument("neuVerteilen: so viele Bilder wie Zellen erwartet");
    std::vector<int> zelleVonBild(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
        const int k = bildAnZelle[i];
        if (k < 0 || static_cast<std::size_t>(k) >= n || zelleVonBild[k] >= 0)
            throw std::invalid_argument("neuVerteilen: jedes Bild genau einmal erwartet");
        zelleVonBild[k] = static_cast<int>(i);
    }
    std::vector<int> quelle(n, -1);
    Austeiler austeiler(spalten, zeilen, zufall);
    while (!austeiler.fertig()) {
        const Austeilschritt s = austeiler.naechster();
        quelle[static_cast<std::size_t>(s.Ziel.Zeile * spalten + s.Ziel.Spalte)] = zelleVonBild[s.k];
    }
    return quelle;
}
