#include "start/Paarlistenfeld.h"

#include "neuesspiel/Paarliste.h"
#include "neuesspiel/Paarlistendatei.h"
#include "platform/Spielname.h"
#include "pictures/Vorschaubilder.h"
#include "start/Fensterknopf.h"
#include "start/Paarlistenmodell.h"
#include "start/Tonwahl.h"
#include "widgets/Ordnerdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Lines of "Nicht aufgenommen:" before "… und 38 weitere".
constexpr int AusgelassenZeilen = 3;

} // namespace

Paarlistenfeld::Paarlistenfeld(bool mitNamen, QWidget* eltern) : QWidget(eltern)
{
    dateiwahl_ = [this](const QString& start) {
        const QString filter = QStringLiteral("Bilder (%1);;Alle Dateien (*)").arg(bildmuster().join(' '));
        return frageNachDateien(this, QStringLiteral("Fotos hinzufügen"), start, filter);
    };
    listenwahl_ = [this](const QString& start) {
        const QStringList gewaehlt = frageNachDateien(
            this, QStringLiteral("Liste laden"), start,
            QStringLiteral("Listen (*.csv *.tsv *.txt);;Alle Dateien (*)"));
        return gewaehlt.value(0);
    };
    tonwahl_ = [this](const Paarzeile& zeile) -> std::optional<Tonauswahl> {
        Tonwahl wahl(zeile, this);
        if (wahl.exec() != QDialog::Accepted)
            return std::nullopt;
        return wahl.auswahl();
    };
    baueListe();
    baueKnoepfe();
    baueAusgelassen();
    baueLayout();
    setzeMitNamen(mitNamen);
    verbinde();
    // Thumbnails arrive on this thread, from its event loop.
    vorschaubilder_ = std::make_unique<Vorschaubilder>(Bildkante, [this](Vorschau v) {
        Modell->zeigeVorschau(v);
        emit vorschauDa();
    });
}

// Nothing may report here once the list goes: the thumbnails' workers are joined first.
Paarlistenfeld::~Paarlistenfeld() = default;

void Paarlistenfeld::baueListe()
{
    Modell = new Paarlistenmodell(this);
    Tabelle = new QTableView(this);
    Tabelle->setModel(Modell);
    Tabelle->setAccessibleName(QStringLiteral("Paare"));
    Tabelle->setAccessibleDescription(QStringLiteral("Ein Paar je Zeile, erste und zweite Karte; Tippen ändert den Namen oder den Text"));
    Tabelle->setIconSize(QSize(Bildkante, Bildkante));
    Tabelle->verticalHeader()->setDefaultSectionSize(Bildkante + 4);
    QHeaderView* kopf = Tabelle->horizontalHeader();
    kopf->setSectionResizeMode(Paarlistenmodell::SpalteName, QHeaderView::Stretch);
    // Wide enough for its title and a short text card too.
    Tabelle->setColumnWidth(Paarlistenmodell::SpalteFoto,
                            std::max(Bildkante + 8, kopf->sectionSizeHint(Paarlistenmodell::SpalteFoto) + 24));
    // Without the name column the last one takes the room left.
    kopf->setStretchLastSection(true);
    Tabelle->setColumnWidth(Paarlistenmodell::SpalteDatei, 200);
    Tabelle->setColumnWidth(Paarlistenmodell::SpalteHinweis, 120);
    Tabelle->setItemDelegateForColumn(Paarlistenmodell::SpalteArt, new Zweitartwahl(Tabelle));
    Tabelle->setColumnWidth(Paarlistenmodell::SpalteArt, 120);
    Tabelle->setColumnWidth(Paarlistenmodell::SpalteZweite, Bildkante + 80);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Tabelle->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    // Tab leaves the list instead of walking its cells.
    Tabelle->setTabKeyNavigation(false);
    Tabelle->setWordWrap(false);
    Tabelle->setMinimumHeight(240);

    MitNamen = new QCheckBox(QStringLiteral("Zweite Karte zeigt den Namen"), this);
    MitNamen->setAccessibleName(MitNamen->text());
    MitNamen->setToolTip(QStringLiteral("Sonst zeigen beide Karten eines Paares dasselbe Foto"));
    Listenkopf = new QCheckBox(QStringLiteral("Erste Zeile ist eine Überschrift"), this);
    Listenkopf->setAccessibleName(Listenkopf->text());
    Listenkopf->setToolTip(QStringLiteral("Die erste Zeile der geladenen Liste nennt die Spalten und ist kein Paar"));
    Listenkopf->hide();
}

void Paarlistenfeld::baueKnoepfe()
{
    HinzufuegenKnopf = knopf(QStringLiteral("Fotos hinzufügen…"),
                             QStringLiteral("Fotos auswählen; Dateien und Ordner lassen sich auch hierher ziehen"), this);
    EntfernenKnopf = knopf(QStringLiteral("Entfernen"), QStringLiteral("Die gewählten Paare aus der Liste nehmen (Entf)"), this);
    HochKnopf = knopf(QStringLiteral("Nach oben"), QStringLiteral("Das Paar eine Zeile nach oben (Strg+Pfeil hoch)"), this);
    RunterKnopf = knopf(QStringLiteral("Nach unten"), QStringLiteral("Das Paar eine Zeile nach unten (Strg+Pfeil runter)"), this);
    FotoWaehlenKnopf = knopf(QStringLiteral("Foto wählen…"),
                             QStringLiteral("Ein anderes Foto als zweite Karte der gewählten Zeile; es lässt sich "
                                            "auch auf die zweite Karte ziehen"), this);
    TonKnopf = knopf(QStringLiteral("Ton…"),
                     QStringLiteral("Ein Ton für eine Karte der gewählten Zeile: eine Datei oder eine Aufnahme"), this);
    TextpaarKnopf = knopf(QStringLiteral("Textpaar hinzufügen"),
                          QStringLiteral("Ein Paar aus zwei Texten, etwa „3 + 4“ und „7“"), this);
    ListeLadenKnopf = knopf(QStringLiteral("Liste laden…"),
                            QStringLiteral("Paare aus einer Tabelle mit zwei Spalten anhängen"), this);
}

void Paarlistenfeld::baueAusgelassen()
{
    Ausgelassen = new QLabel(this);
    Ausgelassen->setWordWrap(true);
    Ausgelassen->setTextFormat(Qt::PlainText);
    Ausgelassen->hide();
    AlleAusgelassenKnopf = knopf(QStringLiteral("Alle anzeigen"), QStringLiteral("Alle nicht aufgenommenen Dateien zeigen"), this);
    AlleAusgelassenKnopf->hide();

    // A window of its own that scrolls: hundreds of files may be left out.
    AlleAusgelassen = new QWidget(this, Qt::Dialog);
    AlleAusgelassen->setWindowTitle(QStringLiteral("Nicht aufgenommen"));
    AlleAusgelassenText = new QPlainTextEdit(AlleAusgelassen);
    AlleAusgelassenText->setReadOnly(true);
    AlleAusgelassenText->setAccessibleName(QStringLiteral("Nicht aufgenommen"));
    AlleAusgelassenText->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPushButton* schliessen = knopf(QStringLiteral("Schließen"), QString(), AlleAusgelassen);
    auto* spalte = new QVBoxLayout(AlleAusgelassen);
    spalte->addWidget(AlleAusgelassenText, 1);
    spalte->addWidget(schliessen, 0, Qt::AlignRight);
    AlleAusgelassen->resize(560, 400);
    connect(schliessen, &QPushButton::clicked, AlleAusgelassen, &QWidget::close);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), AlleAusgelassen);
    connect(esc, &QShortcut::activated, AlleAusgelassen, &QWidget::close);
}

void Paarlistenfeld::baueLayout()
{
    auto* listenKnoepfe = new QHBoxLayout;
    for (QPushButton* k : {HinzufuegenKnopf, EntfernenKnopf, HochKnopf, RunterKnopf})
        listenKnoepfe->addWidget(k);
    listenKnoepfe->addStretch(1);
    auto* paarKnoepfe = new QHBoxLayout;
    for (QPushButton* k : {FotoWaehlenKnopf, TonKnopf, TextpaarKnopf, ListeLadenKnopf})
        paarKnoepfe->addWidget(k);
    paarKnoepfe->addStretch(1);
    auto* ausgelassen = new QHBoxLayout;
    ausgelassen->addWidget(Ausgelassen, 1);
    ausgelassen->addWidget(AlleAusgelassenKnopf, 0, Qt::AlignBottom);
    auto* spalte = new QVBoxLayout(this);
    // The window's own margins hold it.
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addLayout(listenKnoepfe);
    spalte->addLayout(paarKnoepfe);
    spalte->addWidget(Tabelle, 1);
    spalte->addLayout(ausgelassen);
    auto* schalter = new QHBoxLayout;
    schalter->addWidget(MitNamen);
    schalter->addWidget(Listenkopf);
    schalter->addStretch(1);
    spalte->addLayout(schalter);
}

void Paarlistenfeld::verbinde()
{
    connect(HinzufuegenKnopf, &QPushButton::clicked, this, &Paarlistenfeld::waehleFotos);
    connect(EntfernenKnopf, &QPushButton::clicked, this, &Paarlistenfeld::entferne);
    connect(HochKnopf, &QPushButton::clicked, this, [this] { verschiebe(-1); });
    connect(RunterKnopf, &QPushButton::clicked, this, [this] { verschiebe(+1); });
    connect(FotoWaehlenKnopf, &QPushButton::clicked, this, [this] { waehleZweitfoto(aktuelleZeile()); });
    connect(TextpaarKnopf, &QPushButton::clicked, this, &Paarlistenfeld::fuegeTextpaarHinzu);
    connect(TonKnopf, &QPushButton::clicked, this, [this] { waehleTon(aktuelleZeile()); });
    connect(ListeLadenKnopf, &QPushButton::clicked, this, &Paarlistenfeld::ladeListe);
    connect(AlleAusgelassenKnopf, &QPushButton::clicked, this, &Paarlistenfeld::zeigeAlleAusgelassen);
    connect(MitNamen, &QCheckBox::toggled, this, [this](bool an) {
        Modell->setzeMitNamen(an);
        emit mitNamenGeaendert(an);
    });
    connect(Listenkopf, &QCheckBox::toggled, this, &Paarlistenfeld::setzeListenkopf);
    connect(Modell, &Paarlistenmodell::namenGeaendert, this, &Paarlistenfeld::geaendert);
    connect(Modell, &Paarlistenmodell::ausgelassenGeaendert, this, &Paarlistenfeld::zeigeAusgelassen);
    // After the choice's editor is closed: a dialog inside its commit would outlive it.
    connect(Modell, &Paarlistenmodell::zweitfotoGewuenscht, this, &Paarlistenfeld::waehleZweitfoto,
            Qt::QueuedConnection);
    connect(Tabelle->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Paarlistenfeld::richteAktuelleZelleAus);
    auto* entf = new QShortcut(QKeySequence::Delete, Tabelle, nullptr, nullptr, Qt::WidgetShortcut);
    connect(entf, &QShortcut::activated, this, &Paarlistenfeld::entferne);
    auto* hoch = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), Tabelle, nullptr, nullptr, Qt::WidgetShortcut);
    connect(hoch, &QShortcut::activated, this, [this] { verschiebe(-1); });
    auto* runter = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), Tabelle, nullptr, nullptr, Qt::WidgetShortcut);
    connect(runter, &QShortcut::activated, this, [this] { verschiebe(+1); });
}

const Paarliste& Paarlistenfeld::liste() const { return Modell->liste(); }

void Paarlistenfeld::setzeMitNamen(bool an)
{
    const QSignalBlocker still(MitNamen);
    MitNamen->setChecked(an);
    Modell->setzeMitNamen(an);
}

void Paarlistenfeld::setzeAn(bool an)
{
    an_ = an;
    for (QWidget* w : std::initializer_list<QWidget*>{HinzufuegenKnopf, EntfernenKnopf, HochKnopf, RunterKnopf,
                                                      FotoWaehlenKnopf, TonKnopf, TextpaarKnopf, ListeLadenKnopf, Tabelle,
                                                      MitNamen, Listenkopf})
        w->setEnabled(an);
}

void Paarlistenfeld::richteSpaltenAus()
{
    const Paarliste& liste = Modell->liste();
    const bool namen = MitNamen->isChecked() || liste.zeigtNamen();
    Tabelle->setColumnHidden(Paarlistenmodell::SpalteName, !namen);
    Tabelle->setColumnHidden(Paarlistenmodell::SpalteHinweis, !namen && !liste.mitPaaren());
    bool toene = false;
    for (int i = 0; i < liste.anzahl(); ++i)
        toene = toene || !liste.zeile(i).Toene[0].Pfad.isEmpty() || !liste.zeile(i).Toene[1].Pfad.isEmpty();
    Tabelle->setColumnHidden(Paarlistenmodell::SpalteTon, !toene);
    richteAktuelleZelleAus();
}

QString Paarlistenfeld::startordner(const QString& sonst) const
{
    // A folder that is missing would show as a file name, with "Öffnen" off.
    return vorhandenerOrdner({letzterFotoordner_, sonst}, QDir::homePath());
}

void Paarlistenfeld::holeFokusZurueck()
{
    // Without a window manager nobody gives the keyboard back after a dialog.
    if (window()->isVisible())
        window()->activateWindow();
}

void Paarlistenfeld::bestelleVorschauen(int ab)
{
    for (const auto& [nummer, pfad] : Modell->liste().offeneFotos(ab))
        vorschaubilder_->bestelle(nummer, pfad);
}

void Paarlistenfeld::bestelleZweitfoto(int zeile)
{
    const Zeilenfoto& foto = Modell->liste().zeile(zeile).Zweitfoto;
    vorschaubilder_->bestelle(foto.Nummer, foto.Pfad);
}

void Paarlistenfeld::waehleFotos()
{
    const QStringList gewaehlt = dateiwahl_(startordner(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)));
    holeFokusZurueck();
    if (!gewaehlt.isEmpty())
        letzterFotoordner_ = QFileInfo(gewaehlt.first()).absolutePath();
    // Typing goes on in the first new photo's name.
    if (const int erste = fuegeHinzu(gewaehlt); erste >= 0) {
        Tabelle->setFocus();
        waehleZeile(erste);
    }
}

int Paarlistenfeld::fuegeHinzu(const QStringList& pfade)
{
    if (!an_)
        return -1;
    const bool warLeer = Modell->rowCount() == 0;
    const int erste = Modell->fuegeHinzu(pfade);
    if (erste < 0) {
        emit geaendert();
        return -1;
    }
    bestelleVorschauen(erste);
    if (warLeer) {
        emit namensvorschlag(spielnameFuer(Modell->liste().zeile(0).Pfad));
        waehleZeile(0);
    }
    emit geaendert();
    return erste;
}

int Paarlistenfeld::haengeAn(const std::function<int()>& fuege)
{
    if (!an_)
        return -1;
    const bool warLeer = Modell->rowCount() == 0;
    const int erste = fuege();
    if (erste >= 0) {
        bestelleVorschauen(erste);
        if (warLeer) {
            if (!Modell->liste().zeile(0).istText())
                emit namensvorschlag(spielnameFuer(Modell->liste().zeile(0).Pfad));
            waehleZeile(0);
        }
    }
    emit geaendert();
    return erste;
}

int Paarlistenfeld::fuegePaareHinzu(const Paarangaben& paare)
{
    return haengeAn([&] { return Modell->fuegePaareHinzu(paare); });
}

int Paarlistenfeld::fuegeSpielHinzu(const Paarangaben& paare)
{
    return haengeAn([&] { return Modell->fuegeSpielHinzu(paare); });
}

void Paarlistenfeld::waehleZweitfoto(int zeile)
{
    if (!an_ || zeile < 0 || zeile >= Modell->rowCount())
        return;
    const QStringList gewaehlt = dateiwahl_(startordner(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)));
    holeFokusZurueck();
    if (gewaehlt.isEmpty())
        return;
    letzterFotoordner_ = QFileInfo(gewaehlt.first()).absolutePath();
    if (Modell->setzeZweitfoto(zeile, gewaehlt.first()).isEmpty())
        bestelleZweitfoto(zeile);
    Tabelle->setFocus();
    waehleZeile(zeile);
    emit geaendert();
}

void Paarlistenfeld::waehleTon(int zeile)
{
    if (!an_ || zeile < 0 || zeile >= Modell->rowCount())
        return;
    const std::optional<Tonauswahl> wahl = tonwahl_(Modell->liste().zeile(zeile));
    holeFokusZurueck();
    if (!wahl || !Modell->setzeTon(zeile, wahl->Zweite, wahl->Ton))
        return;
    waehleZeile(zeile);
    emit geaendert();
}

void Paarlistenfeld::fuegeTextpaarHinzu()
{
    if (!an_)
        return;
    const int zeile = Modell->fuegeTextpaarHinzu();
    Tabelle->setFocus();
    waehleZeile(zeile);
    Tabelle->edit(Modell->index(zeile, Paarlistenmodell::SpalteFoto));
    emit geaendert();
}

bool Paarlistenfeld::legeZweitfotoAb(const QStringList& pfade, QPoint wo)
{
    const QModelIndex index = Tabelle->indexAt(Tabelle->viewport()->mapFrom(this, wo));
    if (!index.isValid() || index.column() != Paarlistenmodell::SpalteZweite || pfade.size() != 1
        || QFileInfo(pfade.first()).isDir())
        return false;
    if (Modell->setzeZweitfoto(index.row(), pfade.first()).isEmpty())
        bestelleZweitfoto(index.row());
    waehleZeile(index.row());
    emit geaendert();
    return true;
}

void Paarlistenfeld::ladeListe()
{
    if (!an_)
        return;
    const QString datei = listenwahl_(startordner(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    holeFokusZurueck();
    if (datei.isEmpty())
        return;
    letzterFotoordner_ = QFileInfo(datei).absolutePath();
    const Listenergebnis gelesen = lesePaarliste(datei);
    // A refused list changes nothing: the whole list or none of it.
    emit listenmeldung(gelesen.Meldung);
    if (!gelesen.Meldung.isEmpty()) {
        emit geaendert();
        return;
    }
    const bool warLeer = Modell->rowCount() == 0;
    const int erste = haengeAn([&] { return Modell->fuegeListeHinzu(datei, gelesen); });
    {
        const QSignalBlocker still(Listenkopf);
        Listenkopf->setChecked(Modell->liste().listenkopf().value_or(false));
    }
    Listenkopf->setVisible(Modell->liste().listenkopf().has_value());
    if (erste < 0)
        return;
    if (warLeer)
        emit namensvorschlag(QFileInfo(datei).completeBaseName());
    Tabelle->setFocus();
    waehleZeile(erste);
    emit geaendert();
}

void Paarlistenfeld::setzeListenkopf(bool ueberschrift)
{
    const Paarliste::Kopfwechsel wechsel = Modell->setzeListenkopf(ueberschrift);
    if (!wechsel.Meldung.isEmpty()) {
        // Nothing changed: the box says so too.
        const QSignalBlocker still(Listenkopf);
        Listenkopf->setChecked(!ueberschrift);
    }
    emit listenmeldung(wechsel.Meldung);
    if (!ueberschrift && wechsel.Zeile >= 0) {
        const Paarzeile& zeile = Modell->liste().zeile(wechsel.Zeile);
        if (!zeile.istText() && zeile.Vorschau == Vorschaustand::Offen)
            vorschaubilder_->bestelle(zeile.Nummer, zeile.Pfad);
        if (zeile.Zweitfoto.Nummer != 0 && zeile.Zweitfoto.Vorschau == Vorschaustand::Offen)
            bestelleZweitfoto(wechsel.Zeile);
    }
    emit geaendert();
}

void Paarlistenfeld::entferne()
{
    if (!an_)
        return;
    QList<int> zeilen;
    for (const QModelIndex& index : Tabelle->selectionModel()->selectedRows())
        zeilen += index.row();
    if (zeilen.isEmpty() && aktuelleZeile() >= 0)
        zeilen += aktuelleZeile();
    Modell->entferne(zeilen);
    if (!zeilen.isEmpty() && Modell->rowCount() > 0)
        waehleZeile(std::min(*std::min_element(zeilen.begin(), zeilen.end()), Modell->rowCount() - 1));
    emit geaendert();
}

void Paarlistenfeld::verschiebe(int richtung)
{
    const int zeile = aktuelleZeile();
    if (!an_ || !Modell->verschiebe(zeile, richtung))
        return;
    waehleZeile(zeile + richtung);
    emit geaendert();
}

int Paarlistenfeld::aktuelleZeile() const { return Tabelle->currentIndex().row(); }

void Paarlistenfeld::waehleZeile(int zeile)
{
    // Explicitly one row: with the keys' Ctrl still held the view would add to the selection.
    Tabelle->selectionModel()->setCurrentIndex(Modell->index(zeile, Modell->tippspalte(zeile, MitNamen->isChecked())),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void Paarlistenfeld::bearbeiteText(int zeile)
{
    Tabelle->setFocus();
    waehleZeile(zeile);
    Tabelle->edit(Modell->textzelle(zeile));
}

void Paarlistenfeld::richteAktuelleZelleAus()
{
    // Typing on a row edits what the row has to type (the file name's cell, kept still, when
    // there is nothing), whichever cell the keys or the mouse went to.
    const QModelIndex aktuell = Tabelle->currentIndex();
    if (!aktuell.isValid())
        return;
    const int ziel = Modell->tippspalte(aktuell.row(), MitNamen->isChecked());
    if (aktuell.column() == ziel
        || ((Modell->flags(aktuell) & Qt::ItemIsEditable) && !Tabelle->isColumnHidden(aktuell.column())))
        return;
    Tabelle->selectionModel()->setCurrentIndex(Modell->index(aktuell.row(), ziel), QItemSelectionModel::NoUpdate);
}

void Paarlistenfeld::zeigeAusgelassen()
{
    const Paarliste& liste = Modell->liste();
    Ausgelassen->setText(liste.ausgelassenKurz(AusgelassenZeilen));
    Ausgelassen->setVisible(!liste.ausgelassen().empty());
    AlleAusgelassenKnopf->setVisible(Ausgelassen->text().contains(QStringLiteral("\n… und ")));
    if (AlleAusgelassen->isVisible())
        AlleAusgelassenText->setPlainText(liste.ausgelassenAlle());
}

void Paarlistenfeld::zeigeAlleAusgelassen()
{
    AlleAusgelassenText->setPlainText(Modell->liste().ausgelassenAlle());
    AlleAusgelassen->show();
    AlleAusgelassen->raise();
    AlleAusgelassen->activateWindow();
}
