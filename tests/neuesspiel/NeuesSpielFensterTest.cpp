#include "neuesspiel/Spielschreiber.h"

#include "Neuspielbilder.h"
#include "support/Farben.h"
#include "support/Testfenster.h"
#include "widgets/TImage.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace neuspielbilder;

// A game written from JPEG photos (one with an orientation tag) and a PNG opens in the real
// window without any message and deals every picture: each card shows its photo's colour.
TEST(NeuesSpielFenster, aWrittenGameOpensAndDeals)
{
    QTemporaryDir tmp;
    const QColor farben[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    const QStringList bilder = {tmp.filePath("rot.jpg"), tmp.filePath("gruen gedreht.jpg"),
                                tmp.filePath("blau.png"), tmp.filePath("gelb.jpeg")};
    schreibe(bilder[0], jpeg(farben[0], 120, 90));
    schreibe(bilder[1], jpeg(farben[1], 120, 90, 6));
    schreibe(bilder[2], pngHalbDurchsichtig(farben[2], 120, 90));
    schreibe(bilder[3], jpeg(farben[3], 90, 120));
    const QString ziel = tmp.filePath("spiel");
    NeuesSpiel auftrag;
    auftrag.Ziel = ziel;
    auftrag.Bilder = bilder;
    const Schreibergebnis ergebnis = schreibeNeuesSpiel(auftrag);
    ASSERT_EQ(ergebnis.Art, Schreibergebnis::Ausgang::Geschrieben) << ergebnis.Meldung.toStdString();

    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ziel));
    {
        Testfenster fenster;
        fenster.aktiviere();
        const TForm1& f = *fenster.form;
        EXPECT_TRUE(fenster.meldungen.eintraege.empty()) << fenster.meldungen.eintraege[0].text.toStdString();
        ASSERT_TRUE(f.aufgebaut());
        // Two landscape and two portrait photos: square cards, on the board with the largest.
        EXPECT_EQ(f.Einstellungen.FormatX, 1);
        EXPECT_EQ(f.Einstellungen.FormatY, 1);
        EXPECT_EQ(f.Einstellungen.Spalten, 2);
        EXPECT_EQ(f.Einstellungen.Zeilen, 4);
        int karten = 0;
        for (int z = 0; z < 4; ++z)
            for (int s = 0; s < 2; ++s) {
                SCOPED_TRACE(testing::Message() << "cell " << z << "," << s);
                const int paar = f.PaarNummern[z][s];
                ASSERT_TRUE(paar >= 1 && paar <= 4);
                const QImage karte = f.KartenBilder[z][s]->bild();
                ASSERT_FALSE(karte.isNull());
                // Three quarters across: inside the PNG's opaque half too.
                const QColor farbe = karte.pixelColor(karte.width() * 3 / 4, karte.height() / 2);
                EXPECT_TRUE(aehnlich(farbe, farben[paar - 1], 12)) << farbe.name().toStdString();
                ++karten;
            }
        EXPECT_EQ(karten, 8);
    }
    QDir::setCurrent(vorher);
}
