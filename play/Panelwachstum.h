#pragma once

#include <array>

// Sizes that change when the group panels grow. The upper panel's top never moves.
struct Panelmasse {
    int Hoehe0 = 0;         // height of GruppenPanels[0]
    int Oben1 = 0;          // top of GruppenPanels[1]
    int Hoehe1 = 0;         // height of GruppenPanels[1]
    int HoeheBekommene = 0; // height of PBekommeneKarten

    bool operator==(const Panelmasse&) const = default;
};

struct Wachstumslage {
    Panelmasse Masse;
    std::array<int, 2> GesammelteKarten{}; // after the pair has been placed
    int KartenProReihe = 1;
    int KartenHoehe = 0;
    int KopfHoehe = 0;
    int AktiveGruppe = 0; // the group that has just collected a pair
};

// New sizes after the active group collected a pair (two groups only). When the
// pair's lower card reaches past the active panel, the other panel gives up the
// rows needed if it keeps room for its own cards; otherwise both panels take
// exactly the height their rows need and PBekommeneKarten changes by the sum.
// KartenProReihe >= 1, AktiveGruppe 0 or 1
Panelmasse panelWachstum(const Wachstumslage& lage);
