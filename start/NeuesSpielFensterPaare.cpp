// The new-game window's pairs: a second photo, text pairs and a pair list.
#include "start/NeuesSpielFenster.h"

#include "platform/Spielname.h"
#include "neuesspiel/Paarliste.h"
#include "neuesspiel/Paarlistendatei.h"
#include "pictures/Vorschaubilder.h"
#include "start/Fensterknopf.h"
#include "start/Paarlistenmodell.h"
#include "widgets/Ordnerdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>

void NeuesSpielFenster::bauePaarKnoepfe()
{
    FotoWaehlenKnopf = knopf(QStringLiteral("Foto wählen…"),
                             QStringLiteral("Ein anderes Foto als zweite Karte der gewählten Zeile; es lässt sich "
                                            "auch auf die zweite Karte ziehen"), this);
    TextpaarKnopf = knopf(QStringLiteral("Textpaar hinzufügen"),
                          QStringLiteral("Ein Paar aus zwei Texten, etwa „3 + 4“ und „7“"), this);
    ListeLadenKnopf = knopf(QStringLiteral("Liste laden…"),
                            QStringLiteral("Paare aus einer Tabelle mit zwei Spalten anhängen"), this);
    listenwahl_ = [this](const QString& start) {
        const QStringList gewaehlt = frageNachDateien(
            this, QStringLiteral("Liste laden"), start,
            QStringLiteral("Listen (*.csv *.tsv *.txt);;Alle Dateien (*)"));
        return gewaehlt.value(0);
    };
    Liste->setItemDelegateForColumn(Paarlistenmodell::SpalteArt, new Zweitartwahl(Liste));
    Liste->setColumnWidth(Paarlistenmodell::SpalteArt, 120);
    Liste->setColumnWidth(Paarlistenmodell::SpalteZweite, Bildkante + 80);
}

void NeuesSpielFenster::verbindePaare()
{
    connect(FotoWaehlenKnopf, &QPushButton::clicked, this, [this] { waehleZweitfoto(aktuelleZeile()); });
    connect(TextpaarKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::fuegeTextpaarHinzu);
    connect(ListeLadenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::ladeListe);
    // After the choice's editor is closed: a dialog inside its commit would outlive it.
    connect(Modell, &Paarlistenmodell::zweitfotoGewuenscht, this, &NeuesSpielFenster::waehleZweitfoto,
            Qt::QueuedConnection);
}

void NeuesSpielFenster::bestelleVorschauen(int ab)
{
    for (const auto& [nummer, pfad] : Modell->liste().offeneFotos(ab))
        vorschaubilder_->bestelle(nummer, pfad);
}

void NeuesSpielFenster::bestelleZweitfoto(int zeile)
{
    const Zeilenfoto& foto = Modell->liste().zeile(zeile).Zweitfoto;
    vorschaubilder_->bestelle(foto.Nummer, foto.Pfad);
}

int NeuesSpielFenster::fuegePaareHinzu(const Paarangaben& paare)
{
    if (schreibtGerade())
        return -1;
    const bool warLeer = Modell->rowCount() == 0;
    const int erste = Modell->fuegePaareHinzu(paare);
    if (erste >= 0) {
        bestelleVorschauen(erste);
        if (warLeer) {
            if (!nameVonHand_ && !Modell->liste().zeile(0).istText())
                Spielname->setText(spielnameFuer(Modell->liste().zeile(0).Pfad));
            waehleZeile(0);
        }
    }
    aktualisiere();
    return erste;
}

Paarangaben NeuesSpielFenster::paare() const { return Modell->liste().paare(); }

void NeuesSpielFenster::waehleZweitfoto(int zeile)
{
    if (schreibtGerade() || zeile < 0 || zeile >= Modell->rowCount())
        return;
    const QString start = vorhandenerOrdner(
        {letzterFotoordner_, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)}, QDir::homePath());
    const QStringList gewaehlt = dateiwahl_(start);
    holeFokusZurueck();
    if (gewaehlt.isEmpty())
        return;
    letzterFotoordner_ = QFileInfo(gewaehlt.first()).absolutePath();
    if (Modell->setzeZweitfoto(zeile, gewaehlt.first()).isEmpty())
        bestelleZweitfoto(zeile);
    Liste->setFocus();
    waehleZeile(zeile);
    aktualisiere();
}

void NeuesSpielFenster::fuegeTextpaarHinzu()
{
    if (schreibtGerade())
        return;
    const int zeile = Modell->fuegeTextpaarHinzu();
    Liste->setFocus();
    waehleZeile(zeile);
    Liste->edit(Modell->index(zeile, Paarlistenmodell::SpalteFoto));
    aktualisiere();
}

bool NeuesSpielFenster::legeZweitfotoAb(const QStringList& pfade, QPoint wo)
{
    const QModelIndex index = Liste->indexAt(Liste->viewport()->mapFrom(this, wo));
    if (!index.isValid() || index.column() != Paarlistenmodell::SpalteZweite || pfade.size() != 1
        || QFileInfo(pfade.first()).isDir())
        return false;
    if (Modell->setzeZweitfoto(index.row(), pfade.first()).isEmpty())
        bestelleZweitfoto(index.row());
    waehleZeile(index.row());
    aktualisiere();
    return true;
}

void NeuesSpielFenster::ladeListe()
{
    if (schreibtGerade())
        return;
    const QString start = vorhandenerOrdner(
        {letzterFotoordner_, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}, QDir::homePath());
    const QString datei = listenwahl_(start);
    holeFokusZurueck();
    if (datei.isEmpty())
        return;
    letzterFotoordner_ = QFileInfo(datei).absolutePath();
    const Listenergebnis gelesen = lesePaarliste(datei);
    // A refused list changes nothing: the whole list or none of it.
    if (!gelesen.Meldung.isEmpty()) {
        schreibmeldung_ = gelesen.Meldung;
        aktualisiere();
        return;
    }
    schreibmeldung_.clear();
    const bool warLeer = Modell->rowCount() == 0;
    const int erste = fuegePaareHinzu(gelesen.Paare);
    if (erste < 0)
        return;
    if (warLeer && !nameVonHand_)
        Spielname->setText(QFileInfo(datei).completeBaseName());
    Liste->setFocus();
    waehleZeile(erste);
    aktualisiere();
}
