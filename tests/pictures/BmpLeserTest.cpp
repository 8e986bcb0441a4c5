#include "pictures/BmpLeser.h"

#include "pictures/Testbilder.h"
#include "platform/PaarlixFehler.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testbilder;

namespace {

const QString ungueltig = QStringLiteral("Bitmap ist ungültig");

class BmpLeserTest : public testing::Test {
protected:
    QString datei(const QString& name, const QByteArray& daten)
    {
        const QString pfad = ordner.filePath(name);
        schreibe(pfad, daten);
        return pfad;
    }

    static QString fehlerBeim(const QString& pfad)
    {
        try {
            leseBmp(pfad);
        } catch (const EPaarlixFehler& e) {
            return e.text();
        }
        return QString();
    }

    QTemporaryDir ordner;
};

void setze32(QByteArray& d, int i, quint32 v)
{
    for (int b = 0; b < 4; ++b)
        d[i + b] = char((v >> (8 * b)) & 0xFF);
}

} // namespace

TEST_F(BmpLeserTest, readsPixelsExactly)
{
    // A valid 24-bit file comes back pixel for pixel as an opaque 32-bit image.
    const QImage soll = muster(7, 5);
    const QImage bild = leseBmp(datei("gut.bmp", bmp24(soll)));
    ASSERT_EQ(bild.format(), QImage::Format_RGB32);
    EXPECT_EQ(bild, soll);
}

TEST_F(BmpLeserTest, damagedFilesAreInvalidNeverUninitialised)
{
    // Pixel data shorter than the header promises, or an offset past the end, is refused.
    const QByteArray gut = bmp24(muster(7, 5));
    QByteArray offsetWeit = gut;
    setze32(offsetWeit, 10, quint32(gut.size() + 1));
    QByteArray groesser = gut; // the header now promises 8 x 6 pixels
    setze32(groesser, 18, 8);
    setze32(groesser, 22, 6);
    struct Fall {
        const char* name;
        QByteArray daten;
    };
    const Fall faelle[] = {
        {"kurz", gut.left(gut.size() - 1)},
        {"nurKopf", gut.left(54)},
        {"offset", offsetWeit},
        {"groesser", groesser},
        {"keinBmp", jpegBytes(muster(8, 8))},
        {"leer", QByteArray()},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(fehlerBeim(datei(QString::fromUtf8(f.name) + ".bmp", f.daten)), ungueltig) << f.name;
}

TEST_F(BmpLeserTest, rleMustSetEveryPixel)
{
    // An RLE stream that covers every row reads; one cut short or skipping pixels is refused.
    const QByteArray zweiZeilen("\x04\x10\x00\x00\x04\x20\x00\x00\x00\x01", 10);
    const QImage bild = leseBmp(datei("rle.bmp", bmpRle8(4, 2, zweiZeilen)));
    ASSERT_EQ(bild.size(), QSize(4, 2));
    EXPECT_EQ(bild.pixel(0, 1), qRgb(0x10, 0x10, 0x10));
    EXPECT_EQ(bild.pixel(3, 0), qRgb(0x20, 0x20, 0x20));

    const QByteArray abgeschnitten("\x04\x10\x00\x00", 4);
    const QByteArray fruehesEnde("\x04\x10\x00\x01", 4);
    const QByteArray sprung("\x00\x02\x01\x01\x02\x10\x00\x00\x04\x20\x00\x01", 12);
    const QByteArray kurzeZeile("\x02\x10\x00\x00\x04\x20\x00\x01", 8);
    // Runs past the row's end: Qt would read the rest of an absolute run as codes (here an end).
    const QByteArray langerLauf("\x00\x06\x10\x10\x10\x10\x00\x01\x00\x00\x04\x20\x00\x01", 14);
    const QByteArray langeWiederholung("\x06\x10\x00\x00\x04\x20\x00\x01", 8);
    const QByteArray zweiLaeufe("\x03\x10\x02\x10\x00\x00\x04\x20\x00\x01", 10);
    const QByteArray endeMitten("\x04\x10\x00\x01\x04\x20\x00\x01", 8);
    for (const QByteArray& codes :
         {abgeschnitten, fruehesEnde, sprung, kurzeZeile, langerLauf, langeWiederholung, zweiLaeufe, endeMitten})
        EXPECT_EQ(fehlerBeim(datei("kaputt.bmp", bmpRle8(4, 2, codes))), ungueltig) << codes.toHex().toStdString();
}

TEST_F(BmpLeserTest, narrowChannelsExpandSoThatWhiteStaysWhite)
{
    // A channel of fewer than 8 bits has its bits repeated: all bits set is 255, none is 0.
    const QList<quint32> rgb565 = {0xF800, 0x07E0, 0x001F};
    struct Fall {
        const char* name;
        QList<quint32> masken;
        quint16 pixel;
        QRgb soll;
    };
    const Fall faelle[] = {
        {"555 white", {}, 0x7FFF, qRgb(255, 255, 255)},
        {"555 black", {}, 0x0000, qRgb(0, 0, 0)},
        {"555 middle", {}, 0x4210, qRgb(0x84, 0x84, 0x84)},
        {"565 white", rgb565, 0xFFFF, qRgb(255, 255, 255)},
        {"565 green only", rgb565, 0x07E0, qRgb(0, 255, 0)},
        {"565 middle", rgb565, 0x8410, qRgb(0x84, 0x82, 0x84)},
        {"444 white", {0x0F00, 0x00F0, 0x000F}, 0x0FFF, qRgb(255, 255, 255)},
    };
    for (const Fall& f : faelle) {
        const QImage bild = leseBmp(datei("16.bmp", bmp16(2, 1, {f.pixel, f.pixel}, f.masken)));
        ASSERT_EQ(bild.size(), QSize(2, 1)) << f.name;
        EXPECT_EQ(bild.pixel(1, 0), f.soll) << f.name << ": " << std::hex << bild.pixel(1, 0);
    }
}

TEST_F(BmpLeserTest, bitFieldMasksMustDescribeSeparateColours)
{
    // Masks that are all zero, or that share bits, are refused; separate ones read.
    const QList<QList<quint32>> falsch = {
        {0, 0, 0},
        {0xFC00, 0x07E0, 0x001F},
        {0xF800, 0x07E0, 0x07E0},
        {0x001F, 0x07E0, 0x001F},
    };
    for (const QList<quint32>& masken : falsch)
        EXPECT_EQ(fehlerBeim(datei("masken.bmp", bmp16(2, 2, {1, 2, 3, 4}, masken))), ungueltig)
            << std::hex << masken[0] << " " << masken[1] << " " << masken[2];
    EXPECT_EQ(fehlerBeim(datei("masken.bmp", bmp16(2, 2, {1, 2, 3, 4}, {0, 0x07E0, 0}))), QString())
        << "one colour alone is a picture";
}

TEST_F(BmpLeserTest, emptyHugeAndMissingFilesSayWhy)
{
    // No pixels and too many pixels name the file; a missing file gives the open error.
    QByteArray null = bmp24(muster(3, 3));
    setze32(null, 18, 0);
    const QString nullPfad = datei("null.bmp", null);
    EXPECT_TRUE(fehlerBeim(nullPfad).contains(nullPfad));

    QByteArray riesig = bmp24(muster(3, 3));
    setze32(riesig, 18, 60000);
    setze32(riesig, 22, 60000);
    const QString riesigPfad = datei("riesig.bmp", riesig);
    EXPECT_TRUE(fehlerBeim(riesigPfad).contains(QStringLiteral("zu groß")));

    const QString fehlt = ordner.filePath("fehlt.bmp");
    EXPECT_EQ(fehlerBeim(fehlt), QStringLiteral("Datei ") + fehlt + QStringLiteral(" kann nicht geöffnet werden"));

    // A file over the size limit is refused before it is read (a sparse file: no disk is used).
    QFile lang(ordner.filePath("lang.bmp"));
    ASSERT_TRUE(lang.open(QIODevice::WriteOnly));
    lang.write(bmp24(muster(3, 3)));
    ASSERT_TRUE(lang.resize(GroessteBmpDatei + 1));
    lang.close();
    EXPECT_EQ(fehlerBeim(lang.fileName()),
              QStringLiteral("Die Datei ") + lang.fileName() + QStringLiteral(" ist größer als 64 MB und wird nicht gelesen"));
}

TEST_F(BmpLeserTest, sizesAtTheEndsOfTheirFieldsAreTooLarge)
{
    // Widths and heights up to the 32-bit limits are refused as too large, without overflow in the check.
    struct Fall {
        quint32 breite;
        quint32 hoehe;
        quint32 bits;
    };
    const Fall faelle[] = {
        {0x7FFFFFFF, 0x7FFFFFFF, 24},
        {0x7FFFFFFF, 0x80000000, 32}, // top-down, -2^31 rows
        {0x64AE0004, 0x61D0000A, 4},
        {0x7FFFFFFF, 1, 1},
    };
    for (const Fall& f : faelle) {
        QByteArray daten = bmp24(muster(3, 3));
        setze32(daten, 18, f.breite);
        setze32(daten, 22, f.hoehe);
        daten[28] = char(f.bits);
        QString text;
        try {
            pruefeBmpDaten(daten, QStringLiteral("gross.bmp"));
        } catch (const EPaarlixFehler& e) {
            text = e.text();
        }
        EXPECT_TRUE(text.contains(QStringLiteral("zu groß"))) << f.breite << " x " << f.hoehe << ": "
                                                               << text.toStdString();
    }
}
