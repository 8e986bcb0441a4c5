// The end of a game and the next one: the result over the empty board, the
// single player's best result, and "Nochmal spielen" with a new deal of the
// pictures already rendered.
#include "app/Unit1.h"

#include "app/Knopfbild.h"
#include "board/Neuverteilung.h"
#include "play/Spielende.h"
#include "platform/BildHalter.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "platform/Systemfarben.h"
#include "widgets/Ansagefeld.h"
#include "widgets/TBitBtn.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "widgets/Textstil.h"

#include <algorithm>

void TForm1::erzeugeSpielende()
{
    // Beside the board, not in it: the board shows a screen reader only its cells.
    PSpielende = new TPanel(Client());
    PSpielende->KanteAussen = TPanel::Kante::Erhaben;
    PSpielende->setAccessibleName(QStringLiteral("Spielende"));
    PSpielende->hide();

    ErgebnisLabel = new TLabel(QString(), PSpielende);
    ErgebnisLabel->setzeSchrift(QStringLiteral("Arial"), 24, true);
    ErgebnisLabel->setzeTextfarbe(bgrFarbe(0x000080));
    ErgebnisLabel->setAlignment(Qt::AlignCenter);
    ErgebnisLabel->setWordWrap(true);

    BestleistungLabel = new TLabel(QString(), PSpielende);
    BestleistungLabel->setzeSchrift(QStringLiteral("Arial"), 19, false);
    BestleistungLabel->setAlignment(Qt::AlignCenter);
    BestleistungLabel->setWordWrap(true);

    NochmalButton = new TBitBtn(QStringLiteral("Nochmal spielen"), PSpielende);
    NochmalButton->setFont(schrift(QStringLiteral("Arial"), 19, true));
    NochmalButton->setzeKnopfbild(QPixmap::fromImage(losGehtsBild()));
    NochmalButton->Abstand = 20;
    // Outside a dialog a push button takes Enter only when it is a default button.
    NochmalButton->setAutoDefault(true);
    connect(NochmalButton, &QPushButton::clicked, this,
            [this] { Fehlerbehandlung::ausfuehren([this] { NochmalClick(); }); });
}

void TForm1::zeigeSpielende()
{
    if (!PSpielende)
        erzeugeSpielende();
    const Spielausgang ausgang{Zug.anzahlGruppen(), Zug.stand().Punkte, Zug.stand().Spielzuege};
    const QString ergebnis = ergebnisSatz(ausgang, {gruppenName(0), gruppenName(1)});
    QString best;
    if (ausgang.AnzahlGruppen < 2 && !konfigurationspfad_.isEmpty()) {
        // Read and written at once: another window may have changed the file since the start.
        Nutzerkonfiguration konfiguration(konfigurationspfad_);
        const QString schluessel = bestleistungsSchluessel(spielordner_);
        const Bestleistung b = bestleistung(konfiguration.wert(schluessel), ausgang.Spielzuege);
        best = b.Text;
        if (b.Speichern) {
            konfiguration.setzeWert(schluessel, QString::number(*b.Speichern));
            // A config that cannot be written costs only the memory of this result.
            if (!konfiguration.speichere())
                konfiguration.meldeNichtGespeichert();
        }
    }
    ErgebnisLabel->setText(ergebnis);
    BestleistungLabel->setText(best);
    BestleistungLabel->setVisible(!best.isEmpty());

    const Spielendelage lage = spielendeLage(PKarten->geometry(), !best.isEmpty());
    ErgebnisLabel->setGeometry(lage.Ergebnis);
    if (!best.isEmpty())
        BestleistungLabel->setGeometry(lage.Bestleistung);
    NochmalButton->setGeometry(lage.Knopf);
    PSpielende->setGeometry(lage.Panel);
    zeigeSpielendeBeiBrett(Zug.haelften());
    Ansage->ansagen(best.isEmpty() ? ergebnis : ergebnis + QLatin1Char(' ') + best);
}

void TForm1::zeigeSpielendeBeiBrett(Bildschirmhaelften h)
{
    if (!PSpielende)
        return;
    const bool zeigen = Zug.spielZuEnde() && h.Links == LinkeHaelfte::Karten;
    PSpielende->setVisible(zeigen);
    if (!zeigen)
        return;
    PSpielende->raise();
    // After the click that brought the board back, whose handler puts the keys on the board.
    QMetaObject::invokeMethod(
        this, [this] {
            if (PSpielende->isVisible())
                NochmalButton->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void TForm1::NochmalClick()
{
    if (spielGeaendert(fassung_, spielordner_)) {
        // Saved anew meanwhile (by another window, say): its board, settings and
        // pairs may all differ, so the next game is a window built on it.
        meldungen_.hinweis(QStringLiteral("Das Spiel wurde inzwischen geändert. Die neue Fassung wird ausgeteilt."));
        neuAufzubauen_ = true;
        close();
        return;
    }
    if (PSpielende)
        PSpielende->hide();
    verteileNeu();
    stelleGruppenPanelsAuf();
    sammelFokus_ = {};
    PBildLinks->hide();
    PBildRechts->hide();
    PKarten->show();
    if (!Einstellungen.SpielerAbfragen) {
        Button1Click();
        return;
    }
    // As after the first deal: the board waits for the choice, whose names stay.
    PKarten->setEnabled(false);
    PBekommeneKarten->hide();
    PAnfangsEinstellungen->show();
    BitBtn1->setFocus(Qt::OtherFocusReason);
}

bool TForm1::ziehtJedeRunde() const
{
    return Einstellungen.PaareJeRunde > 0 && vorhandenePaare_ > Einstellungen.PaareJeRunde;
}

void TForm1::verteileNeu()
{
    const Spieleinstellungen& e = Einstellungen;
    const int n = e.Spalten * e.Zeilen;
    if (ziehtJedeRunde()) {
        // Other pairs than the last round's: read and dealt as at the start,
        // onto cards face down at their cells.
        for (int i = 0; i < std::max(ausgeteilteKarten_, 0); ++i)
            zeigeZelle({i / e.Spalten, i % e.Spalten}, Kartenlage::Verdeckt);
        teileBilderAus();
        return;
    }
    struct Karte {
        QImage Klein;
        QImage Gross;
        int Paar = 0;
        bool Zweites = false;
        Zellkarte Beigabe;
    };
    std::vector<Karte> bisher(n);
    std::vector<int> bildAnZelle(n);
    for (int i = 0; i < n; ++i) {
        const int zeile = i / e.Spalten;
        const int spalte = i % e.Spalten;
        const TImage* bild = KartenBilder[zeile][spalte];
        bisher[i] = {bild->bild(), GrossBilder[zeile][spalte]->bild(), PaarNummern[zeile][spalte], bild->Tag < 0,
                     i < int(zellkarten_.size()) ? zellkarten_[i] : Zellkarte()};
        // The deal's picture number: 01a is 0, 01b is 1, 02a is 2, ...; -1 for an empty place.
        bildAnZelle[i] = bisher[i].Paar < 1 ? -1 : (bisher[i].Paar - 1) * 2 + (bisher[i].Zweites ? 1 : 0);
    }
    const std::vector<int> quelle = neuVerteilen(bildAnZelle, e.Spalten, e.Zeilen, *zufall_);

    for (int i = 0; i < n; ++i) {
        const int zeile = i / e.Spalten;
        const int spalte = i % e.Spalten;
        if (quelle[i] < 0)
            continue; // an empty place stays one
        const Karte& k = bisher[quelle[i]];
        TImage* bild = KartenBilder[zeile][spalte];
        TImage* ruecken = KartenRuecken[zeile][spalte];
        const int code = zellcode(zeile, spalte);
        bild->setzeBild(k.Klein);
        bild->Tag = k.Zweites ? -code : code;
        GrossBilder[zeile][spalte]->setzeBild(k.Gross);
        GrossBilder[zeile][spalte]->Tag = bild->Tag;
        PaarNummern[zeile][spalte] = k.Paar;
        if (i < int(zellkarten_.size()))
            zellkarten_[i] = k.Beigabe;
        if (e.Testmodus)
            ruecken->setzeBild(k.Klein);
        // Face down at its cell, as the board was built: a collected card comes home.
        zeigeZelle({zeile, spalte}, Kartenlage::Verdeckt);
    }
}
