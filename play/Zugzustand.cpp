#include "play/Zugzustand.h"

#include "play/Paarablage.h"

using namespace Schritt;

void Zugzustand::gruppenAufbauen(int startgruppe, int spalten, int zeilen, int karten)
{
    Stand = Gruppenstand{};
    ErgebnisAnzeige = false;
    AktiveGruppe = startgruppe;
    AufgedeckteKarten = 0;
    Brett.neuesSpiel(spalten, zeilen, karten);
}

void Zugzustand::gib(Zugschritte& s, Zugschritt schritt)
{
    Brett.fuehreAus(schritt);
    s.push_back(std::move(schritt));
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
    Zugschritte s;
    gib(s, HinweisVerbergen{});
    if (AufgedeckteKarten == 2) {
        // The clicked card stays covered: the player clicks again to turn it.
        zudecken(s);
        return s;
    }
    gib(s, RueckseiteDrehen{});
    if (tag == 0) {
        gib(s, Meldung{QStringLiteral("Tag ist Null!")});
        return s;
    }
    const Zelle z = zelleAusTag(tag);
    GewaehlteSpalte[AufgedeckteKarten] = z.Spalte;
    GewaehlteZeile[AufgedeckteKarten] = z.Zeile;
    gib(s, BildDrehen{z});
    if (AufgedeckteKarten != 1)
        gib(s, Grossbild{Grossbildseite::Rechts, z});
    ++AufgedeckteKarten;
    gib(s, Haelften{haelften()});
    if (AufgedeckteKarten != 2)
        return s;

    if (AnzahlGruppen == 1)
        gib(s, ZuegeZeigen{Stand.zugZaehlen()});
    if (karten.PaarNummer(gewaehlt(0)) != karten.PaarNummer(gewaehlt(1))) {
        gib(s, Grossbild{Grossbildseite::Rechts, z});
        gib(s, KeinPaar{});
        return s;
    }
    gib(s, Grossbild{Grossbildseite::Links, z});
    AufgedeckteKarten = 3;
    gib(s, Haelften{haelften()});
    paarEinsammeln(s, karten);
    return s;
}

// The group that found the pair keeps the turn.
void Zugzustand::paarEinsammeln(Zugschritte& s, const Kartenauskunft& karten)
{
    const int a = AktiveGruppe;
    gib(s, PaarNehmen{a, gewaehlt(0), gewaehlt(1)});
    const int tag0 = karten.BildTag(gewaehlt(0));
    if (tag0 == karten.BildTag(gewaehlt(1)))
        gib(s, Meldung{QStringLiteral("Fehler: Beide Bilder haben gleichen Tag.")});
    for (const int eintrag : ablageReihenfolge(tag0))
        gib(s, KarteAblegen{gewaehlt(eintrag), Stand.karteAblegen(a)});
    gib(s, PunkteZeigen{a, Stand.paarWerten(a)});
    if (AnzahlGruppen > 1)
        gib(s, PanelsWachsen{a, Stand.GesammelteKarten});
    if (spielZuEnde())
        gib(s, Markieren{a, false});
}

void Zugzustand::zudecken(Zugschritte& s)
{
    // Every caller checks for two open cards; the check guards the state itself.
    if (AufgedeckteKarten != 2)
        gib(s, Meldung{QStringLiteral("Fehler")});
    gib(s, Zudecken{gewaehlt(0), gewaehlt(1)});
    AufgedeckteKarten = 0;
    gib(s, Haelften{haelften()});
    gib(s, Markieren{AktiveGruppe, false});
    if (AnzahlGruppen < 2)
        return;
    AktiveGruppe = AktiveGruppe + 1 > AnzahlGruppen - 1 ? 0 : AktiveGruppe + 1;
    gib(s, Markieren{AktiveGruppe, true});
}

Zugschritte Zugzustand::offeneKarteGeklickt()
{
    if (haelften().Links != LinkeHaelfte::Karten)
        return {};
    Zugschritte s;
    if (AufgedeckteKarten != 2)
        gib(s, Meldung{QStringLiteral("Bitte eine weitere Karte auswählen.")});
    else
        zudecken(s);
    return s;
}

Zugschritte Zugzustand::grossbildGeklickt()
{
    Zugschritte s;
    if (ErgebnisAnzeige) {
        ErgebnisAnzeige = false;
        gib(s, Haelften{haelften()});
    } else if (AufgedeckteKarten == 3) {
        // The same group moves again.
        AufgedeckteKarten = 0;
        gib(s, Haelften{haelften()});
        if (spielZuEnde())
            gib(s, Spielende{});
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
    Zugschritte s;
    gib(s, Haelften{haelften()});
    gib(s, Grossbild{Grossbildseite::Links, zelleAusTag(tag)});
    return s;
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
