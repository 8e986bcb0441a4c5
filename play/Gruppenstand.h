#pragma once

#include <array>

// Points and collected cards of the two groups, and the single player's moves.
struct Gruppenstand {
    std::array<int, 2> Punkte{};
    std::array<int, 2> GesammelteKarten{}; // cards, not pairs
    int Spielzuege = 0;

    // Number of the next card laid into the group's panel; counts it.
    // gruppe 0 or 1
    int karteAblegen(int gruppe);

    // A found pair scores 2 points; returns the group's new points.
    // gruppe 0 or 1
    int paarWerten(int gruppe);

    // Counts a completed single-player move; returns the new count.
    int zugZaehlen();
};
