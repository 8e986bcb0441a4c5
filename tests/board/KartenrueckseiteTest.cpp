#include "board/Kartenrueckseite.h"

#include "platform/PaarlixFehler.h"
#include "platform/Systemfarben.h"

#include <gtest/gtest.h>

namespace {

const QRgb muster = qRgb(145, 148, 255);
const QRgb weiss = qRgb(255, 255, 255);

struct Proportion {
    int fx;
    int fy;
    QSize groesse;
    QPoint start;
    QPoint ecke;
};

const Proportion proportionen[] = {
    {1, 1, {200, 200}, {-2, -2}, {0, 0}},
    {4, 3, {267, 200}, {-2, -2}, {33, 0}},
    {3, 4, {200, 267}, {-2, -2}, {0, 33}},
    {3, 2, {300, 200}, {-1, -2}, {50, 0}},
    {2, 3, {200, 300}, {-2, -1}, {0, 50}},
};

QImage einfarbig(int w, int h, QRgb farbe)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(farbe);
    return img;
}

} // namespace

// The pattern colour is 0xFF9491 in blue-green-red order.
TEST(Kartenrueckseite, thePatternHasItsColour)
{
    EXPECT_EQ(bgrFarbe(Musterfarbe).rgb(), muster);
}

// The pattern is 200 on its shorter side, the longer side rounded half to even, with its offsets and overlay corner.
TEST(Kartenrueckseite, thePatternIsTwoHundredOnItsShorterSide)
{
    for (const Proportion& p : proportionen) {
        EXPECT_EQ(musterGroesse(p.fx, p.fy), p.groesse) << p.fx << ":" << p.fy;
        EXPECT_EQ(musterStart(p.groesse), p.start) << p.fx << ":" << p.fy;
        EXPECT_EQ(overlayEcke(p.fx, p.fy, p.groesse), p.ecke) << p.fx << ":" << p.fy;
    }
    EXPECT_EQ(musterGroesse(8, 5), QSize(320, 200));
    EXPECT_EQ(musterGroesse(16, 3).width(), 1067);     // 1066.67
    EXPECT_EQ(musterStart(QSize(204, 200)).x(), -1);
}

// Rounding of the longer side goes to the even neighbour at exactly one half.
TEST(Kartenrueckseite, halvesRoundToTheEvenNeighbour)
{
    // 200 * 201 / 80 = 502.5 -> 502; 200 * 203 / 80 = 507.5 -> 508.
    EXPECT_EQ(musterGroesse(201, 80).width(), 502);
    EXPECT_EQ(musterGroesse(203, 80).width(), 508);
    EXPECT_EQ(musterGroesse(80, 201).height(), 502);
}

// Every pattern pixel is coloured exactly when (px - x0) div 6 + (py - y0) div 6 is even.
TEST(Kartenrueckseite, everyProportionGetsTheCheckerboard)
{
    const QImage unsichtbar = einfarbig(50, 50, weiss);
    for (const Proportion& p : proportionen) {
        QImage m;
        QImage karte;
        zeichneKartenrueckseite(unsichtbar, p.fx, p.fy, 66, 88, m, karte);
        ASSERT_EQ(m.size(), p.groesse);
        for (int y = 0; y < m.height(); ++y)
            for (int x = 0; x < m.width(); ++x) {
                const bool gerade = ((x - p.start.x()) / 6 + (y - p.start.y()) / 6) % 2 == 0;
                ASSERT_EQ(m.pixel(x, y), gerade ? muster : weiss)
                    << p.fx << ":" << p.fy << " at " << x << "," << y;
            }
    }
}

// The named pixels of the 200 x 200 pattern.
TEST(Kartenrueckseite, theSquarePatternHasItsNamedPixels)
{
    QImage m;
    QImage karte;
    zeichneKartenrueckseite(QImage(), 1, 1, 66, 88, m, karte);
    for (int y = 0; y <= 3; ++y)
        for (int x = 0; x <= 3; ++x)
            EXPECT_EQ(m.pixel(x, y), muster) << x << "," << y;
    for (int x = 4; x <= 9; ++x)
        EXPECT_EQ(m.pixel(x, 0), weiss) << x;
    for (int x = 10; x <= 15; ++x)
        EXPECT_EQ(m.pixel(x, 0), muster) << x;
    EXPECT_EQ(m.pixel(199, 199), muster);
    EXPECT_EQ(m.pixel(0, 199), weiss);
}

// Exact white of the overlay lets the pattern through; near-white and other colours cover it, at the corner.
TEST(Kartenrueckseite, onlyExactWhiteOfTheOverlayIsTransparent)
{
    QImage overlay = einfarbig(3, 2, weiss);
    overlay.setPixel(1, 0, qRgb(254, 255, 255));
    overlay.setPixel(2, 0, qRgb(0, 0, 0));
    overlay.setPixel(0, 1, qRgb(255, 255, 254));
    for (const Proportion& p : proportionen) {
        QImage m;
        QImage karte;
        zeichneKartenrueckseite(overlay, p.fx, p.fy, 66, 88, m, karte);
        const QPoint e = p.ecke;
        const QRgb darunter = ((e.x() - p.start.x()) / 6 + (e.y() - p.start.y()) / 6) % 2 == 0 ? muster : weiss;
        EXPECT_EQ(m.pixel(e.x(), e.y()), darunter) << p.fx << ":" << p.fy;
        EXPECT_EQ(m.pixel(e.x() + 1, e.y()), qRgb(254, 255, 255)) << p.fx << ":" << p.fy;
        EXPECT_EQ(m.pixel(e.x() + 2, e.y()), qRgb(0, 0, 0)) << p.fx << ":" << p.fy;
        EXPECT_EQ(m.pixel(e.x(), e.y() + 1), qRgb(255, 255, 254)) << p.fx << ":" << p.fy;
    }
}

// An overlay larger than the pattern is clipped at its edges; the part before the corner keeps the checkerboard.
TEST(Kartenrueckseite, aLargeOverlayIsClipped)
{
    QImage m;
    QImage karte;
    zeichneKartenrueckseite(einfarbig(400, 400, qRgb(10, 20, 30)), 3, 4, 66, 88, m, karte);
    ASSERT_EQ(m.size(), QSize(200, 267));
    for (int y = 0; y < 267; ++y) {
        const QRgb links = m.pixel(0, y);
        const QRgb rechts = m.pixel(199, y);
        if (y < 33) {
            EXPECT_NE(links, qRgb(10, 20, 30)) << y;
        } else {
            EXPECT_EQ(links, qRgb(10, 20, 30)) << y;
            EXPECT_EQ(rechts, qRgb(10, 20, 30)) << y;
        }
    }
}

// The card back is the whole pattern reduced to the card size, replacing the work bitmaps given in.
TEST(Kartenrueckseite, theCardBackHasTheCardSize)
{
    QImage m = einfarbig(5, 5, qRgb(1, 2, 3));
    QImage karte = einfarbig(7, 7, qRgb(1, 2, 3));
    zeichneKartenrueckseite(einfarbig(200, 200, qRgb(0, 0, 0)), 4, 3, 100, 120, m, karte);
    EXPECT_EQ(m.size(), QSize(267, 200));
    ASSERT_EQ(karte.size(), QSize(100, 120));
    // The overlay covers only 200 of the 267 columns: the card's edges keep the checkerboard's tint.
    EXPECT_EQ(karte.pixel(50, 60), qRgb(0, 0, 0));
    EXPECT_GT(qBlue(karte.pixel(0, 60)), 150);
    EXPECT_GT(qBlue(karte.pixel(99, 60)), 150);

    zeichneKartenrueckseite(QImage(), 1, 1, 66, 88, m, karte);
    ASSERT_EQ(karte.size(), QSize(66, 88));
    EXPECT_EQ(m.size(), QSize(200, 200));
    for (int y = 0; y < karte.height(); ++y)
        for (int x = 0; x < karte.width(); ++x)
            ASSERT_EQ(qBlue(karte.pixel(x, y)), 255) << "smoothing mixes only pattern colour and white";
}

// A pattern or card back too large to allocate ends the build with the one wording for lack of
// memory, the details after it.
TEST(Kartenrueckseite, bitmapsTooLargeReportLackOfMemory)
{
    const struct {
        int fx;
        int kartenBreite;
        const char* text;
    } faelle[] = {
        {1'000'000, 66, "Nicht genügend Arbeitsspeicher.\n\rDas Muster der Kartenrückseite mit 200000000 x 200 "
                        "Pixeln kann nicht angelegt werden"},
        {1, 100'000'000, "Nicht genügend Arbeitsspeicher.\n\rDie Kartenrückseite mit 100000000 x 88 Pixeln kann "
                         "nicht angelegt werden"},
    };
    for (const auto& fall : faelle) {
        QImage m;
        QImage karte;
        try {
            zeichneKartenrueckseite(QImage(), fall.fx, 1, fall.kartenBreite, 88, m, karte);
            ADD_FAILURE() << fall.text;
        } catch (const EPaarlixFehler& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(fall.text));
        }
    }
}
