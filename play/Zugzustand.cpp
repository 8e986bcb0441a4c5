#include "play/Zugzustand.h"

bool Zugzustand::karteMerken(int zeile, int spalte)
{
    if (AufgedeckteKarten < 0 || AufgedeckteKarten > 1)
        return false;
    GewaehlteSpalte[AufgedeckteKarten] = spalte;
    GewaehlteZeile[AufgedeckteKarten] = zeile;
    return true;
}

bool Zugzustand::istPaar(const PaarNummerVon& paarNummer) const
{
    return paarNummer(GewaehlteZeile[0], GewaehlteSpalte[0]) == paarNummer(GewaehlteZeile[1], GewaehlteSpalte[1]);
}

void Zugzustand::gruppeWeitergeben()
{
    if (AnzahlGruppen < 2)
        return;
    ++AktiveGruppe;
    if (AktiveGruppe > AnzahlGruppen - 1)
        AktiveGruppe = 0;
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
