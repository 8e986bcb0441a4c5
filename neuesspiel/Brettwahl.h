#pragma once

#include <optional>

// A board of spalten x zeilen cards.
struct Brettmass {
    int spalten = 0;
    int zeilen = 0;
    friend bool operator==(const Brettmass&, const Brettmass&) = default;
};

inline constexpr int MaxBrettSeite = 100;

// The board for `bilder` pairs: spalten * zeilen == 2 * bilder, no side over
// MaxBrettSeite, at least as wide as high (screens are landscape), and of those
// the most square. Empty when no such board exists (101 pictures need 2 x 101).
// bilder >= 1
std::optional<Brettmass> waehleBrett(int bilder);

// The nearest picture count from `bilder` in direction `schritt` (+1 or -1)
// that has a board; 0 when there is none that way.
int naechsteMoeglicheAnzahl(int bilder, int schritt);
