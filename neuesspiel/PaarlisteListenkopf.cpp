// The first line of a list file in the list of pairs: a header or a pair, as the user chooses.
#include "neuesspiel/Paarliste.h"

#include <algorithm>

namespace {

// The row whose first card has this number; -1 when it is gone (0: none).
int zeileMitNummer(const Paarliste& liste, std::uint64_t nummer)
{
    const int zeile = nummer == 0 ? -1 : liste.zeileVon(nummer);
    return zeile >= 0 && liste.zeile(zeile).Nummer == nummer ? zeile : -1;
}

} // namespace

int Paarliste::fuegeListeHinzu(const QString& pfad, const Listenergebnis& gelesen)
{
    const int erste = fuegePaareHinzu(gelesen.Paare);
    if (!gelesen.Meldung.isEmpty())
        return erste;
    listenpfad_ = pfad;
    listenkopf_ = gelesen.UeberschriftUebersprungen;
    if (gelesen.Sprachen)
        listensprachen_ = gelesen.Sprachen;
    kopfNummer_ = 0;
    ersteNummer_ = 0;
    // With a pair left out (a photo already in the list) the first row may be another line's.
    if (erste < 0 || std::size_t(anzahl() - erste) != gelesen.Paare.size())
        return erste;
    const bool mitKopf = !gelesen.UeberschriftUebersprungen;
    if (mitKopf)
        kopfNummer_ = zeilen_[std::size_t(erste)].Nummer;
    if (const int zweite = erste + (mitKopf ? 1 : 0); zweite < anzahl())
        ersteNummer_ = zeilen_[std::size_t(zweite)].Nummer;
    return erste;
}

Paarliste::Kopfwechsel Paarliste::setzeListenkopf(bool ueberschrift)
{
    Kopfwechsel wechsel;
    if (!listenkopf_ || *listenkopf_ == ueberschrift)
        return wechsel;
    if (ueberschrift) {
        if (const int zeile = zeileMitNummer(*this, kopfNummer_); zeile >= 0) {
            entferne(zeile);
            wechsel.Zeile = zeile;
        }
        kopfNummer_ = 0;
        listenkopf_ = true;
        return wechsel;
    }
    // Read again, so that the line is checked with the others as the list's own rules say.
    const Listenergebnis gelesen = lesePaarliste(listenpfad_, Kopfzeile::Paar);
    if (!gelesen.Meldung.isEmpty()) {
        wechsel.Meldung = gelesen.Meldung;
        return wechsel;
    }
    listenkopf_ = false;
    const int neu = fuegePaareHinzu({gelesen.Paare.front()});
    if (neu < 0)
        return wechsel;
    const int vor = zeileMitNummer(*this, ersteNummer_);
    const int platz = vor >= 0 ? vor : neu;
    std::rotate(zeilen_.begin() + platz, zeilen_.begin() + neu, zeilen_.begin() + neu + 1);
    std::rotate(doppelt_.begin() + platz, doppelt_.begin() + neu, doppelt_.begin() + neu + 1);
    nummeriereAb(platz);
    kopfNummer_ = zeilen_[std::size_t(platz)].Nummer;
    wechsel.Zeile = platz;
    return wechsel;
}
