#include "play/Fokusbewegung.h"

#include <gtest/gtest.h>

TEST(Fokusbewegung, boardFocusMovesOneCellAndStaysAtTheEdge)
{
    // Every cell is reachable, empty places too; an arrow against an edge keeps the cell.
    // With 10 cards dealt on the 3 x 4 board, cells 2,2 and 2,3 were never dealt: an edge.
    struct Fall {
        Zelle von;
        Pfeil p;
        Zelle nach;
        int karten = -1;
    };
    const Fall faelle[] = {
        {{1, 1}, Pfeil::Links, {1, 0}}, {{1, 1}, Pfeil::Rechts, {1, 2}}, {{1, 1}, Pfeil::Hoch, {0, 1}},
        {{1, 1}, Pfeil::Runter, {2, 1}}, {{0, 0}, Pfeil::Links, {0, 0}}, {{0, 0}, Pfeil::Hoch, {0, 0}},
        {{2, 3}, Pfeil::Rechts, {2, 3}}, {{2, 3}, Pfeil::Runter, {2, 3}},
        {{2, 1}, Pfeil::Rechts, {2, 1}, 10}, {{1, 2}, Pfeil::Runter, {1, 2}, 10}, {{1, 1}, Pfeil::Runter, {2, 1}, 10},
        {{1, 3}, Pfeil::Rechts, {1, 3}, 10}, {{2, 1}, Pfeil::Links, {2, 0}, 10},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(bewegeBrettfokus(f.von, f.p, 3, 4, f.karten), f.nach) << f.von.Zeile << "," << f.von.Spalte;
}

TEST(Fokusbewegung, collectedFocusRunsThroughBothPanels)
{
    // Rows of 4; the upper panel holds 6 cards, the lower 3. Left and right run
    // on across the panels, up and down keep the column and cross between them.
    const int anzahl[2] = {6, 3};
    struct Fall {
        Sammelplatz von;
        Pfeil p;
        Sammelplatz nach;
    };
    const Fall faelle[] = {
        {{0, 0}, Pfeil::Rechts, {0, 1}},  {{0, 5}, Pfeil::Rechts, {1, 0}}, {{1, 0}, Pfeil::Links, {0, 5}},
        {{0, 0}, Pfeil::Links, {0, 0}},   {{1, 2}, Pfeil::Rechts, {1, 2}}, {{0, 1}, Pfeil::Runter, {0, 5}},
        {{0, 3}, Pfeil::Runter, {0, 5}},  {{0, 5}, Pfeil::Runter, {1, 1}}, {{0, 4}, Pfeil::Runter, {1, 0}},
        {{0, 5}, Pfeil::Hoch, {0, 1}},    {{1, 2}, Pfeil::Hoch, {0, 5}},   {{1, 0}, Pfeil::Hoch, {0, 4}},
        {{1, 1}, Pfeil::Runter, {1, 1}},  {{0, 2}, Pfeil::Hoch, {0, 2}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(bewegeSammelfokus(f.von, f.p, anzahl, 4), f.nach) << f.von.Gruppe << "/" << f.von.Karte;
}

TEST(Fokusbewegung, collectedFocusStaysInTheOnlyPanel)
{
    // A single player's cards: nothing to cross into.
    const int anzahl[2] = {2, 0};
    EXPECT_EQ(bewegeSammelfokus({0, 1}, Pfeil::Rechts, anzahl, 6), (Sammelplatz{0, 1}));
    EXPECT_EQ(bewegeSammelfokus({0, 1}, Pfeil::Runter, anzahl, 6), (Sammelplatz{0, 1}));
}
