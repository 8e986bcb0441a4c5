#include "play/Paarablage.h"

#include <gtest/gtest.h>

TEST(Paarablage, theAPictureIsLaidDownFirst)
{
    // A negative Tag on the first card (a "b" picture) puts the second card first.
    EXPECT_EQ(ablageReihenfolge(5), (std::array<int, 2>{0, 1}));
    EXPECT_EQ(ablageReihenfolge(-5), (std::array<int, 2>{1, 0}));
    EXPECT_EQ(ablageReihenfolge(-10101), (std::array<int, 2>{1, 0}));
}

TEST(Paarablage, cardsAreLaidRowByRowOnePixelApart)
{
    // Card c lies at ((c mod n)(KartenBreite + 1) + LinkerRand, (c div n)(KartenHoehe + 1) + KopfHoehe).
    Ablageraster r;
    r.KartenProReihe = 6;
    r.KartenBreite = 99;
    r.KartenHoehe = 79;
    r.LinkerRand = 10;
    r.KopfHoehe = 36;
    const struct {
        int c;
        QPoint platz;
    } faelle[] = {
        {0, {10, 36}},
        {1, {110, 36}},
        {5, {510, 36}},
        {6, {10, 36 + 79 + 1}}, // the 7th card opens the second row
        {13, {110, 196}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(kartenPlatz(f.c, r), f.platz) << "card " << f.c;
}
