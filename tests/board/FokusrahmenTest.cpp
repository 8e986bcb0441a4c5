#include "board/Fokusrahmen.h"

#include <gtest/gtest.h>

TEST(Fokusrahmen, frameLiesInHalfTheGapAroundTheCard)
{
    // Bands of half a gap, 2 to 4 pixels, outside the card on every side.
    struct Fall {
        int abstandX, abstandY;
        Fokusrahmen r;
    };
    const QRect karte(25, 25, 66, 88);
    const Fall faelle[] = {
        {10, 10, {QRect(21, 21, 74, 96), 4, 4}},
        {6, 5, {QRect(22, 23, 72, 92), 3, 2}},
        {0, 1, {QRect(23, 23, 70, 92), 2, 2}},
        {40, 8, {QRect(21, 21, 74, 96), 4, 4}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(fokusrahmen(karte, f.abstandX, f.abstandY), f.r) << f.abstandX << "," << f.abstandY;
}
