#pragma once

#include "board/Kartenformat.h"

#include <QSize>
#include <QString>

// A board of Spalten x Zeilen cards.
struct Brettmass {
    int Spalten = 0;
    int Zeilen = 0;
    friend bool operator==(const Brettmass&, const Brettmass&) = default;
};

// The screen a game is chosen for when no display tells its size: the most
// common laptop screen.
inline constexpr QSize Bezugsbildschirm{1366, 768};

// The screen a new game's board is chosen for: the display's, in device pixels
// as the game sees it, when there is a display; else Bezugsbildschirm.
QSize bezugsbildschirm();
// The column letters end at Z.
inline constexpr int MaxBrettSpalten = 26;
// Smaller cards cannot be told apart.
inline constexpr int MinKartenHoehe = 48;

// The board for a number of pairs when places may stay empty.
struct BrettMitLuecken {
    bool Passt = false; // the cards are at least MinKartenHoehe high
    Brettmass Brett;    // the board with the largest cards (also when they are too small); 0 x 0 if none
    QSize Karte;        // its card size in a maximised window with "auto" cards
    int Frei = 0;       // its empty places: Spalten x Zeilen - 2 x bilder
};

// Chooses among all boards of at most MaxBrettSpalten columns and 100 rows
// on which 2 * bilder cards leave fewer empty places than one row (an odd
// number of cells too, which the settings allow with setting 12) the one
// with the largest cards, in the game's own layout for a maximised window of
// `bildschirm`'s size and "auto" cards, with the new game's gaps. Equal cards: fewer empty places, then the squarer
// board, then the wider one. bilder >= 1; bildschirm not empty
BrettMitLuecken waehleBrettMitLuecken(int bilder, const Kartenformat& format, QSize bildschirm = Bezugsbildschirm);

// The most pairs waehleBrettMitLuecken fits on the screen; every count from 1
// up to it fits.
int groessteAnzahlMitLuecken(const Kartenformat& format, QSize bildschirm = Bezugsbildschirm);

// The board a new game is written with for `bilder` pictures, each a pair,
// when every round deals `jeRunde` of them (0: all that fit).
struct Spielfeld {
    bool Gut = false;
    BrettMitLuecken Wahl; // for Paare pairs
    int Paare = 0;        // dealt each round
    int PaareJeRunde = 0; // the twelfth setting; 0 when all pictures fill the board
    QString Fehler;       // why there is no game, one sentence; empty when Gut
};

// With jeRunde 0, all pictures up to groessteAnzahlMitLuecken, above it that
// many drawn each round. jeRunde 1..bilder: that many, if they fit. The
// twelfth setting is written whenever a round deals fewer pairs than the
// board has places or than there are pictures. bilder >= 1; bildschirm not empty
Spielfeld waehleSpielfeld(int bilder, int jeRunde, const Kartenformat& format, QSize bildschirm = Bezugsbildschirm);

// The board in words: "25 Paare auf 8 × 7 Feldern, 6 bleiben frei", "je Runde
// 8 von 25 Paaren auf 4 × 4 Karten"; with `pfeil` as the new-game window
// shows it: "25 Paare → 8 × 7 Felder, 6 bleiben frei". feld.Gut
QString spielfeldText(const Spielfeld& feld, int bilder, bool pfeil);
