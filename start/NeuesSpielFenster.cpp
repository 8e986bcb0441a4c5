#include "start/NeuesSpielFenster.h"

#include "neuesspiel/Fotoliste.h"
#include "neuesspiel/Spielschreiber.h"
#include "pictures/Vorschaubilder.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/Fensterknopf.h"
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
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RolleNummer = Qt::UserRole;
constexpr int RollePfad = Qt::UserRole + 1;
constexpr int RolleGroesse = Qt::UserRole + 2;
const QColor DoppeltFarbe(255, 205, 205);

QString inAnfuehrung(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

// The file names Qt's readers (and the game's JPEG decoder) take, for folders and the dialog.
QStringList bildmuster()
{
    QStringList muster{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString m = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!muster.contains(m))
            muster += m;
    }
    return muster;
}

// The pictures directly in a folder, in the order a file manager shows them ("Bild 2" before "Bild 10").
QStringList bilderIn(const QString& ordner)
{
    QDir dir(ordner);
    QStringList namen = dir.entryList(bildmuster(), QDir::Files | QDir::Readable, QDir::NoSort);
    std::sort(namen.begin(), namen.end(), natuerlichVor);
    QStringList pfade;
    for (const QString& name : namen)
        pfade += dir.absoluteFilePath(name);
    return pfade;
}

} // namespace

NeuesSpielFenster::NeuesSpielFenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern)
    : QWidget(eltern), konfiguration_(konfiguration), meldungen_(meldungen)
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
    ordner_ = konfiguration_.wert(SpieleordnerSchluessel, QDir::home().filePath(QStringLiteral("Spiele")));
    letzterFotoordner_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    bildschirm_ = bezugsbildschirm();

    HinzufuegenKnopf = knopf(QStringLiteral("Fotos hinzufügen…"),
                             QStringLiteral("Fotos auswählen; Dateien und Ordner lassen sich auch hierher ziehen"), this);
    EntfernenKnopf = knopf(QStringLiteral("Entfernen"), QStringLiteral("Die gewählten Fotos aus der Liste nehmen (Entf)"), this);
    HochKnopf = knopf(QStringLiteral("Nach oben"), QStringLiteral("Das Foto eine Zeile nach oben (Strg+Pfeil hoch)"), this);
    RunterKnopf = knopf(QStringLiteral("Nach unten"), QStringLiteral("Das Foto eine Zeile nach unten (Strg+Pfeil runter)"), this);

    Liste = new QTableWidget(0, Spaltenzahl, this);
    Liste->setHorizontalHeaderLabels({QStringLiteral("Foto"), QStringLiteral("Name"), QStringLiteral("Datei"),
                                      QStringLiteral("Hinweis")});
    Liste->setAccessibleName(QStringLiteral("Fotos"));
    Liste->setAccessibleDescription(QStringLiteral("Ein Foto je Zeile; Tippen ändert den Namen"));
    Liste->setIconSize(QSize(Bildkante, Bildkante));
    Liste->verticalHeader()->setDefaultSectionSize(Bildkante + 4);
    Liste->horizontalHeader()->setSectionResizeMode(SpalteName, QHeaderView::Stretch);
    Liste->setColumnWidth(SpalteFoto, Bildkante + 8);
    Liste->setColumnWidth(SpalteDatei, 200);
    Liste->setColumnWidth(SpalteHinweis, 120);
    Liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Liste->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    // Tab leaves the list instead of walking its cells.
    Liste->setTabKeyNavigation(false);
    Liste->setWordWrap(false);
    Liste->setMinimumHeight(240);

    Ausgelassen = new QLabel(this);
    Ausgelassen->setWordWrap(true);
    Ausgelassen->setTextFormat(Qt::PlainText);
    Ausgelassen->hide();

    MitNamen = new QCheckBox(QStringLiteral("Zweite Karte zeigt den Namen"), this);
    MitNamen->setChecked(true);
    MitNamen->setAccessibleName(MitNamen->text());
    MitNamen->setToolTip(QStringLiteral("Sonst zeigen beide Karten eines Paares dasselbe Foto"));

    Brett = new QLabel(this);
    Brett->setAccessibleName(QStringLiteral("Spielfeld"));
    Brett->setTextFormat(Qt::PlainText);
    Brett->setWordWrap(true);

    Spielname = new QLineEdit(this);
    Spielname->setAccessibleName(QStringLiteral("Name des Spiels"));
    auto* spielnameText = new QLabel(QStringLiteral("Name des Spiels:"), this);
    spielnameText->setBuddy(Spielname);
    Spieleordner = new QLabel(this);
    Spieleordner->setTextFormat(Qt::PlainText);
    Spieleordner->setAccessibleName(QStringLiteral("Ordner für die Spiele"));
    Spieleordner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ordnerText = new QLabel(QStringLiteral("Ordner für die Spiele:"), this);
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

    auto* listenKnoepfe = new QHBoxLayout;
    for (QPushButton* k : {HinzufuegenKnopf, EntfernenKnopf, HochKnopf, RunterKnopf})
        listenKnoepfe->addWidget(k);
    listenKnoepfe->addStretch(1);
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
    spalte->addWidget(Liste, 1);
    spalte->addWidget(Ausgelassen);
    spalte->addWidget(MitNamen);
    spalte->addWidget(Brett);
    spalte->addLayout(wo);
    spalte->addWidget(Ziel);
    spalte->addWidget(Status);
    spalte->addLayout(unten);
    QWidget* reihenfolge[] = {HinzufuegenKnopf, Liste, EntfernenKnopf, HochKnopf, RunterKnopf, MitNamen,
                              Spielname, OrdnerKnopf, AnlegenKnopf, AbbrechenKnopf};
    for (std::size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
    resize(760, 640);
    HinzufuegenKnopf->setFocus();

    connect(HinzufuegenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::waehleFotos);
    connect(EntfernenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::entferne);
    connect(HochKnopf, &QPushButton::clicked, this, [this] { verschiebe(-1); });
    connect(RunterKnopf, &QPushButton::clicked, this, [this] { verschiebe(+1); });
    connect(OrdnerKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::waehleSpieleordner);
    connect(AnlegenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::legeAn);
    connect(AbbrechenKnopf, &QPushButton::clicked, this, [this] {
        abbrechen_ = true;
        AbbrechenKnopf->setEnabled(false);
        Status->setText(QStringLiteral("Wird abgebrochen…"));
    });
    connect(MitNamen, &QCheckBox::toggled, this, &NeuesSpielFenster::aktualisiere);
    connect(Spielname, &QLineEdit::textEdited, this, [this] {
        nameVonHand_ = true;
        aktualisiere();
    });
    connect(Liste, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* eintrag) {
        if (!setztSelbst_ && eintrag->column() == SpalteName)
            aktualisiere();
    });
    // Typing on a row edits its name, whichever cell of the row is current (the file name's
    // cell while names are off, as the name column is hidden then).
    connect(Liste, &QTableWidget::currentCellChanged, this, [this](int zeile, int spalte) {
        if (zeile >= 0 && spalte != zielspalte())
            Liste->setCurrentCell(zeile, zielspalte(), QItemSelectionModel::NoUpdate);
    });
    auto* entf = new QShortcut(QKeySequence::Delete, Liste, nullptr, nullptr, Qt::WidgetShortcut);
    connect(entf, &QShortcut::activated, this, &NeuesSpielFenster::entferne);
    auto* hoch = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), Liste, nullptr, nullptr, Qt::WidgetShortcut);
    connect(hoch, &QShortcut::activated, this, [this] { verschiebe(-1); });
    auto* runter = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), Liste, nullptr, nullptr, Qt::WidgetShortcut);
    connect(runter, &QShortcut::activated, this, [this] { verschiebe(+1); });

    brettvorschauen_ = std::make_unique<Brettvorschauen>([this] {
        QMetaObject::invokeMethod(this, [this] { aktualisiereBald(); }, Qt::QueuedConnection);
    });
    vorschaubilder_ = std::make_unique<Vorschaubilder>(Bildkante, [this](Vorschau v) {
        QMetaObject::invokeMethod(this, [this, v = std::move(v)] { zeigeVorschau(v); }, Qt::QueuedConnection);
    });
    aktualisiere();
}

NeuesSpielFenster::~NeuesSpielFenster()
{
    // Nothing may report to the window once it goes: the workers are joined first.
    vorschaubilder_.reset();
    brettvorschauen_.reset();
    if (schreiber_) {
        abbrechen_ = true;
        schreiber_->waitForFinished();
    }
}

void NeuesSpielFenster::setzeBildschirm(QSize groesse)
{
    bildschirm_ = groesse;
    aktualisiere();
}

void NeuesSpielFenster::waehleFotos()
{
    const QStringList gewaehlt = dateiwahl_(letzterFotoordner_);
    holeFokusZurueck();
    if (!gewaehlt.isEmpty())
        letzterFotoordner_ = QFileInfo(gewaehlt.first()).absolutePath();
    fuegeHinzu(gewaehlt);
}

void NeuesSpielFenster::fuegeHinzu(const QStringList& pfade)
{
    if (schreiber_)
        return;
    QStringList dateien;
    for (const QString& pfad : pfade) {
        const QFileInfo info(pfad);
        if (info.isDir()) {
            const QStringList bilder = bilderIn(pfad);
            if (bilder.isEmpty())
                merkeAusgelassen(pfad, QStringLiteral("keine Bilder darin"));
            dateien += bilder;
        } else {
            dateien += info.absoluteFilePath();
        }
    }
    QSet<QString> schonDa;
    for (const QString& foto : fotos())
        schonDa.insert(QFileInfo(foto).canonicalFilePath());
    QStringList neu;
    for (const QString& datei : dateien) {
        const QString echt = QFileInfo(datei).canonicalFilePath();
        if (echt.isEmpty())
            merkeAusgelassen(datei, QStringLiteral("gibt es nicht"));
        else if (schonDa.contains(echt))
            merkeAusgelassen(datei, QStringLiteral("schon in der Liste"));
        else
            neu += datei;
        schonDa.insert(echt);
    }
    const int erste = Liste->rowCount();
    const bool warLeer = erste == 0;
    const QString erstes = neu.value(0);
    setztSelbst_ = true;
    // All rows at once and one repaint: hundreds of photos may come in one drop.
    Liste->setUpdatesEnabled(false);
    Liste->setRowCount(erste + int(neu.size()));
    for (int i = 0; i < neu.size(); ++i) {
        const QFileInfo info(neu[i]);
        const int zeile = erste + i;
        const std::uint64_t nummer = naechste_++;
        auto* foto = new QTableWidgetItem;
        foto->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        foto->setData(RolleNummer, QVariant::fromValue<qulonglong>(nummer));
        foto->setData(RollePfad, neu[i]);
        foto->setData(Qt::AccessibleTextRole, QStringLiteral("Foto %1").arg(info.fileName()));
        auto* name = new QTableWidgetItem(vorgeschlagenerName(info.fileName()));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        auto* dateiname = new QTableWidgetItem(info.fileName());
        dateiname->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        dateiname->setToolTip(neu[i]);
        auto* hinweis = new QTableWidgetItem;
        hinweis->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        Liste->setItem(zeile, SpalteFoto, foto);
        Liste->setItem(zeile, SpalteName, name);
        Liste->setItem(zeile, SpalteDatei, dateiname);
        Liste->setItem(zeile, SpalteHinweis, hinweis);
        vorschaubilder_->bestelle(nummer, neu[i]);
    }
    Liste->setUpdatesEnabled(true);
    setztSelbst_ = false;
    if (warLeer && !erstes.isEmpty()) {
        if (!nameVonHand_)
            Spielname->setText(spielnameFuer(erstes));
        waehleZeile(0);
    }
    aktualisiere();
}

QStringList NeuesSpielFenster::fotos() const
{
    QStringList pfade;
    for (int zeile = 0; zeile < Liste->rowCount(); ++zeile)
        pfade += Liste->item(zeile, SpalteFoto)->data(RollePfad).toString();
    return pfade;
}

QStringList NeuesSpielFenster::namen() const
{
    QStringList n;
    for (int zeile = 0; zeile < Liste->rowCount(); ++zeile)
        n += Liste->item(zeile, SpalteName)->text();
    return n;
}

int NeuesSpielFenster::offeneVorschauen() const
{
    int offen = 0;
    for (int zeile = 0; zeile < Liste->rowCount(); ++zeile)
        if (!Liste->item(zeile, SpalteFoto)->data(RolleGroesse).isValid())
            ++offen;
    return offen;
}

QString NeuesSpielFenster::ziel() const { return QDir(ordner_).filePath(Spielname->text().trimmed()); }

int NeuesSpielFenster::zeileVon(std::uint64_t nummer) const
{
    for (int zeile = 0; zeile < Liste->rowCount(); ++zeile)
        if (Liste->item(zeile, SpalteFoto)->data(RolleNummer).toULongLong() == nummer)
            return zeile;
    return -1;
}

void NeuesSpielFenster::merkeAusgelassen(const QString& pfad, const QString& grund)
{
    ausgelassen_ += QStringLiteral("%1 (%2)").arg(QFileInfo(pfad).fileName(), grund);
    Ausgelassen->setText(QStringLiteral("Nicht aufgenommen: ") + ausgelassen_.join(QStringLiteral(", ")));
    Ausgelassen->show();
}

void NeuesSpielFenster::zeigeVorschau(const Vorschau& vorschau)
{
    const int zeile = zeileVon(vorschau.Nummer);
    if (zeile < 0)
        return;
    if (vorschau.Bild.isNull()) {
        merkeAusgelassen(Liste->item(zeile, SpalteFoto)->data(RollePfad).toString(), vorschau.Fehler);
        Liste->removeRow(zeile);
    } else {
        setztSelbst_ = true;
        QTableWidgetItem* foto = Liste->item(zeile, SpalteFoto);
        foto->setIcon(QIcon(QPixmap::fromImage(vorschau.Bild)));
        foto->setData(RolleGroesse, vorschau.Groesse);
        setztSelbst_ = false;
    }
    aktualisiereBald();
}

void NeuesSpielFenster::entferne()
{
    if (schreiber_)
        return;
    QList<int> zeilen;
    for (const QModelIndex& index : Liste->selectionModel()->selectedRows())
        zeilen += index.row();
    if (zeilen.isEmpty() && Liste->currentRow() >= 0)
        zeilen += Liste->currentRow();
    std::sort(zeilen.begin(), zeilen.end(), std::greater<>());
    for (const int zeile : zeilen)
        Liste->removeRow(zeile);
    if (!zeilen.isEmpty() && Liste->rowCount() > 0)
        waehleZeile(std::min(zeilen.last(), Liste->rowCount() - 1));
    aktualisiere();
}

void NeuesSpielFenster::verschiebe(int richtung)
{
    const int zeile = Liste->currentRow();
    const int nach = zeile + richtung;
    if (schreiber_ || zeile < 0 || nach < 0 || nach >= Liste->rowCount())
        return;
    setztSelbst_ = true;
    for (int spalte = 0; spalte < Spaltenzahl; ++spalte) {
        QTableWidgetItem* a = Liste->takeItem(zeile, spalte);
        QTableWidgetItem* b = Liste->takeItem(nach, spalte);
        Liste->setItem(zeile, spalte, b);
        Liste->setItem(nach, spalte, a);
    }
    setztSelbst_ = false;
    waehleZeile(nach);
    aktualisiere();
}

int NeuesSpielFenster::zielspalte() const { return MitNamen->isChecked() ? SpalteName : SpalteDatei; }

void NeuesSpielFenster::holeFokusZurueck()
{
    // Without a window manager nobody gives the keyboard back after a dialog.
    if (isVisible())
        activateWindow();
}

void NeuesSpielFenster::waehleZeile(int zeile)
{
    // Explicitly one row: with the keys' Ctrl still held the view would add to the selection.
    Liste->setCurrentCell(zeile, zielspalte(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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

bool NeuesSpielFenster::zielGeht()
{
    Spieleordner->setText(QDir::toNativeSeparators(ordner_));
    if (const QString fehler = spielnameFehler(Spielname->text()); !fehler.isEmpty()) {
        // Before the first photo the name is still to come: nothing to complain about yet.
        Ziel->setText(Liste->rowCount() == 0 && Spielname->text().isEmpty() ? QString() : fehler);
        return false;
    }
    const QString z = ziel();
    const QFileInfo info(z);
    if (info.exists() && !(info.isDir() && QDir(z).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))) {
        Ziel->setText(QStringLiteral("%1 gibt es schon. Bitte einen anderen Namen für das Spiel wählen.")
                          .arg(inAnfuehrung(QDir::toNativeSeparators(z))));
        return false;
    }
    Ziel->setText(QStringLiteral("Das Spiel wird angelegt in %1.").arg(inAnfuehrung(QDir::toNativeSeparators(z))));
    return true;
}

void NeuesSpielFenster::aktualisiere()
{
    const bool mitNamen = MitNamen->isChecked();
    const QStringList n = namen();
    const std::vector<bool> doppelt = doppelteNamen(n);
    std::vector<QSize> groessen;
    setztSelbst_ = true;
    for (int zeile = 0; zeile < Liste->rowCount(); ++zeile) {
        const bool leer = n[zeile].trimmed().isEmpty();
        const bool zweimal = mitNamen && doppelt[std::size_t(zeile)];
        const QString hinweis = !mitNamen ? QString()
            : leer                        ? QStringLiteral("Name fehlt")
            : zweimal                     ? QStringLiteral("Name doppelt")
                                          : QString();
        QTableWidgetItem* h = Liste->item(zeile, SpalteHinweis);
        if (h->text() != hinweis)
            h->setText(hinweis);
        QTableWidgetItem* name = Liste->item(zeile, SpalteName);
        const QBrush hintergrund = zweimal ? QBrush(DoppeltFarbe) : QBrush();
        if (name->background() != hintergrund)
            name->setBackground(hintergrund);
        groessen.push_back(Liste->item(zeile, SpalteFoto)->data(RolleGroesse).toSize());
    }
    setztSelbst_ = false;
    Liste->setColumnHidden(SpalteName, !mitNamen);
    Liste->setColumnHidden(SpalteHinweis, !mitNamen);
    if (const int zeile = Liste->currentRow(); zeile >= 0 && Liste->currentColumn() != zielspalte())
        Liste->setCurrentCell(zeile, zielspalte(), QItemSelectionModel::NoUpdate);

    const Brettvorschau vorschau = brettvorschauen_->fuer(groessen, bildschirm_);
    Brett->setText(vorschau.Text);
    const bool zielOk = zielGeht();
    const int offen = offeneVorschauen();
    if (!schreiber_)
        Status->setText(offen > 0 ? QStringLiteral("Fotos werden gelesen … noch %1.").arg(offen) : QString());
    AnlegenKnopf->setEnabled(vorschau.Gut && zielOk && offen == 0 && !schreiber_);
}

void NeuesSpielFenster::setzeEingabenAn(bool an)
{
    for (QWidget* w : std::initializer_list<QWidget*>{HinzufuegenKnopf, EntfernenKnopf, HochKnopf, RunterKnopf,
                                                      Liste, MitNamen, Spielname, OrdnerKnopf})
        w->setEnabled(an);
    setAcceptDrops(an);
}

void NeuesSpielFenster::legeAn()
{
    if (!AnlegenKnopf->isEnabled() || schreiber_)
        return;
    const QStringList n = namen();
    if (const Namensfehler fehler = pruefeNamen(n, MitNamen->isChecked()); !fehler.Text.isEmpty()) {
        Status->setText(fehler.Text);
        meldungen_.hinweis(fehler.Text);
        holeFokusZurueck();
        Liste->setFocus();
        waehleZeile(fehler.Zeile);
        Liste->editItem(Liste->item(fehler.Zeile, SpalteName));
        return;
    }
    // A missing games folder is made; the writer refuses a missing parent.
    QDir().mkpath(ordner_);

    NeuesSpiel auftrag{ziel(), fotos(), MitNamen->isChecked()};
    // The board the window showed is the board written.
    auftrag.Bildschirm = bildschirm_;
    if (auftrag.MitNamen)
        auftrag.Namen = n;
    abbrechen_ = false;
    auftrag.Abgebrochen = [this] { return abbrechen_.load(); };
    auftrag.Fortschritt = [this](int erledigt, int gesamt, const QString&) {
        QMetaObject::invokeMethod(this, [this, erledigt, gesamt] {
            Fortschritt->setMaximum(gesamt);
            Fortschritt->setValue(erledigt);
        }, Qt::QueuedConnection);
    };
    setzeEingabenAn(false);
    AnlegenKnopf->setEnabled(false);
    Fortschritt->setRange(0, int(auftrag.Bilder.size()));
    Fortschritt->setValue(0);
    Fortschritt->show();
    AbbrechenKnopf->setEnabled(true);
    AbbrechenKnopf->show();
    AbbrechenKnopf->setFocus();
    Status->setText(QStringLiteral("Das Spiel wird angelegt …"));
    schreiber_ = std::make_unique<QFutureWatcher<Schreibergebnis>>();
    connect(schreiber_.get(), &QFutureWatcherBase::finished, this, [this] {
        const Schreibergebnis ergebnis = schreiber_->result();
        // The watcher is the sender: it goes once its signal is through.
        schreiber_.release()->deleteLater();
        schreibenFertig(ergebnis);
    });
    schreiber_->setFuture(QtConcurrent::run(schreibeNeuesSpiel, auftrag));
}

void NeuesSpielFenster::schreibenFertig(const Schreibergebnis& ergebnis)
{
    Fortschritt->hide();
    AbbrechenKnopf->hide();
    setzeEingabenAn(true);
    if (ergebnis.Art == Schreibergebnis::Ausgang::Geschrieben) {
        konfiguration_.setzeWert(SpieleordnerSchluessel, ordner_);
        konfiguration_.speichere();
        aktualisiere();
        Status->setText(QStringLiteral("Das Spiel ist angelegt."));
        emit spielAngelegt(QDir::cleanPath(QFileInfo(ziel()).absoluteFilePath()));
        return;
    }
    aktualisiere();
    Status->setText(ergebnis.Meldung);
    if (ergebnis.Art != Schreibergebnis::Ausgang::Abgebrochen) {
        meldungen_.fehler(ergebnis.Meldung);
        holeFokusZurueck();
    }
    AnlegenKnopf->setFocus();
}

void NeuesSpielFenster::dragEnterEvent(QDragEnterEvent* ereignis)
{
    const QList<QUrl> urls = ereignis->mimeData()->urls();
    if (!schreiber_ && std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); }))
        ereignis->acceptProposedAction();
}

void NeuesSpielFenster::dropEvent(QDropEvent* ereignis)
{
    QStringList pfade;
    for (const QUrl& url : ereignis->mimeData()->urls())
        if (url.isLocalFile())
            pfade += url.toLocalFile();
    if (pfade.isEmpty() || schreiber_)
        return;
    ereignis->acceptProposedAction();
    fuegeHinzu(pfade);
}

void NeuesSpielFenster::closeEvent(QCloseEvent* ereignis)
{
    if (schreiber_) {
        // The writer stops before its next picture and removes its draft.
        abbrechen_ = true;
        schreiber_->waitForFinished();
        schreiber_.reset();
    }
    QWidget::closeEvent(ereignis);
    emit geschlossen();
}
