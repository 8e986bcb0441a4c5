#include "play/Zugzustand.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Zugzustand, turnAlternatesBetweenTwoGroups)
{
    // With two groups every pass goes to the other group, starting from the one drawn.
    Zugzustand z;
    z.AnzahlGruppen = 2;
    z.AktiveGruppe = 1;
    std::vector<int> folge;
    for (int i = 0; i < 3; ++i) {
        z.gruppeWeitergeben();
        folge.push_back(z.AktiveGruppe);
    }
    EXPECT_EQ(folge, (std::vector<int>{0, 1, 0}));
}

TEST(Zugzustand, aSingleGroupKeepsTheTurn)
{
    // With one group passing the turn changes nothing.
    Zugzustand z;
    z.AnzahlGruppen = 1;
    z.AktiveGruppe = 0;
    z.gruppeWeitergeben();
    z.gruppeWeitergeben();
    EXPECT_EQ(z.AktiveGruppe, 0);
}

TEST(Zugzustand, turnedCardsFillTheEntryNamedByTheOpenCount)
{
    // The first card of a move goes to entry 0, the second to entry 1; with two open nothing is recorded.
    Zugzustand z;
    EXPECT_TRUE(z.karteMerken(3, 7));
    z.AufgedeckteKarten = 1;
    EXPECT_TRUE(z.karteMerken(9, 2));
    EXPECT_EQ(z.GewaehlteZeile[0], 3);
    EXPECT_EQ(z.GewaehlteSpalte[0], 7);
    EXPECT_EQ(z.GewaehlteZeile[1], 9);
    EXPECT_EQ(z.GewaehlteSpalte[1], 2);

    for (const int offen : {2, 3}) {
        z.AufgedeckteKarten = offen;
        EXPECT_FALSE(z.karteMerken(1, 1)) << offen;
        EXPECT_EQ(z.GewaehlteZeile[0], 3) << offen;
        EXPECT_EQ(z.GewaehlteZeile[1], 9) << offen;
    }
}

TEST(Zugzustand, twoCellsArePairsWhenTheirPairNumbersAreEqual)
{
    // PaarNummern[zeile][spalte] of both recorded cells are compared.
    int paarNummern[3][4] = {{0, 1, 2, 3}, {3, 2, 1, 0}, {4, 5, 5, 4}};
    const PaarNummerVon nummer = [&](int zeile, int spalte) { return paarNummern[zeile][spalte]; };
    Zugzustand z;
    z.karteMerken(0, 1);
    z.AufgedeckteKarten = 1;
    z.karteMerken(1, 2);
    EXPECT_TRUE(z.istPaar(nummer));
    z.karteMerken(1, 1); // row 1, column 1 holds 2, not 1
    EXPECT_FALSE(z.istPaar(nummer));
    z.AufgedeckteKarten = 0;
    z.karteMerken(2, 2);
    z.AufgedeckteKarten = 1;
    z.karteMerken(2, 1);
    EXPECT_TRUE(z.istPaar(nummer));
}

TEST(Zugzustand, theScreenHalvesFollowTheMoveState)
{
    // Left: board or PBildLinks; right: group panels or PBildRechts.
    using L = LinkeHaelfte;
    using R = RechteHaelfte;
    const struct {
        int offen;
        bool ergebnis;
        Bildschirmhaelften soll;
    } faelle[] = {
        {0, false, {L::Karten, R::BekommeneKarten}},
        {0, true, {L::BildLinks, R::BekommeneKarten}},
        {1, false, {L::Karten, R::BildRechts}},
        {2, false, {L::Karten, R::BildRechts}},
        {3, false, {L::BildLinks, R::BildRechts}},
    };
    for (const auto& f : faelle) {
        Zugzustand z;
        z.AufgedeckteKarten = f.offen;
        z.ErgebnisAnzeige = f.ergebnis;
        EXPECT_EQ(z.haelften(), f.soll) << "state " << f.offen << (f.ergebnis ? " with ErgebnisAnzeige" : "");
    }
}
