#include "start/Startfenster.h"

#include "board/Spielauswahl.h"
#include "demo/Spielordner.h"
#include "neuesspiel/Entwurf.h"
#include "pictures/Vorschaubilder.h"
#include "platform/Dateiname.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "platform/Spielordnerwahl.h"
#include "start/Druckdialog.h"
#include "start/Fensterknopf.h"
#include "start/Letztespielemodell.h"
#include "start/NeuesSpielFenster.h"
#include "widgets/Ordnerdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// A list row's number: the filling in the high bits, the row in the low ones.
constexpr int Zeilenbits = 8;
// Lines of a message about the demo game.
constexpr qsizetype MaxFehlerzeilen = 5;

} // namespace

Startfenster::Startfenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern)
    : QWidget(eltern), konfiguration_(konfiguration), meldungen_(meldungen), ordnerwahl_(frageNachSpielordner),
      beispielordner_(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                      + QStringLiteral("/Beispielspiel"))
{
    // Drafts that writers killed in earlier runs left in the games folder and beside the
    // last games, which may lie elsewhere (on a stick); a game left aside is listed again.
    raeumeEntwuerfeAuf(spieleordner(konfiguration_));
    raeumeNebenSpielenAuf(konfiguration_.liste(LetzteSpieleSchluessel));
    setWindowTitle(QStringLiteral("Paarlix"));
    setAccessibleName(QStringLiteral("Paarlix"));
    auto* spalte = new QVBoxLayout(this);
    auto* titel = new QLabel(QStringLiteral("Paarlix – das Memory-Spiel mit eigenen Bildern"), this);
    QFont gross = titel->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    gross.setBold(true);
    titel->setFont(gross);
    spalte->addWidget(titel);
    spalte->addSpacing(8);
    NeuesSpielKnopf = knopf(QStringLiteral("Neues Spiel aus Fotos…"),
                            QStringLiteral("Fotos auswählen, Namen eingeben und daraus ein Spiel anlegen"), this);
    OeffnenKnopf = knopf(QStringLiteral("Spiel öffnen…"), QStringLiteral("Einen Spielordner wählen und spielen"), this);
    BeispielKnopf = knopf(QStringLiteral("Beispielspiel"), QStringLiteral("Das mitgelieferte Spiel mit Zahlen und Formen spielen"), this);
    BearbeitenKnopf = knopf(QStringLiteral("Spiel bearbeiten…"),
                            QStringLiteral("Paare des gewählten Spiels hinzufügen, entfernen oder ändern"), this);
    DruckenKnopf = knopf(QStringLiteral("Drucken…"), QStringLiteral("Die Karten des gewählten Spiels zum Ausschneiden drucken"), this);
    WeitergebenKnopf = knopf(QStringLiteral("Weitergeben…"),
                             QStringLiteral("Das gewählte Spiel als eine Datei speichern, zum Verschicken oder für einen Stick"),
                             this);
    Weitergabe = new Weitergabeablauf(meldungen_, this);
    auto* ueberschrift = new QLabel(QStringLiteral("Zuletzt gespielt:"), this);
    LetzteSpiele = new QListView(this);
    LetzteSpiele->setModel(spiele_ = new Letztespielemodell(LetzteSpiele));
    LetzteSpiele->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LetzteSpiele->setIconSize(QSize(Bildkante, Bildkante));
    LetzteSpiele->setAccessibleName(QStringLiteral("Zuletzt gespielt"));
    LetzteSpiele->setAccessibleDescription(QStringLiteral("Eingabetaste oder Doppelklick startet das Spiel"));
    ueberschrift->setBuddy(LetzteSpiele);
    KeineSpiele = new QLabel(QStringLiteral("Noch keine Spiele."), this);
    spalte->addWidget(NeuesSpielKnopf);
    spalte->addWidget(OeffnenKnopf);
    spalte->addWidget(BeispielKnopf);
    spalte->addWidget(BearbeitenKnopf);
    spalte->addWidget(DruckenKnopf);
    spalte->addWidget(WeitergebenKnopf);
    spalte->addSpacing(8);
    spalte->addWidget(ueberschrift);
    spalte->addWidget(KeineSpiele);
    spalte->addWidget(LetzteSpiele, 20);
    // Takes the room while the list is hidden.
    spalte->addStretch(1);
    setTabOrder(NeuesSpielKnopf, OeffnenKnopf);
    setTabOrder(OeffnenKnopf, BeispielKnopf);
    setTabOrder(BeispielKnopf, BearbeitenKnopf);
    setTabOrder(BearbeitenKnopf, DruckenKnopf);
    setTabOrder(DruckenKnopf, WeitergebenKnopf);
    setTabOrder(WeitergebenKnopf, LetzteSpiele);
    resize(420, 460);

    connect(NeuesSpielKnopf, &QPushButton::clicked, this, &Startfenster::neuesSpielGewuenscht);
    connect(OeffnenKnopf, &QPushButton::clicked, this, &Startfenster::oeffneSpiel);
    connect(BeispielKnopf, &QPushButton::clicked, this, &Startfenster::starteBeispiel);
    connect(BearbeitenKnopf, &QPushButton::clicked, this, [this] {
        if (const QString ordner = gewaehlterOrdner(); !ordner.isEmpty())
            emit spielBearbeitenGewuenscht(ordner);
    });
    connect(DruckenKnopf, &QPushButton::clicked, this, [this] {
        if (const QString ordner = gewaehlterOrdner(); !ordner.isEmpty())
            druckeMitDialog(ordner, Druckoptionen(), meldungen_, this);
        activateWindow();
    });
    connect(WeitergebenKnopf, &QPushButton::clicked, this, [this] {
        if (const QString ordner = gewaehlterOrdner(); !ordner.isEmpty())
            Weitergabe->gibWeiter(ordner);
    });
    // Enter and a double click both activate a row.
    connect(LetzteSpiele, &QListView::activated, this,
            [this](const QModelIndex& zeile) { emit spielGewaehlt(spiele_->ordner(zeile.row())); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    vorschaubilder_ = std::make_unique<Vorschaubilder>(Bildkante, [this](Vorschau v) { zeigeVorschau(v); }, 2);
    zeigeLetzteSpiele();
    NeuesSpielKnopf->setFocus();
}

Startfenster::~Startfenster()
{
    // Joins the workers before anything they report to goes.
    vorschaubilder_.reset();
}

void Startfenster::zeigeLetzteSpiele()
{
    vorschaubilder_->vergissOffene();
    ++liste_;
    const QStringList spiele = letzteSpiele(konfiguration_);
    spiele_->setzeSpiele(spiele);
    for (int i = 0; i < spiele.size(); ++i)
        vorschaubilder_->bestelle((liste_ << Zeilenbits) | std::uint64_t(i), spiele_->ersteKarte(i));
    if (!spiele.isEmpty())
        LetzteSpiele->setCurrentIndex(spiele_->index(0));
    LetzteSpiele->setVisible(!spiele.isEmpty());
    KeineSpiele->setVisible(spiele.isEmpty());
}

void Startfenster::zeigeVorschau(const Vorschau& vorschau)
{
    const int zeile = int(vorschau.Nummer & ((1u << Zeilenbits) - 1));
    if ((vorschau.Nummer >> Zeilenbits) != liste_ || vorschau.Bild.isNull())
        return;
    spiele_->setzeBild(zeile, vorschau.Bild);
}

void Startfenster::oeffneSpiel()
{
    // A folder without a game is said so, and the dialog comes again until one is chosen or cancelled.
    while (true) {
        const QString ordner = waehleSpielordner(konfiguration_, ordnerwahl_);
        // Without a window manager nobody gives the keyboard back after a dialog.
        activateWindow();
        if (ordner.isEmpty())
            return;
        if (istSpielordner(ordner)) {
            emit spielGewaehlt(ordner);
            return;
        }
        meldungen_.hinweis(keinSpielMeldung(ordner));
    }
}

QString Startfenster::gewaehlterOrdner()
{
    if (const QModelIndex gewaehlt = LetzteSpiele->currentIndex(); gewaehlt.isValid())
        return spiele_->ordner(gewaehlt.row());
    const QString ordner = waehleSpielordner(konfiguration_, ordnerwahl_);
    // Without a window manager nobody gives the keyboard back after a dialog.
    activateWindow();
    return ordner;
}

void Startfenster::starteBeispiel()
{
    if (!istSpielordner(beispielordner_)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QStringList fehler = schreibeSpielordner(beispielordner_, dateischreiber_);
        QApplication::restoreOverrideCursor();
        if (!fehler.isEmpty()) {
            // A message taller than the screen could not be closed.
            if (const qsizetype mehr = fehler.size() - MaxFehlerzeilen; mehr > 0) {
                fehler = fehler.mid(0, MaxFehlerzeilen);
                fehler += QStringLiteral("… und %1 weitere").arg(mehr);
            }
            meldungen_.fehler(QStringLiteral("Das Beispielspiel kann nicht angelegt werden.\n") + fehler.join('\n'));
            activateWindow();
            return;
        }
    }
    emit spielGewaehlt(beispielordner_);
}

void Startfenster::closeEvent(QCloseEvent* ereignis)
{
    QWidget::closeEvent(ereignis);
    emit geschlossen();
}
