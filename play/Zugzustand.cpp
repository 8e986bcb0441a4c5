#include "play/Zugzustand.h"

#include "play/Paarablage.h"

using namespace Schritt;

void Zugzustand::gruppenAufbauen(int startgruppe, int spalten, int zeilen)
{
    Stand = Gruppenstand{};
    ErgebnisAnzeige = false;
    AktiveGruppe = startgruppe;
    AufgedeckteKarten = 0;
    Spalten = spalten;
    Zeilen = zeilen;
}

void Zugzustand::spielBeginnen(int anzahlGruppen)
{
    AnzahlGruppen = anzahlGruppen;
    if (AnzahlGruppen == 1)
        AktiveGruppe = 0;
    AufgedeckteKarten = 0;
    Stand.Spielzuege = 0;
}

Zugschritte Zugzustand::rueckseiteGeklickt(int tag, const Kartenauskunft& karten)
{
    if (haelften().Links != LinkeHaelfte::Karten)
        return {};
    Zugschritte s{HinweisVerbergen{}};
    if (AufgedeckteKarten == 2) {
        // The clicked card stays covered: the player clicks again to turn it.
        zudecken(s);
        return s;
    }
    s.push_back(RueckseiteDrehen{});
    if (tag == 0) {
        s.push_back(Meldung{QStringLiteral("Tag ist Null!")});
        return s;
    }
    const Zelle z = zelleAusTag(tag);
    GewaehlteSpalte[AufgedeckteKarten] = z.Spalte;
    GewaehlteZeile[AufgedeckteKarten] = z.Zeile;
    s.push_back(BildDrehen{z});
    if (AufgedeckteKarten != 1)
        s.push_back(Grossbild{Grossbildseite::Rechts, z});
    ++AufgedeckteKarten;
    s.push_back(Haelften{haelften()});
    if (AufgedeckteKarten != 2)
        return s;

    if (AnzahlGruppen == 1)
        s.push_back(ZuegeZeigen{Stand.zugZaehlen()});
    if (karten.PaarNummer(gewaehlt(0)) != karten.PaarNummer(gewaehlt(1))) {
        s.push_back(Grossbild{Grossbildseite::Rechts, z});
        s.push_back(KeinPaar{});
        return s;
    }
    s.push_back(Grossbild{Grossbildseite::Links, z});
    AufgedeckteKarten = 3;
    s.push_back(Haelften{haelften()});
    paarEinsammeln(s, karten);
    return s;
}

// The group that found the pair keeps the turn.
void Zugzustand::paarEinsammeln(Zugschritte& s, const Kartenauskunft& karten)
{
    const int a = AktiveGruppe;
    s.push_back(PaarNehmen{a, gewaehlt(0), gewaehlt(1)});
    const int tag0 = karten.BildTag(gewaehlt(0));
    if (tag0 == karten.BildTag(gewaehlt(1)))
        s.push_back(Meldung{QStringLiteral("Fehler: Beide Bilder haben gleichen Tag.")});
    for (const int eintrag : ablageReihenfolge(tag0))
        s.push_back(KarteAblegen{gewaehlt(eintrag), Stand.karteAblegen(a)});
    s.push_back(PunkteZeigen{a, Stand.paarWerten(a)});
    if (AnzahlGruppen > 1)
        s.push_back(PanelsWachsen{a, Stand.GesammelteKarten});
    if (Stand.spielZuEnde(Spalten, Zeilen))
        s.push_back(Markieren{a, false});
}

void Zugzustand::zudecken(Zugschritte& s)
{
    // Every caller checks for two open cards; the check guards the state itself.
    if (AufgedeckteKarten != 2)
        s.push_back(Meldung{QStringLiteral("Fehler")});
    s.push_back(Zudecken{gewaehlt(0), gewaehlt(1)});
    AufgedeckteKarten = 0;
    s.push_back(Haelften{haelften()});
    s.push_back(Markieren{AktiveGruppe, false});
    if (AnzahlGruppen < 2)
        return;
    AktiveGruppe = AktiveGruppe + 1 > AnzahlGruppen - 1 ? 0 : AktiveGruppe + 1;
    s.push_back(Markieren{AktiveGruppe, true});
}

Zugschritte Zugzustand::offeneKarteGeklickt()
{
    if (haelften().Links != LinkeHaelfte::Karten)
        return {};
    if (AufgedeckteKarten != 2)
        return {Meldung{QStringLiteral("Bitte eine weitere Karte auswählen.")}};
    Zugschritte s;
    zudecken(s);
    return s;
}

Zugschritte Zugzustand::grossbildGeklickt()
{
    if (ErgebnisAnzeige) {
        ErgebnisAnzeige = false;
        return {Haelften{haelften()}};
    }
    Zugschritte s;
    if (AufgedeckteKarten == 3) {
        // The same group moves again.
        AufgedeckteKarten = 0;
        s.push_back(Haelften{haelften()});
        if (Stand.spielZuEnde(Spalten, Zeilen))
            s.push_back(Spielende{});
    } else if (AufgedeckteKarten == 2) {
        zudecken(s);
    }
    return s;
}

Zugschritte Zugzustand::gesammelteKarteGeklickt(int tag)
{
    if (haelften().Rechts != RechteHaelfte::BekommeneKarten)
        return {};
    ErgebnisAnzeige = true;
    return {Haelften{haelften()}, Grossbild{Grossbildseite::Links, zelleAusTag(tag)}};
}

Bildschirmhaelften Zugzustand::haelften() const
{
    switch (AufgedeckteKarten) {
    case 1:
    case 2:
        return {LinkeHaelfte::Karten, RechteHaelfte::BildRechts};
    case 3:
        return {LinkeHaelfte::BildLinks, RechteHaelfte::BildRechts};
    default:
        return {ErgebnisAnzeige ? LinkeHaelfte::BildLinks : LinkeHaelfte::Karten, RechteHaelfte::BekommeneKarten};
    }
}
