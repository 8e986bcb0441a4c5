#pragma once

#include "board/Zellcode.h"
#include "play/Bildschirmhaelften.h"

#include <QString>
#include <array>
#include <variant>
#include <vector>

// What the window must do after a click, one step at a time, in this order.
namespace Schritt {
// AnDerReiheLabel goes for good.
struct HinweisVerbergen {
    bool operator==(const HinweisVerbergen&) const = default;
};
// First half of the turn: the clicked card back narrows to nothing and is hidden.
struct RueckseiteDrehen {
    bool operator==(const RueckseiteDrehen&) const = default;
};
// Second half: the cell's small picture widens at the clicked back's place.
struct BildDrehen {
    Zelle zelle;
    bool operator==(const BildDrehen&) const = default;
};
enum class Grossbildseite { Rechts, Links }; // Image1 or Image2
// The large picture of the cell goes into Image1 or Image2.
struct Grossbild {
    Grossbildseite seite = Grossbildseite::Rechts;
    Zelle zelle;
    bool operator==(const Grossbild&) const = default;
};
// The two halves of the screen show this.
struct Haelften {
    Bildschirmhaelften zeigen;
    bool operator==(const Haelften&) const = default;
};
// A plain message box with this text.
struct Meldung {
    QString text;
    bool operator==(const Meldung&) const = default;
};
// Both open cards turn back together (first, then second card of the move).
struct Zudecken {
    Zelle erste;
    Zelle zweite;
    bool operator==(const Zudecken&) const = default;
};
// The single player's move counter shows this count.
struct ZuegeZeigen {
    int zuege = 0;
    bool operator==(const ZuegeZeigen&) const = default;
};
// Both small pictures leave the board for the group's panel and answer clicks as collected cards.
struct PaarNehmen {
    int gruppe = 0;
    Zelle erste;
    Zelle zweite;
    bool operator==(const PaarNehmen&) const = default;
};
// The cell's small picture takes place number nummer in the group's panel.
struct KarteAblegen {
    Zelle zelle;
    int nummer = 0;
    bool operator==(const KarteAblegen&) const = default;
};
// The group's points label shows these points.
struct PunkteZeigen {
    int gruppe = 0;
    int punkte = 0;
    bool operator==(const PunkteZeigen&) const = default;
};
// The group panels grow where the group's new cards need room; the groups now
// hold these numbers of cards.
struct PanelsWachsen {
    int gruppe = 0;
    std::array<int, 2> gesammelteKarten{};
    bool operator==(const PanelsWachsen&) const = default;
};
// The group's panel gets the highlight or the button-face colour.
struct Markieren {
    int gruppe = 0;
    bool markiert = false;
    bool operator==(const Markieren&) const = default;
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
