#include "start/NeuesSpielFenster.h"

#include "neuesspiel/Spielname.h"
#include "neuesspiel/Paarliste.h"
#include "neuesspiel/Spielschreiber.h"
#include "pictures/Vorschaubilder.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/Fensterknopf.h"
#include "start/Paarlistenmodell.h"
#include "widgets/Ordnerdialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Lines of "Nicht aufgenommen:" before "… und 38 weitere".
constexpr int AusgelassenZeilen = 3;
// Pairs per round first offered: a short round with big cards.
constexpr int VorgeschlageneJeRunde = 8;

// The desktop's question, with buttons that say what they do.
bool frageVerwerfen(QWidget* eltern, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Neues Spiel"), text, QMessageBox::NoButton, eltern);
    QPushButton* verwerfen = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* bleiben = box.addButton(QStringLiteral("Zurück zur Liste"), QMessageBox::RejectRole);
    box.setDefaultButton(bleiben);
    box.setEscapeButton(bleiben);
    box.exec();
    return box.clickedButton() == verwerfen;
}

} // namespace

NeuesSpielFenster::NeuesSpielFenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern)
    : QWidget(eltern), konfiguration_(konfiguration), meldungen_(meldungen),
      brettrechner_([this](const Brettvorschau& vorschau) {
          if (const std::optional<Brettfrage> naechste = brettvorschauen_.beantwortet(gerechnet_, vorschau))
              rechneBrett(*naechste);
          aktualisiereBald();
      }),
      schreiber_([this](const Schreibergebnis& ergebnis) { schreibenFertig(ergebnis); })
{
    setWindowTitle(QStringLiteral("Neues Spiel"));
    setAccessibleName(QStringLiteral("Neues Spiel"));
    setAcceptDrops(true);
    dateiwahl_ = [this](const QString& start) {
        const QString filter = QStringLiteral("Bilder (%1);;Alle Dateien (*)").arg(bildmuster().join(' '));
        return frageNachDateien(this, QStringLiteral("Fotos hinzufügen"), start, filter);
    };
    ordnerwahl_ = [this](const QString& start) {
        return frageNachOrdner(this, QStringLiteral("Ordner für die Spiele wählen"), start);
    };
    rueckfrage_ = [this](const QString& text) { return frageVerwerfen(this, text); };
    schreibe_ = schreibeNeuesSpiel;
    ordner_ = konfiguration_.wert(SpieleordnerSchluessel, QDir::home().filePath(QStringLiteral("Spiele")));
    bildschirm_ = bezugsbildschirm();

    baueListe();
    bauePaarKnoepfe();
    baueAusgelassen();
    baueZiel();
    baueLayout();
    baueBearbeiten();
    verbinde();
    verbindeListe();
    verbindePaare();
    starteArbeiter();
    aktualisiere();
}

NeuesSpielFenster::~NeuesSpielFenster()
{
    // Nothing may report to the window once it goes: the workers are joined first.
    vorschaubilder_.reset();
    brettrechner_.vergiss();
    abbrechen_ = true;
    schreiber_.vergiss();
}

void NeuesSpielFenster::baueListe()
{
    HinzufuegenKnopf = knopf(QStringLiteral("Fotos hinzufügen…"),
                             QStringLiteral("Fotos auswählen; Dateien und Ordner lassen sich auch hierher ziehen"), this);
    EntfernenKnopf = knopf(QStringLiteral("Entfernen"), QStringLiteral("Die gewählten Fotos aus der Liste nehmen (Entf)"), this);
    HochKnopf = knopf(QStringLiteral("Nach oben"), QStringLiteral("Das Foto eine Zeile nach oben (Strg+Pfeil hoch)"), this);
    RunterKnopf = knopf(QStringLiteral("Nach unten"), QStringLiteral("Das Foto eine Zeile nach unten (Strg+Pfeil runter)"), this);

    Modell = new Paarlistenmodell(this);
    Liste = new QTableView(this);
    Liste->setModel(Modell);
    Liste->setAccessibleName(QStringLiteral("Fotos"));
    Liste->setAccessibleDescription(QStringLiteral("Ein Foto je Zeile; Tippen ändert den Namen"));
    Liste->setIconSize(QSize(Bildkante, Bildkante));
    Liste->verticalHeader()->setDefaultSectionSize(Bildkante + 4);
    Liste->horizontalHeader()->setSectionResizeMode(Paarlistenmodell::SpalteName, QHeaderView::Stretch);
    // Wide enough for its title and a short text card too.
    Liste->setColumnWidth(Paarlistenmodell::SpalteFoto,
                          std::max(Bildkante + 8, Liste->horizontalHeader()->sectionSizeHint(Paarlistenmodell::SpalteFoto) + 24));
    // Without the name column the last one takes the room left.
    Liste->horizontalHeader()->setStretchLastSection(true);
    Liste->setColumnWidth(Paarlistenmodell::SpalteDatei, 200);
    Liste->setColumnWidth(Paarlistenmodell::SpalteHinweis, 120);
    Liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Liste->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    // Tab leaves the list instead of walking its cells.
    Liste->setTabKeyNavigation(false);
    Liste->setWordWrap(false);
    Liste->setMinimumHeight(240);

    MitNamen = new QCheckBox(QStringLiteral("Zweite Karte zeigt den Namen"), this);
    // Off unless the user wanted name cards last time: most parents make a photo game.
    MitNamen->setChecked(konfiguration_.wert(NamenskartenSchluessel) == QLatin1String("an"));
    Modell->setzeMitNamen(MitNamen->isChecked());
    MitNamen->setAccessibleName(MitNamen->text());
    MitNamen->setToolTip(QStringLiteral("Sonst zeigen beide Karten eines Paares dasselbe Foto"));

    JeRunde = new QCheckBox(QStringLiteral("Je Runde"), this);
    JeRunde->setAccessibleName(QStringLiteral("Je Runde nur einige Paare spielen, zufällig aus allen"));
    JeRunde->setToolTip(QStringLiteral("Größere Karten und kürzere Runden; jede Runde zieht die Paare neu"));
    JeRundeAnzahl = new QSpinBox(this);
    JeRundeAnzahl->setRange(1, 1);
    JeRundeAnzahl->setValue(1);
    JeRundeAnzahl->setEnabled(false);
    JeRundeAnzahl->setAccessibleName(QStringLiteral("Paare je Runde"));

    Brett = new QLabel(this);
    Brett->setTextFormat(Qt::PlainText);
    Brett->setWordWrap(true);
}

void NeuesSpielFenster::baueAusgelassen()
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

void NeuesSpielFenster::baueZiel()
{
    Spielname = new QLineEdit(this);
    Spielname->setAccessibleName(QStringLiteral("Name des Spiels"));
    Spieleordner = new QLabel(this);
    Spieleordner->setTextFormat(Qt::PlainText);
    Spieleordner->setAccessibleName(QStringLiteral("Ordner für die Spiele"));
    Spieleordner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OrdnerKnopf = knopf(QStringLiteral("Ändern…"), QStringLiteral("Den Ordner für die Spiele wählen"), this);
    OrdnerKnopf->setAccessibleName(QStringLiteral("Ordner für die Spiele ändern"));
    Ziel = new QLabel(this);
    Ziel->setTextFormat(Qt::PlainText);
    Ziel->setWordWrap(true);
    Status = new QLabel(this);
    Status->setTextFormat(Qt::PlainText);
    Status->setWordWrap(true);
    Fortschritt = new QProgressBar(this);
    Fortschritt->setAccessibleName(QStringLiteral("Fortschritt"));
    Fortschritt->hide();
    AbbrechenKnopf = knopf(QStringLiteral("Abbrechen"), QStringLiteral("Das Anlegen abbrechen; es bleibt nichts zurück"), this);
    AbbrechenKnopf->hide();
    AnlegenKnopf = knopf(QStringLiteral("Spiel anlegen"), QStringLiteral("Das Spiel schreiben und starten"), this);
}

void NeuesSpielFenster::baueLayout()
{
    auto* listenKnoepfe = new QHBoxLayout;
    for (QPushButton* k : {HinzufuegenKnopf, EntfernenKnopf, HochKnopf, RunterKnopf})
        listenKnoepfe->addWidget(k);
    listenKnoepfe->addStretch(1);
    auto* paarKnoepfe = new QHBoxLayout;
    for (QPushButton* k : {FotoWaehlenKnopf, TextpaarKnopf, ListeLadenKnopf})
        paarKnoepfe->addWidget(k);
    paarKnoepfe->addStretch(1);
    auto* ausgelassen = new QHBoxLayout;
    ausgelassen->addWidget(Ausgelassen, 1);
    ausgelassen->addWidget(AlleAusgelassenKnopf, 0, Qt::AlignBottom);
    auto* spielnameText = new QLabel(QStringLiteral("Name des Spiels:"), this);
    spielnameText->setBuddy(Spielname);
    auto* ordnerText = new QLabel(QStringLiteral("Ordner für die Spiele:"), this);
    auto* wo = new QGridLayout;
    wo->addWidget(spielnameText, 0, 0);
    wo->addWidget(Spielname, 0, 1, 1, 2);
    wo->addWidget(ordnerText, 1, 0);
    wo->addWidget(Spieleordner, 1, 1);
    wo->addWidget(OrdnerKnopf, 1, 2);
    wo->setColumnStretch(1, 1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(Fortschritt, 1);
    unten->addWidget(AbbrechenKnopf);
    unten->addStretch(0);
    unten->addWidget(AnlegenKnopf);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(listenKnoepfe);
    spalte->addLayout(paarKnoepfe);
    spalte->addWidget(Liste, 1);
    spalte->addLayout(ausgelassen);
    spalte->addWidget(MitNamen);
    auto* jeRunde = new QHBoxLayout;
    jeRunde->addWidget(JeRunde);
    jeRunde->addWidget(JeRundeAnzahl);
    jeRunde->addWidget(new QLabel(QStringLiteral("Paare, zufällig aus allen"), this));
    jeRunde->addStretch(1);
    spalte->addLayout(jeRunde);
    spalte->addWidget(Brett);
    spalte->addLayout(wo);
    spalte->addWidget(Ziel);
    spalte->addWidget(Status);
    spalte->addLayout(unten);
    QWidget* reihenfolge[] = {HinzufuegenKnopf, Liste, EntfernenKnopf, HochKnopf, RunterKnopf, FotoWaehlenKnopf,
                              TextpaarKnopf, ListeLadenKnopf, AlleAusgelassenKnopf,
                              MitNamen, JeRunde, JeRundeAnzahl, Spielname, OrdnerKnopf, AnlegenKnopf,
                              AbbrechenKnopf};
    for (std::size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
    resize(760, 640);
    HinzufuegenKnopf->setFocus();
}

void NeuesSpielFenster::verbinde()
{
    connect(HinzufuegenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::waehleFotos);
    connect(EntfernenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::entferne);
    connect(HochKnopf, &QPushButton::clicked, this, [this] { verschiebe(-1); });
    connect(RunterKnopf, &QPushButton::clicked, this, [this] { verschiebe(+1); });
    connect(AlleAusgelassenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::zeigeAlleAusgelassen);
    connect(OrdnerKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::waehleSpieleordner);
    connect(AnlegenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::legeAn);
    connect(AbbrechenKnopf, &QPushButton::clicked, this, [this] {
        abbrechen_ = true;
        AbbrechenKnopf->setEnabled(false);
        Status->setText(QStringLiteral("Wird abgebrochen…"));
    });
    connect(MitNamen, &QCheckBox::toggled, this, [this](bool an) {
        Modell->setzeMitNamen(an);
        konfiguration_.setzeWert(NamenskartenSchluessel, an ? QStringLiteral("an") : QStringLiteral("aus"));
        konfiguration_.speichere();
        aktualisiere();
    });
    connect(JeRunde, &QCheckBox::toggled, this, [this](bool an) {
        JeRundeAnzahl->setEnabled(an);
        aktualisiere();
    });
    connect(JeRundeAnzahl, &QSpinBox::valueChanged, this, [this] { aktualisiere(); });
    connect(Spielname, &QLineEdit::textEdited, this, [this] {
        nameVonHand_ = true;
        aktualisiere();
    });
    connect(Spielname, &QLineEdit::returnPressed, this, [this] {
        if (AnlegenKnopf->isEnabled())
            AnlegenKnopf->click();
    });
}

void NeuesSpielFenster::verbindeListe()
{
    connect(Modell, &Paarlistenmodell::namenGeaendert, this, &NeuesSpielFenster::aktualisiere);
    connect(Modell, &Paarlistenmodell::ausgelassenGeaendert, this, &NeuesSpielFenster::zeigeAusgelassen);
    connect(Liste->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &NeuesSpielFenster::richteAktuelleZelleAus);
    auto* entf = new QShortcut(QKeySequence::Delete, Liste, nullptr, nullptr, Qt::WidgetShortcut);
    connect(entf, &QShortcut::activated, this, &NeuesSpielFenster::entferne);
    auto* hoch = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), Liste, nullptr, nullptr, Qt::WidgetShortcut);
    connect(hoch, &QShortcut::activated, this, [this] { verschiebe(-1); });
    auto* runter = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), Liste, nullptr, nullptr, Qt::WidgetShortcut);
    connect(runter, &QShortcut::activated, this, [this] { verschiebe(+1); });
}

void NeuesSpielFenster::starteArbeiter()
{
    vorschaubilder_ = std::make_unique<Vorschaubilder>(Bildkante, [this](Vorschau v) {
        QMetaObject::invokeMethod(this, [this, v = std::move(v)] {
            Modell->zeigeVorschau(v);
            aktualisiereBald();
        }, Qt::QueuedConnection);
    });
}

void NeuesSpielFenster::rechneBrett(const Brettfrage& frage)
{
    gerechnet_ = frage;
    brettrechner_.starte([frage] { return brettvorschau(frage); });
}

void NeuesSpielFenster::setzeBildschirm(QSize groesse)
{
    bildschirm_ = groesse;
    aktualisiere();
}

void NeuesSpielFenster::waehleFotos()
{
    const QString heim = QDir::homePath();
    // A folder that is missing would show as a file name, with "Öffnen" off.
    const QString start = vorhandenerOrdner(
        {letzterFotoordner_, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)}, heim);
    const QStringList gewaehlt = dateiwahl_(start);
    holeFokusZurueck();
    if (!gewaehlt.isEmpty())
        letzterFotoordner_ = QFileInfo(gewaehlt.first()).absolutePath();
    // Typing goes on in the first new photo's name.
    if (const int erste = fuegeHinzu(gewaehlt); erste >= 0) {
        Liste->setFocus();
        waehleZeile(erste);
    }
}

int NeuesSpielFenster::fuegeHinzu(const QStringList& pfade)
{
    if (schreibtGerade())
        return -1;
    const bool warLeer = Modell->rowCount() == 0;
    const int erste = Modell->fuegeHinzu(pfade);
    if (erste < 0) {
        aktualisiere();
        return -1;
    }
    const Paarliste& liste = Modell->liste();
    bestelleVorschauen(erste);
    if (warLeer) {
        if (!nameVonHand_)
            Spielname->setText(spielnameFuer(liste.zeile(0).Pfad));
        waehleZeile(0);
    }
    aktualisiere();
    return erste;
}

const Paarliste& NeuesSpielFenster::liste() const { return Modell->liste(); }

QStringList NeuesSpielFenster::fotos() const { return Modell->liste().fotos(); }

QStringList NeuesSpielFenster::namen() const { return Modell->liste().namen(); }

int NeuesSpielFenster::offeneVorschauen() const { return Modell->liste().offeneVorschauen(); }

QString NeuesSpielFenster::ziel() const
{
    return bearbeitet_.isEmpty() ? Modell->liste().pruefeZiel(ordner_, Spielname->text()).Pfad : bearbeitet_;
}

void NeuesSpielFenster::zeigeAusgelassen()
{
    const Paarliste& liste = Modell->liste();
    Ausgelassen->setText(liste.ausgelassenKurz(AusgelassenZeilen));
    Ausgelassen->setVisible(!liste.ausgelassen().empty());
    AlleAusgelassenKnopf->setVisible(Ausgelassen->text().contains(QStringLiteral("\n… und ")));
    if (AlleAusgelassen->isVisible())
        AlleAusgelassenText->setPlainText(liste.ausgelassenAlle());
}

void NeuesSpielFenster::zeigeAlleAusgelassen()
{
    AlleAusgelassenText->setPlainText(Modell->liste().ausgelassenAlle());
    AlleAusgelassen->show();
    AlleAusgelassen->raise();
    AlleAusgelassen->activateWindow();
}

void NeuesSpielFenster::entferne()
{
    if (schreibtGerade())
        return;
    QList<int> zeilen;
    for (const QModelIndex& index : Liste->selectionModel()->selectedRows())
        zeilen += index.row();
    if (zeilen.isEmpty() && aktuelleZeile() >= 0)
        zeilen += aktuelleZeile();
    Modell->entferne(zeilen);
    if (!zeilen.isEmpty() && Modell->rowCount() > 0)
        waehleZeile(std::min(*std::min_element(zeilen.begin(), zeilen.end()), Modell->rowCount() - 1));
    aktualisiere();
}

void NeuesSpielFenster::verschiebe(int richtung)
{
    const int zeile = aktuelleZeile();
    if (schreibtGerade() || !Modell->verschiebe(zeile, richtung))
        return;
    waehleZeile(zeile + richtung);
    aktualisiere();
}

int NeuesSpielFenster::aktuelleZeile() const { return Liste->currentIndex().row(); }

void NeuesSpielFenster::richteAktuelleZelleAus()
{
    // Typing on a row edits what the row has to type (the file name's cell, kept still, when
    // there is nothing), whichever cell the keys or the mouse went to.
    const QModelIndex aktuell = Liste->currentIndex();
    if (!aktuell.isValid())
        return;
    const int ziel = Modell->tippspalte(aktuell.row(), MitNamen->isChecked());
    if (aktuell.column() == ziel
        || ((Modell->flags(aktuell) & Qt::ItemIsEditable) && !Liste->isColumnHidden(aktuell.column())))
        return;
    Liste->selectionModel()->setCurrentIndex(Modell->index(aktuell.row(), ziel), QItemSelectionModel::NoUpdate);
}

void NeuesSpielFenster::holeFokusZurueck()
{
    // Without a window manager nobody gives the keyboard back after a dialog.
    if (isVisible())
        activateWindow();
}

void NeuesSpielFenster::waehleZeile(int zeile)
{
    // Explicitly one row: with the keys' Ctrl still held the view would add to the selection.
    Liste->selectionModel()->setCurrentIndex(Modell->index(zeile, Modell->tippspalte(zeile, MitNamen->isChecked())),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void NeuesSpielFenster::waehleSpieleordner()
{
    const QString gewaehlt = ordnerwahl_(ordner_);
    holeFokusZurueck();
    if (gewaehlt.isEmpty())
        return;
    ordner_ = QDir::cleanPath(gewaehlt);
    aktualisiere();
}

void NeuesSpielFenster::aktualisiereBald()
{
    if (aktualisierungGeplant_)
        return;
    aktualisierungGeplant_ = true;
    QTimer::singleShot(0, this, [this] {
        aktualisierungGeplant_ = false;
        aktualisiere();
    });
}

Zielpruefung NeuesSpielFenster::zeigeZiel()
{
    Spieleordner->setText(QDir::toNativeSeparators(ordner_));
    Zielpruefung pruefung = bearbeitet_.isEmpty() ? Modell->liste().pruefeZiel(ordner_, Spielname->text())
                                                  : bearbeitungsziel();
    Ziel->setText(pruefung.Text);
    return pruefung;
}

void NeuesSpielFenster::zeigeBrett(const Brettvorschau& vorschau)
{
    Brett->setText(vorschau.Text);
    // A screen reader reads the line itself, not a label for it.
    Brett->setAccessibleName(vorschau.Text);
    Brett->setAccessibleDescription(vorschau.Text);
}

int NeuesSpielFenster::jeRunde() const
{
    return JeRunde->isChecked() ? JeRundeAnzahl->value() : 0;
}

void NeuesSpielFenster::aktualisiere()
{
    const Paarliste& liste = Modell->liste();
    const bool namen = MitNamen->isChecked() || liste.zeigtNamen();
    Liste->setColumnHidden(Paarlistenmodell::SpalteName, !namen);
    Liste->setColumnHidden(Paarlistenmodell::SpalteHinweis, !namen && !liste.mitPaaren());
    richteAktuelleZelleAus();

    // At most one pair per photo; a few pairs per round is what the option is for.
    const int vorher = JeRundeAnzahl->maximum();
    const QSignalBlocker still(JeRundeAnzahl);
    JeRundeAnzahl->setMaximum(std::max(1, liste.anzahl()));
    if (vorher <= 1 && JeRundeAnzahl->value() == 1)
        JeRundeAnzahl->setValue(std::min(VorgeschlageneJeRunde, JeRundeAnzahl->maximum()));
    Brettfrage frage = liste.brettfrage(bildschirm_, jeRunde());
    if (const std::optional<Kartenformat> format = gewaehltesFormat())
        frage.Format = *format;
    const Brettvorschauen::Schritt brett = brettvorschauen_.frage(frage);
    if (brett.Starte)
        rechneBrett(*brett.Starte);
    zeigeBrett(brett.Zeigen);
    const Zielpruefung ziel = zeigeZiel();
    pruefeGeschrieben();
    const int offen = liste.offeneVorschauen();
    if (!schreibtGerade())
        Status->setText(offen > 0 ? QStringLiteral("Fotos werden gelesen … noch %1.").arg(offen) : schreibmeldung_);
    AnlegenKnopf->setEnabled(liste.schreibbar(brett.Zeigen, ziel) && !schreibtGerade());
}

void NeuesSpielFenster::setzeEingabenAn(bool an)
{
    for (QWidget* w : std::initializer_list<QWidget*>{HinzufuegenKnopf, EntfernenKnopf, HochKnopf, RunterKnopf,
                                                      FotoWaehlenKnopf, TextpaarKnopf, ListeLadenKnopf, Liste,
                                                      MitNamen, JeRunde, Spielname, OrdnerKnopf})
        w->setEnabled(an);
    JeRundeAnzahl->setEnabled(an && JeRunde->isChecked());
    setzeBearbeitenAn(an);
    setAcceptDrops(an);
}

void NeuesSpielFenster::legeAn()
{
    if (!AnlegenKnopf->isEnabled() || schreibtGerade())
        return;
    const Paarliste& liste = Modell->liste();
    if (const Namensfehler fehler = liste.pruefeTexte(); !fehler.Text.isEmpty()) {
        Status->setText(fehler.Text);
        meldungen_.hinweis(fehler.Text);
        holeFokusZurueck();
        Liste->setFocus();
        waehleZeile(fehler.Zeile);
        Liste->edit(Modell->textzelle(fehler.Zeile));
        return;
    }
    if (!darfUngeleseneVerlieren())
        return;
    // A missing games folder is made; the writer refuses a missing parent.
    QDir().mkpath(ordner_);

    NeuesSpiel auftrag{ziel(), {}, false};
    auftrag.Paare = liste.paare();
    // The board the window showed is the board written.
    auftrag.Bildschirm = bildschirm_;
    auftrag.JeRunde = jeRunde();
    ergaenzeAuftrag(auftrag);
    abbrechen_ = false;
    auftrag.Abgebrochen = [this] { return abbrechen_.load(); };
    auftrag.Fortschritt = [this](int erledigt, int gesamt, const QString&) {
        schreiber_.melde([this, erledigt, gesamt] {
            Fortschritt->setMaximum(gesamt);
            Fortschritt->setValue(erledigt);
        });
    };
    setzeEingabenAn(false);
    AnlegenKnopf->setEnabled(false);
    Fortschritt->setRange(0, int(auftrag.Paare.size()));
    Fortschritt->setValue(0);
    Fortschritt->show();
    AbbrechenKnopf->setEnabled(true);
    AbbrechenKnopf->show();
    AbbrechenKnopf->setFocus();
    schreibmeldung_.clear();
    Status->setText(QStringLiteral("Das Spiel wird angelegt …"));
    schreiber_.starte([schreibe = schreibe_, auftrag] { return schreibe(auftrag); });
}

void NeuesSpielFenster::schreibenFertig(const Schreibergebnis& ergebnis)
{
    Fortschritt->hide();
    AbbrechenKnopf->hide();
    setzeEingabenAn(true);
    if (ergebnis.Art == Schreibergebnis::Ausgang::Geschrieben) {
        zeigeGeschrieben(QDir::cleanPath(QFileInfo(ziel()).absoluteFilePath()));
        return;
    }
    schreibmeldung_ = ergebnis.Meldung;
    aktualisiere();
    if (ergebnis.Art != Schreibergebnis::Ausgang::Abgebrochen) {
        meldungen_.fehler(ergebnis.Meldung);
        holeFokusZurueck();
    }
    AnlegenKnopf->setFocus();
}

void NeuesSpielFenster::dragEnterEvent(QDragEnterEvent* ereignis)
{
    const QList<QUrl> urls = ereignis->mimeData()->urls();
    if (!schreibtGerade() && std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); }))
        ereignis->acceptProposedAction();
}

void NeuesSpielFenster::dropEvent(QDropEvent* ereignis)
{
    QStringList pfade;
    for (const QUrl& url : ereignis->mimeData()->urls())
        if (url.isLocalFile())
            pfade += url.toLocalFile();
    if (pfade.isEmpty() || schreibtGerade())
        return;
    ereignis->acceptProposedAction();
    if (!legeZweitfotoAb(pfade, ereignis->position().toPoint()))
        fuegeHinzu(pfade);
}

void NeuesSpielFenster::keyPressEvent(QKeyEvent* ereignis)
{
    // Escape closes the window as in a dialog; a name being edited has taken its Escape already.
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void NeuesSpielFenster::closeEvent(QCloseEvent* ereignis)
{
    // The photos and the typed names would be lost without a word.
    if (Modell->rowCount() > 0 && !schreibtGerade() && stand() != gespeichert_) {
        const bool verwerfen = rueckfrage_(verlustfrage());
        holeFokusZurueck();
        if (!verwerfen) {
            ereignis->ignore();
            return;
        }
    }
    AlleAusgelassen->close();
    if (schreibtGerade()) {
        // The writer stops before its next picture and removes its draft.
        abbrechen_ = true;
        schreiber_.vergiss();
    }
    QWidget::closeEvent(ereignis);
    emit geschlossen();
}
