// Playing without a mouse: the focus on the board, on the large picture that
// stands in its place, and on the collected cards. A key only ever clicks a
// control that a mouse could click there.
#include "app/Unit1.h"

#include "board/Fokusrahmen.h"
#include "widgets/Ansagefeld.h"
#include "platform/Systemfarben.h"
#include "widgets/TFokusrahmen.h"
#include "widgets/TImage.h"
#include "widgets/TPanel.h"
#include "widgets/Zellraster.h"
#include "play/Zellenname.h"

#include <QKeyEvent>
#include <algorithm>
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

// Enter or Space; a held key does not click again, as a held mouse button does not.
bool istAuswahl(const QKeyEvent* taste)
{
    const int k = taste->key();
    return (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) && !taste->isAutoRepeat();
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

    Zellraster r;
    r.Groesse = [this] {
        return KartenRuecken[0][0] ? QSize(Einstellungen.Spalten, Einstellungen.Zeilen) : QSize();
    };
    r.Name = [this](int zeile, int spalte) {
        const Zelle z{zeile, spalte};
        const QString koordinate = zellenKoordinate(zeile, spalte, Einstellungen.Zeilen);
        const TImage* karte = karteAn(z);
        if (!karte)
            return zellenName(koordinate, Kartenlage::Gesammelt, {});
        if (karte == KartenRuecken[zeile][spalte])
            return zellenName(koordinate, Kartenlage::Verdeckt, {});
        return zellenName(koordinate, Kartenlage::Aufgedeckt, bildnameVon(z));
    };
    r.Beschreibung = [this](int zeile, int spalte) {
        // An empty place is only "gesammelt": where it is goes here.
        return karteAn({zeile, spalte}) ? QString() : zellenKoordinate(zeile, spalte, Einstellungen.Zeilen);
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
    TImage::setzeKlickbeobachter([this](TImage* geklickt) { nachKlick(geklickt); });
}

TImage* TForm1::karteAn(Zelle z) const
{
    TImage* bild = KartenBilder[z.Zeile][z.Spalte];
    TImage* ruecken = KartenRuecken[z.Zeile][z.Spalte];
    if (!bild || !ruecken)
        return nullptr;
    // The picture lies above the back: when both show, a click hits the picture.
    if (!bild->isHidden() && bild->parentWidget() == ruecken->parentWidget())
        return bild;
    return ruecken->isHidden() ? nullptr : ruecken;
}

bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* taste = static_cast<QKeyEvent*>(e);
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
        } else if (auto* karte = qobject_cast<TImage*>(watched); karte && karte != Image2) {
            for (int g = 0; g < 2; ++g) {
                const std::vector<TImage*> karten = gesammelteKarten(g);
                const auto it = std::find(karten.begin(), karten.end(), karte);
                if (it != karten.end())
                    sammelFokus_ = {g, int(it - karten.begin())};
            }
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

bool TForm1::tasteAufBrett(QKeyEvent* taste)
{
    if (const auto pfeil = pfeilVon(taste)) {
        setzeBrettfokus(bewegeBrettfokus(BrettFokus, *pfeil, Einstellungen.Zeilen, Einstellungen.Spalten));
        return true;
    }
    if (istTab(taste)) {
        wechsleBereich();
        return true;
    }
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter || taste->key() == Qt::Key_Space) {
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
        wechsleBereich();
        return true;
    }
    if (istAuswahl(taste) || (taste->key() == Qt::Key_Escape && !taste->isAutoRepeat())) {
        if (Image2->isVisible())
            Image2->klicken();
        return true;
    }
    return pfeilVon(taste).has_value();
}

bool TForm1::tasteAufSammelkarte(TImage* karte, QKeyEvent* taste)
{
    if (const auto pfeil = pfeilVon(taste)) {
        const int anzahl[2] = {int(gesammelteKarten(0).size()), int(gesammelteKarten(1).size())};
        if (anzahl[sammelFokus_.Gruppe] > sammelFokus_.Karte)
            fokussiereSammelkarte(bewegeSammelfokus(sammelFokus_, *pfeil, anzahl, KartenProReihe));
        return true;
    }
    if (istTab(taste)) {
        wechsleBereich();
        return true;
    }
    if (istAuswahl(taste)) {
        if (karte->isVisible())
            karte->klicken();
        return true;
    }
    return false;
}

std::vector<TImage*> TForm1::gesammelteKarten(int gruppe) const
{
    std::vector<TImage*> karten;
    if (!GruppenPanels[gruppe])
        return karten;
    for (TImage* karte : GruppenPanels[gruppe]->findChildren<TImage*>(Qt::FindDirectChildrenOnly))
        karten.push_back(karte);
    // In the order they were laid down: row by row.
    std::sort(karten.begin(), karten.end(), [](const TImage* a, const TImage* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return karten;
}

void TForm1::wechsleBereich()
{
    auto* karte = qobject_cast<TImage*>(focusWidget());
    const bool aufSammelkarte = karte && karte != Image2;
    if (aufSammelkarte) {
        if (PKarten->isVisible())
            PKarten->setFocus(Qt::TabFocusReason);
        else if (PBildLinks->isVisible())
            Image2->setFocus(Qt::TabFocusReason);
        return;
    }
    if (!PBekommeneKarten->isVisible())
        return;
    const int anzahl[2] = {int(gesammelteKarten(0).size()), int(gesammelteKarten(1).size())};
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
    if (fokus == PKarten && PKarten->isVisible() && KartenRuecken[0][0]) {
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
    auto* karte = qobject_cast<const TImage*>(fokus);
    QWidget* panel = karte ? karte->parentWidget() : nullptr;
    if (karte && karte != Image2 && (panel == GruppenPanels[0] || panel == GruppenPanels[1])) {
        if (SammelRahmen->parentWidget() != panel)
            SammelRahmen->setParent(panel);
        // Collected cards lie one pixel apart: the frame reaches over the neighbours' edges.
        const Fokusrahmen r = fokusrahmen(karte->geometry(), 1, 1);
        SammelRahmen->umrahme(r.Aussen, r.DickeX, r.DickeY);
        SammelRahmen->show();
    } else {
        SammelRahmen->hide();
    }
}

bool TForm1::istBrettzelle(const TImage* bild, Zelle& z) const
{
    if (bild->Tag == 0)
        return false;
    z = zelleAusTag(bild->Tag);
    if (z.Zeile >= Einstellungen.Zeilen || z.Spalte >= Einstellungen.Spalten)
        return false;
    const TImage* ruecken = KartenRuecken[z.Zeile][z.Spalte];
    return ruecken && (bild == ruecken || bild == KartenBilder[z.Zeile][z.Spalte])
           && bild->parentWidget() == ruecken->parentWidget();
}

void TForm1::nachKlick(TImage* geklickt)
{
    if (!aufgebaut_)
        return;
    Zelle z;
    if (istBrettzelle(geklickt, z))
        BrettFokus = z;
    // The keys go on where the eyes are: the board, or the large picture in its place.
    if (PKarten->isVisible())
        PKarten->setFocus(Qt::OtherFocusReason);
    else if (PBildLinks->isVisible())
        Image2->setFocus(Qt::OtherFocusReason);
    aktualisiereZugang();
    zeigeFokusrahmen();
    zellrasterFokusMelden(PKarten);
}

void TForm1::spielBeginntFuerTastatur()
{
    BrettFokus = {0, 0};
    letzterStand_ = ansagestand();
    aktualisiereZugang();
    if (Zug.anzahlGruppen() >= 2)
        Ansage->ansagen(anDerReiheAnsage(gruppenName(Zug.aktiveGruppe())));
    PKarten->setFocus(Qt::OtherFocusReason);
    zeigeFokusrahmen();
}
