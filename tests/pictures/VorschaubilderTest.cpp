#include "pictures/Vorschaubilder.h"

#include "Testbilder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <vector>

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

// Read by the test's own code, which AddressSanitizer watches (Qt's is not).
bool rot(const QImage& bild, int x, int y)
{
    const QRgb farbe = reinterpret_cast<const QRgb*>(bild.constScanLine(y))[x];
    return qRed(farbe) > 200 && qBlue(farbe) < 60;
}

void setze32(QByteArray& d, int i, quint32 v)
{
    for (int b = 0; b < 4; ++b)
        d[i + b] = char((v >> (8 * b)) & 0xFF);
}

// Runs the owner's event loop until bis() holds or 20 s have passed.
template <typename Bedingung>
void warte(Bedingung bis)
{
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!bis() && std::chrono::steady_clock::now() < ende)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

// Each photo's preview fits the edge, stands upright as its EXIF orientation (or a HEIC's
// turn) says and reports the full upright size; files that are no pictures, damaged bitmaps
// (whose missing pixels Qt would leave uninitialised), damaged or hostile HEICs, a FIFO and a missing file report why,
// without blocking. One worker takes the photos in order: the tiny ones come first, and
// their previews must still hold their own pixels after the larger decodes that follow
// reuse and then grow the worker's buffer. Every result arrives on the owner's thread.
TEST(Vorschaubilder, previewsStandUprightOwnTheirPixelsAndBadFilesSayWhy)
{
    QTemporaryDir tmp;
    const QByteArray quer = jpegBytes(obenRotUntenBlau(400, 300));
    schreibe(tmp.filePath("klein.jpg"), jpegBytes(obenRotUntenBlau(64, 48)));
    schreibe(tmp.filePath("kopfueber.jpg"), jpegBytes(obenRotUntenBlau(64, 48).mirrored()));
    schreibe(tmp.filePath("quer.jpg"), quer);
    schreibe(tmp.filePath("gedreht.jpg"), mitApp1(quer, exifTiff({{0x0112, 3, 1, 6}})));
    schreibe(tmp.filePath("bild.png"), png(obenRotUntenBlau(100, 50)));
    const QByteArray bmp = bmp24(obenRotUntenBlau(100, 50));
    schreibe(tmp.filePath("bild.bmp"), bmp);
    schreibe(tmp.filePath("halb.bmp"), bmp.left(54 + (bmp.size() - 54) / 2));
    QByteArray weit = bmp;
    setze32(weit, 10, quint32(bmp.size() + 1));
    schreibe(tmp.filePath("weit.bmp"), weit);
    schreibe(tmp.filePath("rle.bmp"), bmpRle8(4, 2, QByteArray("\x04\x10\x00\x00", 4)));
    schreibe(tmp.filePath("text.png"), "nur Text");
    schreibe(tmp.filePath("kaputt.jpg"), QByteArray("\xFF\xD8\xFF\xE0 kein JPEG", 15));
    const QByteArray heic = heifBytes(obenRotUntenBlau(400, 300));
    schreibe(tmp.filePath("quer.HEIC"), heic);
    schreibe(tmp.filePath("gedreht.heic"), heifBytes(obenRotUntenBlau(400, 300), false, 6, {}, 100));
    schreibe(tmp.filePath("gedreht.avif"), heifBytes(obenRotUntenBlau(400, 300), true, 6));
    schreibe(tmp.filePath("halb.heic"), heic.left(heic.size() / 2));
    schreibe(tmp.filePath("text.heic"), "nur Text");
    QByteArray riesig = heic;
    setzeHeifGroesse(riesig, 20000, 20000);
    schreibe(tmp.filePath("riesig.heic"), riesig);
    QByteArray leer = heic;
    setzeHeifGroesse(leer, 0, 0);
    schreibe(tmp.filePath("leer.heic"), leer);
    // Headers alone that make the primary picture of 2000 tiles: refused before they are read.
    QByteArray kacheln = QByteArray::fromHex("00000018667479706865696300000000") + "mif1heic";
    QByteArray verweis = QByteArray::fromHex("00000fac") + "dimg" + QByteArray::fromHex("000107d0");
    for (int i = 0; i < 2000; ++i)
        verweis += QByteArray::fromHex("0002");
    const QByteArray iref = QByteArray::fromHex("00000fb8") + "iref" + QByteArray(4, 0) + verweis;
    const QByteArray pitm = QByteArray::fromHex("0000000e") + "pitm" + QByteArray::fromHex("0000000000 01");
    kacheln += QByteArray::fromHex("00000fd2") + "meta" + QByteArray(4, 0) + pitm + iref;
    schreibe(tmp.filePath("kacheln.heic"), kacheln);
    // A codec no decoder here knows, as a newer phone could write.
    schreibe(tmp.filePath("fremd.heic"), QByteArray(heic).replace("hvc1", "vvc1"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tmp.filePath("rohr.jpg")).constData(), 0600), 0);

    const struct {
        const char* datei;
        QSize bild;
        QSize groesse;
        bool obenRot; // else top left blue, bottom right red
        const char* fehler;
    } faelle[] = {
        {"klein.jpg", {64, 48}, {64, 48}, true, ""},
        {"kopfueber.jpg", {64, 48}, {64, 48}, false, ""},
        {"quer.jpg", {64, 48}, {400, 300}, true, ""},
        {"gedreht.jpg", {48, 64}, {300, 400}, false, ""}, // turned a quarter clockwise
        {"bild.png", {64, 32}, {100, 50}, true, ""},
        {"bild.bmp", {64, 32}, {100, 50}, true, ""},
        {"quer.HEIC", {64, 48}, {400, 300}, true, ""},
        {"gedreht.heic", {48, 64}, {300, 400}, false, ""}, // from its thumbnail
        {"gedreht.avif", {48, 64}, {300, 400}, false, ""},
        {"halb.heic", {0, 0}, {}, true, "ist beschädigt oder unvollständig"},
        {"text.heic", {0, 0}, {}, true, "ist kein HEIF- oder AVIF-Bild"},
        {"riesig.heic", {0, 0}, {}, true, "ist mit 20000 x 20000 Pixeln zu groß"},
        {"leer.heic", {0, 0}, {}, true, "hat keine Pixel"},
        {"fremd.heic", {0, 0}, {}, true, "ist kein Decoder installiert"},
        {"kacheln.heic", {0, 0}, {}, true, "besteht aus 2000 Kacheln; mehr als 1024 werden nicht gelesen"},
        {"halb.bmp", {0, 0}, {}, true, "Bitmap ist ungültig"},
        {"weit.bmp", {0, 0}, {}, true, "Bitmap ist ungültig"},
        {"rle.bmp", {0, 0}, {}, true, "Bitmap ist ungültig"},
        {"text.png", {0, 0}, {}, true, "kein bekanntes Bildformat"},
        {"kaputt.jpg", {0, 0}, {}, true, "JPEG-Fehlernr."},
        {"rohr.jpg", {0, 0}, {}, true, "keine lesbare Bilddatei"},
        {"fehlt.jpg", {0, 0}, {}, true, "keine lesbare Bilddatei"},
    };
    std::map<std::uint64_t, Vorschau> ergebnisse;
    {
        Vorschaubilder vorschaubilder(64, [&](Vorschau v) {
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
            ergebnisse[v.Nummer] = std::move(v);
        }, 1);
        for (std::uint64_t i = 0; i < std::size(faelle); ++i)
            vorschaubilder.bestelle(100 + i, tmp.filePath(faelle[i].datei));
        warte([&] { return ergebnisse.size() == std::size(faelle); });
    }
    ASSERT_EQ(ergebnisse.size(), std::size(faelle));
    for (std::uint64_t i = 0; i < std::size(faelle); ++i) {
        const auto& f = faelle[i];
        SCOPED_TRACE(f.datei);
        const Vorschau& v = ergebnisse[100 + i];
        EXPECT_EQ(v.Bild.size(), f.bild);
        EXPECT_EQ(v.Groesse, f.groesse);
        EXPECT_TRUE(*f.fehler ? v.Fehler.contains(f.fehler) : v.Fehler.isEmpty()) << v.Fehler.toStdString();
        if (v.Bild.isNull())
            continue;
        const int b = v.Bild.width();
        const int h = v.Bild.height();
        ASSERT_EQ(v.Bild.depth(), 32);
        EXPECT_EQ(rot(v.Bild, b / 4, h / 4), f.obenRot);
        EXPECT_EQ(rot(v.Bild, b * 3 / 4, h * 3 / 4), !f.obenRot);
    }
}

// Photos forgotten before their preview was handed over never arrive, and once the
// object is gone nothing arrives any more: its destructor waits for the running work.
TEST(Vorschaubilder, forgottenAndLeftOverPhotosNeverArrive)
{
    QTemporaryDir tmp;
    schreibe(tmp.filePath("foto.jpg"), jpegBytes(obenRotUntenBlau(800, 600)));
    std::vector<std::uint64_t> angekommen;
    auto vorschaubilder = std::make_unique<Vorschaubilder>(
        64, [&](Vorschau v) { angekommen.push_back(v.Nummer); }, 2);
    for (std::uint64_t i = 0; i < 8; ++i)
        vorschaubilder->bestelle(i, tmp.filePath("foto.jpg"));
    vorschaubilder->vergissOffene();
    vorschaubilder->bestelle(99, tmp.filePath("foto.jpg"));
    warte([&] { return !angekommen.empty(); });
    EXPECT_EQ(angekommen, std::vector<std::uint64_t>{99});

    for (std::uint64_t i = 0; i < 8; ++i)
        vorschaubilder->bestelle(i, tmp.filePath("foto.jpg"));
    QThread::msleep(20); // some are running now
    vorschaubilder.reset();
    angekommen.clear();
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    warte([&] { return std::chrono::steady_clock::now() >= ende; });
    EXPECT_TRUE(angekommen.empty());
}
