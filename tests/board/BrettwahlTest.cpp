#include "board/Brettwahl.h"

#include "board/Bildschirmaufteilung.h"
#include "board/Einstellungsleser.h"
#include "board/Einstellungsvorlage.h"

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
