#pragma once

#include <QLocale>

// Marks "auto" in KartenBreite: the screen layout then picks the card size.
constexpr int AutoKartenBreite = -111;

// The languages text and name cards are read aloud in: the first cards'
// column's and the second cards'.
struct Vorlesesprachen {
    QLocale::Language Erste = QLocale::German;
    QLocale::Language Zweite = QLocale::German;
    friend bool operator==(const Vorlesesprachen&, const Vorlesesprachen&) = default;
};

// The game settings, read once from "Paarlix.ini". All zero or false before
// the file is read.
struct Spieleinstellungen {
    int FormatX = 0;
    int FormatY = 0;
    int Spalten = 0;
    int Zeilen = 0;
    int KartenBreite = 0;
    int KartenHoehe = 0;
    int AbstandX = 0;
    int AbstandY = 0;
    double HalbeDrehZeit = 0.0; // days
    bool BilderSchneiden = false;
    bool SpielerAbfragen = false;
    bool Testmodus = false;
    // Setting 12, optional: the picture pairs dealt per round; 0 when not given.
    int PaareJeRunde = 0;
    // Setting 13, optional: text and name cards are read aloud when turned;
    // off when not given.
    bool TexteVorlesen = false;
    Vorlesesprachen Sprachen;
};

// The pairs a round deals: setting 12, or a full board without it.
inline int paareJeRunde(const Spieleinstellungen& e)
{
    return e.PaareJeRunde > 0 ? e.PaareJeRunde : e.Spalten * e.Zeilen / 2;
}
