#include "pictures/Ausrichtung.h"

#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "pictures/Testbilder.h"
#include "platform/PaarlixFehler.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTransform>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace testbilder;

namespace {

const QRgb Rot = qRgb(230, 20, 20);
const QRgb Gruen = qRgb(20, 200, 20);
const QRgb Blau = qRgb(20, 20, 230);

// The picture as a viewer shows it: 48 x 32, red top left, green top right, blue elsewhere.
QImage aufrecht()
{
    QImage bild(48, 32, QImage::Format_RGB32);
    bild.fill(Blau);
    QPainter p(&bild);
    p.fillRect(0, 0, 16, 16, QColor(Rot));
    p.fillRect(32, 0, 16, 16, QColor(Gruen));
    return bild;
}

// How a camera stores that picture under each orientation tag.
QImage gespeichert(int ausrichtung)
{
    const QImage u = aufrecht();
    const auto gedreht = [&](int grad) { return u.transformed(QTransform().rotate(grad)); };
    switch (ausrichtung) {
    case 2:
        return u.mirrored(true, false);
    case 3:
        return gedreht(180);
    case 4:
        return u.mirrored(false, true);
    case 5:
        return gedreht(90).mirrored(true, false);
    case 6:
        return gedreht(-90);
    case 7:
        return gedreht(-90).mirrored(true, false);
    case 8:
        return gedreht(90);
    default:
        return u;
    }
}

bool nahe(std::uint32_t pixel, QRgb soll)
{
    return std::abs(qRed(pixel) - qRed(soll)) <= 24 && std::abs(qGreen(pixel) - qGreen(soll)) <= 24
        && std::abs(qBlue(pixel) - qBlue(soll)) <= 24;
}

class AusrichtungTest : public testing::Test {
protected:
    // Decodes the file and checks the upright size and the four corners.
    void erwarteAufrecht(const QByteArray& jpeg, const std::string& fall)
    {
        SCOPED_TRACE(fall);
        const QString pfad = ordner.filePath("bild.jpg");
        schreibe(pfad, jpeg);
        try {
            dekodierer.dekodiere(pfad, bild);
        } catch (const EPaarlixFehler& e) {
            FAIL() << e.text().toStdString();
        }
        ASSERT_EQ(bild.Width(), 48);
        ASSERT_EQ(bild.Height(), 32);
        EXPECT_TRUE(nahe(bild.zeile(4)[4], Rot)) << std::hex << bild.zeile(4)[4];
        EXPECT_TRUE(nahe(bild.zeile(4)[43], Gruen)) << std::hex << bild.zeile(4)[43];
        EXPECT_TRUE(nahe(bild.zeile(27)[4], Blau)) << std::hex << bild.zeile(27)[4];
        EXPECT_TRUE(nahe(bild.zeile(27)[43], Blau)) << std::hex << bild.zeile(27)[43];
    }

    QTemporaryDir ordner;
    JpegDekodierer dekodierer;
    Arbeitsbitmap bild;
};

} // namespace

TEST_F(AusrichtungTest, everyOrientationTagShowsThePictureUpright)
{
    // A picture stored turned or mirrored under orientation 1 to 8 decodes with its upright size and
    // its coloured corners where a viewer shows them, in either byte order.
    for (int o = 1; o <= 8; ++o)
        for (const bool motorola : {false, true}) {
            const QByteArray jpeg = mitApp1(jpegBytes(gespeichert(o)), exifTiff({{0x0112, 3, 1, quint32(o)}}, motorola));
            erwarteAufrecht(jpeg, "orientation " + std::to_string(o) + (motorola ? " MM" : " II"));
        }
}

TEST_F(AusrichtungTest, damagedOrMisleadingExifLeavesThePictureAsStored)
{
    // An EXIF block that cannot be read, or whose tag is out of range or of the wrong type, changes
    // nothing; only the first EXIF block counts, and other APP1 blocks before it do not hide it.
    const QByteArray upright = jpegBytes(gespeichert(1));
    QByteArray zufall("Exif\0\0", 6);
    std::srand(7);
    for (int i = 0; i < 3000; ++i)
        zufall.append(char(std::rand() & 0xFF));
    QByteArray weitAussen = exifTiff({{0x0112, 3, 1, 6}});
    weitAussen[10] = '\xF0', weitAussen[11] = '\xFF', weitAussen[12] = '\xFF', weitAussen[13] = '\x7F';
    // libexif reads what there is of a cut IFD: its entry says "upright" here.
    QByteArray vieleEintraege = exifTiff({{0x0112, 3, 1, 1}});
    vieleEintraege[14] = '\xFF', vieleEintraege[15] = '\xFF';
    QByteArray kreis = exifTiff({{0x0112, 3, 1, 1}});
    kreis[kreis.size() - 4] = '\x08'; // the next IFD is IFD0 again

    const struct {
        const char* fall;
        QByteArray jpeg;
    } faelle[] = {
        {"header only", mitApp1(upright, QByteArray("Exif\0\0", 6))},
        {"cut TIFF header", mitApp1(upright, QByteArray("Exif\0\0II*\0\x08", 11))},
        {"IFD far outside", mitApp1(upright, weitAussen)},
        {"65535 entries announced", mitApp1(upright, vieleEintraege)},
        {"IFD chain loops", mitApp1(upright, kreis)},
        {"random bytes", mitApp1(upright, zufall)},
        {"value 9", mitApp1(upright, exifTiff({{0x0112, 3, 1, 9}}))},
        {"value 0", mitApp1(upright, exifTiff({{0x0112, 3, 1, 0}}))},
        {"LONG type", mitApp1(upright, exifTiff({{0x0112, 4, 1, 6}}))},
        {"count beyond the block", mitApp1(upright, exifTiff({{0x0112, 3, 40000, 6}}))},
        {"second block ignored", mitApp1(mitApp1(upright, exifTiff({{0x0112, 3, 1, 6}})), exifTiff({}))},
        {"after an XMP block",
         mitApp1(mitApp1(jpegBytes(gespeichert(6)), exifTiff({{0x0112, 3, 1, 6}})),
                 QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 34))},
    };
    for (const auto& f : faelle)
        erwarteAufrecht(f.jpeg, f.fall);
}
