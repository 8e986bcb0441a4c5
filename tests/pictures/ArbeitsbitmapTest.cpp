#include "pictures/Arbeitsbitmap.h"

#include <gtest/gtest.h>

namespace {

void fuelle(Arbeitsbitmap& b)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.zeile(y)[x] = 0xFF000000u | std::uint32_t(y * 1000 + x);
}

} // namespace

TEST(Arbeitsbitmap, resizingKeepsTopLeftAndFillsNewAreaWhite)
{
    // Old pixels stay at the top left and every new pixel is white, whether the buffer moves or not.
    struct Fall {
        int w0, h0, w1, h1;
    };
    for (const Fall f : {Fall{4, 3, 6, 5}, Fall{6, 5, 4, 3}, Fall{6, 5, 3, 7}, Fall{3, 7, 6, 2}, Fall{5, 5, 0, 0}}) {
        // Make room first so the change below happens inside the buffer too.
        for (bool imPuffer : {false, true}) {
            Arbeitsbitmap c;
            if (imPuffer)
                c.belegeNeu(10, 10);
            c.setzeGroesse(f.w0, f.h0);
            fuelle(c);
            c.setzeHoehe(f.h1);
            c.setzeBreite(f.w1);
            SCOPED_TRACE(testing::Message() << f.w0 << "x" << f.h0 << " -> " << f.w1 << "x" << f.h1
                                            << (imPuffer ? " in place" : " new buffer"));
            ASSERT_EQ(c.Width(), f.w1);
            ASSERT_EQ(c.Height(), f.h1);
            for (int y = 0; y < f.h1; ++y)
                for (int x = 0; x < f.w1; ++x) {
                    const std::uint32_t erwartet = (x < f.w0 && y < f.h0) ? (0xFF000000u | std::uint32_t(y * 1000 + x))
                                                                          : 0xFFFFFFFFu;
                    ASSERT_EQ(c.zeile(y)[x], erwartet) << "pixel " << x << "," << y;
                }
        }
    }
}

TEST(Arbeitsbitmap, repeatedSizesAllocateNothing)
{
    // The buffer only grows: returning to a size already held keeps the same memory.
    Arbeitsbitmap b;
    b.setzeGroesse(504, 672);
    const std::uint32_t* puffer = b.zeile(0);
    const std::size_t kapazitaet = b.kapazitaet();
    for (int i = 0; i < 3; ++i) {
        b.setzeGroesse(66, 88);
        b.setzeGroesse(504, 672);
        b.belegeNeu(672, 504);
    }
    EXPECT_EQ(b.zeile(0), puffer);
    EXPECT_EQ(b.kapazitaet(), kapazitaet);
}

TEST(Arbeitsbitmap, aCopyOutlivesTheBitmapsReuse)
{
    // A crop view shows the bitmap's own pixels; a copy keeps them after the bitmap is overwritten.
    Arbeitsbitmap b;
    b.setzeGroesse(8, 6);
    fuelle(b);
    const QImage ausschnitt = b.ansicht(QRect(2, 3, 4, 2));
    ASSERT_EQ(ausschnitt.size(), QSize(4, 2));
    EXPECT_EQ(ausschnitt.format(), QImage::Format_RGB32);
    EXPECT_EQ(ausschnitt.pixel(1, 1), 0xFF000000u | (4 * 1000 + 3));
    const QImage kopie = b.kopie();
    b.setzeGroesse(0, 0);
    b.setzeGroesse(8, 6);
    EXPECT_EQ(kopie.pixel(7, 5), 0xFF000000u | (5 * 1000 + 7));
}

TEST(Arbeitsbitmap, takingOverAnImageIgnoresAlpha)
{
    // Colour channels are taken as they are and the result is opaque.
    QImage bild(3, 2, QImage::Format_ARGB32);
    bild.fill(qRgba(10, 20, 30, 0));
    Arbeitsbitmap b;
    b.uebernimm(bild);
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(b.zeile(1)[2], qRgb(10, 20, 30));
}
