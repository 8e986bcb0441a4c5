#include "play/Panelwachstum.h"

namespace {

int reihenFuer(int karten, int proReihe)
{
    return karten / proReihe + (karten % proReihe != 0 ? 1 : 0);
}

} // namespace

Panelmasse panelWachstum(const Wachstumslage& lage)
{
    Panelmasse m = lage.Masse;
    const int n = lage.KartenProReihe < 1 ? 1 : lage.KartenProReihe;
    const int a = lage.AktiveGruppe == 1 ? 1 : 0;
    const int reihe = lage.KartenHoehe + 1;
    const int gesammelt = lage.GesammelteKarten[a];
    if (gesammelt < 1)
        return m;

    // The card placed last is the lower one: with an odd row length, or one card
    // per row, it can lie a row below the card placed first.
    const int obenLetzte = ((gesammelt - 1) / n) * reihe + lage.KopfHoehe;
    const int hoeheAktiv = a == 0 ? m.Hoehe0 : m.Hoehe1;
    const int fehlt = obenLetzte + lage.KartenHoehe + 1 - hoeheAktiv;
    if (fehlt <= 0)
        return m;
    const int zuwachs = ((fehlt + reihe - 1) / reihe) * reihe;

    const int bedarf0 = reihenFuer(lage.GesammelteKarten[0], n) * reihe + lage.KopfHoehe + 1;
    const int bedarf1 = reihenFuer(lage.GesammelteKarten[1], n) * reihe + lage.KopfHoehe + 1;

    if (a == 0 && m.Hoehe1 - zuwachs >= bedarf1) {
        m.Hoehe0 += zuwachs;
        m.Hoehe1 -= zuwachs;
        m.Oben1 += zuwachs;
        return m;
    }
    if (a == 1 && bedarf0 <= m.Hoehe0 - zuwachs) {
        m.Hoehe1 += zuwachs;
        m.Hoehe0 -= zuwachs;
        m.Oben1 -= zuwachs;
        return m;
    }

    const int d0 = bedarf0 - m.Hoehe0;
    m.Hoehe0 = bedarf0;
    const int d1 = bedarf1 - m.Hoehe1;
    m.Hoehe1 = bedarf1;
    m.Oben1 += d0;
    m.HoeheBekommene += d0 + d1;
    return m;
}
