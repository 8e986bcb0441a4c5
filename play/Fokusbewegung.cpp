#include "play/Fokusbewegung.h"

#include <algorithm>

Zelle bewegeBrettfokus(Zelle z, Pfeil p, int zeilen, int spalten, int karten)
{
    const Zelle vorher = z;
    switch (p) {
    case Pfeil::Links:
        z.Spalte = std::max(z.Spalte - 1, 0);
        break;
    case Pfeil::Rechts:
        z.Spalte = std::min(z.Spalte + 1, spalten - 1);
        break;
    case Pfeil::Hoch:
        z.Zeile = std::max(z.Zeile - 1, 0);
        break;
    case Pfeil::Runter:
        z.Zeile = std::min(z.Zeile + 1, zeilen - 1);
        break;
    }
    if (karten >= 0 && z.Zeile * spalten + z.Spalte >= karten)
        return vorher;
    return z;
}

Sammelplatz bewegeSammelfokus(Sammelplatz platz, Pfeil p, const int (&anzahl)[2], int proReihe)
{
    const int g = platz.Gruppe;
    const int n = anzahl[g];
    const int spalte = platz.Karte % proReihe;
    switch (p) {
    case Pfeil::Links:
        if (platz.Karte > 0)
            return {g, platz.Karte - 1};
        if (g == 1 && anzahl[0] > 0)
            return {0, anzahl[0] - 1};
        break;
    case Pfeil::Rechts:
        if (platz.Karte + 1 < n)
            return {g, platz.Karte + 1};
        if (g == 0 && anzahl[1] > 0)
            return {1, 0};
        break;
    case Pfeil::Hoch:
        if (platz.Karte >= proReihe)
            return {g, platz.Karte - proReihe};
        if (g == 1 && anzahl[0] > 0) {
            // Same column in the upper panel's last row, or its last card when that row is short.
            const int letzteReihe = (anzahl[0] - 1) / proReihe;
            return {0, std::min(letzteReihe * proReihe + spalte, anzahl[0] - 1)};
        }
        break;
    case Pfeil::Runter:
        if (platz.Karte + proReihe < n)
            return {g, platz.Karte + proReihe};
        if (platz.Karte / proReihe < (n - 1) / proReihe)
            return {g, n - 1}; // the next row is shorter
        if (g == 0 && anzahl[1] > 0)
            return {1, std::min(spalte, anzahl[1] - 1)};
        break;
    }
    return platz;
}
