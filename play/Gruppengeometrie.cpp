#include "play/Gruppengeometrie.h"

#include "play/KartenProReihe.h"

#include <cstdint>

namespace {

// Label height of the header strip and of the move counter.
constexpr int ZeilenHoehe = 29;

// Pixels kept free between a group's name and its points.
constexpr int NamensAbstand = 12;

} // namespace

Gruppengeometrie gruppengeometrie(int ClientWidth, int ClientHeight, int Spalten, int Zeilen,
                                  int KartenBreite, int KartenHoehe)
{
    Gruppengeometrie g;

    const int hoehe = ClientHeight - 4;
    const int oben = (ClientHeight - hoehe) / 2;

    Reihenvorgaben v;
    v.Spalten = Spalten;
    v.Zeilen = Zeilen;
    v.KartenBreite = KartenBreite;
    v.KartenHoehe = KartenHoehe;
    v.ClientWidth = ClientWidth;
    v.HoeheBekommene = hoehe;
    g.KartenProReihe = kartenProReihe(v);

    const std::int64_t reihenBreite = (std::int64_t{KartenBreite} + 1) * g.KartenProReihe;
    int breite = static_cast<int>(reihenBreite + 23);
    if (ClientWidth / 4 > breite)
        breite = ClientWidth / 4;
    const int links = (ClientWidth + ClientWidth / 2 - breite) / 2;
    g.BekommeneKarten = QRect(links, oben, breite, hoehe);

    const int panelBreite = breite - 4;
    const int panelHoehe = (hoehe - 6) / 2;
    g.GruppenPanels[0] = QRect(2, 2, panelBreite, panelHoehe);
    g.GruppenPanels[1] = QRect(2, 2 + panelHoehe + 2, panelBreite, panelHoehe);

    g.KopfLabel = QRect(10, 4, panelBreite - 20, ZeilenHoehe);
    g.LinkerRand = static_cast<int>((panelBreite - 2 - reihenBreite) / 2 + 2);
    g.ZuegeLabel = QRect(2, 0, panelBreite - 4, ZeilenHoehe);
    return g;
}

QRect anDerReiheLabel(int panelHoehe, int panel0Breite)
{
    return QRect(2, (panelHoehe - 33) / 2 - 19, panel0Breite - 4, 100);
}

Einzelspieleraufbau einzelspielerAufbau(int hoeheBekommene, const QRect& panel0, const QRect& zuegeLabel)
{
    Einzelspieleraufbau a;
    a.Panel0 = QRect(panel0.left(), panel0.top(), panel0.width(), hoeheBekommene - 4);
    a.ZuegeLabel = QRect(zuegeLabel.left(), a.Panel0.height() - 33, zuegeLabel.width(), zuegeLabel.height());
    return a;
}

int freieNamensbreite(int streifenBreite, int punkteBreite)
{
    return qMax(streifenBreite - punkteBreite - NamensAbstand, 0);
}
