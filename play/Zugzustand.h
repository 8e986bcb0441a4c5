#pragma once

#include "board/Zellcode.h"
#include "play/Bildschirmhaelften.h"
#include "play/Brettstand.h"
#include "play/Gruppenstand.h"
#include "play/Zugschritt.h"

#include <functional>

// What the rules need to know of a cell on the board.
struct Kartenauskunft {
    std::function<int(Zelle)> PaarNummer; // equal numbers make a pair
    std::function<int(Zelle)> BildTag;    // Tag of the cell's small picture
};

// The referee of play: the move state, where every card lies, whose turn it is
// and the groups' scores. Each click answers with the steps the window must
// carry out, in order, and the board follows the same steps. A click on a
// control in a half of the screen that is not shown changes nothing.
class Zugzustand {
public:
    // A new game on a spalten x zeilen board, every card covered: startgruppe
    // (0 or 1) begins, nobody has scored. Cards lie on the first `karten`
    // cells in reading order (every cell when karten < 0), the rest are empty
    // places. 0 <= spalten, zeilen <= 100
    void gruppenAufbauen(int startgruppe, int spalten, int zeilen, int karten = -1);
    // The players have chosen one or two groups; a single player is group 0.
    void spielBeginnen(int anzahlGruppen);

    // A card back on the board with this Tag was clicked.
    Zugschritte rueckseiteGeklickt(int tag, const Kartenauskunft& karten);
    // An open card's small picture on the board was clicked.
    Zugschritte offeneKarteGeklickt();
    // One of the two large pictures was clicked.
    Zugschritte grossbildGeklickt();
    // A collected card with this Tag was clicked in a group panel. tag != 0
    Zugschritte gesammelteKarteGeklickt(int tag);

    // Which controls the two halves of the screen show in this state.
    Bildschirmhaelften haelften() const;

    // 0: no card open. 1: one open. 2: two open, no pair. 3: pair found and shown.
    int aufgedeckteKarten() const { return AufgedeckteKarten; }
    // First (0) and second (1) card of the move.
    Zelle gewaehlt(int eintrag) const { return {GewaehlteZeile[eintrag], GewaehlteSpalte[eintrag]}; }
    bool ergebnisAnzeige() const { return ErgebnisAnzeige; }
    int aktiveGruppe() const { return AktiveGruppe; }
    int anzahlGruppen() const { return AnzahlGruppen; }
    const Gruppenstand& stand() const { return Stand; }
    // Where every card lies after the steps answered so far.
    const Brettstand& brett() const { return Brett; }
    // Every card is collected: the game is over. The steps, the ending and
    // what a screen reader is told all ask here.
    bool spielZuEnde() const { return Brett.alleGesammelt(); }

private:
    // Adds the step to the answer and carries it out on the board.
    void gib(Zugschritte& s, Zugschritt schritt);
    void zudecken(Zugschritte& s);
    void paarEinsammeln(Zugschritte& s, const Kartenauskunft& karten);

    int AufgedeckteKarten = 0;
    int GewaehlteSpalte[2] = {0, 0};
    int GewaehlteZeile[2] = {0, 0};
    bool ErgebnisAnzeige = false; // a collected card is shown large in PBildLinks
    int AktiveGruppe = 0;
    int AnzahlGruppen = 2;
    Gruppenstand Stand;
    Brettstand Brett;
};
