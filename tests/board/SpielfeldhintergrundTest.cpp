#include "board/Spielfeldhintergrund.h"

#include "platform/Systemfarben.h"

#include <QFontMetrics>
#include <QRegion>
#include <gtest/gtest.h>

namespace {

Spieleinstellungen brett(int spalten, int zeilen)
{
    Spieleinstellungen e;
    e.FormatX = 3;
    e.FormatY = 4;
    e.Spalten = spalten;
    e.Zeilen = zeilen;
    e.KartenBreite = 66;
    e.KartenHoehe = 88;
    e.AbstandX = 10;
    e.AbstandY = 10;
    return e;
}

} // namespace

// Letters sit on the column centre lines, 505 pixels lower below the grid; numbers 471 pixels further right.
TEST(Spielfeldhintergrund, lettersAndNumbersSitOnTheCentreLines)
{
    const auto e = brett(6, 5);
    struct Fall { int w; int h; };
    for (const Fall f : {Fall{15, 24}, Fall{14, 23}, Fall{12, 25}}) {
        const int obenY = (25 - f.h) / 2;
        const int linksX = (25 - f.w) / 2;
        EXPECT_EQ(spaltenbuchstabePosition(e, 0, f.w, f.h, false), QPoint(58 - f.w / 2, obenY));
        EXPECT_EQ(spaltenbuchstabePosition(e, 5, f.w, f.h, false), QPoint(438 - f.w / 2, obenY));
        EXPECT_EQ(spaltenbuchstabePosition(e, 5, f.w, f.h, true), QPoint(438 - f.w / 2, obenY + 505));
        EXPECT_EQ(zeilennummerPosition(e, 0, f.w, f.h, false), QPoint(linksX, 69 - f.h / 2));
        EXPECT_EQ(zeilennummerPosition(e, 4, f.w, f.h, false), QPoint(linksX, 461 - f.h / 2));
        EXPECT_EQ(zeilennummerPosition(e, 4, f.w, f.h, true), QPoint(linksX + 471, 461 - f.h / 2));
    }
    // A height over 25 centres upward: (25 - 27) div 2 is -1, not -2.
    EXPECT_EQ(spaltenbuchstabePosition(e, 0, 10, 27, false).y(), -1);
    EXPECT_EQ(zeilennummer(0, 5), QStringLiteral("5"));
    EXPECT_EQ(zeilennummer(4, 5), QStringLiteral("1"));
}

// Column letters are Windows-1252 characters from code 65 on; undefined codes show a blank.
TEST(Spielfeldhintergrund, columnLettersAreWindows1252Characters)
{
    struct Fall { int spalte; char16_t zeichen; };
    // Column index = code - 65.
    const Fall faelle[] = {
        {65 - 65, u'A'}, {90 - 65, u'Z'}, {91 - 65, u'['}, {97 - 65, u'a'}, {126 - 65, u'~'},
        {128 - 65, 0x20AC}, {129 - 65, u' '}, {130 - 65, 0x201A}, {140 - 65, 0x0152},
        {141 - 65, u' '}, {142 - 65, 0x017D}, {143 - 65, u' '}, {144 - 65, u' '}, {145 - 65, 0x2018},
        {153 - 65, 0x2122}, {157 - 65, u' '}, {158 - 65, 0x017E}, {159 - 65, 0x0178},
        {160 - 65, 0x00A0}, {164 - 65, 0x00A4},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(spaltenbuchstabe(f.spalte), QString(QChar(f.zeichen))) << "Spalte " << f.spalte;
}

// The bitmap is the board colour except inside the measured text boxes, and every box holds ink.
TEST(Spielfeldhintergrund, textIsDrawnOnlyInsideItsBoxes)
{
    const auto e = brett(27, 3);
    const QSize groesse(26 * 10 + 52 + 27 * 66 - 2, 2 * 10 + 52 + 3 * 88 - 2);
    const QImage bild = zeichneSpielfeldhintergrund(groesse, e);
    ASSERT_EQ(bild.size(), groesse);
    EXPECT_EQ(bild.format(), QImage::Format_RGB32);

    const QFontMetrics fm(spielfeldSchrift());
    ASSERT_GT(fm.height(), 0) << "no font available";
    QRegion kaesten;
    const auto kasten = [&](QPoint ecke, const QString& text) {
        const QRect r(ecke, QSize(fm.horizontalAdvance(text), fm.height()));
        kaesten += r.adjusted(-2, 0, 2, 0); // glyphs may overhang their advance slightly
        return r;
    };
    std::vector<QRect> mitText;
    for (int c = 0; c < e.Spalten; ++c) {
        const QString t = spaltenbuchstabe(c);
        const int w = fm.horizontalAdvance(t);
        mitText.push_back(kasten(spaltenbuchstabePosition(e, c, w, fm.height(), false), t));
        mitText.push_back(kasten(spaltenbuchstabePosition(e, c, w, fm.height(), true), t));
    }
    for (int r = 0; r < e.Zeilen; ++r) {
        const QString t = zeilennummer(r, e.Zeilen);
        const int w = fm.horizontalAdvance(t);
        mitText.push_back(kasten(zeilennummerPosition(e, r, w, fm.height(), false), t));
        mitText.push_back(kasten(zeilennummerPosition(e, r, w, fm.height(), true), t));
    }

    const QRgb farbe = bgrFarbe(Spielfeldfarbe).rgb();
    EXPECT_EQ(farbe, qRgb(255, 255, 176));
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) != farbe) {
                ASSERT_TRUE(kaesten.contains(QPoint(x, y))) << "ink outside the text at " << x << "," << y;
            }
        }
    }
    for (const QRect& r : mitText) {
        bool tinte = false;
        for (int y = r.top(); y <= r.bottom() && !tinte; ++y)
            for (int x = r.left(); x <= r.right() && !tinte; ++x)
                tinte = qGray(bild.pixel(x, y)) < 100;
        EXPECT_TRUE(tinte) << "no dark text at " << r.x() << "," << r.y();
    }
}

// An empty size gives no bitmap instead of a painter on nothing.
TEST(Spielfeldhintergrund, anEmptySizeGivesNoBitmap)
{
    EXPECT_TRUE(zeichneSpielfeldhintergrund(QSize(0, 10), brett(2, 2)).isNull());
}
