#pragma once

#include <QPoint>
#include <array>

// Entries of the move (0 = first card, 1 = second card) in the order the two
// cards of a pair are laid into the group panel: the "a" picture (positive Tag)
// always comes before the "b" picture.
std::array<int, 2> ablageReihenfolge(int tagErsteKarte);

// How collected cards are laid out in a group panel: row by row, one pixel apart.
struct Ablageraster {
    int KartenProReihe = 1;
    int KartenBreite = 0;
    int KartenHoehe = 0;
    int LinkerRand = 0;
    int KopfHoehe = 0;
};

// Left and top edge, inside the panel, of the card with number c (counted from 0).
// c >= 0, KartenProReihe >= 1
QPoint kartenPlatz(int c, const Ablageraster& r);
