// The handlers of play: each hands its click to the move rules and carries out
// the steps they answer with.
#include "app/Unit1.h"

#include "board/Zellcode.h"
#include "play/Drehung.h"
#include "play/Gruppentexte.h"
#include "play/KartenProReihe.h"
#include "play/Paarablage.h"
#include "play/Zellenname.h"
#include "play/Panelwachstum.h"
#include "platform/BildHalter.h"
#include "platform/Meldungen.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"

namespace {
// A control cannot be narrower than nothing: the last narrowing step may ask
// for less, and the card then sits at its cell's centre with width zero.
void setzeBreiteUndLinks(TImage* bild, int x, int w, int breite)
{
    const int sichtbar = qMax(breite, 0);
    bild->setGeometry(drehLinks(x, w, sichtbar), bild->y(), sichtbar, bild->height());
}

template <class... F>
struct Faelle : F... {
    using F::operator()...;
};
} // namespace

void TForm1::IKarteClick(TImage* sender)
{
    const Kartenauskunft karten{[this](Zelle z) { return PaarNummern[z.Zeile][z.Spalte]; },
                                [this](Zelle z) { return KartenBilder[z.Zeile][z.Spalte]->Tag; }};
    spiele(Zug.rueckseiteGeklickt(sender->Tag, karten), sender, true);
}

void TForm1::IBildClick(TImage* sender)
{
    spiele(Zug.offeneKarteGeklickt(), sender, true);
}

void TForm1::Image1Click(TImage* sender)
{
    const Zugschritte schritte = Zug.grossbildGeklickt();
    // A click that moves the game nowhere hears the card shown again.
    if (schritte.empty())
        spieleGrossbildton(sender);
    spiele(schritte, sender, false);
}

void TForm1::IBildErgebnisClick(TImage* sender)
{
    spiele(Zug.gesammelteKarteGeklickt(sender->Tag), sender, false);
}

void TForm1::spiele(const Zugschritte& schritte, TImage* geklickt, bool aufBrett)
{
    const int tag = geklickt->Tag;
    fuehreAus(schritte, geklickt);
    lieseVor(schritte);
    std::optional<Zelle> feld;
    if (aufBrett && tag != 0)
        feld = zelleAusTag(tag);
    nachZug(schritte, feld);
}

Ablageraster TForm1::ablageraster() const
{
    return {KartenProReihe, Einstellungen.KartenBreite, Einstellungen.KartenHoehe, LinkerRand, KopfHoehe};
}

void TForm1::zeigeHaelften(Bildschirmhaelften h)
{
    PKarten->setVisible(h.Links == LinkeHaelfte::Karten);
    PBildLinks->setVisible(h.Links == LinkeHaelfte::BildLinks);
    PBekommeneKarten->setVisible(h.Rechts == RechteHaelfte::BekommeneKarten);
    PBildRechts->setVisible(h.Rechts == RechteHaelfte::BildRechts);
    zeigeSpielendeBeiBrett(h);
}

void TForm1::fuehreAus(const Zugschritte& schritte, TImage* geklickt)
{
    // The turn's second half widens the picture at the back's place as it was at the click.
    const int x = geklickt->x();
    const int w = geklickt->width();
    spieleKartentoeneZu(schritte);
    for (const Zugschritt& schritt : schritte) {
        spieleKlangZu(schritt);
        std::visit(
            Faelle{
                [&](const Schritt::HinweisVerbergen&) { AnDerReiheLabel->hide(); },
                [&](const Schritt::RueckseiteDrehen&) {
                    halbeDrehung(uhr_, Einstellungen.HalbeDrehZeit, w, Drehrichtung::Schmaler, [&](int breite) {
                        setzeBreiteUndLinks(geklickt, x, w, breite);
                        sofortNeuZeichnen();
                    });
                    geklickt->hide();
                },
                [&](const Schritt::BildDrehen& s) {
                    TImage* bild = KartenBilder[s.Zelle.Zeile][s.Zelle.Spalte];
                    bild->show();
                    halbeDrehung(uhr_, Einstellungen.HalbeDrehZeit, w, Drehrichtung::Breiter, [&](int breite) {
                        setzeBreiteUndLinks(bild, x, w, breite);
                        sofortNeuZeichnen();
                    });
                    zeigeZelle(s.Zelle, Kartenlage::Aufgedeckt);
                },
                [&](const Schritt::Grossbild& s) {
                    TImage* ziel = s.Seite == Schritt::Grossbildseite::Rechts ? Image1 : Image2;
                    ziel->setzeBild(GrossBilder[s.Zelle.Zeile][s.Zelle.Spalte]->bild());
                    ziel->setAccessibleName(bildTextVon(s.Zelle));
                    ziel->setAccessibleDescription(tonTextVon(s.Zelle));
                    grossbildZellen_[s.Seite == Schritt::Grossbildseite::Rechts ? 0 : 1] = s.Zelle;
                },
                [&](const Schritt::Haelften& s) { zeigeHaelften(s.Zeigen); },
                [&](const Schritt::Meldung& s) { meldungen_.hinweis(s.Text); },
                [&](const Schritt::Zudecken& s) { Zudecken(s.Erste, s.Zweite); },
                [&](const Schritt::ZuegeZeigen& s) { ZuegeLabel->setText(zuegeText(s.Zuege)); },
                [&](const Schritt::PaarNehmen& s) {
                    for (const Zelle z : {s.Erste, s.Zweite})
                        zeigeZelle(z, Kartenlage::Gesammelt, s.Gruppe);
                },
                [&](const Schritt::KarteAblegen& s) {
                    KartenBilder[s.Zelle.Zeile][s.Zelle.Spalte]->move(kartenPlatz(s.Nummer, ablageraster()));
                    // Cards that run down to the panel's foot never hide the move counter.
                    ZuegeLabel->raise();
                },
                [&](const Schritt::PunkteZeigen& s) { setzePunkte(s.Gruppe, s.Punkte); },
                [&](const Schritt::PanelsWachsen& s) { lassePanelsWachsen(s.Gruppe, s.GesammelteKarten); },
                [&](const Schritt::Markieren& s) { faerbeGruppe(s.Gruppe, s.Markiert); },
                [&](const Schritt::KeinPaar&) {},
                [&](const Schritt::Spielende&) { zeigeSpielende(); },
            },
            schritt);
    }
}

void TForm1::lassePanelsWachsen(int gruppe, const std::array<int, 2>& gesammelteKarten)
{
    Wachstumslage lage;
    lage.Masse = {GruppenPanels[0]->height(), GruppenPanels[1]->y(), GruppenPanels[1]->height(),
                  PBekommeneKarten->height()};
    lage.GesammelteKarten = gesammelteKarten;
    lage.KartenProReihe = KartenProReihe;
    lage.KartenHoehe = Einstellungen.KartenHoehe;
    lage.KopfHoehe = KopfHoehe;
    lage.AktiveGruppe = gruppe;
    const Panelmasse m = panelWachstum(lage);
    GruppenPanels[0]->resize(GruppenPanels[0]->width(), m.Hoehe0);
    GruppenPanels[1]->setGeometry(GruppenPanels[1]->x(), m.Oben1, GruppenPanels[1]->width(), m.Hoehe1);
    PBekommeneKarten->resize(PBekommeneKarten->width(), m.HoeheBekommene);
}

void TForm1::Zudecken(Zelle erste, Zelle zweite)
{
    TImage* p0 = KartenBilder[erste.Zeile][erste.Spalte];
    TImage* p1 = KartenBilder[zweite.Zeile][zweite.Spalte];
    TImage* c0 = KartenRuecken[erste.Zeile][erste.Spalte];
    TImage* c1 = KartenRuecken[zweite.Zeile][zweite.Spalte];
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
    zeigeZelle(erste, Kartenlage::Verdeckt);
    zeigeZelle(zweite, Kartenlage::Verdeckt);
}

void TForm1::zeigeZelle(Zelle z, Kartenlage lage, int gruppe)
{
    TImage* bild = KartenBilder[z.Zeile][z.Spalte];
    TImage* ruecken = KartenRuecken[z.Zeile][z.Spalte];
    if (lage == Kartenlage::Gesammelt) {
        bild->setParent(GruppenPanels[gruppe & 1]);
        bild->show();
        bild->OnClick = [this](TImage* t) { IBildErgebnisClick(t); };
        // Reachable by Tab and arrows, named as it is seen.
        bild->setFocusPolicy(Qt::ClickFocus);
        bild->installEventFilter(this);
        bild->setAccessibleName(zellenName({}, Kartenlage::Gesammelt, {}));
        bild->setAccessibleDescription(bildTextVon(z));
        return;
    }
    const Spieleinstellungen& e = Einstellungen;
    const QRect platz(zellPosition(z.Zeile, z.Spalte, e.KartenBreite, e.KartenHoehe, e.AbstandX, e.AbstandY).x(), 0,
                      e.KartenBreite, e.KartenHoehe);
    if (bild->parentWidget() != ruecken->parentWidget()) {
        // A collected card comes home: a card on the board again.
        bild->setParent(ruecken->parentWidget());
        bild->removeEventFilter(this);
        bild->setFocusPolicy(Qt::NoFocus);
        bild->setAccessibleName(QString());
        bild->setAccessibleDescription(QString());
        bild->OnClick = [this](TImage* sender) { IBildClick(sender); };
        bild->setGeometry(platz);
    }
    TImage* gezeigt = lage == Kartenlage::Aufgedeckt ? bild : lage == Kartenlage::Verdeckt ? ruecken : nullptr;
    // The face not shown keeps its size: a turn starts it from there.
    for (TImage* seite : {bild, ruecken}) {
        if (seite == gezeigt)
            seite->setGeometry(platz);
        seite->setVisible(seite == gezeigt);
    }
}
