#include "neuesspiel/Brettwahl.h"

#include <gtest/gtest.h>

// The board holds two cards per picture, is at least as wide as high and as square as the
// count allows, with no side over 100; counts whose only boards are longer have none.
TEST(Brettwahl, choosesTheMostSquareLandscapeBoardUpToHundredByHundred)
{
    struct Fall {
        int bilder;
        int spalten;
        int zeilen;
    };
    const Fall faelle[] = {
        {2, 2, 2},     {3, 3, 2},      {4, 4, 2},     {6, 4, 3},      {7, 7, 2},
        {8, 4, 4},     {12, 6, 4},     {15, 6, 5},    {18, 6, 6},     {20, 8, 5},
        {30, 10, 6},   {50, 10, 10},   {97, 97, 2},   {100, 20, 10},  {200, 20, 20},
        {1250, 50, 50}, {5000, 100, 100},
    };
    for (const Fall& f : faelle) {
        const std::optional<Brettmass> brett = waehleBrett(f.bilder);
        ASSERT_TRUE(brett.has_value()) << f.bilder << " pictures";
        EXPECT_EQ(*brett, (Brettmass{f.spalten, f.zeilen})) << f.bilder << " pictures";
    }
    for (const int bilder : {101, 103, 4998, 4999})
        EXPECT_FALSE(waehleBrett(bilder).has_value()) << bilder << " pictures";
}

// For a count without a board, the nearest counts with one are found on either side.
TEST(Brettwahl, nearestPossibleCountsLieOnBothSides)
{
    EXPECT_EQ(naechsteMoeglicheAnzahl(101, -1), 100);
    EXPECT_EQ(naechsteMoeglicheAnzahl(101, +1), 102);
    EXPECT_EQ(naechsteMoeglicheAnzahl(4999, +1), 5000);
    EXPECT_EQ(naechsteMoeglicheAnzahl(5000, +1), 0);
    EXPECT_EQ(naechsteMoeglicheAnzahl(2, -1), 1);
}
