#include "start/NeuesSpielFenster.h"

#include "neuesspiel/Paarliste.h"
#include "pictures/Vorschaubilder.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/Fensterknopf.h"
#include "start/Kartenformatwahl.h"
#include "start/Paarlistenmodell.h"
#include "widgets/Ordnerdialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

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

QString spieleordner(const Nutzerkonfiguration& konfiguration)
{
    return konfiguration.wert(SpieleordnerSchluessel, QDir::home().filePath(QStringLiteral("Spiele")));
}

NeuesSpielFenster::NeuesSpielFenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern)
    : QWidget(eltern), konfiguration_(konfiguration), meldungen_(meldungen),
      bearbeitung_(spieleordner(konfiguration)),
      brettrechner_([this](const Brettvorschau& vorschau) {
          if (const std::optional<Brettfrage> naechste = brettvorschauen_.beantwortet(gerechnet_, vorschau))
              rechneBrett(*naechste);
          aktualisiereBald();
      })
{
    setWindowTitle(bearbeitung_.titel());
    setAccessibleName(windowTitle());
    setAcceptDrops(true);
    ordnerwahl_ = [this](const QString& start) {
        return frageNachOrdner(this, QStringLiteral("Ordner für die Spiele wählen"), start);
    };
    rueckfrage_ = [this](const QString& text) { return frageVerwerfen(this, text); };
    bildschirm_ = bezugsbildschirm();

    // Off unless the user wanted name cards last time: most parents make a photo game.
    Liste = new Paarlistenfeld(konfiguration_.wert(NamenskartenSchluessel) == QLatin1String("an"), this);
    baueRunden();
    baueFormat();
    baueVorlesen();
    Leiste = new Schreibleiste(this);
    baueLayout();
    verbinde();
    aktualisiere();
}

NeuesSpielFenster::~NeuesSpielFenster()
{
    // The parts outlive the window's own members and join their own workers: nothing they
    // say may reach the window then.
    Liste->disconnect(this);
    Leiste->disconnect(this);
}

void NeuesSpielFenster::baueRunden()
{
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
    VorschlagKnopf = knopf(QStringLiteral("Je Runde 1 Paare"),
                           QStringLiteral("So viele Paare je Runde, dass alle Namen lesbar werden"), this);
    // The line about names comes and goes as names are typed: its room stays (the board line
    // and the names' line, wrapped once), so that nothing moves under the mouse.
    QSizePolicy halten = VorschlagKnopf->sizePolicy();
    halten.setRetainSizeWhenHidden(true);
    VorschlagKnopf->setSizePolicy(halten);
    VorschlagKnopf->hide();
    Brett->setMinimumHeight(std::max(3 * Brett->fontMetrics().lineSpacing(), VorschlagKnopf->sizeHint().height()));
}

void NeuesSpielFenster::baueLayout()
{
    auto* jeRunde = new QHBoxLayout;
    jeRunde->addWidget(JeRunde);
    jeRunde->addWidget(JeRundeAnzahl);
    jeRunde->addWidget(new QLabel(QStringLiteral("Paare, zufällig aus allen"), this));
    jeRunde->addStretch(1);
    auto* formatText = new QLabel(QStringLiteral("Kartenformat:"), this);
    formatText->setBuddy(FormatWahl);
    auto* format = new QHBoxLayout;
    format->addWidget(formatText);
    format->addWidget(FormatWahl);
    format->addWidget(Zuschneiden);
    format->addSpacing(format->spacing() * 4);
    format->addWidget(Vorlesen);
    // The reason, when shown, takes the rest of the row; else the stretch does.
    format->addWidget(VorlesenHinweis, 1);
    format->addStretch();
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Liste, 1);
    spalte->addLayout(jeRunde);
    spalte->addLayout(format);
    auto* brett = new QHBoxLayout;
    brett->addWidget(Brett, 1);
    brett->addWidget(VorschlagKnopf, 0, Qt::AlignTop);
    spalte->addLayout(brett);
    spalte->addWidget(Leiste);
    QWidget* reihenfolge[] = {Liste->HinzufuegenKnopf, Liste->Tabelle, Liste->EntfernenKnopf, Liste->HochKnopf,
                              Liste->RunterKnopf, Liste->FotoWaehlenKnopf, Liste->TonKnopf, Liste->TextpaarKnopf,
                              Liste->ListeLadenKnopf, Liste->AlleAusgelassenKnopf, Liste->MitNamen, Liste->Listenkopf, JeRunde,
                              JeRundeAnzahl, FormatWahl, Zuschneiden, Vorlesen, VorschlagKnopf, Leiste->Spielname,
                              Leiste->OrdnerKnopf, Leiste->AnlegenKnopf, Leiste->StartenKnopf, Leiste->DruckenKnopf,
                              Leiste->WeitergebenKnopf,
                              Leiste->AbbrechenKnopf};
    for (std::size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
    resize(760, 640);
    Liste->HinzufuegenKnopf->setFocus();
}

void NeuesSpielFenster::verbinde()
{
    connect(Liste, &Paarlistenfeld::geaendert, this, &NeuesSpielFenster::aktualisiere);
    connect(Liste, &Paarlistenfeld::vorschauDa, this, &NeuesSpielFenster::aktualisiereBald);
    connect(Liste, &Paarlistenfeld::namensvorschlag, Leiste, &Schreibleiste::schlageNamenVor);
    connect(Liste, &Paarlistenfeld::listenmeldung, Leiste, &Schreibleiste::setzeMeldung);
    connect(Liste, &Paarlistenfeld::mitNamenGeaendert, this, [this](bool an) {
        konfiguration_.setzeWert(NamenskartenSchluessel, an ? QStringLiteral("an") : QStringLiteral("aus"));
        if (!konfiguration_.speichere())
            konfiguration_.meldeNichtGespeichert();
        aktualisiere();
    });
    connect(JeRunde, &QCheckBox::toggled, this, [this](bool an) {
        JeRundeAnzahl->setEnabled(an);
        aktualisiere();
    });
    connect(JeRundeAnzahl, &QSpinBox::valueChanged, this, [this] { aktualisiere(); });
    connect(VorschlagKnopf, &QPushButton::clicked, this, [this] {
        if (vorschlag_ < 1)
            return;
        JeRundeAnzahl->setValue(vorschlag_);
        JeRunde->setChecked(true);
        aktualisiere();
    });
    connect(Leiste, &Schreibleiste::nameGetippt, this, &NeuesSpielFenster::aktualisiere);
    connect(Leiste, &Schreibleiste::geschrieben, this, &NeuesSpielFenster::schreibenFertig);
    connect(Leiste->OrdnerKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::waehleSpieleordner);
    connect(Leiste->AnlegenKnopf, &QPushButton::clicked, this, &NeuesSpielFenster::legeAn);
    verbindeGeschrieben();
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

Paarangaben NeuesSpielFenster::paare() const { return liste().paare(); }

QStringList NeuesSpielFenster::fotos() const { return liste().fotos(); }

QStringList NeuesSpielFenster::namen() const { return liste().namen(); }

int NeuesSpielFenster::offeneVorschauen() const { return liste().offeneVorschauen(); }

QString NeuesSpielFenster::ziel() const { return bearbeitung_.ziel(liste(), Leiste->spielname()).Pfad; }

void NeuesSpielFenster::holeFokusZurueck()
{
    // Without a window manager nobody gives the keyboard back after a dialog.
    if (isVisible())
        activateWindow();
}

void NeuesSpielFenster::waehleSpieleordner()
{
    const QString gewaehlt = ordnerwahl_(bearbeitung_.spieleordner());
    holeFokusZurueck();
    if (gewaehlt.isEmpty())
        return;
    bearbeitung_.setzeSpieleordner(QDir::cleanPath(gewaehlt));
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

void NeuesSpielFenster::zeigeBrett(const Brettvorschau& vorschau)
{
    Brett->setText(vorschau.Text);
    // A screen reader reads the line itself, not a label for it.
    Brett->setAccessibleName(vorschau.Text);
    Brett->setAccessibleDescription(vorschau.Text);
    vorschlag_ = vorschau.Vorschlag;
    VorschlagKnopf->setText(QStringLiteral("Je Runde %1 Paare").arg(vorschlag_));
    VorschlagKnopf->setAccessibleName(VorschlagKnopf->text());
    VorschlagKnopf->setVisible(vorschlag_ > 0);
}

int NeuesSpielFenster::jeRunde() const
{
    return JeRunde->isChecked() ? JeRundeAnzahl->value() : 0;
}

Schreibstand NeuesSpielFenster::stand() const
{
    Schreibstand s = schreibstand(paare(), jeRunde(), gewaehltesFormat());
    s.TexteVorlesen = Vorlesen->isChecked();
    return s;
}

void NeuesSpielFenster::aktualisiere()
{
    const Paarliste& liste = this->liste();
    Liste->richteSpaltenAus();

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
    const Zielpruefung ziel = bearbeitung_.ziel(liste, Leiste->spielname());
    // "Spiel starten" and "Drucken…" go once the pairs differ from the ones written.
    if (!bearbeitung_.geschriebenesAktuell(stand()))
        Leiste->verbergeGeschrieben();
    Leiste->zeige(bearbeitung_.spieleordner(), ziel.Text, liste.offeneVorschauen(), liste.schreibbar(brett.Zeigen, ziel));
}

void NeuesSpielFenster::setzeEingabenAn(bool an)
{
    Liste->setzeAn(an);
    for (QWidget* w : std::initializer_list<QWidget*>{JeRunde, FormatWahl, VorschlagKnopf, Vorlesen})
        w->setEnabled(an);
    JeRundeAnzahl->setEnabled(an && JeRunde->isChecked());
    Zuschneiden->setEnabled(an && FormatWahl->currentIndex() != int(Formateintrag::Automatisch));
    // The edited game's place is fixed.
    Leiste->setzeAn(an, bearbeitung_.ersetzt());
    setAcceptDrops(an);
}

void NeuesSpielFenster::legeAn()
{
    if (!Leiste->AnlegenKnopf->isEnabled() || schreibtGerade())
        return;
    const Paarliste& liste = this->liste();
    if (const Namensfehler fehler = liste.pruefeTexte(); !fehler.Text.isEmpty()) {
        Leiste->Status->setText(fehler.Text);
        meldungen_.hinweis(fehler.Text);
        holeFokusZurueck();
        Liste->bearbeiteText(fehler.Zeile);
        return;
    }
    // Cards of the edited game that could not be read are not in the list: saving drops them.
    if (const QString frage = bearbeitung_.ungeleseneFrage(liste); !frage.isEmpty()) {
        const bool verwerfen = rueckfrage_(frage);
        holeFokusZurueck();
        if (!verwerfen)
            return;
        bearbeitung_.ungeleseneVerworfen(liste);
    }
    // A missing games folder is made; the writer refuses a missing parent.
    QDir().mkpath(bearbeitung_.spieleordner());

    NeuesSpiel auftrag{ziel(), {}, false};
    auftrag.Paare = liste.paare();
    // The board the window showed is the board written.
    auftrag.Bildschirm = bildschirm_;
    auftrag.JeRunde = jeRunde();
    auftrag.Format = gewaehltesFormat();
    auftrag.Ersetzen = bearbeitung_.ersetzt();
    auftrag.TexteVorlesen = Vorlesen->isChecked();
    auftrag.Sprachen = vorlesesprachen();
    setzeEingabenAn(false);
    Leiste->schreibe(std::move(auftrag));
}

void NeuesSpielFenster::schreibenFertig(const Schreibergebnis& ergebnis)
{
    setzeEingabenAn(true);
    if (ergebnis.Art == Schreibergebnis::Ausgang::Geschrieben) {
        zeigeGeschrieben(QDir::cleanPath(QFileInfo(ziel()).absoluteFilePath()));
        return;
    }
    Leiste->setzeMeldung(ergebnis.Meldung);
    aktualisiere();
    if (ergebnis.Art != Schreibergebnis::Ausgang::Abgebrochen) {
        meldungen_.fehler(ergebnis.Meldung);
        holeFokusZurueck();
    }
    Leiste->AnlegenKnopf->setFocus();
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
    if (!Liste->legeZweitfotoAb(pfade, Liste->mapFrom(this, ereignis->position().toPoint())))
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
    if (const QString frage = schreibtGerade() ? QString() : bearbeitung_.verlustfrage(liste(), stand());
        !frage.isEmpty()) {
        const bool verwerfen = rueckfrage_(frage);
        holeFokusZurueck();
        if (!verwerfen) {
            ereignis->ignore();
            return;
        }
    }
    Liste->AlleAusgelassen->close();
    // The writer stops before its next picture and removes its draft.
    if (schreibtGerade())
        Leiste->brichAb();
    QWidget::closeEvent(ereignis);
    emit geschlossen();
}
