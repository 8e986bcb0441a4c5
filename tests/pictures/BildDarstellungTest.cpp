#include "pictures/BildDarstellung.h"

#include "support/MeldungsRecorder.h"
#include "pictures/Testbilder.h"
#include "pictures/Bildarbeitsobjekte.h"
#include "pictures/Vorausdarsteller.h"
#include "platform/Bildziel.h"
#include "platform/PaarlixFehler.h"
#include "platform/Systemfarben.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

#include <jerror.h>

using namespace testbilder;

namespace {

// An image control stand-in that counts the drawings it is told about.
class TestZiel final : public Bildziel {
public:
    TestZiel(int w, int h) : w_(w), h_(h) {}
    int Width() const override { return w_; }
    int Height() const override { return h_; }
    const QImage& bild() const override { return bild_; }
    void setzeBild(const QImage& img) override { bild_ = img; }
    QImage& zeichenbitmap() override
    {
        if (bild_.isNull() && !ohneSpeicher)
            bild_ = neueWeisseBitmap(w_, h_);
        return bild_;
    }
    void gezeichnet() override { ++zeichnungen; }
    Leinwand& leinwand() override { return leinwand_; }

    int zeichnungen = 0;
    // Its drawing surface cannot be allocated, as when memory runs out.
    bool ohneSpeicher = false;

private:
    int w_, h_;
    QImage bild_;
    Leinwand leinwand_;
};

bool gleicheLeinwand(const Leinwand& a, const Leinwand& b)
{
    return a.Stiftfarbe == b.Stiftfarbe && a.Stiftbreite == b.Stiftbreite && a.Pinselfarbe == b.Pinselfarbe
        && a.Pinselstil == b.Pinselstil;
}

bool nahe(QRgb a, QRgb b, int toleranz = 3)
{
    return std::abs(qRed(a) - qRed(b)) <= toleranz && std::abs(qGreen(a) - qGreen(b)) <= toleranz
        && std::abs(qBlue(a) - qBlue(b)) <= toleranz;
}

QImage einfarbig(int w, int h, QRgb farbe)
{
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(farbe);
    return b;
}

const QRgb rot = qRgb(200, 30, 40);

class BildDarstellungTest : public testing::Test {
protected:
    QString datei(const QString& name, const QByteArray& daten)
    {
        const QString pfad = ordner.filePath(name);
        schreibe(pfad, daten);
        return pfad;
    }

    QString fehlerBeim(TestZiel& ziel, const QString& pfad, const QString& modus = QString())
    {
        try {
            BildDarstellung(ziel, pfad, modus, arbeit, meldungen);
        } catch (const EPaarlixFehler& e) {
            return e.text();
        }
        return QString();
    }

    // Every pixel in the button face exactly when inside one of the bands.
    static void pruefeRaender(const QImage& bild, const QRect& innen)
    {
        const QRgb knopf = buttonFaceFarbe().rgb();
        ASSERT_NE(knopf, rot);
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QRgb p = bild.pixel(x, y);
                if (innen.contains(x, y))
                    ASSERT_TRUE(nahe(p, rot)) << "picture pixel " << x << "," << y << " " << std::hex << p;
                else
                    ASSERT_EQ(p, knopf) << "margin pixel " << x << "," << y;
            }
    }

    QTemporaryDir ordner;
    Bildarbeitsobjekte arbeit;
    MeldungsRecorder meldungen;
};

} // namespace

TEST_F(BildDarstellungTest, unknownExtensionWarnsAndTouchesNothing)
{
    // .gif, no extension and a dot only in a folder name give the exact warning and change nothing.
    const QString mitPunkt = ordner.filePath("ordner.jpg/bild");
    for (const QString& name : {ordner.filePath("bild.gif"), ordner.filePath("bild"), mitPunkt, QStringLiteral("a.jpg ")}) {
        meldungen.eintraege.clear();
        arbeit.ZielBitmap.setzeGroesse(3, 4);
        TestZiel ziel(20, 10);
        EXPECT_EQ(fehlerBeim(ziel, name), QString());
        ASSERT_EQ(meldungen.eintraege.size(), 1u);
        EXPECT_EQ(meldungen.eintraege[0].art, QStringLiteral("warnung"));
        EXPECT_EQ(meldungen.eintraege[0].text, QStringLiteral("Fehler: Das Bild \"") + name
                      + QStringLiteral("\" kann nicht dargestellt werden.\n\rEs sind nur die Bildformate JPG oder BMP möglich."));
        EXPECT_TRUE(ziel.bild().isNull());
        EXPECT_TRUE(gleicheLeinwand(ziel.leinwand(), Leinwand{}));
        EXPECT_EQ(arbeit.ZielBitmap.Width(), 3);
        EXPECT_EQ(arbeit.ZielBitmap.Height(), 4);
    }
}

TEST_F(BildDarstellungTest, extensionsInAnyLetterCaseAreAccepted)
{
    // .JPG, .Jpeg and .BmP are decoded by their extension.
    const QByteArray jpeg = jpegBytes(einfarbig(20, 10, rot));
    for (const QString& name : {QStringLiteral("a.JPG"), QStringLiteral("b.Jpeg"), QStringLiteral("c.jpeg")}) {
        TestZiel ziel(20, 10);
        EXPECT_EQ(fehlerBeim(ziel, datei(name, jpeg)), QString()) << name.toStdString();
        ASSERT_EQ(ziel.bild().size(), QSize(20, 10));
        EXPECT_TRUE(nahe(ziel.bild().pixel(5, 5), rot, 8));
    }
    TestZiel ziel(20, 10);
    EXPECT_EQ(fehlerBeim(ziel, datei("d.BmP", bmp24(einfarbig(20, 10, rot)))), QString());
    EXPECT_EQ(ziel.bild().pixel(5, 5), rot);
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST_F(BildDarstellungTest, formatFollowsTheNameNotTheContent)
{
    // A JPEG named .bmp and a BMP named .jpg fail with the reader's error; the target keeps no picture.
    TestZiel ziel(40, 30);
    EXPECT_EQ(fehlerBeim(ziel, datei("jpeg.bmp", jpegBytes(muster(8, 8)))), QStringLiteral("Bitmap ist ungültig"));
    EXPECT_EQ(fehlerBeim(ziel, datei("bmp.jpg", bmp24(muster(8, 8)))),
              QStringLiteral("JPEG-Fehlernr. %1.\n\rDatei: ").arg(int(JERR_NO_SOI)) + datei("bmp.jpg", bmp24(muster(8, 8)))
                  + QStringLiteral("\n\rDie Datei ist kein JPEG-Bild, vielleicht ein umbenanntes Bild in einem anderen Format"));
    EXPECT_TRUE(ziel.bild().isNull());
    EXPECT_EQ(ziel.zeichnungen, 0);
    EXPECT_EQ(arbeit.ZielBitmap.Width(), 40);
    EXPECT_EQ(arbeit.ZielBitmap.Height(), 30);
}

TEST_F(BildDarstellungTest, sameSizeIsTakenOverPixelForPixelInEveryMode)
{
    // A picture of the target's size becomes the picture unchanged, as its own copy, with the canvas untouched.
    const QImage soll = muster(30, 20);
    const QString pfad = datei("gleich.bmp", bmp24(soll));
    for (const char* modus : {"", "m", "o", "u", "l", "r", "n", "x"}) {
        TestZiel ziel(30, 20);
        EXPECT_EQ(fehlerBeim(ziel, pfad, QString::fromUtf8(modus)), QString());
        // Reusing the work bitmaps must not change the picture already handed over.
        TestZiel anderes(30, 20);
        EXPECT_EQ(fehlerBeim(anderes, datei("anders.bmp", bmp24(einfarbig(30, 20, rot)))), QString());
        EXPECT_EQ(ziel.bild().convertToFormat(QImage::Format_RGB32), soll) << modus;
        EXPECT_TRUE(gleicheLeinwand(ziel.leinwand(), Leinwand{})) << modus;
    }
}

TEST_F(BildDarstellungTest, fittingPaintsButtonFaceExactlyOnTheMargins)
{
    // Margins cover exactly the uncovered rows or columns; afterwards pen and brush are button face, brush clear.
    struct Fall {
        int w, h;
        const char* modus;
        QRect innen;
    };
    const Fall faelle[] = {
        {400, 300, "", QRect(0, 25, 200, 150)},  {300, 400, "", QRect(25, 0, 150, 200)},
        {202, 200, "", QRect(0, 1, 200, 198)},   {206, 200, "o", QRect(0, 3, 200, 194)},
        {300, 400, "l", QRect(25, 0, 150, 200)}, {201, 200, "", QRect(0, 0, 200, 200)},
        {160, 120, "n", QRect(20, 40, 160, 120)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.w << "x" << f.h << " mode " << f.modus);
        // Earlier content in the work bitmap must not show through.
        arbeit.ZielBitmap.setzeGroesse(200, 200);
        for (int y = 0; y < 200; ++y)
            std::fill(arbeit.ZielBitmap.zeile(y), arbeit.ZielBitmap.zeile(y) + 200, 0xFF00FF00u);
        TestZiel ziel(200, 200);
        ASSERT_EQ(fehlerBeim(ziel, datei("bild.bmp", bmp24(einfarbig(f.w, f.h, rot))), QString::fromUtf8(f.modus)),
                  QString());
        pruefeRaender(ziel.bild(), f.innen);
        EXPECT_EQ(ziel.zeichnungen, 1);
        const Leinwand& l = ziel.leinwand();
        EXPECT_EQ(l.Stiftbreite, 0);
        EXPECT_EQ(l.Stiftfarbe, buttonFaceFarbe());
        EXPECT_EQ(l.Pinselfarbe, buttonFaceFarbe());
        EXPECT_EQ(l.Pinselstil, Qt::NoBrush);
    }
}

TEST_F(BildDarstellungTest, unscaledModeDrawsOneToOneAndLeavesTheFreeLineAlone)
{
    // Mode "n" copies the pixels unscaled; a picture one pixel smaller leaves the last column or row white.
    const QImage klein = muster(160, 120);
    TestZiel ziel(200, 200);
    ASSERT_EQ(fehlerBeim(ziel, datei("klein.bmp", bmp24(klein)), QStringLiteral("n")), QString());
    EXPECT_EQ(ziel.bild().copy(20, 40, 160, 120).convertToFormat(QImage::Format_RGB32), klein);

    for (const QSize groesse : {QSize(199, 200), QSize(200, 199)}) {
        const QImage bild = muster(groesse.width(), groesse.height());
        TestZiel z(200, 200);
        ASSERT_EQ(fehlerBeim(z, datei("knapp.bmp", bmp24(bild)), QStringLiteral("n")), QString());
        EXPECT_EQ(z.bild().copy(0, 0, groesse.width(), groesse.height()).convertToFormat(QImage::Format_RGB32), bild);
        const QImage rest = groesse.width() < 200 ? z.bild().copy(199, 0, 1, 200) : z.bild().copy(0, 199, 200, 1);
        EXPECT_EQ(rest, neueWeisseBitmap(rest.width(), rest.height()).convertToFormat(rest.format()));
    }
}

TEST_F(BildDarstellungTest, cropModesCoverTheTargetWithTheRightBand)
{
    // Crops fill the whole target, no margin, and keep the band their mode names.
    const QRgb blau = qRgb(20, 40, 220), gruen = qRgb(30, 200, 60);
    // Three vertical thirds for wide pictures, three horizontal ones for tall pictures.
    QImage quer(600, 300, QImage::Format_RGB32), hoch(300, 600, QImage::Format_RGB32);
    for (int i = 0; i < 600; ++i) {
        const QRgb f = i < 200 ? blau : (i < 400 ? rot : gruen);
        for (int j = 0; j < 300; ++j) {
            quer.setPixel(i, j, f);
            hoch.setPixel(j, i, f);
        }
    }
    const QString querPfad = datei("quer.bmp", bmp24(quer));
    const QString hochPfad = datei("hoch.bmp", bmp24(hoch));
    struct Fall {
        bool breit;
        const char* modus;
        QRgb anfang, ende; // first and last column (wide) or row (tall)
    };
    const Fall faelle[] = {
        {true, "m", blau, gruen},     {true, "l", blau, rot},   {true, "r", rot, gruen},
        {false, "m", blau, gruen},    {false, "o", blau, rot},  {false, "u", rot, gruen},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << (f.breit ? "wide" : "tall") << " mode " << f.modus);
        TestZiel ziel(90, 90);
        ASSERT_EQ(fehlerBeim(ziel, f.breit ? querPfad : hochPfad, QString::fromUtf8(f.modus)), QString());
        const QImage& b = ziel.bild();
        for (int k = 0; k < 90; ++k) {
            const QRgb a = f.breit ? b.pixel(0, k) : b.pixel(k, 0);
            const QRgb e = f.breit ? b.pixel(89, k) : b.pixel(k, 89);
            ASSERT_TRUE(nahe(a, f.anfang)) << k << " " << std::hex << a;
            ASSERT_TRUE(nahe(e, f.ende)) << k << " " << std::hex << e;
        }
    }
}

TEST_F(BildDarstellungTest, repeatedCallsReuseTheWorkBitmaps)
{
    // Rendering the same sizes again allocates no new work bitmap.
    const QString pfad = datei("foto.jpg", jpegBytes(muster(120, 90)));
    TestZiel erstes(66, 88);
    BildDarstellung(erstes, pfad, QString(), arbeit, meldungen);
    TestZiel zweites(50, 50);
    BildDarstellung(zweites, pfad, QStringLiteral("m"), arbeit, meldungen);
    const std::uint32_t* quelle = arbeit.QuellBitmap.zeile(0);
    const std::uint32_t* ziel = arbeit.ZielBitmap.zeile(0);
    for (int i = 0; i < 5; ++i) {
        TestZiel a(66, 88), b(50, 50);
        BildDarstellung(a, pfad, QString(), arbeit, meldungen);
        BildDarstellung(b, pfad, QStringLiteral("m"), arbeit, meldungen);
        EXPECT_EQ(a.bild(), erstes.bild());
    }
    EXPECT_EQ(arbeit.QuellBitmap.zeile(0), quelle);
    EXPECT_EQ(arbeit.ZielBitmap.zeile(0), ziel);
}

TEST_F(BildDarstellungTest, aSurfaceThatCannotBeAllocatedStopsWithAnError)
{
    // Running out of memory for the control's bitmap ends the call with an error instead of a blank card.
    const QString pfad = datei("gross.jpg", jpegBytes(einfarbig(400, 300, rot)));
    TestZiel ziel(200, 200);
    ziel.ohneSpeicher = true;
    EXPECT_THROW(BildDarstellung(ziel, pfad, QString(), arbeit, meldungen), EPaarlixFehler);
    EXPECT_EQ(ziel.zeichnungen, 0);
    EXPECT_TRUE(ziel.bild().isNull());
}

// Rule: a picture that fails on one of the deal's workers reports the same text as the same failure
// in the plain rendering, and names the picture also when memory runs out.
TEST_F(BildDarstellungTest, aFailureOnAWorkerReadsAsTheSameFailureWithoutWorkers)
{
    struct Fall {
        const char* name;
        QByteArray inhalt; // empty: the file is missing
        bool ohneSpeicher;
        QString anfang;
    };
    const Fall faelle[] = {
        {"missing file", {}, false, QStringLiteral("Datei ")},
        {"damaged file", "no JPEG at all", false, QStringLiteral("JPEG-Fehlernr. ")},
        {"out of memory", jpegBytes(einfarbig(400, 300, rot)), true,
         QStringLiteral("Nicht genügend Arbeitsspeicher.\n\rDas Bild \"")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString pfad = f.inhalt.isEmpty() ? ordner.filePath(QStringLiteral("fehlt.jpg"))
                                                : datei(QStringLiteral("bild.jpg"), f.inhalt);
        QString ohneArbeiter;
        try {
            TestZiel ziel(200, 200);
            ziel.ohneSpeicher = f.ohneSpeicher;
            BildDarstellung(ziel, pfad, QString(), arbeit, meldungen);
        } catch (const EPaarlixFehler& e) {
            ohneArbeiter = e.text();
        }
        // On a worker, memory runs out for a target too large for any image.
        Vorausdarsteller::Auftrag auftrag;
        auftrag.Dateinamen = {pfad};
        auftrag.Ziele = {f.ohneSpeicher ? QSize(70'000'000, 1) : QSize(200, 200)};
        Vorausdarsteller voraus(std::move(auftrag), 2, 2);
        QString mitArbeitern;
        try {
            voraus.hole(0);
        } catch (const EPaarlixFehler& e) {
            mitArbeitern = e.text();
        }
        EXPECT_TRUE(ohneArbeiter.startsWith(f.anfang)) << ohneArbeiter.toStdString();
        EXPECT_TRUE(ohneArbeiter.contains(pfad)) << ohneArbeiter.toStdString();
        EXPECT_EQ(mitArbeitern, ohneArbeiter);
    }
}
