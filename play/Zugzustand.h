#pragma once

#include <functional>

// What the left half of the screen shows.
enum class LinkeHaelfte { Karten, BildLinks };     // PKarten or PBildLinks
// What the right half of the screen shows.
enum class RechteHaelfte { BekommeneKarten, BildRechts }; // PBekommeneKarten or PBildRechts

struct Bildschirmhaelften {
    LinkeHaelfte Links = LinkeHaelfte::Karten;
    RechteHaelfte Rechts = RechteHaelfte::BekommeneKarten;

    bool operator==(const Bildschirmhaelften&) const = default;
};

// Pair number of the cell (zeile, spalte); -1 while free.
using PaarNummerVon = std::function<int(int zeile, int spalte)>;

// The state of the current move and whose turn it is. The click handlers change
// the fields step by step; the methods hold the rules they share.
struct Zugzustand {
    // 0: no card open. 1: one open. 2: two open, no pair. 3: pair found and shown.
    int AufgedeckteKarten = 0;
    int GewaehlteSpalte[2] = {0, 0}; // first (0) and second (1) card of the move
    int GewaehlteZeile[2] = {0, 0};
    bool ErgebnisAnzeige = false; // a collected card is shown large in PBildLinks
    int AktiveGruppe = 0;
    int AnzahlGruppen = 2;

    // Records a turned card in the entry given by AufgedeckteKarten; returns false
    // and records nothing when no entry is free (state 2 or 3).
    bool karteMerken(int zeile, int spalte);

    // The two recorded cards have equal pair numbers.
    bool istPaar(const PaarNummerVon& paarNummer) const;

    // Passes the turn to the next group; a single group keeps it.
    void gruppeWeitergeben();

    // Which controls the two halves of the screen show in this state.
    Bildschirmhaelften haelften() const;
};
