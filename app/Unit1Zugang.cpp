// What a screen reader learns of the game: names of the collected cards and of
// the group panels, and the announcements after a click.
#include "app/Unit1.h"

#include "widgets/Ansagefeld.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "widgets/Zellraster.h"
#include "play/Zellenname.h"

QString TForm1::bildnameVon(Zelle z) const
{
    const int paar = PaarNummern[z.Zeile][z.Spalte];
    const TImage* bild = KartenBilder[z.Zeile][z.Spalte];
    return paar >= 1 && bild ? bildname(paar, bild->Tag < 0) : QString();
}

QString TForm1::gruppenName(int gruppe) const
{
    return Gruppennamen[gruppe];
}

Ansagestand TForm1::ansagestand() const
{
    Ansagestand s;
    s.AktiveGruppe = Zug.aktiveGruppe();
    s.AnzahlGruppen = Zug.anzahlGruppen();
    s.Punkte = Zug.stand().Punkte;
    s.Spielzuege = Zug.stand().Spielzuege;
    s.Ende = Zug.stand().spielZuEnde(Einstellungen.Spalten, Einstellungen.Zeilen);
    return s;
}

void TForm1::aktualisiereZugang()
{
    const std::array<Zelle, 2> zug{Zug.gewaehlt(0), Zug.gewaehlt(1)};
    for (const Zelle z : zug) {
        TImage* bild = KartenBilder[z.Zeile][z.Spalte];
        const QWidget* panel = bild ? bild->parentWidget() : nullptr;
        if (!panel || (panel != GruppenPanels[0] && panel != GruppenPanels[1]) || bild->focusPolicy() != Qt::NoFocus)
            continue;
        // A collected card: reachable by Tab and arrows, named as it is seen.
        bild->setFocusPolicy(Qt::ClickFocus);
        bild->installEventFilter(this);
        bild->setAccessibleName(zellenName({}, Kartenlage::Gesammelt, {}));
        bild->setAccessibleDescription(bildText(bildnameVon(z)));
    }
    for (int g = 0; g < 2; ++g)
        if (GruppenPanels[g])
            GruppenPanels[g]->setAccessibleName(gruppenpanelName(gruppenName(g), Zug.stand().Punkte[g],
                                                                 Zug.anzahlGruppen() >= 2 && GruppenPanels[g]->farbe().has_value(),
                                                                 Zug.anzahlGruppen() < 2 && g == 0 ? Zug.stand().Spielzuege : 0));

    const Ansagestand jetzt = ansagestand();
    GefundenesPaar paar{bildnameVon(zug[0]), bildnameVon(zug[1])};
    if (KartenBilder[zug[0].Zeile][zug[0].Spalte] && KartenBilder[zug[0].Zeile][zug[0].Spalte]->Tag < 0)
        std::swap(paar.BildA, paar.BildB);
    const QString text = ansageNachKlick(letzterStand_, jetzt, {gruppenName(0), gruppenName(1)}, paar);
    letzterStand_ = jetzt;
    if (!text.isEmpty())
        Ansage->ansagen(text);
    zellrasterAktualisieren(PKarten);
}
