#include "neuesspiel/Brettwahl.h"

std::optional<Brettmass> waehleBrett(int bilder)
{
    const int karten = 2 * bilder;
    // The largest row count up to the square root gives the most square board.
    std::optional<Brettmass> bestes;
    for (int zeilen = 1; zeilen <= MaxBrettSeite && zeilen * zeilen <= karten; ++zeilen) {
        if (karten % zeilen != 0)
            continue;
        const int spalten = karten / zeilen;
        if (spalten <= MaxBrettSeite)
            bestes = Brettmass{spalten, zeilen};
    }
    return bestes;
}

int naechsteMoeglicheAnzahl(int bilder, int schritt)
{
    constexpr int MaxBilder = MaxBrettSeite * MaxBrettSeite / 2;
    for (int n = bilder + schritt; n >= 1 && n <= MaxBilder; n += schritt)
        if (waehleBrett(n))
            return n;
    return 0;
}
