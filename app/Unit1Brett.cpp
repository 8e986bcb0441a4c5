// Building the board at the first activation: layout, background, cells,
// card back and the deal of the pictures.
#include "app/Unit1.h"

#include "board/Austeiler.h"
#include "board/Bildschirmaufteilung.h"
#include "board/Kartenrueckseite.h"
#include "board/Paarziehung.h"
#include "board/Speicherbedarf.h"
#include "board/Spielfeldhintergrund.h"
#include "board/Zellcode.h"
#include "pictures/BildDarstellung.h"
#include "pictures/Bildarbeitsobjekte.h"
#include "pictures/BmpLeser.h"
#include "pictures/Vorausdarsteller.h"
#include "platform/Arbeitsspeicher.h"
#include "platform/BildHalter.h"
#include "platform/Meldungen.h"
#include "platform/Systemfarben.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "platform/Zufallsquelle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QProgressBar>

void TForm1::BildDarstellung(Bildziel& image, const QString& dateiname, const QString& schnittmodus)
{
    ::BildDarstellung(image, dateiname, schnittmodus, *Arbeitsobjekte, meldungen_);
}

void TForm1::sofortNeuZeichnen()
{
    // Carries out the window's pending painting now, without taking any other event.
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

void TForm1::zeigeFortschritt()
{
    // The panel itself is painted in full: on a window system that has not
    // yet delivered the window's first expose, pending updates alone would
    // leave parts of it blank.
    PStatusBar->repaint();
    sofortNeuZeichnen();
}

bool TForm1::legeFensterAn()
{
    clientBeimAufbau_ = QSize(ClientWidth(), ClientHeight());
    const Bildschirmaufteilung a =
        berechneBildschirmaufteilung(clientBeimAufbau_.width(), clientBeimAufbau_.height(), Einstellungen);
    if (!a.Passt) {
        brichAufbauAb(a.Fehlertext);
        return false;
    }
    Image1->resize(a.BildBreite, a.BildHoehe);
    Image2->resize(a.BildBreite, a.BildHoehe);
    Label3->setzeBeschriftung(a.Label3);
    Einstellungen.KartenBreite = a.KartenBreite;
    Einstellungen.KartenHoehe = a.KartenHoehe;
    PKarten->setGeometry(a.PKarten);
    PKarten->show();
    PBildRechts->setGeometry(a.PBildRechts);
    PBildLinks->setGeometry(a.PBildLinks);
    Label1->setzeBeschriftung(a.Label1);
    Image3->resize(a.Image3);
    PStatusBar->move(a.PStatusBar);
    PAnfangsEinstellungen->move(a.PAnfangsEinstellungen);
    return true;
}

void TForm1::maleSpielfeldhintergrund()
{
    Image3->setzeBild(zeichneSpielfeldhintergrund(Image3->size(), Einstellungen));
}

bool TForm1::pruefeSpeicher()
{
    Brettmasse m;
    m.Fenster = inGeraetepixeln(size());
    m.Hintergrund = Image3->size();
    m.Muster = musterGroesse(Einstellungen.FormatX, Einstellungen.FormatY);
    m.Karte = QSize(Einstellungen.KartenBreite, Einstellungen.KartenHoehe);
    m.Gross = Image1->size();
    m.Zellen = Einstellungen.Spalten * Einstellungen.Zeilen;
    // The activation's own work objects and one set per worker of the deal.
    m.Darsteller = 1 + Vorausdarsteller::kerne();
    const QString meldung = pruefeArbeitsspeicher(m, verfuegbarerArbeitsspeicher());
    if (meldung.isEmpty())
        return true;
    brichAufbauAb(meldung);
    return false;
}

void TForm1::brichAufbauAb(const QString& meldung)
{
    StartFehler = true;
    meldungen_.fehler(meldung);
    // An empty window is of no use: it closes once the message is closed.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm1::zeichneKartenrueckseiteIn(TImage* ruecken)
{
    const QImage overlay = leseBmp(QStringLiteral("Kartentext.bmp"), Ordner);
    zeichneKartenrueckseite(overlay, Einstellungen.FormatX, Einstellungen.FormatY, Einstellungen.KartenBreite,
                            Einstellungen.KartenHoehe, Arbeitsobjekte->RueckseitenMuster,
                            Arbeitsobjekte->KartentextBitmap);
    {
        QPainter p(&ruecken->zeichenbitmap());
        p.drawImage(0, 0, Arbeitsobjekte->KartentextBitmap);
    }
    ruecken->gezeichnet();
}

void TForm1::erzeugeZellen()
{
    const Spieleinstellungen& e = Einstellungen;
    for (int zeile = 0; zeile < e.Zeilen; ++zeile) {
        const QPoint zeilenAnfang = zellPosition(zeile, 0, e.KartenBreite, e.KartenHoehe, e.AbstandX, e.AbstandY);
        auto* container = new QWidget(PKarten);
        container->setGeometry(0, zeilenAnfang.y(), PKarten->width(), e.KartenHoehe);
        container->show();
        zeilenContainer_.push_back(container);
        for (int spalte = 0; spalte < e.Spalten; ++spalte) {
            const QPoint pos = zellPosition(zeile, spalte, e.KartenBreite, e.KartenHoehe, e.AbstandX, e.AbstandY);
            const int code = zellcode(zeile, spalte);

            auto* ruecken = new TImage(container);
            ruecken->setGeometry(pos.x(), 0, e.KartenBreite, e.KartenHoehe);
            ruecken->Stretch = true;
            ruecken->show();
            KartenRuecken[zeile][spalte] = ruecken;
            if (zeile == 0 && spalte == 0)
                zeichneKartenrueckseiteIn(ruecken);
            else
                ruecken->setzeBild(KartenRuecken[0][0]->bild());
            ruecken->Tag = code;
            ruecken->OnClick = [this](TImage* sender) { IKarteClick(sender); };

            auto* bild = new TImage(container);
            bild->setGeometry(pos.x(), 0, e.KartenBreite, e.KartenHoehe);
            bild->Stretch = true;
            bild->hide();
            bild->OnClick = [this](TImage* sender) { IBildClick(sender); };
            bild->Tag = code;
            KartenBilder[zeile][spalte] = bild;

            grossBildHalter_.push_back(std::make_unique<TBildHalter>(Image1->width(), Image1->height()));
            GrossBilder[zeile][spalte] = grossBildHalter_.back().get();

            PaarNummern[zeile][spalte] = -1;
        }
    }
    zellkarten_.assign(std::size_t(e.Spalten) * std::size_t(e.Zeilen), Zellkarte());
}

void TForm1::teileBilderAus()
{
    PStatusBar->show();
    ProgressBar1->setValue(0);
    zeigeFortschritt();
    const Spieleinstellungen& e = Einstellungen;
    // Without a twelfth setting the deal of a full board, drawing nothing
    // until the first picture is dealt; with it the round's pairs come first.
    Austeiler austeiler =
        e.PaareJeRunde > 0
            ? Austeiler(e.Spalten, e.Zeilen, paareDerRunde(vorhandenePaare_, e.PaareJeRunde, *zufall_), *zufall_)
            : Austeiler(e.Spalten, e.Zeilen, *zufall_);
    ausgeteilteKarten_ = austeiler.anzahl();
    // The places no picture reaches show the board's background.
    for (int i = ausgeteilteKarten_; i < e.Spalten * e.Zeilen; ++i) {
        PaarNummern[i / e.Spalten][i % e.Spalten] = -1;
        zellkarten_[std::size_t(i)] = {};
        zeigeZelle({i / e.Spalten, i % e.Spalten}, Kartenlage::Leer);
    }
    // The sounds beside the cards are read meanwhile on a thread of their own.
    Kartentonvorlauf toene(Ordner, austeiler.dateinamen());
    Vorausdarsteller::Auftrag auftrag;
    auftrag.Dateinamen = austeiler.dateinamen();
    auftrag.Ziele = {QSize(Einstellungen.KartenBreite, Einstellungen.KartenHoehe), Image1->size()};
    auftrag.Modus = Einstellungen.BilderSchneiden ? QStringLiteral("m") : QString();
    const QColor knopf = buttonFaceFarbe();
    auftrag.Randfarbe = knopf;
    auftrag.Ordner = Ordner;
    // The pictures are rendered ahead on every core while this thread deals
    // them in order; an error is rethrown here at its picture, and leaving
    // stops and joins the workers.
    const int kerne = Vorausdarsteller::kerne();
    Vorausdarsteller voraus(std::move(auftrag), kerne, 2 * kerne);
    while (!austeiler.fertig()) {
        const Austeilschritt s = austeiler.naechster();
        const int zeile = s.Ziel.Zeile;
        const int spalte = s.Ziel.Spalte;
        TImage* klein = KartenBilder[zeile][spalte];
        const Mehrfachdarstellung bild = voraus.hole(s.K);
        legeBildAb(bild, s.Dateiname, knopf, {klein, GrossBilder[zeile][spalte]});
        zellkarten_[std::size_t(zeile) * std::size_t(Einstellungen.Spalten) + std::size_t(spalte)] = {
            bild.Beschreibung, toene.hole(s.K)};
        if (Einstellungen.Testmodus)
            KartenRuecken[zeile][spalte]->setzeBild(klein->bild());
        PaarNummern[zeile][spalte] = s.PaarNummer;
        klein->Tag = s.BildTag();
        GrossBilder[zeile][spalte]->Tag = klein->Tag;
        ProgressBar1->setValue(s.Fortschritt);
        zeigeFortschritt();
    }
    PStatusBar->hide();
}

void TForm1::legeBildAb(const Mehrfachdarstellung& d, const QString& dateiname, const QColor& randfarbe,
                        std::initializer_list<Bildziel*> ziele)
{
    if (d.FormatFehler) {
        for (std::size_t i = 0; i < ziele.size(); ++i)
            meldungen_.warnung(formatMeldung(dateiname));
        return;
    }
    auto bild = d.Bilder.begin();
    for (Bildziel* ziel : ziele)
        uebernimmBild(*ziel, *bild++, randfarbe);
}
