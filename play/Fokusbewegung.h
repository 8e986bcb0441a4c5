#pragma once

#include "board/Zellcode.h"

// A direction of an arrow key.
enum class Pfeil { Links, Rechts, Hoch, Runter };

// The board's focus one cell further, over every cell that held a card
// (places whose cards were collected included); at an edge it stays. Only the
// first `karten` cells in reading order were dealt (all when karten < 0): the
// places after them count as beyond the edge. 0 <= z.Zeile < zeilen,
// 0 <= z.Spalte < spalten.
Zelle bewegeBrettfokus(Zelle z, Pfeil p, int zeilen, int spalten, int karten = -1);

// A collected card: its group and its number in the group's panel.
struct Sammelplatz {
    int Gruppe = 0;
    int Karte = 0;
    friend bool operator==(const Sammelplatz&, const Sammelplatz&) = default;
};

// The focus on the collected cards one card further. The cards of each panel
// lie in rows of proReihe; left and right run through the upper panel's cards
// into the lower one's, up and down keep the column and cross from one panel
// into the other; past the last card the focus stays. The place is a card of
// its group (0 <= Karte < anzahl[Gruppe]), proReihe >= 1.
Sammelplatz bewegeSammelfokus(Sammelplatz platz, Pfeil p, const int (&anzahl)[2], int proReihe);
