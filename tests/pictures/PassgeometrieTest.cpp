#include "pictures/Passgeometrie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Fall {
    int W, H, TW, TH;
    const char* modus;
    QRect quelle;
    QRect ziel;
    bool unskaliert;
};

const QRect voll(0, 0, 200, 200);

void pruefe(const std::vector<Fall>& faelle)
{
    for (const Fall& f : faelle) {
        const Passgeometrie g = berechnePassgeometrie(f.W, f.H, f.TW, f.TH, QString::fromUtf8(f.modus));
        SCOPED_TRACE(testing::Message() << f.W << "x" << f.H << " into " << f.TW << "x" << f.TH << " mode \""
                                        << f.modus << "\"");
        EXPECT_EQ(g.Quelle, f.quelle);
        EXPECT_EQ(g.Ziel, f.ziel);
        EXPECT_EQ(g.Unskaliert, f.unskaliert);
    }
}

} // namespace

TEST(Passgeometrie, workedValuesForA200x200Target)
{
    // The worked rectangles for a 200 x 200 target, including half-pixel offsets and the snap.
    pruefe({
        {400, 300, 200, 200, "", QRect(0, 0, 400, 300), QRect(0, 25, 200, 150), false},
        {400, 300, 200, 200, "m", QRect(50, 0, 300, 300), voll, false},
        {400, 300, 200, 200, "l", QRect(0, 0, 300, 300), voll, false},
        {400, 300, 200, 200, "r", QRect(100, 0, 300, 300), voll, false},
        {400, 300, 200, 200, "o", QRect(0, 0, 400, 300), QRect(0, 25, 200, 150), false},
        {300, 400, 200, 200, "", QRect(0, 0, 300, 400), QRect(25, 0, 150, 200), false},
        {300, 400, 200, 200, "m", QRect(0, 50, 300, 300), voll, false},
        {206, 200, 200, 200, "", QRect(0, 0, 206, 200), QRect(0, 3, 200, 194), false},
        {202, 200, 200, 200, "", QRect(0, 0, 202, 200), QRect(0, 1, 200, 198), false},
        {201, 200, 200, 200, "", QRect(0, 0, 201, 200), voll, false},
        {160, 120, 200, 200, "n", QRect(0, 0, 160, 120), QRect(20, 40, 160, 120), true},
        {160, 120, 200, 200, "", QRect(0, 0, 160, 120), QRect(0, 25, 200, 150), false},
    });
}

TEST(Passgeometrie, everyModeForTallerWiderAndSameProportion)
{
    // Each mode crops only along its own axis and fits otherwise; same proportion always fills.
    const QRect fitQuer(0, 25, 200, 150);
    const QRect fitHoch(25, 0, 150, 200);
    pruefe({
        {400, 300, 200, 200, "u", QRect(0, 0, 400, 300), fitQuer, false},
        {300, 400, 200, 200, "o", QRect(0, 0, 300, 300), voll, false},
        {300, 400, 200, 200, "u", QRect(0, 100, 300, 300), voll, false},
        {300, 400, 200, 200, "l", QRect(0, 0, 300, 400), fitHoch, false},
        {300, 400, 200, 200, "r", QRect(0, 0, 300, 400), fitHoch, false},
        {400, 300, 200, 200, "M", QRect(0, 0, 400, 300), fitQuer, false},
        {400, 300, 200, 200, "mm", QRect(0, 0, 400, 300), fitQuer, false},
        {300, 400, 200, 200, "x", QRect(0, 0, 300, 400), fitHoch, false},
        {400, 400, 200, 200, "", QRect(0, 0, 400, 400), voll, false},
        {400, 400, 200, 200, "m", QRect(0, 0, 400, 400), voll, false},
        {400, 400, 200, 200, "o", QRect(0, 0, 400, 400), voll, false},
        {400, 400, 200, 200, "l", QRect(0, 0, 400, 400), voll, false},
        {400, 400, 200, 200, "n", QRect(0, 0, 400, 400), voll, false},
        // A wider target: the crop band takes the target's proportion.
        {300, 300, 200, 100, "m", QRect(0, 75, 300, 150), QRect(0, 0, 200, 100), false},
        {300, 300, 100, 200, "r", QRect(150, 0, 150, 300), QRect(0, 0, 100, 200), false},
    });
}

TEST(Passgeometrie, unscaledModeOnlyForPicturesThatFit)
{
    // Mode "n" centres a picture that fits (no snap), and fits a larger one like the empty mode.
    pruefe({
        {100, 100, 200, 200, "n", QRect(0, 0, 100, 100), QRect(50, 50, 100, 100), true},
        {199, 200, 200, 200, "n", QRect(0, 0, 199, 200), QRect(0, 0, 199, 200), true},
        {200, 199, 200, 200, "n", QRect(0, 0, 200, 199), QRect(0, 0, 200, 199), true},
        {200, 150, 200, 200, "n", QRect(0, 0, 200, 150), QRect(0, 25, 200, 150), true},
        {300, 150, 200, 200, "n", QRect(0, 0, 300, 150), QRect(0, 50, 200, 100), false},
        {150, 300, 200, 200, "n", QRect(0, 0, 150, 300), QRect(50, 0, 100, 200), false},
        {201, 100, 200, 200, "n", QRect(0, 0, 201, 100), QRect(0, 50, 200, 100), false},
    });
}

TEST(Passgeometrie, halfPixelCropOffsetsGoToTheEvenValue)
{
    // A band offset of 12.5 gives 12 and 13.5 gives 14, on both axes.
    pruefe({
        {100, 125, 200, 200, "m", QRect(0, 12, 100, 100), voll, false},
        {100, 127, 200, 200, "m", QRect(0, 14, 100, 100), voll, false},
        {125, 100, 200, 200, "m", QRect(12, 0, 100, 100), voll, false},
        {127, 100, 200, 200, "m", QRect(14, 0, 100, 100), voll, false},
    });
}

TEST(Passgeometrie, oneFreePixelIsCoveredBySnapping)
{
    // A fitted picture one pixel short of the target in either direction is stretched to cover it.
    pruefe({
        {200, 201, 200, 200, "", QRect(0, 0, 200, 201), voll, false},
        {49, 100, 50, 100, "", QRect(0, 0, 49, 100), QRect(0, 0, 50, 100), false},
        {100, 49, 100, 50, "o", QRect(0, 0, 100, 49), QRect(0, 0, 100, 50), false},
    });
}

TEST(Passgeometrie, degenerateSizesNeverDivideByZeroOrGiveAnEmptyCrop)
{
    // Zero sizes give empty rectangles rather than a crash; a crop band is at least one pixel.
    const Passgeometrie schmal = berechnePassgeometrie(1, 1000, 3, 1, QStringLiteral("m"));
    EXPECT_EQ(schmal.Quelle, QRect(0, 500, 1, 1));
    for (const char* modus : {"", "m", "o", "u", "l", "r", "n"}) {
        for (const auto& [W, H, TW, TH] : std::vector<std::array<int, 4>>{
                 {0, 0, 200, 200}, {0, 10, 200, 200}, {10, 0, 200, 200}, {10, 10, 0, 0}, {10, 10, 0, 5}, {10, 10, 5, 0}}) {
            const Passgeometrie g = berechnePassgeometrie(W, H, TW, TH, QString::fromUtf8(modus));
            EXPECT_GE(g.Ziel.width(), 0);
            EXPECT_GE(g.Ziel.height(), 0);
            EXPECT_LE(g.Ziel.x() + g.Ziel.width(), std::max(TW, W));
            EXPECT_LE(g.Quelle.y() + g.Quelle.height(), H);
        }
    }
}
