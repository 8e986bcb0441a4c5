#pragma once

// Height of the header strip of a group panel; the first row of cards starts there.
constexpr int KopfHoehe = 36;

// What the row length of the collected cards depends on.
struct Reihenvorgaben {
    int Spalten = 0;
    int Zeilen = 0;
    int KartenBreite = 0;
    int KartenHoehe = 0;
    int ClientWidth = 0;
    int HoeheBekommene = 0; // height of PBekommeneKarten
};

// Cards per row in a group panel; even lengths are preferred so that a pair
// stays in one row. Never below 1.
// Spalten >= 1
int kartenProReihe(const Reihenvorgaben& v);
