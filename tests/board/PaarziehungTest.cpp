#include "board/Paarziehung.h"

#include "support/SkriptZufall.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
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
    SkriptZufall zufall({2, 2, 0});
    EXPECT_THROW(ziehePaare(5, 0, zufall), std::invalid_argument);
    EXPECT_THROW(ziehePaare(5, 6, zufall), std::invalid_argument);
    // A round draws only from a folder with more pairs than it deals.
    EXPECT_EQ(paareDerRunde(3, 3, zufall), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(paareDerRunde(2, 3, zufall), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(zufall.bereiche.empty());
    EXPECT_EQ(paareDerRunde(5, 3, zufall), (std::vector<int>{1, 3, 4}));
}

// Round after round of a seeded source: distinct ascending pairs of the folder, and every pair
// about as often as any other (8 of 25 in 4000 rounds: 1280 times, five deviations either way).
TEST(Paarziehung, roundsOfASeededSourceDrawEveryPairAlike)
{
    MersenneZufall zufall(4711);
    std::vector<int> haeufigkeit(26, 0);
    for (int runde = 0; runde < 4000; ++runde) {
        const std::vector<int> paare = ziehePaare(25, 8, zufall);
        ASSERT_EQ(std::set<int>(paare.begin(), paare.end()).size(), 8u) << "round " << runde;
        ASSERT_TRUE(std::is_sorted(paare.begin(), paare.end())) << "round " << runde;
        ASSERT_TRUE(paare.front() >= 1 && paare.back() <= 25) << "round " << runde;
        for (const int paar : paare)
            ++haeufigkeit[static_cast<std::size_t>(paar)];
    }
    for (int paar = 1; paar <= 25; ++paar)
        EXPECT_NEAR(haeufigkeit[static_cast<std::size_t>(paar)], 1280, 150) << "pair " << paar;
}

// The pairs of a folder count up to the first pair with a picture missing; letters in any case and
// ".jpeg" count, as the game finds its files.
TEST(Paarziehung, folderPairsCountUntilTheFirstGap)
{
    struct Fall {
        const char* name;
        QStringList dateien;
        int paare;
    };
    const Fall faelle[] = {
        {"empty folder", {}, 0},
        {"three pairs", {"01a.jpg", "01b.jpg", "02a.jpg", "02b.jpg", "03a.jpg", "03b.jpg"}, 3},
        {"gap at 02b", {"01a.jpg", "01b.jpg", "02a.jpg", "03a.jpg", "03b.jpg"}, 1},
        {"other case and .jpeg", {"01A.JPG", "01b.jpeg", "02a.jpg", "02B.Jpeg"}, 2},
    };
    for (const Fall& f : faelle) {
        QTemporaryDir dir;
        for (const QString& datei : f.dateien) {
            QFile d(dir.filePath(datei));
            ASSERT_TRUE(d.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(vorhandenePaare(Spieldateien(dir.path())), f.paare) << f.name;
    }
}
