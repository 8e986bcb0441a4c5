#include "pictures/Bildwerkstatt.h"

#include "pictures/Testbilder.h"
#include "support/Bildvergleich.h"

#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testbilder;

namespace {

// The card and large picture of the game's 6 x 5 board on a 1016 x 734 window.
const std::vector<QSize> spielziele = {QSize(66, 88), QSize(504, 672)};

// A 4000 x 3000 picture of large black digits, a word and one-pixel lines:
// the sharp edges of the demo's pictures, at a phone photo's size.
QByteArray scharfesTextbild()
{
    QImage bild(4000, 3000, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setPen(Qt::black);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(1400);
    p.setFont(schrift);
    p.drawText(QRect(0, 0, 4000, 2000), Qt::AlignCenter, QStringLiteral("47"));
    schrift.setPixelSize(380);
    p.setFont(schrift);
    p.drawText(QRect(0, 2000, 4000, 800), Qt::AlignCenter, QStringLiteral("siebenundvierzig"));
    for (int x = 100; x < 4000; x += 37)
        p.drawLine(x, 40, x + 200, 400);
    p.end();
    return jpegBytes(bild, {92, false, false});
}

// The rectangles the fitting rules give for the pictures below, worked out by
// hand from those rules (not by the program's geometry): source in the full
// picture, destination in the target.
struct Rechtecke {
    QSize bild;
    const char* modus;
    QSize ziel;
    QRect quelle;
    QRect zielRechteck;
};
const Rechtecke erwarteteRechtecke[] = {
    // 4:3, wider than the targets: fitted h = Round(66 * 3 / 4) = Round(49.5) = 50, dy = 19;
    // h = 378, dy = 147. Cropped: S = Round(H * 66 / 88) = 3H / 4, sx = (W - S) / 2.
    {{4000, 3000}, "", {66, 88}, {0, 0, 4000, 3000}, {0, 19, 66, 50}},
    {{4000, 3000}, "", {504, 672}, {0, 0, 4000, 3000}, {0, 147, 504, 378}},
    {{4000, 3000}, "m", {66, 88}, {875, 0, 2250, 3000}, {0, 0, 66, 88}},
    {{4000, 3000}, "m", {504, 672}, {875, 0, 2250, 3000}, {0, 0, 504, 672}},
    {{2560, 1920}, "", {66, 88}, {0, 0, 2560, 1920}, {0, 19, 66, 50}},
    {{2560, 1920}, "", {504, 672}, {0, 0, 2560, 1920}, {0, 147, 504, 378}},
    {{2560, 1920}, "m", {66, 88}, {560, 0, 1440, 1920}, {0, 0, 66, 88}},
    {{2560, 1920}, "m", {504, 672}, {560, 0, 1440, 1920}, {0, 0, 504, 672}},
    // 5640 x 3172: h = Round(37.12) = 37, dy = Round(25.5) = 26; h = Round(283.46) = 283,
    // dy = Round(194.5) = 194. Cropped: S = 2379, sx = Round(1630.5) = 1630.
    {{5640, 3172}, "", {66, 88}, {0, 0, 5640, 3172}, {0, 26, 66, 37}},
    {{5640, 3172}, "", {504, 672}, {0, 0, 5640, 3172}, {0, 194, 504, 283}},
    {{5640, 3172}, "m", {66, 88}, {1630, 0, 2379, 3172}, {0, 0, 66, 88}},
    {{5640, 3172}, "m", {504, 672}, {1630, 0, 2379, 3172}, {0, 0, 504, 672}},
};

const Rechtecke* rechteckeFuer(QSize bild, const QString& modus, QSize ziel)
{
    for (const Rechtecke& r : erwarteteRechtecke)
        if (r.bild == bild && modus == QLatin1String(r.modus) && r.ziel == ziel)
            return &r;
    return nullptr;
}

} // namespace

// Rule: decoding at a reduced scale for both targets at once renders each of them at most 1 dB
// worse than the full-size decode, measured against a full-size decode scaled with Lanczos from
// the rectangles of the table above; both stay near that reference, so a wrong rectangle fails.
TEST(Bildwerkstatt, reducedScaleDecodingKeepsTheQualityOfTheFullSizePath)
{
    QTemporaryDir ordner;
    const QString text = ordner.filePath(QStringLiteral("text.jpg"));
    schreibe(text, scharfesTextbild());
    const QString fotos = QStringLiteral("/usr/share/backgrounds/mate/");
    const QString dateien[] = {
        text,
        fotos + QStringLiteral("abstract/Elephants_5640x3172.jpg"),
        fotos + QStringLiteral("nature/Wood.jpg"),
    };
    int fotosGefunden = 0;
    int verkleinert = 0;
    Bildwerkstatt werkstatt;
    for (const QString& datei : dateien) {
        if (!QFileInfo::exists(datei))
            continue;
        fotosGefunden += datei != text;
        for (const char* modus : {"", "m"}) {
            SCOPED_TRACE(testing::Message() << datei.toStdString() << " mode \"" << modus << "\"");
            const QString m = QString::fromLatin1(modus);
            const Mehrfachdarstellung voll = werkstatt.darstelle(datei, spielziele, m, Qt::gray, false);
            const QImage vollBild = werkstatt.quelle().kopie();
            const Mehrfachdarstellung klein = werkstatt.darstelle(datei, spielziele, m, Qt::gray, true);
            verkleinert += werkstatt.quelle().Width() < vollBild.width();
            ASSERT_EQ(voll.Bilder.size(), spielziele.size());
            ASSERT_EQ(klein.Bilder.size(), spielziele.size());
            for (std::size_t i = 0; i < spielziele.size(); ++i) {
                const QSize z = spielziele[i];
                SCOPED_TRACE(testing::Message() << z.width() << "x" << z.height());
                const Rechtecke* r = rechteckeFuer(vollBild.size(), m, z);
                ASSERT_NE(r, nullptr) << "no rectangles for a picture of " << vollBild.width() << "x"
                                      << vollBild.height();
                const QImage referenz = bildvergleich::lanczos(vollBild, r->quelle, r->zielRechteck.size());
                const double dbVoll = bildvergleich::psnr(voll.Bilder[i].Bild.copy(r->zielRechteck), referenz);
                const double dbKlein = bildvergleich::psnr(klein.Bilder[i].Bild.copy(r->zielRechteck), referenz);
                // A wrong rectangle renders another part of the picture, or a margin inside it:
                // measured here between 32 and 49 dB.
                EXPECT_GE(dbVoll, 30.0);
                EXPECT_GE(dbKlein, dbVoll - 1.0);
                EXPECT_EQ(klein.Bilder[i].Bild.size(), z);
            }
        }
    }
    // The large pictures must really have been decoded at a reduced scale.
    EXPECT_GE(verkleinert, 2);
    if (fotosGefunden == 0)
        GTEST_SKIP() << "the photographs of Debian's mate-backgrounds are not installed; the text picture passed";
}

// Rule: the one decode of the deal also yields what a JPEG says of itself; a BMP says nothing,
// whatever the JPEG before it said.
TEST(Bildwerkstatt, theDecodeOfTheDealCarriesThePicturesDescription)
{
    QTemporaryDir ordner;
    const QImage bild = muster(40, 30);
    schreibe(ordner.filePath(QStringLiteral("01a.jpg")), mitKommentar(jpegBytes(bild), "Oma Erna"));
    schreibe(ordner.filePath(QStringLiteral("01b.bmp")), bmp24(bild));
    Bildwerkstatt werkstatt;
    const Spieldateien dateien(ordner.path());
    const Mehrfachdarstellung jpeg = werkstatt.darstelle(QStringLiteral("01a.jpg"), spielziele, {}, Qt::gray, true, dateien);
    EXPECT_EQ(jpeg.Beschreibung, QStringLiteral("Oma Erna"));
    EXPECT_EQ(jpeg.Bilder.size(), spielziele.size());
    const Mehrfachdarstellung bmp = werkstatt.darstelle(QStringLiteral("01b.bmp"), spielziele, {}, Qt::gray, true, dateien);
    EXPECT_EQ(bmp.Beschreibung, QString());
}
