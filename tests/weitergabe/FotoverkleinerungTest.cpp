#include "weitergabe/Fotoverkleinerung.h"

#include "pictures/Testbilder.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace testbilder;

// Photos over 2048 px on the long edge come out exactly 2048 long, upright, without an
// orientation that would turn them again, with their comment and EXIF description; others stay
// byte for byte.
TEST(Fotoverkleinerung, largePhotosAreReducedUprightAndKeepTheirTexts)
{
    struct Fall {
        const char* was;
        QSize gespeichert;
        int drehung;
        bool motorola;
        QSize erwartet; // empty: unchanged
        QPointF rot;    // where the stored top left corner ends up, as parts of the size
    };
    const std::vector<Fall> faelle = {
        {"long edge 2048 stays", {2048, 1536}, 1, false, {}, {}},
        {"2049 becomes 2048", {2049, 1000}, 1, false, {2048, 1000}, {0.1, 0.1}},
        {"12 MP landscape", {4000, 3000}, 1, true, {2048, 1536}, {0.1, 0.1}},
        {"12 MP portrait", {3000, 4000}, 3, false, {1536, 2048}, {0.9, 0.9}},
        {"phone portrait, EXIF 6", {4000, 3000}, 6, true, {1536, 2048}, {0.9, 0.1}},
        {"EXIF 8", {4000, 3000}, 8, false, {1536, 2048}, {0.1, 0.9}},
    };
    Fotoverkleinerer verkleinerer;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        QImage bild(f.gespeichert, QImage::Format_RGB32);
        bild.fill(Qt::blue);
        for (int y = 0; y < f.gespeichert.height() / 4; ++y)
            for (int x = 0; x < f.gespeichert.width() / 4; ++x)
                bild.setPixel(x, y, qRgb(255, 0, 0));
        const QByteArray text = "Oma am Strand", exifText = "Sommer 1998";
        QByteArray exif = exifTiff({{0x0112, 3, 1, quint32(f.drehung)}, {0x010E, 2, quint32(exifText.size() + 1), 38}},
                                   f.motorola);
        exif += exifText + '\0';
        const QByteArray datei = mitKommentar(mitApp1(jpegBytes(bild, {90}), exif), text);

        const QByteArray aus = verkleinerer.verkleinere(datei);
        if (f.erwartet.isEmpty()) {
            EXPECT_EQ(aus, datei);
            continue;
        }
        EXPECT_TRUE(aus.contains(text) && aus.contains(exifText + '\0'));
        QBuffer puffer;
        puffer.setData(aus);
        QImageReader leser(&puffer, "jpeg");
        EXPECT_EQ(leser.transformation(), QImageIOHandler::TransformationNone);
        const QImage gelesen = leser.read();
        ASSERT_EQ(gelesen.size(), f.erwartet);
        const QPoint p(int(f.rot.x() * gelesen.width()), int(f.rot.y() * gelesen.height()));
        EXPECT_GT(qRed(gelesen.pixel(p)), 200);
        EXPECT_LT(qRed(gelesen.pixel(gelesen.width() - 1 - p.x(), gelesen.height() - 1 - p.y())), 50);
    }
    // Not a JPEG at all (a BMP card of any size) goes as it is.
    const QByteArray bmp = bmp24(QImage(3000, 2000, QImage::Format_RGB32));
    EXPECT_EQ(verkleinerer.verkleinere(bmp), bmp);
}
