#include "board/Bildschirmaufteilung.h"

#include <gtest/gtest.h>

namespace {

Spieleinstellungen einstellungen(int fx, int fy, int spalten, int zeilen, int ax, int ay,
                                 int kb = AutoKartenBreite, int kh = 0)
{
    Spieleinstellungen e;
    e.FormatX = fx;
    e.FormatY = fy;
    e.Spalten = spalten;
    e.Zeilen = zeilen;
    e.AbstandX = ax;
    e.AbstandY = ay;
    e.KartenBreite = kb;
    e.KartenHoehe = kh;
    return e;
}

} // namespace

// A 1016 x 734 window with 3:4 pictures takes the picture size from the width and places every panel.
TEST(Bildschirmaufteilung, aWideWindowWithPortraitPicturesPlacesEveryPanel)
{
    const auto a = berechneBildschirmaufteilung(1016, 734, einstellungen(3, 4, 6, 5, 10, 10));
    EXPECT_TRUE(a.Passt);
    EXPECT_TRUE(a.Fehlertext.isEmpty());
    EXPECT_EQ(a.BildBreite, 504);
    EXPECT_EQ(a.BildHoehe, 672);
    EXPECT_EQ(a.OptimaleBreite, 66);
    EXPECT_EQ(a.OptimaleHoehe, 88);
    EXPECT_EQ(a.KartenBreite, 66);
    EXPECT_EQ(a.KartenHoehe, 88);
    EXPECT_EQ(a.PKarten, QRect(5, 101, 498, 532));
    EXPECT_EQ(a.PBildRechts, QRect(508, 29, 508, 676));
    EXPECT_EQ(a.PBildLinks, QRect(0, 29, 508, 676));
    EXPECT_EQ(a.Image3, QSize(496, 530));
    EXPECT_EQ(a.PStatusBar, QPoint((1016 - 513) / 2, (734 - 121) / 2));
    EXPECT_EQ(a.PAnfangsEinstellungen, QPoint((1016 + 508 - 498) / 2, (734 - 720) / 2));
    EXPECT_EQ(a.Label3, QStringLiteral("Optimale Größe der Spielkarten: 66 x 88 Pixel"));
    EXPECT_EQ(a.Label1, QStringLiteral("Größe der Bilder auf diesem Monitor: 504 x 672 Pixel"));
}

// A 1280 x 990 window with 4:3 pictures keeps the height-based picture; the horizontal factor wins.
TEST(Bildschirmaufteilung, landscapePicturesTakeTheSmallerFactor)
{
    const auto a = berechneBildschirmaufteilung(1280, 990, einstellungen(4, 3, 8, 6, 8, 8));
    EXPECT_TRUE(a.Passt);
    EXPECT_EQ(a.BildBreite, 636);
    EXPECT_EQ(a.BildHoehe, 477);
    EXPECT_EQ(a.OptimaleBreite, 64);
    EXPECT_EQ(a.OptimaleHoehe, 48);
    EXPECT_EQ(a.PKarten.size(), QSize(7 * 8 + 52 + 8 * 64, 5 * 8 + 52 + 6 * 48));
    EXPECT_EQ(a.Label1, QStringLiteral("Größe der Bilder auf diesem Monitor: 636 x 477 Pixel"));
}

// A fixed card size is used for the panel while Label3 still shows the optimum.
TEST(Bildschirmaufteilung, aFixedCardSizeIsKeptWhileTheLabelShowsTheOptimum)
{
    const auto a = berechneBildschirmaufteilung(1016, 734, einstellungen(3, 4, 6, 5, 10, 10, 100, 120));
    EXPECT_TRUE(a.Passt);
    EXPECT_EQ(a.KartenBreite, 100);
    EXPECT_EQ(a.KartenHoehe, 120);
    EXPECT_EQ(a.OptimaleBreite, 66);
    EXPECT_EQ(a.PKarten, QRect(-97, 21, 702, 692));
    EXPECT_EQ(a.Image3, QSize(700, 690));
    EXPECT_EQ(a.PBildRechts, QRect(508, 29, 508, 676));
    EXPECT_EQ(a.PBildLinks, QRect(0, 29, 508, 676));
    EXPECT_EQ(a.Label3, QStringLiteral("Optimale Größe der Spielkarten: 66 x 88 Pixel"));
    EXPECT_EQ(a.Label1, QStringLiteral("Größe der Bilder auf diesem Monitor: 504 x 672 Pixel"));
}

// Half the client width equal to the picture width + 4 passes the width test; one pixel less fails it.
TEST(Bildschirmaufteilung, aPictureJustNarrowEnoughKeepsItsHeight)
{
    // Height 734 with 3:4 gives 546 x 728, so a half width of 550 just fits.
    const auto genau = berechneBildschirmaufteilung(1100, 734, einstellungen(3, 4, 6, 5, 10, 10));
    EXPECT_EQ(genau.BildBreite, 546);
    EXPECT_EQ(genau.BildHoehe, 728);
    const auto knapp = berechneBildschirmaufteilung(1098, 734, einstellungen(3, 4, 6, 5, 10, 10));
    EXPECT_EQ(knapp.BildBreite, 543);
    EXPECT_EQ(knapp.BildHoehe, 724);
    // An odd width halves to the same 550.
    const auto ungerade = berechneBildschirmaufteilung(1101, 734, einstellungen(3, 4, 6, 5, 10, 10));
    EXPECT_EQ(ungerade.BildBreite, 546);
}

// The horizontal factor keeps the half pixel of an odd client width and truncates toward zero.
TEST(Bildschirmaufteilung, anOddWidthKeepsItsHalfPixelInTheFactor)
{
    // 1 column of 1:1 without gaps: factor = trunc(width * 0.5 - 52).
    struct Fall { int breite; int optimal; };
    const Fall faelle[] = {
        {184, 40},  // 92 - 52
        {185, 40},  // 40.5
        {103, 0},   // -0.5 truncates to 0; halving the width first would give -1
        {102, -1},  // -1
        {101, -1},  // -1.5
        {301, 98},  // 98.5
    };
    for (const Fall& f : faelle) {
        const auto a = berechneBildschirmaufteilung(f.breite, 1000, einstellungen(1, 1, 1, 1, 0, 0, 1, 1));
        EXPECT_EQ(a.OptimaleBreite, f.optimal) << "Breite " << f.breite;
        EXPECT_EQ(a.OptimaleHoehe, f.optimal) << "Breite " << f.breite;
    }
    // Positions use the width halved without the remainder: half of 1017 is 508 as for 1016.
    const auto a = berechneBildschirmaufteilung(1017, 734, einstellungen(3, 4, 6, 5, 10, 10));
    EXPECT_EQ(a.PKarten, QRect(5, 101, 498, 532));
    EXPECT_EQ(a.PBildRechts.left(), 508); // (1017 + 508 - 508) div 2
    EXPECT_EQ(a.PStatusBar.x(), 252);
}

// Negative factors truncate toward zero and left positions halve toward zero.
TEST(Bildschirmaufteilung, negativeValuesTruncateTowardZero)
{
    // (500 - 52 - 99 * 10) / (100 * 3) = -1.8 -> -1.
    const auto a = berechneBildschirmaufteilung(1000, 734, einstellungen(3, 4, 100, 2, 10, 10, 5, 5));
    EXPECT_EQ(a.OptimaleBreite, -3);
    EXPECT_EQ(a.OptimaleHoehe, -4);
    EXPECT_EQ(a.Label3, QStringLiteral("Optimale Größe der Spielkarten: -3 x -4 Pixel"));
    // PKarten width 99 * 10 + 52 + 500 = 1542, (500 - 1542) div 2 = -521.
    EXPECT_EQ(a.PKarten.left(), -521);
    EXPECT_TRUE(a.Passt) << "a fixed card size is still playable";
}

// In auto mode an optimal size of zero or below means the board cannot be built.
TEST(Bildschirmaufteilung, tooManyCardsDoNotFit)
{
    const auto a = berechneBildschirmaufteilung(1000, 734, einstellungen(3, 4, 100, 2, 10, 10));
    EXPECT_FALSE(a.Passt);
    EXPECT_EQ(a.KartenBreite, a.OptimaleBreite);
    EXPECT_TRUE(a.Fehlertext.startsWith(QStringLiteral("Das Spielfeld passt nicht auf diesen Bildschirm:")));
    EXPECT_TRUE(a.Fehlertext.contains(QStringLiteral("100 x 2 Karten")));
    EXPECT_TRUE(a.Fehlertext.endsWith(QStringLiteral(
        "\n\rBitte weniger Karten oder kleinere Abstände in der Datei \"Paarlix.ini\" eintragen.")));
}

// Values that cannot be laid out are refused instead of dividing by zero or overflowing.
TEST(Bildschirmaufteilung, unusableValuesAreRefused)
{
    struct Fall { const char* name; int breite; int hoehe; Spieleinstellungen e; };
    const Fall faelle[] = {
        {"FormatY 0", 1016, 734, einstellungen(3, 0, 6, 5, 10, 10)},
        {"Spalten 0", 1016, 734, einstellungen(3, 4, 0, 5, 10, 10)},
        {"Zeilen negativ", 1016, 734, einstellungen(3, 4, 6, -2, 10, 10)},
        {"Format groesser als das Fenster", 1016, 734, einstellungen(3, 4000, 2, 1, 0, 0, 10, 10)},
        {"Abstand zu gross", 1016, 734, einstellungen(3, 4, 100, 100, 2000000000, 10, 10, 10)},
        {"Kartengroesse 0", 1016, 734, einstellungen(3, 4, 6, 5, 10, 10, 0, 88)},
    };
    for (const Fall& f : faelle) {
        const auto a = berechneBildschirmaufteilung(f.breite, f.hoehe, f.e);
        EXPECT_FALSE(a.Passt) << f.name;
        EXPECT_TRUE(a.Fehlertext.contains(QStringLiteral("\"Paarlix.ini\""))) << f.name;
    }
}

// The player-selection panel is centred in the right half, but a panel taller (or wider) than the
// client area allows starts at its top (or left) edge, so that scrolling reaches all of it.
TEST(Bildschirmaufteilung, aPlayerSelectionLargerThanTheWindowStartsAtItsEdge)
{
    const struct {
        int breite;
        int hoehe;
        QPoint lage;
    } faelle[] = {
        {1016, 734, {513, 7}}, {1016, 722, {513, 1}}, {1016, 720, {513, 0}}, {1016, 719, {513, 0}},
        {1016, 500, {513, 0}}, {1016, 100, {513, 0}}, {334, 734, {1, 7}}, {300, 500, {0, 0}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(berechneBildschirmaufteilung(f.breite, f.hoehe, einstellungen(3, 4, 2, 2, 10, 10)).PAnfangsEinstellungen,
                  f.lage)
            << f.breite << " x " << f.hoehe;
}
