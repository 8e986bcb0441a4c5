#pragma once

#include "board/Zellcode.h"
#include "play/Bildschirmhaelften.h"

#include <QString>
#include <array>
#include <variant>
#include <vector>

// What the window must do after a click, one step at a time, in this order.
// A field named Zelle hides the type inside its step: ::Zelle names the type there.
namespace Schritt {
// AnDerReiheLabel goes for good.
struct HinweisVerbergen {};
// First half of the turn: the clicked card back narrows to nothing and is hidden.
struct RueckseiteDrehen {};
// Second half: the cell's small picture widens at the clicked back's place.
struct BildDrehen {
    ::Zelle Zelle;
};
enum class Grossbildseite { Rechts, Links }; // Image1 or Image2
// The large picture of the cell goes into Image1 or Image2.
struct Grossbild {
    Grossbildseite Seite = Grossbildseite::Rechts;
    ::Zelle Zelle;
};
// The two halves of the screen show this.
struct Haelften {
    Bildschirmhaelften Zeigen;
};
// A plain message box with this text.
struct Meldung {
    QString Text;
};
// Both open cards turn back together (first, then second card of the move).
struct Zudecken {
    ::Zelle Erste;
    ::Zelle Zweite;
};
// The single player's move counter shows this count.
struct ZuegeZeigen {
    int Zuege = 0;
};
// Both small pictures leave the board for the group's panel and answer clicks as collected cards.
struct PaarNehmen {
    int Gruppe = 0;
    ::Zelle Erste;
    ::Zelle Zweite;
};
// The cell's small picture takes place number Nummer in the panel of the group
// that has just taken it; the places of a group are numbered 0, 1, 2, ... in turn.
struct KarteAblegen {
    ::Zelle Zelle;
    int Nummer = 0;
};
// The group's points label shows these points.
struct PunkteZeigen {
    int Gruppe = 0;
    int Punkte = 0;
};
// The group panels grow where the group's new cards need room; the groups now
// hold these numbers of cards.
struct PanelsWachsen {
    int Gruppe = 0;
    std::array<int, 2> GesammelteKarten{};
};
// The group's panel gets the highlight or the button-face colour.
struct Markieren {
    int Gruppe = 0;
    bool Markiert = false;
};
// The two open cards are no pair; they stay open until the next click.
struct KeinPaar {
    bool operator==(const KeinPaar&) const = default;
};
// The last pair's large pictures are gone: the board is empty and the game is over.
struct Spielende {
    bool operator==(const Spielende&) const = default;
};
} // namespace Schritt

using Zugschritt = std::variant<Schritt::HinweisVerbergen, Schritt::RueckseiteDrehen, Schritt::BildDrehen,
                                Schritt::Grossbild, Schritt::Haelften, Schritt::Meldung, Schritt::Zudecken,
                                Schritt::ZuegeZeigen, Schritt::PaarNehmen, Schritt::KarteAblegen,
                                Schritt::PunkteZeigen, Schritt::PanelsWachsen, Schritt::Markieren,
                                Schritt::KeinPaar, Schritt::Spielende>;
using Zugschritte = std::vector<Zugschritt>;
