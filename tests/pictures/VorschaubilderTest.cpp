#include "pictures/Vorschaubilder.h"

#include "Testbilder.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <sys/stat.h>

using namespace testbilder;

namespace {

// Red above, blue below: which way up a preview stands is seen in its colours.
QImage obenRotUntenBlau(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::blue);
    for (int y = 0; y < hoehe / 2; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(255, 0, 0));
    return bild;
}

QByteArray png(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return daten;
}

bool rot(QRgb farbe) { return qRed(farbe) > 200 && qBlue(farbe) < 60; }

} // namespace

// Each photo's preview fits the edge, stands upright as its EXIF orientation says and
// reports the full upright size; files that are no pictures, a FIFO and a missing file
// report why, without blocking. Every result arrives with its number, from the workers.
TEST(Vorschaubilder, previewsStandUprightAndBadFilesSayWhy)
{
    QTemporaryDir tmp;
    const QByteArray quer = jpegBytes(obenRotUntenBlau(400, 300));
    schreibe(tmp.filePath("quer.jpg"), quer);
    schreibe(tmp.filePath("gedreht.jpg"), mitApp1(quer, exifTiff({{0x0112, 3, 1, 6}})));
    schreibe(tmp.filePath("bild.png"), png(obenRotUntenBlau(100, 50)));
    schreibe(tmp.filePath("text.png"), "nur Text");
    schreibe(tmp.filePath("kaputt.jpg"), QByteArray("\xFF\xD8\xFF\xE0 kein JPEG", 15));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tmp.filePath("rohr.jpg")).constData(), 0600), 0);

    const struct {
        const char* datei;
        QSize bild;
        QSize groesse;
        bool obenRot; // else red on the right: turned a quarter clockwise, top left blue
        const char* fehler;
    } faelle[] = {
        {"quer.jpg", {64, 48}, {400, 300}, true, ""},
        {"gedreht.jpg", {48, 64}, {300, 400}, false, ""},
        {"bild.png", {64, 32}, {100, 50}, true, ""},
        {"text.png", {0, 0}, {}, true, "kein bekanntes Bildformat"},
        {"kaputt.jpg", {0, 0}, {}, true, "JPEG-Fehlernr."},
        {"rohr.jpg", {0, 0}, {}, true, "keine lesbare Bilddatei"},
        {"fehlt.jpg", {0, 0}, {}, true, "keine lesbare Bilddatei"},
    };
    std::mutex mutex;
    std::map<std::uint64_t, Vorschau> ergebnisse;
    {
        Vorschaubilder vorschaubilder(64, [&](Vorschau v) {
            const std::lock_guard<std::mutex> sperre(mutex);
            ergebnisse[v.Nummer] = std::move(v);
        }, 2);
        for (std::uint64_t i = 0; i < std::size(faelle); ++i)
            vorschaubilder.bestelle(100 + i, tmp.filePath(faelle[i].datei));
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < ende) {
            {
                const std::lock_guard<std::mutex> sperre(mutex);
                if (ergebnisse.size() == std::size(faelle))
                    break;
            }
            QThread::msleep(5);
        }
    }
    ASSERT_EQ(ergebnisse.size(), std::size(faelle));
    for (std::uint64_t i = 0; i < std::size(faelle); ++i) {
        const auto& f = faelle[i];
        SCOPED_TRACE(f.datei);
        const Vorschau& v = ergebnisse[100 + i];
        EXPECT_EQ(v.Bild.size(), f.bild);
        EXPECT_EQ(v.Groesse, f.groesse);
        EXPECT_EQ(v.Fehler.left(int(std::strlen(f.fehler))).toStdString(), f.fehler);
        if (v.Bild.isNull())
            continue;
        const int b = v.Bild.width();
        const int h = v.Bild.height();
        EXPECT_EQ(rot(v.Bild.pixel(b / 4, h / 4)), f.obenRot);
        EXPECT_EQ(rot(v.Bild.pixel(b * 3 / 4, h * 3 / 4)), !f.obenRot);
    }
}
