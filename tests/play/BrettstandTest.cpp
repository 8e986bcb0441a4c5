#include "play/Brettstand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using namespace Schritt;

// The board row by row, rows split by '|': v covered, o open, g collected, - no card.
std::string brett(const Brettstand& b)
{
    std::string s;
    for (int zeile = 0; zeile < b.zeilen(); ++zeile) {
        if (zeile > 0)
            s += '|';
        for (int spalte = 0; spalte < b.spalten(); ++spalte) {
            switch (b.lage({zeile, spalte})) {
            case Kartenlage::Verdeckt: s += 'v'; break;
            case Kartenlage::Aufgedeckt: s += 'o'; break;
            case Kartenlage::Gesammelt: s += 'g'; break;
            case Kartenlage::Leer: s += '-'; break;
            }
        }
    }
    return s;
}

// A group's collected cards in order, "row,column" each.
std::string sammlung(const Brettstand& b, int gruppe)
{
    std::string s;
    for (const Zelle z : b.gesammelt(gruppe))
        s += (s.empty() ? "" : " ") + std::to_string(z.Zeile) + "," + std::to_string(z.Spalte);
    return s;
}

// The steps the rules answer a pair with: taken by the group, "a" card laid first.
Zugschritte paar(int gruppe, Zelle zweite, Zelle a, Zelle b, int nummer)
{
    const Zelle erste = zweite == a ? b : a;
    return {BildDrehen{erste}, BildDrehen{zweite}, PaarNehmen{gruppe, erste, zweite}, KarteAblegen{a, nummer},
            KarteAblegen{b, nummer + 1}, PunkteZeigen{gruppe, nummer + 2}};
}

Zugschritte und(Zugschritte a, const Zugschritte& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST(Brettstand, everyStepMovesTheCardsAsTheWindowShowsThem)
{
    // Turning opens a card, covering turns two back, a taken pair leaves the board
    // for its group in the order laid down; other steps and cells off the board change nothing.
    const struct {
        const char* fall;
        Zugschritte schritte;
        std::string brett, gruppe0, gruppe1;
        bool ende;
    } faelle[] = {
        {"a new deal", {}, "vvv|vvv", "", "", false},
        {"one card turned", {BildDrehen{{0, 1}}}, "vov|vvv", "", "", false},
        {"two turned and covered", {BildDrehen{{0, 0}}, BildDrehen{{1, 2}}, Zudecken{{0, 0}, {1, 2}}}, "vvv|vvv", "",
         "", false},
        {"two open", {BildDrehen{{0, 0}}, BildDrehen{{1, 2}}}, "ovv|vvo", "", "", false},
        {"pair turned b first", paar(1, {0, 0}, {0, 0}, {1, 1}, 0), "gvv|vgv", "", "0,0 1,1", false},
        {"pairs of both groups follow on",
         und(und(paar(0, {1, 0}, {1, 0}, {0, 1}, 0), paar(1, {1, 2}, {0, 2}, {1, 2}, 0)),
             paar(0, {1, 1}, {0, 0}, {1, 1}, 2)),
         "ggg|ggg", "1,0 0,1 0,0 1,1", "0,2 1,2", true},
        {"steps that move no card",
         {HinweisVerbergen{}, RueckseiteDrehen{}, Grossbild{Grossbildseite::Links, {0, 0}},
          Haelften{{LinkeHaelfte::BildLinks, RechteHaelfte::BildRechts}}, Meldung{QStringLiteral("Fehler")},
          ZuegeZeigen{3}, PunkteZeigen{0, 2}, PanelsWachsen{0, {2, 0}}, Markieren{1, true}},
         "vvv|vvv", "", "", false},
        {"cells off the board", {BildDrehen{{2, 0}}, BildDrehen{{0, 3}}, Zudecken{{-1, 0}, {0, -1}}}, "vvv|vvv", "", "",
         false},
        {"a card laid down without being taken", {KarteAblegen{{0, 0}, 0}}, "vvv|vvv", "", "", false},
    };
    for (const auto& f : faelle) {
        Brettstand b;
        b.neuesSpiel(3, 2);
        b.fuehreAus(f.schritte);
        EXPECT_EQ(brett(b), f.brett) << f.fall;
        EXPECT_EQ(sammlung(b, 0), f.gruppe0) << f.fall;
        EXPECT_EQ(sammlung(b, 1), f.gruppe1) << f.fall;
        EXPECT_EQ(b.alleGesammelt(), f.ende) << f.fall;
        for (int g = 0; g < 2; ++g)
            for (int k = 0; k < int(b.gesammelt(g).size()); ++k)
                EXPECT_EQ(b.sammelplatz(b.gesammelt(g)[k]), (Sammelplatz{g, k})) << f.fall << ": group " << g;
        EXPECT_EQ(b.lage({2, 0}), Kartenlage::Leer) << f.fall;
    }
}

TEST(Brettstand, aNewDealCoversEveryCardAgain)
{
    // Starting again forgets the collected cards; before any deal the board has no card.
    Brettstand b;
    EXPECT_EQ(b.lage({0, 0}), Kartenlage::Leer);
    EXPECT_FALSE(b.alleGesammelt());
    b.neuesSpiel(2, 1);
    b.fuehreAus(paar(0, {0, 1}, {0, 0}, {0, 1}, 0));
    ASSERT_TRUE(b.alleGesammelt());
    b.neuesSpiel(2, 1);
    EXPECT_EQ(brett(b), "vv");
    EXPECT_TRUE(b.gesammelt(0).empty());
    EXPECT_EQ(b.sammelplatz({0, 0}), std::nullopt);
    // Fewer cards than cells: the rest are empty places at the end, which no
    // step turns, and the game ends with the last dealt pair.
    b.neuesSpiel(3, 2, 2);
    EXPECT_EQ(brett(b), "vv-|---");
    EXPECT_EQ(b.karten(), 2);
    b.fuehreAus(Zugschritte{BildDrehen{{0, 2}}, PaarNehmen{0, {1, 0}, {1, 1}}});
    EXPECT_EQ(brett(b), "vv-|---");
    EXPECT_FALSE(b.alleGesammelt());
    b.fuehreAus(paar(1, {0, 1}, {0, 0}, {0, 1}, 0));
    EXPECT_EQ(brett(b), "gg-|---");
    EXPECT_TRUE(b.alleGesammelt());
}
