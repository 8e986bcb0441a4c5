#include "play/Gruppengeometrie.h"
#include "play/KartenProReihe.h"

#include <gtest/gtest.h>

TEST(Gruppengeometrie, computedWidthCentresTheRowsTenPixelsFromEitherEdge)
{
    // 6 columns of 99 x 99 cards in a 1280 x 1000 client area: 6 per row, panel 6 * 100 + 23 wide,
    // centred on the line at three quarters of the width; the rows start and end 10 pixels inside.
    const Gruppengeometrie g = gruppengeometrie(1280, 1000, 6, 4, 99, 99);
    EXPECT_EQ(g.KartenProReihe, 6);
    EXPECT_EQ(g.BekommeneKarten, QRect(648, 2, 623, 996));
    EXPECT_EQ(g.GruppenPanels[0], QRect(2, 2, 619, 495));
    EXPECT_EQ(g.GruppenPanels[1], QRect(2, 499, 619, 495));
    EXPECT_EQ(g.KopfLabel, QRect(10, 4, 599, 29));
    EXPECT_EQ(g.LinkerRand, 10);
    EXPECT_EQ(g.GruppenPanels[0].width() - (g.LinkerRand + 6 * 100 - 1), 10);
    EXPECT_EQ(g.ZuegeLabel.left(), 2);
    EXPECT_EQ(g.ZuegeLabel.width(), 615);
    EXPECT_EQ(g.ZuegeLabel.height(), 29);
}

TEST(Gruppengeometrie, aQuarterOfTheClientWidthIsTheMinimumWidth)
{
    // When the rows need less than ClientWidth div 4, the panel takes that width and the rows are centred.
    const Gruppengeometrie g = gruppengeometrie(4000, 1001, 6, 4, 99, 99);
    EXPECT_EQ(g.BekommeneKarten, QRect(2500, 2, 1000, 997));
    EXPECT_EQ(g.GruppenPanels[0], QRect(2, 2, 996, 495));
    EXPECT_EQ(g.GruppenPanels[1], QRect(2, 499, 996, 495));
    EXPECT_EQ(g.LinkerRand, (996 - 2 - 600) / 2 + 2);
}

TEST(Gruppengeometrie, hintLabelIsCentredOnThePanelBelowTheHeader)
{
    // top = (height - 33) div 2 - 19, div toward zero also for panels lower than 33.
    EXPECT_EQ(anDerReiheLabel(495, 619), QRect(2, 212, 615, 100));
    EXPECT_EQ(anDerReiheLabel(496, 619), QRect(2, 212, 615, 100));
    EXPECT_EQ(anDerReiheLabel(20, 619).top(), -6 - 19);
}

TEST(Gruppengeometrie, singlePlayerPanelTakesTheWholeHeightWithTheCounterAtItsFoot)
{
    // Panel 0 becomes PBekommeneKarten's height - 4 at top 2; the counter ends 4 pixels above its bottom.
    const Gruppengeometrie g = gruppengeometrie(1280, 1000, 6, 4, 99, 99);
    const Einzelspieleraufbau a = einzelspielerAufbau(g.BekommeneKarten.height(), g.GruppenPanels[0], g.ZuegeLabel);
    EXPECT_EQ(a.Panel0, QRect(2, 2, 619, 992));
    EXPECT_EQ(a.ZuegeLabel, QRect(2, 959, 615, 29));
    EXPECT_EQ(a.Panel0.height() - (a.ZuegeLabel.top() + a.ZuegeLabel.height()), 4);
}

TEST(Gruppengeometrie, aRowLengthIsOnlyChosenWhenItsLastRowFitsWhole)
{
    // 3 x 4 cards of 125 x 125 in a 1016 x 734 client area: 4 per row are too wide, and 2 per row
    // would need six rows (6 * 127 + 39 = 801 > 730), so the row length stays 3. Its four rows end at
    // 36 + 4 * 126 = 540, above the single player's move counter.
    const Gruppengeometrie g = gruppengeometrie(1016, 734, 3, 4, 125, 125);
    EXPECT_EQ(g.KartenProReihe, 3);
    EXPECT_EQ(g.BekommeneKarten, QRect(561, 2, 401, 730));
    EXPECT_EQ(g.LinkerRand, 10);
    const Einzelspieleraufbau a = einzelspielerAufbau(g.BekommeneKarten.height(), g.GruppenPanels[0], g.ZuegeLabel);
    EXPECT_EQ(a.ZuegeLabel, QRect(2, 693, 393, 29));
    EXPECT_LE(KopfHoehe + 4 * 126, a.ZuegeLabel.top());
}
