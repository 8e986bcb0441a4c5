#include "pictures/Bildwerkstatt.h"

#include "pictures/BildDarstellung.h"
#include "platform/Bildziel.h"

Mehrfachdarstellung Bildwerkstatt::darstelle(const QString& dateiname, const std::vector<QSize>& ziele,
                                             const QString& modus, const QColor& randfarbe, bool verkleinert,
                                             const Spieldateien& ordner)
{
    Mehrfachdarstellung ergebnis;
    const Bildformat format = bildformatVon(dateiname);
    if (format == Bildformat::Unbekannt) {
        ergebnis.FormatFehler = true;
        return ergebnis;
    }

    JpegDekodierer::Achtelwahl wahl;
    if (verkleinert) {
        wahl = [&](int W, int H) {
            std::vector<Passgeometrie> geometrien;
            for (const QSize& z : ziele) {
                // A picture of a target's size is taken over unscaled.
                if (z == QSize(W, H))
                    return 8;
                geometrien.push_back(berechnePassgeometrie(W, H, z.width(), z.height(), modus));
            }
            return achtelFuerZiele(W, H, geometrien);
        };
    }
    const QSize voll = dekodiereNachName(dateiname, format == Bildformat::Bmp, dekodierer_, quelle_, wahl, ordner);
    if (format != Bildformat::Bmp)
        ergebnis.Beschreibung = dekodierer_.beschreibung();

    for (const QSize& z : ziele) {
        const Passgeometrie g = berechnePassgeometrie(voll.width(), voll.height(), z.width(), z.height(), modus);
        ergebnis.Bilder.push_back(zeichneNeu(quelle_, voll, z.width(), z.height(), g, randfarbe));
    }
    return ergebnis;
}

void uebernimmBild(Bildziel& ziel, const NeuesBild& bild, const QColor& randfarbe)
{
    ziel.setzeBild(bild.Bild);
    if (bild.GleicheGroesse)
        return;
    schliesseDarstellungAb(ziel, randfarbe);
}
