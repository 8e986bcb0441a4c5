#include "play/Gruppenstand.h"

#include <gtest/gtest.h>

TEST(Gruppenstand, cardsAreNumberedPerGroupFromZero)
{
    // Each group counts the cards in its own panel.
    Gruppenstand s;
    EXPECT_EQ(s.karteAblegen(1), 0);
    EXPECT_EQ(s.karteAblegen(1), 1);
    EXPECT_EQ(s.karteAblegen(0), 0);
    EXPECT_EQ(s.GesammelteKarten, (std::array<int, 2>{1, 2}));
}

TEST(Gruppenstand, everyPairScoresTwoPoints)
{
    // Points grow by 2 per pair: 2 after the first, 6 after the third.
    Gruppenstand s;
    EXPECT_EQ(s.paarWerten(0), 2);
    s.paarWerten(0);
    EXPECT_EQ(s.paarWerten(0), 6);
    EXPECT_EQ(s.Punkte[1], 0);
    EXPECT_EQ(s.zugZaehlen(), 1);
    EXPECT_EQ(s.zugZaehlen(), 2);
}
