#include "play/Drehung.h"

#include "support/TestUhr.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

std::vector<int> breitenDerDrehung(TestUhr& uhr, double halbeDrehZeit, int w, Drehrichtung r)
{
    std::vector<int> breiten;
    halbeDrehung(uhr, halbeDrehZeit, w, r, [&](int breite) { breiten.push_back(breite); });
    return breiten;
}

} // namespace

TEST(Drehung, widthRoundsHalfwayValuesToEven)
{
    // round((1 - b) w) narrowing and round(w b) widening, ties to the even neighbour.
    EXPECT_EQ(drehBreite(0.5, 101, Drehrichtung::Schmaler), 50);
    EXPECT_EQ(drehBreite(0.5, 103, Drehrichtung::Schmaler), 52);
    EXPECT_EQ(drehBreite(0.5, 101, Drehrichtung::Breiter), 50);
    EXPECT_EQ(drehBreite(0.5, 103, Drehrichtung::Breiter), 52);
    EXPECT_EQ(drehBreite(0.25, 100, Drehrichtung::Schmaler), 75);
    EXPECT_EQ(drehBreite(0.25, 100, Drehrichtung::Breiter), 25);
    EXPECT_EQ(drehBreite(1.5, 100, Drehrichtung::Schmaler), -50);
    EXPECT_EQ(drehBreite(1.5, 100, Drehrichtung::Breiter), 150);
}

TEST(Drehung, anAbsurdlyLateReadingClampsTheWidthInsteadOfOverflowing)
{
    // A width beyond the int range stays at its limit.
    EXPECT_EQ(drehBreite(1e12, 100, Drehrichtung::Breiter), std::numeric_limits<int>::max());
    EXPECT_EQ(drehBreite(1e12, 100, Drehrichtung::Schmaler), std::numeric_limits<int>::min());
}

TEST(Drehung, leftEdgeKeepsTheCardCentredDividingTowardZero)
{
    // x + (w - breite) div 2.
    EXPECT_EQ(drehLinks(200, 100, 33), 233);  // narrowed to 33: 33 right of the cell's edge
    EXPECT_EQ(drehLinks(200, 100, 0), 250);   // nothing left: the cell's centre
    EXPECT_EQ(drehLinks(200, 100, -7), 253);  // past zero: (107) div 2
    EXPECT_EQ(drehLinks(10, 100, 115), 3);    // wider than the cell: -15 div 2 = -7, not -8
    EXPECT_EQ(drehLinks(10, 100, 100), 10);
}

TEST(Drehung, stepsFollowTheClockUntilTheHalfTurnIsDone)
{
    // Each step takes b from the clock; the loop stops after the first step with b >= 1.
    TestUhr schmal({10.0, 10.125, 10.25, 10.375, 10.5, 99.0});
    EXPECT_EQ(breitenDerDrehung(schmal, 0.5, 100, Drehrichtung::Schmaler), (std::vector<int>{75, 50, 25, 0}));
    EXPECT_EQ(schmal.lesungen, 5);

    TestUhr breit({0.0, 0.0, 0.25, 0.4375, 0.5625});
    EXPECT_EQ(breitenDerDrehung(breit, 0.5, 100, Drehrichtung::Breiter), (std::vector<int>{0, 50, 88, 112}));
}

TEST(Drehung, aLateFirstReadingStillMakesOneStep)
{
    // b >= 1 at once: a single step, narrowing to zero or below, widening to w or above.
    TestUhr schmal({0.0, 0.75});
    EXPECT_EQ(breitenDerDrehung(schmal, 0.5, 100, Drehrichtung::Schmaler), (std::vector<int>{-50}));
    TestUhr breit({0.0, 0.5});
    EXPECT_EQ(breitenDerDrehung(breit, 0.5, 100, Drehrichtung::Breiter), (std::vector<int>{100}));
}

TEST(Drehung, aTurningTimeThatIsNotPositiveEndsAfterOneStep)
{
    // Zero or negative time would give no finite fraction or never end: one final step instead.
    for (const double zeit : {0.0, -0.5}) {
        TestUhr schmal({0.0, 0.0, 0.0});
        EXPECT_EQ(breitenDerDrehung(schmal, zeit, 100, Drehrichtung::Schmaler), (std::vector<int>{0})) << zeit;
        TestUhr breit({0.0, 0.0, 0.0});
        EXPECT_EQ(breitenDerDrehung(breit, zeit, 100, Drehrichtung::Breiter), (std::vector<int>{100})) << zeit;
    }
}

TEST(Drehung, twoCardsShareTheWidthOfTheFirst)
{
    // In the cover animation both cards get the same width every step, each centred on its own cell.
    TestUhr uhr({0.0, 0.1, 0.3, 0.6});
    const int x0 = 10;
    const int x1 = 517;
    std::vector<std::pair<int, int>> links;
    std::vector<int> breiten;
    halbeDrehung(uhr, 0.5, 100, Drehrichtung::Schmaler, [&](int breite) {
        breiten.push_back(breite);
        links.emplace_back(drehLinks(x0, 100, breite), drehLinks(x1, 100, breite));
    });
    EXPECT_EQ(breiten, (std::vector<int>{80, 40, -20}));
    EXPECT_EQ(links, (std::vector<std::pair<int, int>>{{20, 527}, {40, 547}, {70, 577}}));
}
