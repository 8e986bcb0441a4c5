#include "play/KartenProReihe.h"

#include <gtest/gtest.h>

namespace {

// Cards 99 x 99, so a panel for n cards per row is 100 n + 23 wide.
Reihenvorgaben vorgaben(int spalten, int zeilen, int clientWidth, int hoehe)
{
    Reihenvorgaben v;
    v.Spalten = spalten;
    v.Zeilen = zeilen;
    v.KartenBreite = 99;
    v.KartenHoehe = 99;
    v.ClientWidth = clientWidth;
    v.HoeheBekommene = hoehe;
    return v;
}

struct Fall {
    const char* name;
    Reihenvorgaben v;
    int erwartet;
};

} // namespace

TEST(KartenProReihe, followsTheCandidatesForOddAndEvenColumnCounts)
{
    // Odd: Spalten + 1 when it fits the width, else Spalten - 1 when it fits the height, else Spalten;
    // even: Spalten when it fits the height, else Spalten + 2 when it fits the width, else Spalten.
    // Width test: ClientWidth div 2 - 4 >= 100 n + 19. Height test, every row counted whole:
    // for 5 x 4 with n = 4 five rows, 5 * 101 + 39 = 544; for 6 x 4 with n = 6 four rows, 443.
    const Fall faelle[] = {
        {"5 columns, 6 fit the width exactly", vorgaben(5, 4, 1246, 100), 6},
        {"5 columns, 6 one pixel too wide, 4 fit the height exactly", vorgaben(5, 4, 1245, 544), 4},
        {"5 columns, neither 6 nor 4 fits", vorgaben(5, 4, 1245, 543), 5},
        {"5 columns, 6 fit the width even when 4 fit the height", vorgaben(5, 4, 5000, 5000), 6},
        {"6 columns, height test passes although 8 would fit", vorgaben(6, 4, 5000, 443), 6},
        {"6 columns, height fails, 8 fit the width exactly", vorgaben(6, 4, 1646, 442), 8},
        {"6 columns, height fails, 8 one pixel too wide", vorgaben(6, 4, 1645, 442), 6},
        {"1 column, 2 fit the width", vorgaben(1, 2, 1000, 10), 2},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(kartenProReihe(f.v), f.erwartet) << f.name;
}

TEST(KartenProReihe, aSingleColumnOfVeryWideCardsKeepsOneCardPerRow)
{
    // With Spalten = 1 the candidate 0 is never tested (no division by zero) nor used.
    Reihenvorgaben v = vorgaben(1, 7, 1000, 100000);
    v.KartenBreite = 999;
    EXPECT_EQ(kartenProReihe(v), 1);
    v.HoeheBekommene = 0;
    EXPECT_EQ(kartenProReihe(v), 1);
}

TEST(KartenProReihe, widthTestCountsInSixtyFourBits)
{
    // A card width near the int limit must not wrap round and pass the width test.
    Reihenvorgaben v = vorgaben(3, 1, 2000000000, 0);
    v.KartenBreite = 1000000000;
    EXPECT_EQ(kartenProReihe(v), 3);
}
