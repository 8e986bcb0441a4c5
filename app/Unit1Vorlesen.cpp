// Text and name cards read aloud as they are turned, when the game's
// settings ask for it and the sound is on.
#include "app/Unit1.h"

#include "board/Bilddateiname.h"
#include "karten/Kartenkommentar.h"
#include "widgets/TImage.h"
#include "widgets/Vorleser.h"

void TForm1::lieseVor(const Zugschritte& schritte)
{
    if (!tonAn_ || !vorleser_ || !Einstellungen.TexteVorlesen)
        return;
    for (const Zugschritt& schritt : schritte) {
        const auto* gedreht = std::get_if<Schritt::BildDrehen>(&schritt);
        if (!gedreht)
            continue;
        const Zelle z = gedreht->Zelle;
        const int paar = PaarNummern[z.Zeile][z.Spalte];
        const TImage* bild = KartenBilder[z.Zeile][z.Spalte];
        if (paar < 1 || !bild)
            continue;
        const bool zweite = bild->Tag < 0;
        // Only the comment is read, never the picture: a photo says nothing here.
        const Kartenkommentar kommentar = leseKartenkommentar(Ordner.pfad(bilddateiname(paar, zweite)));
        const QString text = kommentar.Text.simplified();
        if (!kommentar.Textkarte || text.isEmpty())
            continue;
        vorleser_->sprich(text, QLocale(zweite ? Einstellungen.Sprachen.Zweite : Einstellungen.Sprachen.Erste));
    }
}
