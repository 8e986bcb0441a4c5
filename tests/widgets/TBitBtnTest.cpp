#include "widgets/TBitBtn.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// A 36 x 36 glyph: a red 20 x 20 square on a transparent magenta background.
QPixmap glyph()
{
    QImage img(36, 36, QImage::Format_ARGB32);
    img.fill(QColor(255, 0, 255));
    for (int y = 8; y < 28; ++y)
        for (int x = 8; x < 28; ++x)
            img.setPixelColor(x, y, Qt::red);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x)
            if (img.pixelColor(x, y) == QColor(255, 0, 255))
                img.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QPixmap::fromImage(img);
}

QRect rotBereich(const QImage& img, int* magenta)
{
    QRect r;
    *magenta = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c == QColor(Qt::red))
                r |= QRect(x, y, 1, 1);
            if (c == QColor(255, 0, 255))
                ++*magenta;
        }
    return r;
}

} // namespace

// The button paints its glyph whole, left of the text, its transparent background leaving no magenta.
TEST(TBitBtn, paintsItsGlyphWithoutItsBackground)
{
    TBitBtn knopf(QStringLiteral("Los  geht's"));
    knopf.resize(425, 57);
    knopf.Abstand = 20;
    knopf.setzeKnopfbild(glyph());
    int magenta = 0;
    const QRect rot = rotBereich(knopf.grab().toImage(), &magenta);
    EXPECT_EQ(rot.size(), QSize(20, 20));
    EXPECT_EQ(magenta, 0);
    // Vertically centred, and left of the middle since the text follows it.
    EXPECT_EQ(rot.top(), (57 - 36) / 2 + 8);
    EXPECT_LT(rot.right(), 425 / 2);

    TBitBtn ohne(QStringLiteral("Los  geht's"));
    ohne.resize(425, 57);
    EXPECT_TRUE(rotBereich(ohne.grab().toImage(), &magenta).isNull());
}
