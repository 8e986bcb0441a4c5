// The handlers of play: turning cards, pairs, covering, looking at collected cards.
#include "app/Unit1.h"

#include "board/Zellcode.h"
#include "play/Drehung.h"
#include "play/Gruppentexte.h"
#include "play/KartenProReihe.h"
#include "play/Paarablage.h"
#include "play/Panelwachstum.h"
#include "platform/BildHalter.h"
#include "platform/Meldungen.h"
#include "platform/TImage.h"
#include "platform/TLabel.h"
#include "platform/TPanel.h"

namespace {
// A control cannot be narrower than nothing: the last narrowing step may ask
// for less, and the card then sits at its cell's centre with width zero.
void setzeBreiteUndLinks(TImage* bild, int x, int w, int breite)
{
    const int sichtbar = qMax(breite, 0);
    bild->setGeometry(drehLinks(x, w, sichtbar), bild->y(), sichtbar, bild->height());
}
} // namespace

void TForm1::zeigeGrossbild(TImage* ziel, int zeile, int spalte)
{
    ziel->setPicture(GrossBilder[zeile][spalte]->Picture());
}

void TForm1::IKarteClick(TImage* sender)
{
    AnDerReiheLabel->hide();
    if (Zug.AufgedeckteKarten == 2) {
        Zudecken();
        Zug.AufgedeckteKarten = 0;
        return;
    }
    const int w = sender->width();
    const int x = sender->x();
    halbeDrehung(uhr_, Einstellungen.HalbeDrehZeit, w, Drehrichtung::Schmaler, [&](int breite) {
        setzeBreiteUndLinks(sender, x, w, breite);
        sofortNeuZeichnen();
    });
    sender->hide();
    if (sender->Tag == 0) {
        meldungen_.hinweis(QStringLiteral("Tag ist Null!"));
        return;
    }
    const Zelle z = zelleAusTag(sender->Tag);
    Zug.karteMerken(z.Zeile, z.Spalte);

    TImage* bild = KartenBilder[z.Zeile][z.Spalte];
    bild->show();
    halbeDrehung(uhr_, Einstellungen.HalbeDrehZeit, w, Drehrichtung::Breiter, [&](int breite) {
        setzeBreiteUndLinks(bild, x, w, breite);
        sofortNeuZeichnen();
    });
    bild->setGeometry(x, bild->y(), Einstellungen.KartenBreite, bild->height());

    if (Zug.AufgedeckteKarten != 1)
        zeigeGrossbild(Image1, z.Zeile, z.Spalte);
    PBekommeneKarten->hide();
    PBildRechts->show();

    ++Zug.AufgedeckteKarten;
    if (Zug.AufgedeckteKarten != 2)
        return;
    if (Zug.AnzahlGruppen == 1)
        ZuegeLabel->setText(zuegeText(Stand.zugZaehlen()));
    const bool paar = Zug.istPaar([this](int zeile, int spalte) { return PaarNummern[zeile][spalte]; });
    if (!paar) {
        zeigeGrossbild(Image1, z.Zeile, z.Spalte);
        return;
    }
    zeigeGrossbild(Image2, z.Zeile, z.Spalte);
    PBildLinks->show();
    PKarten->hide();
    Zug.AufgedeckteKarten = 3;
    sammlePaarEin();
}

void TForm1::sammlePaarEin()
{
    const int a = Zug.AktiveGruppe;
    TPanel* panel = GruppenPanels[a];
    std::array<TImage*, 2> karten{};
    for (int i = 0; i < 2; ++i) {
        karten[i] = KartenBilder[Zug.GewaehlteZeile[i]][Zug.GewaehlteSpalte[i]];
        karten[i]->setParent(panel);
        karten[i]->show();
    }
    for (TImage* karte : karten)
        karte->OnClick = [this](TImage* sender) { IBildErgebnisClick(sender); };
    if (karten[0]->Tag == karten[1]->Tag)
        meldungen_.hinweis(QStringLiteral("Fehler: Beide Bilder haben gleichen Tag."));

    const Ablageraster raster{KartenProReihe, Einstellungen.KartenBreite, Einstellungen.KartenHoehe, LinkerRand,
                              KopfHoehe};
    for (const int eintrag : ablageReihenfolge(karten[0]->Tag))
        karten[eintrag]->move(kartenPlatz(Stand.karteAblegen(a), raster));
    PunkteLabel[a]->setText(punkteText(Stand.paarWerten(a)));

    if (Zug.AnzahlGruppen > 1) {
        Wachstumslage lage;
        lage.Masse = {GruppenPanels[0]->height(), GruppenPanels[1]->y(), GruppenPanels[1]->height(),
                      PBekommeneKarten->height()};
        lage.GesammelteKarten = Stand.GesammelteKarten;
        lage.KartenProReihe = KartenProReihe;
        lage.KartenHoehe = Einstellungen.KartenHoehe;
        lage.KopfHoehe = KopfHoehe;
        lage.AktiveGruppe = a;
        const Panelmasse m = panelWachstum(lage);
        GruppenPanels[0]->resize(GruppenPanels[0]->width(), m.Hoehe0);
        GruppenPanels[1]->setGeometry(GruppenPanels[1]->x(), m.Oben1, GruppenPanels[1]->width(), m.Hoehe1);
        PBekommeneKarten->resize(PBekommeneKarten->width(), m.HoeheBekommene);
    }
    if (Stand.spielZuEnde(Einstellungen.Spalten, Einstellungen.Zeilen))
        faerbeGruppe(a, false);
}

void TForm1::Zudecken()
{
    if (Zug.AufgedeckteKarten != 2)
        meldungen_.hinweis(QStringLiteral("Fehler"));
    TImage* p0 = KartenBilder[Zug.GewaehlteZeile[0]][Zug.GewaehlteSpalte[0]];
    TImage* p1 = KartenBilder[Zug.GewaehlteZeile[1]][Zug.GewaehlteSpalte[1]];
    TImage* c0 = KartenRuecken[Zug.GewaehlteZeile[0]][Zug.GewaehlteSpalte[0]];
    TImage* c1 = KartenRuecken[Zug.GewaehlteZeile[1]][Zug.GewaehlteSpalte[1]];
    const int x0 = p0->x();
    const int x1 = p1->x();
    const int w = p0->width();
    const int kb = Einstellungen.KartenBreite;

    halbeDrehung(uhr_, Einstellungen.HalbeDrehZeit, w, Drehrichtung::Schmaler, [&](int breite) {
        // The second card always takes the first one's width.
        setzeBreiteUndLinks(p0, x0, w, breite);
        setzeBreiteUndLinks(p1, x1, w, p0->width());
        sofortNeuZeichnen();
    });
    p0->hide();
    p1->hide();
    c0->move(x0 + kb / 2, c0->y());
    c1->move(x1 + kb / 2, c1->y());
    c0->show();
    c1->show();
    halbeDrehung(uhr_, Einstellungen.HalbeDrehZeit, w, Drehrichtung::Breiter, [&](int breite) {
        setzeBreiteUndLinks(c0, x0, w, breite);
        setzeBreiteUndLinks(c1, x1, w, c0->width());
        sofortNeuZeichnen();
    });
    c0->setGeometry(x0, c0->y(), kb, c0->height());
    c1->setGeometry(x1, c1->y(), kb, c1->height());

    PBekommeneKarten->show();
    PBildRechts->hide();
    Zug.AufgedeckteKarten = 0;
    faerbeGruppe(Zug.AktiveGruppe, false);
    if (Zug.AnzahlGruppen >= 2) {
        Zug.gruppeWeitergeben();
        faerbeGruppe(Zug.AktiveGruppe, true);
    }
}

void TForm1::IBildClick(TImage*)
{
    if (Zug.AufgedeckteKarten == 2)
        Zudecken();
    else
        meldungen_.hinweis(QStringLiteral("Bitte eine weitere Karte auswählen."));
}

void TForm1::Image1Click(TImage*)
{
    PBildLinks->hide();
    if (Zug.ErgebnisAnzeige) {
        PKarten->show();
        Zug.ErgebnisAnzeige = false;
        return;
    }
    if (Zug.AufgedeckteKarten == 3) {
        PKarten->show();
        PBekommeneKarten->show();
        PBildRechts->hide();
        Zug.AufgedeckteKarten = 0;
    }
    if (Zug.AufgedeckteKarten == 2)
        Zudecken();
}

void TForm1::IBildErgebnisClick(TImage* sender)
{
    PKarten->hide();
    PBildLinks->show();
    const Zelle z = zelleAusTag(sender->Tag);
    zeigeGrossbild(Image2, z.Zeile, z.Spalte);
    Zug.ErgebnisAnzeige = true;
}
