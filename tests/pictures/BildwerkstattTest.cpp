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

} // namespace

// Rule: decoding at a reduced scale for both targets at once renders each of them at most 1 dB
// worse than the full-size decode, measured against a full-size decode scaled with Lanczos.
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
                const Passgeometrie g = berechnePassgeometrie(vollBild.width(), vollBild.height(), z.width(),
                                                              z.height(), m);
                const QImage referenz = bildvergleich::lanczos(vollBild, g.quelle, g.ziel.size());
                const double dbVoll = bildvergleich::psnr(voll.Bilder[i].Bild.copy(g.ziel), referenz);
                const double dbKlein = bildvergleich::psnr(klein.Bilder[i].Bild.copy(g.ziel), referenz);
                EXPECT_GE(dbKlein, dbVoll - 1.0) << z.width() << "x" << z.height();
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
