#include "board/Zellcode.h"

#include <gtest/gtest.h>

// The corners of a 100 x 100 board get the codes 1, 100, 9901 and 10000.
TEST(Zellcode, theCornersOfAFullBoardGetTheirCodes)
{
    struct Fall { int zeile; int spalte; int code; };
    for (const Fall f : {Fall{0, 0, 1}, Fall{0, 99, 100}, Fall{99, 0, 9901}, Fall{99, 99, 10000}, Fall{4, 5, 406}}) {
        EXPECT_EQ(zellcode(f.zeile, f.spalte), f.code) << f.zeile << "," << f.spalte;
        EXPECT_EQ(zelleAusTag(f.code), (Zelle{f.zeile, f.spalte}));
        EXPECT_EQ(zelleAusTag(-f.code), (Zelle{f.zeile, f.spalte})) << "negated code";
    }
}

// Every cell of a 100 x 100 board decodes back to itself, whatever the sign.
TEST(Zellcode, everyCellDecodesBackToItself)
{
    for (int z = 0; z < 100; ++z)
        for (int s = 0; s < 100; ++s) {
            const int code = zellcode(z, s);
            ASSERT_GE(code, 1);
            ASSERT_EQ(zelleAusTag(code), (Zelle{z, s}));
            ASSERT_EQ(zelleAusTag(-code), (Zelle{z, s}));
        }
}

// Cells lie at (card + gap) * index + 25 inside the board panel.
TEST(Zellcode, cellsLieAtTheirPlaceInTheBoardPanel)
{
    EXPECT_EQ(zellPosition(0, 0, 66, 88, 10, 10), QPoint(25, 25));
    EXPECT_EQ(zellPosition(4, 5, 66, 88, 10, 10), QPoint(405, 417));
    EXPECT_EQ(zellPosition(1, 2, 64, 48, 8, 6), QPoint(169, 79));
}
