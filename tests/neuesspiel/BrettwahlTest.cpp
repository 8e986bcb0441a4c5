#include "neuesspiel/Brettwahl.h"

#include "board/Bildschirmaufteilung.h"
#include "board/Einstellungsleser.h"
#include "neuesspiel/Einstellungsvorlage.h"

#include <gtest/gtest.h>

namespace {

constexpr bool G = true;  // a good count
constexpr bool X = false; // refused

const Kartenformat Hoch{3, 4, false};

// The card size the game's own layout gives this board on the screen, with the new game's settings.
QSize layoutKarte(int spalten, int zeilen, QSize schirm, const Kartenformat& format = Hoch)
{
    Spieleinstellungen e = leseEinstellungen(einstellungsvorlage().toUtf8()).Werte;
    e.FormatX = format.FormatX;
    e.FormatY = format.FormatY;
    e.Spalten = spalten;
    e.Zeilen = zeilen;
    e.KartenBreite = AutoKartenBreite;
    const Bildschirmaufteilung a = berechneBildschirmaufteilung(schirm.width(), schirm.height(), e);
    return a.Passt ? QSize(a.KartenBreite, a.KartenHoehe) : QSize(0, 0);
}

} // namespace

// Every count from 2 to 120 on 1366 x 768 with 3:4 cards: the board with the largest cards the
// layout gives (at most 26 columns), that card size, and whether the count makes a good game.
TEST(Brettwahl, eachCountGetsTheBoardWithTheLargestCardsAndLongBoardsAreRefused)
{
    struct Fall {
        int bilder, spalten, zeilen, breite, hoehe;
        bool gut;
    };
    const Fall faelle[] = {
        {2, 2, 2, 264, 352, G}, {3, 3, 2, 201, 268, G}, {4, 4, 2, 150, 200, G}, {5, 5, 2, 117, 156, G}, {6, 4, 3, 150, 200, G},
        {7, 7, 2, 81, 108, G}, {8, 4, 4, 126, 168, G}, {9, 6, 3, 96, 128, G}, {10, 5, 4, 117, 156, G}, {11, 11, 2, 48, 64, X},
        {12, 6, 4, 96, 128, G}, {13, 13, 2, 39, 52, X}, {14, 7, 4, 81, 108, G}, {15, 6, 5, 96, 128, G}, {16, 8, 4, 69, 92, G},
        {17, 17, 2, 27, 36, X}, {18, 6, 6, 81, 108, G}, {19, 19, 2, 21, 28, X}, {20, 8, 5, 69, 92, G}, {21, 7, 6, 81, 108, G},
        {22, 11, 4, 48, 64, G}, {23, 23, 2, 15, 20, X}, {24, 8, 6, 69, 92, G}, {25, 10, 5, 54, 72, G}, {26, 13, 4, 39, 52, G},
        {27, 9, 6, 60, 80, G}, {28, 8, 7, 69, 92, G}, {29, 2, 29, 9, 12, X}, {30, 10, 6, 54, 72, G}, {31, 2, 31, 9, 12, X},
        {32, 8, 8, 60, 80, G}, {33, 11, 6, 48, 64, G}, {34, 17, 4, 27, 36, X}, {35, 10, 7, 54, 72, G}, {36, 9, 8, 60, 80, G},
        {37, 2, 37, 6, 8, X}, {38, 19, 4, 21, 28, X}, {39, 13, 6, 39, 52, G}, {40, 10, 8, 54, 72, G}, {41, 2, 41, 3, 4, X},
        {42, 12, 7, 42, 56, G}, {43, 2, 43, 3, 4, X}, {44, 11, 8, 48, 64, G}, {45, 10, 9, 51, 68, G}, {46, 23, 4, 15, 20, X},
        {47, 2, 47, 3, 4, X}, {48, 12, 8, 42, 56, G}, {49, 14, 7, 33, 44, X}, {50, 10, 10, 45, 60, G}, {51, 17, 6, 27, 36, X},
        {52, 13, 8, 39, 52, G}, {53, 0, 0, 0, 0, X}, {54, 12, 9, 42, 56, G}, {55, 11, 10, 45, 60, G}, {56, 14, 8, 33, 44, X},
        {57, 19, 6, 21, 28, X}, {58, 4, 29, 9, 12, X}, {59, 0, 0, 0, 0, X}, {60, 12, 10, 42, 56, G}, {61, 0, 0, 0, 0, X},
        {62, 4, 31, 9, 12, X}, {63, 14, 9, 33, 44, X}, {64, 16, 8, 30, 40, X}, {65, 13, 10, 39, 52, G}, {66, 12, 11, 42, 56, G},
        {67, 0, 0, 0, 0, X}, {68, 17, 8, 27, 36, X}, {69, 23, 6, 15, 20, X}, {70, 14, 10, 33, 44, X}, {71, 0, 0, 0, 0, X},
        {72, 12, 12, 36, 48, G}, {73, 0, 0, 0, 0, X}, {74, 4, 37, 6, 8, X}, {75, 15, 10, 30, 40, X}, {76, 19, 8, 21, 28, X},
        {77, 14, 11, 33, 44, X}, {78, 13, 12, 36, 48, G}, {79, 0, 0, 0, 0, X}, {80, 16, 10, 30, 40, X}, {81, 18, 9, 24, 32, X},
        {82, 4, 41, 3, 4, X}, {83, 0, 0, 0, 0, X}, {84, 14, 12, 33, 44, X}, {85, 17, 10, 27, 36, X}, {86, 4, 43, 3, 4, X},
        {87, 6, 29, 9, 12, X}, {88, 16, 11, 30, 40, X}, {89, 0, 0, 0, 0, X}, {90, 15, 12, 30, 40, X}, {91, 14, 13, 33, 44, X},
        {92, 23, 8, 15, 20, X}, {93, 6, 31, 9, 12, X}, {94, 4, 47, 3, 4, X}, {95, 19, 10, 21, 28, X}, {96, 16, 12, 30, 40, X},
        {97, 0, 0, 0, 0, X}, {98, 14, 14, 30, 40, X}, {99, 18, 11, 24, 32, X}, {100, 20, 10, 21, 28, X}, {101, 0, 0, 0, 0, X},
        {102, 17, 12, 27, 36, X}, {103, 0, 0, 0, 0, X}, {104, 16, 13, 30, 40, X}, {105, 15, 14, 30, 40, X}, {106, 0, 0, 0, 0, X},
        {107, 0, 0, 0, 0, X}, {108, 18, 12, 24, 32, X}, {109, 0, 0, 0, 0, X}, {110, 20, 11, 21, 28, X}, {111, 6, 37, 6, 8, X},
        {112, 16, 14, 30, 40, X}, {113, 0, 0, 0, 0, X}, {114, 19, 12, 21, 28, X}, {115, 23, 10, 15, 20, X}, {116, 8, 29, 9, 12, X},
        {117, 18, 13, 24, 32, X}, {118, 0, 0, 0, 0, X}, {119, 17, 14, 27, 36, X}, {120, 16, 15, 27, 36, X},
    };
    for (const Fall& f : faelle) {
        const Brettwahl w = waehleBrett(f.bilder, Hoch);
        EXPECT_EQ(w.Gut, f.gut) << f.bilder << " pictures";
        EXPECT_EQ(w.Brett, (Brettmass{f.spalten, f.zeilen})) << f.bilder << " pictures";
        EXPECT_EQ(w.Karte.expandedTo(QSize(0, 0)), QSize(f.breite, f.hoehe)) << f.bilder << " pictures";
        if (f.spalten > 0) {
            EXPECT_EQ(layoutKarte(f.spalten, f.zeilen, Bezugsbildschirm), QSize(f.breite, f.hoehe)) << f.bilder;
        }
        // No other board within the column letters gives taller cards.
        for (int zeilen = 1; zeilen <= 2 * f.bilder; ++zeilen) {
            if ((2 * f.bilder) % zeilen == 0 && 2 * f.bilder / zeilen <= 26) {
                EXPECT_LE(layoutKarte(2 * f.bilder / zeilen, zeilen, Bezugsbildschirm).height(), f.hoehe)
                    << f.bilder << " pictures on " << 2 * f.bilder / zeilen << " x " << zeilen;
            }
        }
    }
}

// A refused count names the nearest good counts on both sides, or only the one below past the
// largest; the largest good counts are 78 on 1366 x 768 and 153 on 1920 x 1080 for 3:4 cards.
TEST(Brettwahl, aRefusedCountNamesTheNearestGoodCounts)
{
    struct Fall {
        int bilder;
        QSize schirm;
        int kleiner, groesser;
    };
    const Fall faelle[] = {
        {11, Bezugsbildschirm, 10, 12}, {47, Bezugsbildschirm, 45, 48}, {79, Bezugsbildschirm, 78, 0},
        {1000, Bezugsbildschirm, 78, 0}, {154, QSize(1920, 1080), 153, 0}, {11, QSize(1920, 1080), 10, 12},
    };
    for (const Fall& f : faelle) {
        const Brettwahl w = waehleBrett(f.bilder, Hoch, f.schirm);
        EXPECT_FALSE(w.Gut) << f.bilder;
        EXPECT_EQ(w.Kleiner, f.kleiner) << f.bilder;
        EXPECT_EQ(w.Groesser, f.groesser) << f.bilder;
    }
    EXPECT_TRUE(istGuteAnzahl(153, Hoch, QSize(1920, 1080)));
    EXPECT_EQ(brettFehler(47, waehleBrett(47, Hoch)).toStdString(),
              "47 Fotos ergeben 94 Karten; auf einem Bildschirm von 1366 × 768 Pixeln lägen sie bestenfalls als "
              "2 × 47 Karten von 3 × 4 Pixeln – zu klein zum Spielen. Mit 45 oder 48 Fotos geht es.");
    EXPECT_EQ(brettFehler(11, waehleBrett(11, Hoch)).toStdString(),
              "11 Fotos ergeben 22 Karten; auf einem Bildschirm von 1366 × 768 Pixeln lägen sie bestenfalls als "
              "11 × 2 Karten von 48 × 64 Pixeln – nicht halb so hoch, wie es die Fläche erlaubt. "
              "Mit 10 oder 12 Fotos geht es.");
    EXPECT_EQ(brettFehler(1000, waehleBrett(1000, Hoch)).toStdString(),
              "1000 Fotos ergeben 2000 Karten, und so viele haben auf einem Bildschirm von 1366 × 768 Pixeln "
              "keinen Platz. Mit höchstens 78 Fotos geht es.");
    EXPECT_TRUE(brettFehler(12, waehleBrett(12, Hoch)).isEmpty());
}

// With empty places every count gets a board: among all boards of at most 26 columns on which the
// cards leave fewer empty places than one row, the one with the largest cards in the game's own
// layout. Rows: 1366 x 768 with 3:4 cards, each checked against the layout.
TEST(Brettwahl, withEmptyPlacesEachCountGetsTheBoardWithTheLargestCards)
{
    struct Fall {
        int bilder, spalten, zeilen, frei, breite, hoehe;
        bool passt;
    };
    const Fall faelle[] = {
        {2, 2, 2, 0, 264, 352, G},  {3, 3, 2, 0, 201, 268, G},  {4, 3, 3, 1, 174, 232, G},
        {5, 4, 3, 2, 150, 200, G},  {12, 5, 5, 1, 99, 132, G},  {13, 6, 5, 4, 96, 128, G},
        {24, 8, 6, 0, 69, 92, G},   {25, 8, 7, 6, 69, 92, G},   {29, 9, 7, 5, 60, 80, G},
        {77, 13, 12, 2, 36, 48, G}, {78, 13, 12, 0, 36, 48, G}, {79, 14, 12, 10, 33, 44, X},
    };
    for (const Fall& f : faelle) {
        const BrettMitLuecken w = waehleBrettMitLuecken(f.bilder, Hoch);
        EXPECT_EQ(w.Brett, (Brettmass{f.spalten, f.zeilen})) << f.bilder << " pictures";
        EXPECT_EQ(w.Frei, f.frei) << f.bilder << " pictures";
        EXPECT_EQ(w.Karte, QSize(f.breite, f.hoehe)) << f.bilder << " pictures";
        EXPECT_EQ(w.Passt, f.passt) << f.bilder << " pictures";
        EXPECT_EQ(layoutKarte(f.spalten, f.zeilen, Bezugsbildschirm), w.Karte) << f.bilder << " pictures";
    }
}

// Over 2 - 120 photos, three card formats and two screens: no refusal up to the largest count and
// none of its boards beaten by another board within the rule; one more photo makes the cards at
// most a quarter smaller (rounded down to the pixel), except where the rule has no bigger board (listed).
TEST(Brettwahl, withEmptyPlacesNoCountIsRefusedAndCardsShrinkGently)
{
    struct Fall {
        Kartenformat format;
        QSize schirm;
        int groesste;
        std::vector<int> sprung; // counts n where n + 1 photos shrink the cards by more than a quarter
    };
    const Fall faelle[] = {
        {Hoch, Bezugsbildschirm, 78, {}},
        {{4, 3, false}, Bezugsbildschirm, 48, {3}},
        {{1, 1, true}, Bezugsbildschirm, 66, {}},
        {Hoch, QSize(1920, 1080), 161, {}},
        {{4, 3, true}, QSize(1920, 1080), 102, {3}},
        {{1, 1, false}, QSize(1920, 1080), 127, {}},
    };
    for (const Fall& f : faelle) {
        const std::string fall = std::to_string(f.format.FormatX) + ":" + std::to_string(f.format.FormatY) + " on "
            + std::to_string(f.schirm.width());
        EXPECT_EQ(groessteAnzahlMitLuecken(f.format, f.schirm), f.groesste) << fall;
        std::vector<int> spruenge;
        int vorher = 0;
        for (int n = 2; n <= 120; ++n) {
            const BrettMitLuecken w = waehleBrettMitLuecken(n, f.format, f.schirm);
            EXPECT_EQ(w.Passt, n <= f.groesste) << fall << ", " << n << " photos";
            EXPECT_LT(w.Brett.Spalten * w.Brett.Zeilen - 2 * n, w.Brett.Spalten) << fall << ", " << n << " photos";
            if (w.Passt && w.Karte.height() < 3 * vorher / 4)
                spruenge.push_back(n - 1);
            vorher = w.Karte.height();
            for (int spalten = 1; spalten <= 26 && 2 * n <= spalten * 100; ++spalten)
                EXPECT_LE(layoutKarte(spalten, (2 * n + spalten - 1) / spalten, f.schirm, f.format).height(),
                          w.Karte.height()) << fall << ", " << n << " photos on " << spalten << " columns";
        }
        EXPECT_EQ(spruenge, f.sprung) << fall;
    }
}

// The settings text gets a twelfth block only when pairs per round are asked for; the eleven
// settings before it stay byte for byte, and the reader reads every block back.
TEST(Brettwahl, theSettingsTextOfABoardWithEmptyPlacesReadsBack)
{
    const struct {
        int spalten, zeilen, paare;
    } faelle[] = {{8, 7, 0}, {8, 7, 25}, {8, 7, 8}, {5, 5, 12}, {13, 12, 78}};
    for (const auto& f : faelle) {
        const QString ohne = einstellungsTextMitBrett(f.spalten, f.zeilen, Hoch);
        const QString text = einstellungsTextMitBrett(f.spalten, f.zeilen, Hoch, f.paare);
        EXPECT_EQ(text.startsWith(ohne + u"\n# 12."_qs), f.paare > 0) << f.paare;
        EXPECT_EQ(text == ohne && !ohne.contains(u"\n# 12."_qs), f.paare == 0) << f.paare;
        const Einstellungsergebnis e = leseEinstellungen(text.toUtf8());
        EXPECT_FALSE(e.EinstellungsFehler) << qPrintable(e.Meldung);
        EXPECT_EQ(e.Werte.PaareJeRunde, f.paare);
        EXPECT_EQ(paareJeRunde(e.Werte), f.paare > 0 ? f.paare : f.spalten * f.zeilen / 2);
    }
}
