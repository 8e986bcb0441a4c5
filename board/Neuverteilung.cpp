#include "board/Neuverteilung.h"

#include "board/Austeiler.h"

#include <numeric>
#include <stdexcept>

std::vector<int> neuVerteilen(const std::vector<int>& bildAnZelle, int spalten, int zeilen, Zufallsquelle& zufall)
{
    const std::size_t n = static_cast<std::size_t>(spalten) * static_cast<std::size_t>(zeilen);
    if (bildAnZelle.size() != n)
        throw std::invalid_argument("neuVerteilen: so viele Einträge wie Zellen erwartet");
    std::vector<int> zelleVonBild(n, -1);
    std::size_t bilder = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int k = bildAnZelle[i];
        if (k == -1)
            continue;
        if (k < 0 || static_cast<std::size_t>(k) >= n || zelleVonBild[k] >= 0)
            throw std::invalid_argument("neuVerteilen: jedes Bild genau einmal erwartet");
        zelleVonBild[k] = static_cast<int>(i);
        ++bilder;
    }
    // Pictures 0 .. bilder - 1 in whole pairs, or every cell of a full board.
    bool lueckenlos = bilder == n || (bilder > 0 && bilder % 2 == 0);
    for (std::size_t k = 0; k < bilder && lueckenlos; ++k)
        lueckenlos = zelleVonBild[k] >= 0;
    if (!lueckenlos)
        throw std::invalid_argument("neuVerteilen: jedes Bild genau einmal erwartet");
    std::vector<int> quelle(n, -1);
    std::vector<int> paare(bilder / 2);
    std::iota(paare.begin(), paare.end(), 1);
    Austeiler austeiler = bilder == n ? Austeiler(spalten, zeilen, zufall) : Austeiler(spalten, zeilen, paare, zufall);
    while (!austeiler.fertig()) {
        const Austeilschritt s = austeiler.naechster();
        quelle[static_cast<std::size_t>(s.Ziel.Zeile * spalten + s.Ziel.Spalte)] = zelleVonBild[s.K];
    }
    return quelle;
}
