#include "board/Paarziehung.h"

#include "support/SkriptZufall.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

// Scripted draws give the pairs Floyd's sampling picks by hand: for j = vorhanden - gewuenscht + 1
// .. vorhanden it asks for a number below j and takes that number + 1, or j when it is taken.
TEST(Paarziehung, scriptedDrawsPickThesePairs)
{
    struct Fall {
        int vorhanden, gewuenscht;
        std::deque<int> zahlen;
        std::vector<int> paare;
        std::vector<int> bereiche;
    };
    const Fall faelle[] = {
        {25, 8, {0, 0, 0, 0, 0, 0, 0, 0}, {1, 19, 20, 21, 22, 23, 24, 25}, {18, 19, 20, 21, 22, 23, 24, 25}},
        {25, 8, {17, 18, 19, 20, 21, 22, 23, 24}, {18, 19, 20, 21, 22, 23, 24, 25}, {18, 19, 20, 21, 22, 23, 24, 25}},
        {5, 3, {2, 2, 0}, {1, 3, 4}, {3, 4, 5}},
        {5, 3, {0, 3, 4}, {1, 4, 5}, {3, 4, 5}},
        {78, 1, {40}, {41}, {78}},
        {2, 1, {1}, {2}, {2}},
        {4, 4, {}, {1, 2, 3, 4}, {}}, // all wanted: no draw, the deal of a full board
        {1, 1, {}, {1}, {}},
    };
    for (const Fall& f : faelle) {
        SkriptZufall zufall(f.zahlen);
        EXPECT_EQ(ziehePaare(f.vorhanden, f.gewuenscht, zufall), f.paare) << f.vorhanden << " " << f.gewuenscht;
        EXPECT_EQ(zufall.bereiche, f.bereiche) << f.vorhanden << " " << f.gewuenscht;
    }
    SkriptZufall zufall;
    EXPECT_THROW(ziehePaare(5, 0, zufall), std::invalid_argument);
    EXPECT_THROW(ziehePaare(5, 6, zufall), std::invalid_argument);
}

// Round after round of a seeded source: distinct ascending pairs of the folder, new ones each
// round, and every pair about as often as any other.
TEST(Paarziehung, roundsOfASeededSourceDrawEveryPairAlike)
{
    MersenneZufall zufall(4711);
    constexpr int Runden = 4000;
    std::vector<int> haeufigkeit(26, 0);
    std::set<std::vector<int>> verschieden;
    for (int runde = 0; runde < Runden; ++runde) {
        const std::vector<int> paare = ziehePaare(25, 8, zufall);
        ASSERT_EQ(paare.size(), 8u);
        for (std::size_t i = 0; i < paare.size(); ++i) {
            ASSERT_GE(paare[i], 1);
            ASSERT_LE(paare[i], 25);
            if (i > 0) {
                ASSERT_LT(paare[i - 1], paare[i]) << "round " << runde;
            }
            ++haeufigkeit[static_cast<std::size_t>(paare[i])];
        }
        verschieden.insert(paare);
    }
    EXPECT_GT(verschieden.size(), Runden * 99u / 100) << "rounds repeat";
    // 8 of 25 per round: 1280 times each; five standard deviations (about 30) either way.
    for (int paar = 1; paar <= 25; ++paar) {
        EXPECT_GT(haeufigkeit[static_cast<std::size_t>(paar)], 1280 - 150) << "pair " << paar;
        EXPECT_LT(haeufigkeit[static_cast<std::size_t>(paar)], 1280 + 150) << "pair " << paar;
    }
}
