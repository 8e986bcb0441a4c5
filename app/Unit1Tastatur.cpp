// Playing without a mouse: the focus on the board, on the large picture that
// stands in its place, and on the collected cards. A key only ever clicks a
// control that a mouse could click there.
#include "app/Unit1.h"

#include "board/Fokusrahmen.h"
#include "play/Paarablage.h"
#include "play/Zellenname.h"
#include "platform/Systemfarben.h"
#include "widgets/Ansagefeld.h"
#include "widgets/TBitBtn.h"
#include "widgets/TFokusrahmen.h"
#include "widgets/TImage.h"
#include "widgets/TPanel.h"
#include "widgets/Zellraster.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

namespace {
std::optional<Pfeil> pfeilVon(const QKeyEvent* taste)
{
    switch (taste->key()) {
    case Qt::Key_Left:
        return Pfeil::Links;
    case Qt::Key_Right:
        return Pfeil::Rechts;
    case Qt::Key_Up:
        return Pfeil::Hoch;
    case Qt::Key_Down:
        return Pfeil::Runter;
    default:
        return std::nullopt;
    }
}

bool istTab(const QKeyEvent* taste)
{
    return taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab;
}

bool istEnter(const QKeyEvent* taste)
{
    return taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
}

bool istEnterOderLeertaste(const QKeyEvent* taste)
{
    return istEnter(taste) || taste->key() == Qt::Key_Space;
}

// Enter or Space; a held key does not click again, as a held mouse button does not.
bool istAuswahl(const QKeyEvent* taste)
{
    return istEnterOderLeertaste(taste) && !taste->isAutoRepeat();
}
} // namespace

void TForm1::richteTastaturEin()
{
    const QColor farbe = bgrFarbe(Fokusrahmenfarbe);
    // Over the board, not in it: the board holds only its background and its rows.
    BrettRahmen = new TFokusrahmen(Client(), farbe);
    SammelRahmen = new TFokusrahmen(PBekommeneKarten, farbe);
    Ansage = new Ansagefeld(Client());
    PKarten->setAccessibleName(QStringLiteral("Spielfeld"));
    for (QWidget* w : {static_cast<QWidget*>(PKarten), static_cast<QWidget*>(Image2)}) {
        w->setFocusPolicy(Qt::ClickFocus);
        w->installEventFilter(this);
    }
    // Enter anywhere on the player selection presses its button.
    for (QWidget* w : std::initializer_list<QWidget*>{RadioButton1, RadioButton2, Edit1, Edit2, BitBtn1})
        w->installEventFilter(this);

    Zellraster r;
    r.Groesse = [this] {
        const Brettstand& b = Zug.brett();
        return b.spalten() > 0 ? QSize(b.spalten(), b.zeilen()) : QSize();
    };
    // The places where no card was dealt are no cells to a screen reader.
    r.Anzahl = [this] { return Zug.brett().karten(); };
    r.Name = [this](int zeile, int spalte) {
        const Zelle z{zeile, spalte};
        const Kartenlage lage = Zug.brett().lage(z);
        return zellenName(zellenKoordinate(zeile, spalte, Zug.brett().zeilen()), lage,
                          lage == Kartenlage::Aufgedeckt ? bildTextVon(z) : QString());
    };
    r.Beschreibung = [this](int zeile, int spalte) {
        // An empty place is only "gesammelt": where it is goes here.
        return karteAn({zeile, spalte}) ? QString() : zellenKoordinate(zeile, spalte, Zug.brett().zeilen());
    };
    r.Anklickbar = [this](int zeile, int spalte) { return karteAn({zeile, spalte}) != nullptr; };
    r.Rechteck = [this](int zeile, int spalte) {
        const Spieleinstellungen& e = Einstellungen;
        return QRect(zellPosition(zeile, spalte, e.KartenBreite, e.KartenHoehe, e.AbstandX, e.AbstandY),
                     QSize(e.KartenBreite, e.KartenHoehe));
    };
    r.Fokus = [this] { return QPoint(BrettFokus.Spalte, BrettFokus.Zeile); };
    r.Klicken = [this](int zeile, int spalte) {
        BrettFokus = {zeile, spalte};
        if (TImage* karte = karteAn(BrettFokus))
            karte->klicken();
    };
    meldeZellraster(PKarten, std::move(r));
}

TImage* TForm1::karteAn(Zelle z) const
{
    switch (Zug.brett().lage(z)) {
    case Kartenlage::Verdeckt:
        return KartenRuecken[z.Zeile][z.Spalte];
    case Kartenlage::Aufgedeckt:
        return KartenBilder[z.Zeile][z.Spalte];
    case Kartenlage::Gesammelt:
    case Kartenlage::Leer:
        break;
    }
    return nullptr;
}

std::optional<Sammelplatz> TForm1::sammelplatzVon(const QWidget* w) const
{
    const auto* karte = qobject_cast<const TImage*>(w);
    if (!karte || karte->Tag == 0)
        return std::nullopt;
    const Zelle z = zelleAusTag(karte->Tag);
    if (Zug.brett().lage(z) != Kartenlage::Gesammelt || KartenBilder[z.Zeile][z.Spalte] != karte)
        return std::nullopt;
    return Zug.brett().sammelplatz(z);
}

bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* taste = static_cast<QKeyEvent*>(e);
        if (tasteAufSpielerauswahl(watched, taste))
            return true;
        if (watched == PKarten)
            return tasteAufBrett(taste);
        if (watched == Image2)
            return tasteAufGrossbild(taste);
        if (auto* karte = qobject_cast<TImage*>(watched))
            return tasteAufSammelkarte(karte, taste);
        break;
    }
    case QEvent::FocusIn:
        if (watched == PKarten) {
            // After Qt has told the screen reader of the board itself.
            QMetaObject::invokeMethod(this, [this] { zellrasterFokusMelden(PKarten); }, Qt::QueuedConnection);
        } else if (const auto platz = sammelplatzVon(qobject_cast<QWidget*>(watched))) {
            sammelFokus_ = *platz;
        }
        zeigeFokusrahmen();
        break;
    case QEvent::FocusOut:
        zeigeFokusrahmen();
        break;
    default:
        break;
    }
    return Rollfenster::eventFilter(watched, e);
}

bool TForm1::tasteAufSpielerauswahl(QObject* watched, QKeyEvent* taste)
{
    if (!istEnter(taste) || taste->isAutoRepeat())
        return false;
    for (const QObject* w : std::initializer_list<const QObject*>{RadioButton1, RadioButton2, Edit1, Edit2, BitBtn1}) {
        if (watched == w) {
            BitBtn1->click();
            return true;
        }
    }
    return false;
}

void TForm1::merkeTastatur()
{
    if (tastaturBenutzt_)
        return;
    tastaturBenutzt_ = true;
    zeigeFokusrahmen();
}

bool TForm1::tasteAufBrett(QKeyEvent* taste)
{
    if (const auto pfeil = pfeilVon(taste)) {
        merkeTastatur();
        setzeBrettfokus(
            bewegeBrettfokus(BrettFokus, *pfeil, Zug.brett().zeilen(), Zug.brett().spalten(), Zug.brett().karten()));
        return true;
    }
    if (istTab(taste)) {
        merkeTastatur();
        wechsleBereich();
        return true;
    }
    if (istEnterOderLeertaste(taste)) {
        merkeTastatur();
        if (istAuswahl(taste))
            if (TImage* karte = karteAn(BrettFokus))
                karte->klicken();
        return true;
    }
    return false;
}

bool TForm1::tasteAufGrossbild(QKeyEvent* taste)
{
    if (istTab(taste)) {
        merkeTastatur();
        wechsleBereich();
        return true;
    }
    if (istEnterOderLeertaste(taste))
        merkeTastatur();
    // Space hears a card with a sound again; Enter goes on.
    if (istAuswahl(taste) && taste->key() == Qt::Key_Space && Zug.haelften().Links == LinkeHaelfte::BildLinks
        && spieleGrossbildton(Image2))
        return true;
    if (istAuswahl(taste) || (taste->key() == Qt::Key_Escape && !taste->isAutoRepeat())) {
        if (Zug.haelften().Links == LinkeHaelfte::BildLinks)
            Image2->klicken();
        return true;
    }
    return pfeilVon(taste).has_value();
}

bool TForm1::tasteAufSammelkarte(TImage* karte, QKeyEvent* taste)
{
    if (const auto pfeil = pfeilVon(taste)) {
        merkeTastatur();
        const int anzahl[2] = {int(Zug.brett().gesammelt(0).size()), int(Zug.brett().gesammelt(1).size())};
        if (anzahl[sammelFokus_.Gruppe] > sammelFokus_.Karte)
            fokussiereSammelkarte(bewegeSammelfokus(sammelFokus_, *pfeil, anzahl, KartenProReihe));
        return true;
    }
    if (istTab(taste)) {
        merkeTastatur();
        wechsleBereich();
        return true;
    }
    if (istAuswahl(taste)) {
        merkeTastatur();
        if (Zug.haelften().Rechts == RechteHaelfte::BekommeneKarten)
            karte->klicken();
        return true;
    }
    return false;
}

std::vector<TImage*> TForm1::gesammelteKarten(int gruppe) const
{
    std::vector<TImage*> karten;
    for (const Zelle z : Zug.brett().gesammelt(gruppe))
        karten.push_back(KartenBilder[z.Zeile][z.Spalte]);
    return karten;
}

void TForm1::wechsleBereich()
{
    auto* karte = qobject_cast<TImage*>(focusWidget());
    const bool aufSammelkarte = karte && karte != Image2;
    const Bildschirmhaelften h = Zug.haelften();
    if (aufSammelkarte) {
        if (h.Links == LinkeHaelfte::Karten)
            PKarten->setFocus(Qt::TabFocusReason);
        else
            Image2->setFocus(Qt::TabFocusReason);
        return;
    }
    if (h.Rechts != RechteHaelfte::BekommeneKarten)
        return;
    const int anzahl[2] = {int(Zug.brett().gesammelt(0).size()), int(Zug.brett().gesammelt(1).size())};
    Sammelplatz platz = sammelFokus_;
    if (platz.Karte >= anzahl[platz.Gruppe])
        platz = {anzahl[0] > 0 ? 0 : 1, 0};
    if (platz.Karte < anzahl[platz.Gruppe])
        fokussiereSammelkarte(platz);
}

void TForm1::fokussiereSammelkarte(Sammelplatz platz)
{
    const std::vector<TImage*> karten = gesammelteKarten(platz.Gruppe);
    if (platz.Karte < 0 || platz.Karte >= int(karten.size()))
        return;
    TImage* karte = karten[platz.Karte];
    sammelFokus_ = platz;
    karte->setFocus(Qt::TabFocusReason);
    ensureWidgetVisible(karte);
    zeigeFokusrahmen();
}

void TForm1::setzeBrettfokus(Zelle z)
{
    BrettFokus = z;
    zeigeFokusrahmen();
    zellrasterFokusMelden(PKarten);
}

void TForm1::zeigeFokusrahmen()
{
    if (!BrettRahmen)
        return;
    const QWidget* fokus = focusWidget();
    // Once every card is collected, nothing on the board is left to point at.
    if (tastaturBenutzt_ && fokus == PKarten && Zug.haelften().Links == LinkeHaelfte::Karten
        && Zug.brett().spalten() > 0 && !Zug.spielZuEnde()) {
        const Spieleinstellungen& e = Einstellungen;
        const QRect karte(zellPosition(BrettFokus.Zeile, BrettFokus.Spalte, e.KartenBreite, e.KartenHoehe,
                                       e.AbstandX, e.AbstandY),
                          QSize(e.KartenBreite, e.KartenHoehe));
        const Fokusrahmen r = fokusrahmen(karte, e.AbstandX, e.AbstandY);
        BrettRahmen->umrahme(r.Aussen.translated(PKarten->pos()), r.DickeX, r.DickeY);
        BrettRahmen->show();
    } else {
        BrettRahmen->hide();
    }
    const std::optional<Sammelplatz> platz = tastaturBenutzt_ ? sammelplatzVon(fokus) : std::nullopt;
    if (platz) {
        TPanel* panel = GruppenPanels[platz->Gruppe];
        if (SammelRahmen->parentWidget() != panel)
            SammelRahmen->setParent(panel);
        // Collected cards lie one pixel apart: the frame reaches over the neighbours' edges.
        const QRect karte(kartenPlatz(platz->Karte, ablageraster()),
                          QSize(Einstellungen.KartenBreite, Einstellungen.KartenHoehe));
        const Fokusrahmen r = fokusrahmen(karte, 1, 1);
        SammelRahmen->umrahme(r.Aussen, r.DickeX, r.DickeY);
        SammelRahmen->show();
    } else {
        SammelRahmen->hide();
    }
}

void TForm1::nachZug(const Zugschritte& schritte, std::optional<Zelle> feld)
{
    if (feld)
        BrettFokus = *feld;
    // The keys go on where the eyes are: the board, or the large picture in its place.
    if (Zug.haelften().Links == LinkeHaelfte::Karten)
        PKarten->setFocus(Qt::OtherFocusReason);
    else
        Image2->setFocus(Qt::OtherFocusReason);
    aktualisiereZugang(schritte);
    zeigeFokusrahmen();
    zellrasterFokusMelden(PKarten);
}

void TForm1::spielBeginntFuerTastatur()
{
    BrettFokus = {0, 0};
    benenneGruppenpanels();
    zellrasterAktualisieren(PKarten);
    if (Zug.anzahlGruppen() >= 2)
        Ansage->ansagen(anDerReiheAnsage(gruppenName(Zug.aktiveGruppe())));
    PKarten->setFocus(Qt::OtherFocusReason);
    zeigeFokusrahmen();
}
