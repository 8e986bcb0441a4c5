#include "pictures/JpegDekodierer.h"

#include "pictures/Testbilder.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/Bildbeschreibung.h"
#include "platform/PaarlixFehler.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

#include <jerror.h>

using namespace testbilder;

namespace {

class JpegDekodiererTest : public testing::Test {
protected:
    QString datei(const QString& name, const QByteArray& daten)
    {
        const QString pfad = ordner.filePath(name);
        schreibe(pfad, daten);
        return pfad;
    }

    // The error text of decoding the file, or empty when it decodes.
    QString fehlerBeim(const QString& pfad)
    {
        try {
            dekodierer.dekodiere(pfad, bild);
        } catch (const EPaarlixFehler& e) {
            return e.text();
        }
        return QString();
    }

    static bool nahe(std::uint32_t pixel, QRgb soll, int toleranz = 6)
    {
        return std::abs(qRed(pixel) - qRed(soll)) <= toleranz && std::abs(qGreen(pixel) - qGreen(soll)) <= toleranz
            && std::abs(qBlue(pixel) - qBlue(soll)) <= toleranz && qAlpha(pixel) == 255;
    }

    QTemporaryDir ordner;
    JpegDekodierer dekodierer;
    Arbeitsbitmap bild;
};

QImage einfarbig(int w, int h, QRgb farbe)
{
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(farbe);
    return b;
}

} // namespace

TEST_F(JpegDekodiererTest, decodesBaselineProgressiveAndGreyInTrueColours)
{
    // Baseline, progressive and greyscale files all arrive at full size as opaque 32-bit colour.
    const QRgb orange = qRgb(240, 128, 16);
    const QString baseline = datei("a.jpg", jpegBytes(einfarbig(37, 21, orange)));
    const QString progressiv = datei("p.jpg", jpegBytes(einfarbig(37, 21, orange), {95, true, false}));
    const QString grau = datei("g.jpg", jpegBytes(einfarbig(16, 9, qRgb(100, 100, 100)), {95, false, true}));
    for (const QString& pfad : {baseline, progressiv}) {
        ASSERT_EQ(fehlerBeim(pfad), QString());
        ASSERT_EQ(bild.Width(), 37);
        ASSERT_EQ(bild.Height(), 21);
        EXPECT_TRUE(nahe(bild.zeile(10)[20], orange)) << std::hex << bild.zeile(10)[20];
    }
    ASSERT_EQ(fehlerBeim(grau), QString());
    ASSERT_EQ(bild.Width(), 16);
    EXPECT_TRUE(nahe(bild.zeile(4)[8], qRgb(100, 100, 100)));
}

TEST_F(JpegDekodiererTest, cmykInBothPolaritiesShowsTheRightColour)
{
    // Adobe files store CMYK inverted, plain files do not; both show red for magenta plus yellow ink.
    const QString adobe = datei("adobe.jpg", cmykJpegBytes(16, 16, 255, 0, 0, 255, true));
    const QString plain = datei("plain.jpg", cmykJpegBytes(16, 16, 0, 255, 255, 0, false));
    const QString halb = datei("halb.jpg", cmykJpegBytes(16, 16, 0, 0, 0, 128, false));
    for (const QString& pfad : {adobe, plain}) {
        ASSERT_EQ(fehlerBeim(pfad), QString()) << pfad.toStdString();
        EXPECT_TRUE(nahe(bild.zeile(8)[8], qRgb(255, 0, 0))) << pfad.toStdString() << " " << std::hex
                                                              << bild.zeile(8)[8];
    }
    ASSERT_EQ(fehlerBeim(halb), QString());
    EXPECT_TRUE(nahe(bild.zeile(8)[8], qRgb(127, 127, 127)));
}

TEST_F(JpegDekodiererTest, truncatedFileDecodesWithoutError)
{
    // A file cut in its picture data is only a warning: the decode completes.
    const QByteArray voll = jpegBytes(muster(64, 64), {90, false, false});
    const QString pfad = datei("kurz.jpg", voll.left(voll.size() * 2 / 3));
    EXPECT_EQ(fehlerBeim(pfad), QString());
    EXPECT_EQ(bild.Width(), 64);
    EXPECT_EQ(bild.Height(), 64);
}

TEST_F(JpegDekodiererTest, aLibjpegErrorIsExplainedInItsMessage)
{
    // "JPEG-Fehlernr. N." stays the first line; the file's name and a short explanation follow, and
    // the decoder stays usable.
    const QByteArray gut = jpegBytes(muster(20, 10));
    QByteArray zwoelfBit = gut;
    zwoelfBit[zwoelfBit.indexOf(QByteArray("\xFF\xC0", 2)) + 4] = 12;
    const struct {
        const char* name;
        QByteArray daten;
        int nummer;
        QString erklaerung;
    } faelle[] = {
        {"bild.jpg", bmp24(muster(4, 4)), JERR_NO_SOI,
         "Die Datei ist kein JPEG-Bild, vielleicht ein umbenanntes Bild in einem anderen Format"},
        {"leer.jpg", QByteArray(), JERR_INPUT_EMPTY, "Die Datei ist leer"},
        {"zwoelf.jpg", zwoelfBit, JERR_BAD_PRECISION,
         "Das Bild hat 12 Bit je Farbwert; gelesen werden nur JPEG-Bilder mit 8 Bit"},
        {"kopf.jpg", gut.left(100), -1, "Die Datei ist unvollständig: Ihr Ende fehlt"},
        {"tabelle.jpg", gut.left(2) + QByteArray("\xFF\xC4\x00\x03\x00", 5) + gut.mid(2), -1,
         "Das Bild ist beschädigt oder in einer ungewöhnlichen JPEG-Art gespeichert"},
    };
    for (const auto& f : faelle) {
        const QString pfad = datei(f.name, f.daten);
        const QStringList zeilen = fehlerBeim(pfad).split(QStringLiteral("\n\r"));
        ASSERT_EQ(zeilen.size(), 3) << f.name;
        if (f.nummer >= 0) {
            EXPECT_EQ(zeilen[0], QStringLiteral("JPEG-Fehlernr. %1.").arg(f.nummer)) << f.name;
        }
        EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("JPEG-Fehlernr. "))) << f.name;
        EXPECT_EQ(zeilen[1], QStringLiteral("Datei: ") + pfad);
        EXPECT_EQ(zeilen[2], f.erklaerung) << f.name;
    }
    EXPECT_EQ(fehlerBeim(datei("gut.jpg", gut)), QString());
    EXPECT_EQ(bild.Width(), 20);
}

TEST_F(JpegDekodiererTest, missingFileOrFolderCannotBeOpened)
{
    // A missing file or a folder gives the open error with the name as passed, '%' included.
    const QString fehlt = ordner.filePath("100%1 fehlt.jpg");
    EXPECT_EQ(fehlerBeim(fehlt), QStringLiteral("Datei ") + fehlt + QStringLiteral(" kann nicht geöffnet werden"));
    EXPECT_EQ(fehlerBeim(ordner.path()),
              QStringLiteral("Datei ") + ordner.path() + QStringLiteral(" kann nicht geöffnet werden"));
}

TEST_F(JpegDekodiererTest, hugeEmptyAndManyScanFilesAreRefusedQuickly)
{
    // Headers promising gigapixels, no pixels, or thousands of scans are refused before the work starts.
    QByteArray riesig = jpegBytes(muster(16, 16));
    setzeSofGroesse(riesig, 65500, 65500);
    const QString gross = datei("gross.jpg", riesig);
    const QString text = fehlerBeim(gross);
    EXPECT_TRUE(text.contains(gross)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("zu groß"))) << text.toStdString();
    EXPECT_LT(bild.kapazitaet(), std::size_t(65500) * 65500);

    QByteArray ohne = jpegBytes(muster(16, 16));
    setzeSofGroesse(ohne, 16, 0);
    EXPECT_FALSE(fehlerBeim(datei("null.jpg", ohne)).isEmpty());

    const QByteArray progressiv = jpegBytes(muster(64, 64), {90, true, false});
    const QString wenige = datei("wenige.jpg", wiederholeScans(progressiv, 50));
    EXPECT_EQ(fehlerBeim(wenige), QString());
    const QString viele = datei("viele.jpg", wiederholeScans(progressiv, 200));
    const QString vieleText = fehlerBeim(viele);
    EXPECT_TRUE(vieleText.contains(viele)) << vieleText.toStdString();
    EXPECT_TRUE(vieleText.contains(QStringLiteral("1000"))) << vieleText.toStdString();
}

TEST_F(JpegDekodiererTest, scansWithoutDataOverALargePictureAreRefused)
{
    // A large progressive picture may have fewer scans than a small one: an empty scan still costs a pass over it.
    const int breite = 8192;
    const int hoehe = 16384;
    const int erlaubt = JpegDekodierer::erlaubteScans(breite, hoehe);
    ASSERT_LT(erlaubt, JpegDekodierer::maxScans);
    ASSERT_EQ(JpegDekodierer::erlaubteScans(64, 64), JpegDekodierer::maxScans);
    // A 12-megapixel photo may have a few dozen scans; the largest photos still the scans photos use.
    EXPECT_EQ(JpegDekodierer::erlaubteScans(4000, 3000), 67);
    EXPECT_EQ(JpegDekodierer::erlaubteScans(16384, 12288), JpegDekodierer::minScans);

    // Grey, one AC table whose only code starts a long run of empty blocks;
    // the scans carry no data at all, so libjpeg walks every block each time.
    const auto segment = [](char marker, const QByteArray& inhalt) {
        const int laenge = int(inhalt.size()) + 2;
        return QByteArray("\xFF", 1) + marker + char(laenge >> 8) + char(laenge & 0xFF) + inhalt;
    };
    QByteArray datei = QByteArray("\xFF\xD8", 2);
    datei += segment('\xDB', QByteArray(1, '\0') + QByteArray(64, '\x01'));
    datei += segment('\xC2', QByteArray("\x08", 1) + char(hoehe >> 8) + char(hoehe & 0xFF) + char(breite >> 8)
                                 + char(breite & 0xFF) + QByteArray("\x01\x01\x11\x00", 4));
    datei += segment('\xC4', QByteArray("\x10\x01", 2) + QByteArray(15, '\0') + '\xE0');
    const QByteArray scan = segment('\xDA', QByteArray("\x01\x01\x00\x01\x3F\x00", 6));
    for (int i = 0; i < erlaubt + 2; ++i)
        datei += scan;
    datei += QByteArray("\xFF\xD9", 2);

    const QString pfad = this->datei("leer.jpg", datei);
    const QString text = fehlerBeim(pfad);
    EXPECT_TRUE(text.contains(pfad)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("mehr als %1 Durchgänge").arg(erlaubt))) << text.toStdString();
}

// Rule: a picture too large to decode whole within the memory bound is decoded at a reduced scale,
// up to 200 megapixels (16384 x 12288, a phone's photo); beyond 2^28 pixels, or where libjpeg's
// own memory would pass its cap (a progressive grey 16000 x 16000 of a few bytes), it is refused.
TEST_F(JpegDekodiererTest, largePicturesAreDecodedScaledWithinTheMemoryBound)
{
    struct Fall {
        const char* name;
        int breite, hoehe;
        bool progressiv;
        bool gezeigt;
    };
    const Fall faelle[] = {
        {"200 megapixels", 16384, 12288, false, true},
        {"past 2^28 pixels", 16384, 16385, false, false},
        {"progressive bomb", 16000, 16000, true, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QByteArray daten = jpegBytes(muster(16, 16), {90, f.progressiv, f.progressiv});
        setzeSofGroesse(daten, f.breite, f.hoehe);
        const QString pfad = datei(QStringLiteral("gross.jpg"), daten);
        QSize voll;
        QString text;
        try {
            voll = dekodierer.dekodiere(pfad, bild);
        } catch (const EPaarlixFehler& e) {
            text = e.text();
        }
        EXPECT_EQ(text.isEmpty(), f.gezeigt) << text.toStdString();
        if (f.gezeigt) {
            EXPECT_EQ(voll, QSize(f.breite, f.hoehe));
            EXPECT_LE(4LL * bild.Width() * bild.Height(), JpegDekodierer::maxBildBytes);
            EXPECT_EQ(bild.Width(), f.breite * JpegDekodierer::achtelImSpeicher(f.breite, f.hoehe) / 8);
        }
        EXPECT_LE(4LL * bild.kapazitaet(), JpegDekodierer::maxBildBytes);
    }
}

TEST_F(JpegDekodiererTest, thePicturesOwnDescriptionIsItsCommentElseItsExifDescription)
{
    // The first comment wins over the EXIF image description; texts cameras and
    // libraries write on their own count as none; bytes become one clean line.
    const QByteArray jpeg = jpegBytes(einfarbig(16, 16, qRgb(10, 200, 30)));
    const QByteArray lang(300, 'x');
    struct Fall {
        const char* name;
        QByteArray datei;
        QString beschreibung;
    };
    const Fall faelle[] = {
        {"none", jpeg, QString()},
        {"comment", mitKommentar(jpeg, "Oma Erna"), QStringLiteral("Oma Erna")},
        {"EXIF description", mitApp1(jpeg, exifBeschreibung("Opa Karl")), QStringLiteral("Opa Karl")},
        {"short EXIF description", mitApp1(jpeg, exifBeschreibung("Ute")), QStringLiteral("Ute")},
        {"comment before EXIF", mitKommentar(mitApp1(jpeg, exifBeschreibung("Opa Karl")), "Oma Erna"),
         QStringLiteral("Oma Erna")},
        {"comment written by Qt", mitKommentar(jpeg, "Description: Oma Erna"), QStringLiteral("Oma Erna")},
        {"first comment only", mitKommentar(mitKommentar(jpeg, "zweiter"), "erster"), QStringLiteral("erster")},
        {"library comment, EXIF description",
         mitKommentar(mitApp1(jpeg, exifBeschreibung("Opa Karl")), "CREATOR: gd-jpeg v1.0 (using IJG JPEG v80)"),
         QStringLiteral("Opa Karl")},
        {"camera's EXIF text", mitApp1(jpeg, exifBeschreibung("OLYMPUS DIGITAL CAMERA         ")), QString()},
        {"blank comment", mitKommentar(jpeg, "   \n "), QString()},
        {"UTF-8", mitKommentar(jpeg, "J\xC3\xB6rg & \xC3\x96laf"), QStringLiteral("Jörg & Ölaf")},
        {"Latin-1", mitKommentar(jpeg, "J\xF6rg"), QStringLiteral("Jörg")},
        {"lines, tabs and a zero", mitKommentar(jpeg, QByteArray("Oma\r\n\tErna\0Rest", 15)), QStringLiteral("Oma Erna")},
        {"terminal escape", mitKommentar(jpeg, "\x1B]0;Titel\x07Oma"), QStringLiteral("]0;Titel Oma")},
        {"right-to-left override", mitKommentar(jpeg, "\xE2\x80\xAE" "anrE amO"), QStringLiteral("anrE amO")},
        {"embedding and pop", mitKommentar(jpeg, "Oma \xE2\x80\xAA" "Erna\xE2\x80\xAC"), QStringLiteral("Oma Erna")},
        {"isolates", mitKommentar(jpeg, "\xE2\x81\xA6" "Oma\xE2\x81\xA9 \xE2\x81\xA8" "Erna\xE2\x81\xA7"),
         QStringLiteral("Oma Erna")},
        {"zero-width and marks", mitKommentar(jpeg, "O\xE2\x80\x8Bma\xE2\x80\x8C \xE2\x80\x8D" "Erna\xE2\x80\x8E\xE2\x80\x8F"),
         QStringLiteral("Oma Erna")},
        {"only format characters", mitKommentar(jpeg, "\xE2\x80\xAE\xE2\x80\x8B"), QString()},
        {"long comment", mitKommentar(jpeg, lang), QString(maxBeschreibung, QLatin1Char('x'))},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        dekodierer.dekodiere(datei(QStringLiteral("b.jpg"), f.datei), bild);
        EXPECT_EQ(dekodierer.beschreibung(), f.beschreibung);
        EXPECT_TRUE(nahe(bild.zeile(8)[8], qRgb(10, 200, 30))) << "the picture itself";
    }
    // A file that fails leaves no description of the one before.
    dekodierer.dekodiere(datei(QStringLiteral("b.jpg"), mitKommentar(jpeg, "Oma Erna")), bild);
    EXPECT_FALSE(fehlerBeim(datei(QStringLiteral("kaputt.jpg"), mitKommentar(jpeg.left(40), "Opa"))).isEmpty());
    EXPECT_EQ(dekodierer.beschreibung(), QString());
}
