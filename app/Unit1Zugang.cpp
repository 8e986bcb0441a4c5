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

const TForm1::Zellkarte& TForm1::zellkarte(Zelle z) const
{
    static const Zellkarte keine;
    const std::size_t i = std::size_t(z.Zeile) * std::size_t(Zug.brett().spalten()) + std::size_t(z.Spalte);
    return i < zellkarten_.size() ? zellkarten_[i] : keine;
}

QString TForm1::bildTextVon(Zelle z) const { return bildText(bildnameVon(z), zellkarte(z).Beschreibung); }

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
    s.Ende = Zug.spielZuEnde();
    return s;
}

void TForm1::benenneGruppenpanels()
{
    // The highlight goes out with the last pair: then it is nobody's turn.
    const bool zweiGruppen = Zug.anzahlGruppen() >= 2;
    for (int g = 0; g < 2; ++g)
        if (GruppenPanels[g])
            GruppenPanels[g]->setAccessibleName(gruppenpanelName(
                gruppenName(g), Zug.stand().Punkte[g], zweiGruppen && g == Zug.aktiveGruppe() && !Zug.spielZuEnde(),
                !zweiGruppen && g == 0 ? Zug.stand().Spielzuege : 0));
}

void TForm1::aktualisiereZugang(const Zugschritte& schritte)
{
    benenneGruppenpanels();
    const QString text = ansageZuSchritten(schritte, ansagestand(), {gruppenName(0), gruppenName(1)},
                                           [this](Zelle z) { return bildTextVon(z); });
    if (!text.isEmpty())
        Ansage->ansagen(text);
    zellrasterAktualisieren(PKarten);
}
