#include "support/Testfenster.h"

#include "board/Austeiler.h"
#include "board/Bilddateiname.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/BildDarstellung.h"
#include "pictures/Bildarbeitsobjekte.h"
#include "pictures/JpegDekodierer.h"
#include "pictures/Passgeometrie.h"
#include "platform/BildHalter.h"
#include "widgets/TImage.h"
#include "support/Bildvergleich.h"
#include "support/Spielordner.h"

#include <QProgressBar>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Picture k: gradients and stripes of its own, so that a shifted, swapped or
// differently scaled rendering shows. Every third one has the card's size.
void schreibeMusterbilder(Spielordner& ordner, int n, QSize groesse, QSize karte)
{
    for (int k = 0; k < n; ++k) {
        const QSize g = k % 3 == 2 ? karte : (k % 2 ? groesse.transposed() : groesse);
        QImage bild(g, QImage::Format_RGB32);
        for (int y = 0; y < g.height(); ++y) {
            auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
            for (int x = 0; x < g.width(); ++x)
                zeile[x] = qRgb(x * 255 / g.width(), y * 255 / g.height(),
                                int(127 + 120 * std::sin((x + 2 * y) * 0.02 * (k + 1))));
        }
        bild.save(ordner.pfad(bilddateiname(k / 2 + 1, k % 2 == 1)), "JPG", 92);
    }
}

} // namespace

// Rule: dealing through the worker threads gives the same cells, pair numbers, Tags, progress
// values and pictures as rendering every picture twice in dealing order: pixel for pixel where the
// pictures are decoded at full size, and no more than 1 dB further from a Lanczos reference where
// large photos are decoded at a reduced scale. The bar advances once per picture, in dealing order.
TEST(Unit1Austeilen, DealMatchesRenderingEachPictureTwiceInOrder)
{
    struct Fall {
        const char* name;
        const char* feld;
        const char* schneiden;
        QSize bild;
        bool verkleinert;
    };
    const Fall faelle[] = {
        {"small pictures, fitted", "6,5", "0", {60, 80}, false},
        {"small pictures, cropped", "6,5", "1", {90, 70}, false},
        {"large photos, fitted", "2,2", "0", {2400, 1800}, true},
        {"large photos, cropped", "2,2", "1", {2400, 1800}, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielordner ordner;
        QStringList werte = standardWerte();
        werte[2] = QString::fromLatin1(f.feld);
        werte[7] = QStringLiteral("1");
        werte[6] = QString::fromLatin1(f.schneiden);
        ordner.schreibeIni(werte);
        ordner.schreibeKartentext();
        const int spalten = f.feld[0] - '0', zeilen = f.feld[2] - '0', n = spalten * zeilen;
        // The card size of the auto layout: 66 x 88 on 6 x 5, 200 x 267 on 2 x 2.
        schreibeMusterbilder(ordner, n, f.bild, n == 30 ? QSize(66, 88) : QSize(200, 267));

        Testfenster fenster({}, 11);
        const TForm1& form = *fenster.form;
        std::vector<std::pair<int, int>> fortschritt; // bar value, cells dealt at that moment
        QObject::connect(form.ProgressBar1, &QProgressBar::valueChanged, [&](int wert) {
            int belegt = 0;
            for (int z = 0; z < zeilen; ++z)
                for (int s = 0; s < spalten; ++s)
                    belegt += form.PaarNummern[z][s] != -1 && !form.KartenBilder[z][s]->bild().isNull();
            fortschritt.emplace_back(wert, belegt);
        });
        fenster.aktiviere();
        ASSERT_TRUE(form.aufgebaut());
        ASSERT_TRUE(fenster.meldungen.eintraege.empty());
        const QSize karte(form.Einstellungen.KartenBreite, form.Einstellungen.KartenHoehe);

        SkriptZufall zufall({}, 11);
        Austeiler austeiler(spalten, zeilen, zufall);
        Bildarbeitsobjekte arbeit;
        MeldungsRecorder meldungen;
        const QString modus = f.schneiden[0] == '1' ? QStringLiteral("m") : QString();
        std::vector<std::pair<int, int>> erwartet;
        while (!austeiler.fertig()) {
            const Austeilschritt s = austeiler.naechster();
            const int z = s.Ziel.Zeile, sp = s.Ziel.Spalte;
            SCOPED_TRACE(testing::Message() << s.Dateiname.toStdString() << " on " << z << "," << sp);
            erwartet.emplace_back(s.Fortschritt, s.K + 1);
            EXPECT_EQ(form.PaarNummern[z][sp], s.PaarNummer);
            EXPECT_EQ(form.KartenBilder[z][sp]->Tag, s.BildTag());
            EXPECT_EQ(form.GrossBilder[z][sp]->Tag, s.BildTag());

            TBildHalter klein(karte.width(), karte.height());
            TBildHalter gross(form.Image1->width(), form.Image1->height());
            BildDarstellung(klein, s.Dateiname, modus, arbeit, meldungen);
            BildDarstellung(gross, s.Dateiname, modus, arbeit, meldungen);
            const QImage& gedealtKlein = form.KartenBilder[z][sp]->bild();
            const QImage& gedealtGross = form.GrossBilder[z][sp]->bild();
            if (!f.verkleinert) {
                EXPECT_EQ(gedealtKlein, klein.bild());
                EXPECT_EQ(gedealtGross, gross.bild());
                continue;
            }
            JpegDekodierer dekodierer;
            Arbeitsbitmap voll;
            dekodierer.dekodiere(ordner.pfad(s.Dateiname), voll);
            const std::pair<const QImage*, const QImage*> paare[] = {{&gedealtKlein, &klein.bild()},
                                                                     {&gedealtGross, &gross.bild()}};
            for (const auto& [gedealt, einzeln] : paare) {
                const Passgeometrie g =
                    berechnePassgeometrie(voll.Width(), voll.Height(), gedealt->width(), gedealt->height(), modus);
                const QImage referenz = bildvergleich::lanczos(voll.kopie(), g.Quelle, g.Ziel.size());
                EXPECT_EQ(gedealt->size(), einzeln->size());
                EXPECT_GE(bildvergleich::psnr(gedealt->copy(g.Ziel), referenz),
                          bildvergleich::psnr(einzeln->copy(g.Ziel), referenz) - 1.0);
            }
        }
        EXPECT_EQ(fortschritt, erwartet);
    }
}

// Rule: the first picture in dealing order that fails stops the deal at exactly that picture with
// its own message; the pictures before it are dealt, nothing of a later one is shown, and a
// damaged or missing picture after it is never reported.
TEST(Unit1Austeilen, FirstFailingPictureInDealingOrderStopsTheDeal)
{
    struct Fall {
        const char* name;
        const char* fehlt;
        const char* kaputt;
        QString meldungsanfang;
    };
    const Fall faelle[] = {
        {"07b missing, 09a damaged", "07b.jpg", "09a.jpg", QStringLiteral("Datei 07b.jpg kann nicht geöffnet werden")},
        {"07b damaged, 09a missing", "09a.jpg", "07b.jpg", QStringLiteral("JPEG-Fehlernr. ")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielordner ordner;
        QStringList werte = standardWerte();
        werte[7] = QStringLiteral("1");
        ordner.schreibeIni(werte);
        ordner.schreibeKartentext();
        ordner.schreibeBilder(30);
        ordner.loesche(QString::fromLatin1(f.fehlt));
        QFile kaputt(ordner.pfad(QString::fromLatin1(f.kaputt)));
        ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        kaputt.write("no JPEG at all");
        kaputt.close();

        Testfenster fenster;
        fenster.aktiviere();
        const TForm1& form = *fenster.form;
        ASSERT_EQ(fenster.meldungen.eintraege.size(), 1u);
        const QString text = fenster.meldungen.eintraege[0].text;
        EXPECT_EQ(fenster.meldungen.eintraege[0].art, QStringLiteral("programmfehler"));
        EXPECT_TRUE(text.startsWith(f.meldungsanfang)) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("09a"))) << text.toStdString();
        EXPECT_EQ(form.ProgressBar1->value(), 13 * 100 / 30);
        EXPECT_FALSE(form.PStatusBar->isHidden());
        EXPECT_EQ(fenster.zufall->bereiche.size(), 14u); // the failing picture had drawn its cell
        EXPECT_FALSE(form.aufgebaut());
        int belegt = 0;
        for (int z = 0; z < 5; ++z)
            for (int s = 0; s < 6; ++s) {
                belegt += form.PaarNummern[z][s] != -1;
                EXPECT_EQ(form.KartenBilder[z][s]->bild().isNull(), form.PaarNummern[z][s] == -1);
                EXPECT_EQ(form.GrossBilder[z][s]->bild().isNull(), form.PaarNummern[z][s] == -1);
            }
        EXPECT_EQ(belegt, 13);
    }
}
