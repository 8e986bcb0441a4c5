#include "start/Weitergabeablauf.h"

#include "board/Spielauswahl.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/NeuesSpielFenster.h"
#include "widgets/Ordnerdialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>

QString weitergabeVorschlag(const QString& spielordner)
{
    // A home without a documents folder gets the file, not a new folder.
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath()).filePath(weitergabeDateiname(spielordner));
}

QString gespeichertText(const QString& datei, qint64 bytes)
{
    return QStringLiteral("Gespeichert: %1 (%2)").arg(QDir::toNativeSeparators(datei), weitergabeGroesse(bytes));
}

Weitergabeablauf::Weitergabeablauf(Meldungen& meldungen, QWidget* fenster)
    : QObject(fenster), meldungen_(meldungen), fenster_(fenster),
      dateiwahl_([fenster](const QString& vorschlag) {
          return frageNachSpeicherort(fenster, QStringLiteral("Paarlix – Spiel weitergeben"), vorschlag,
                                      QStringLiteral("Paarlix-Spiel (*.paarlix)"));
      }),
      packer_([this](const Weitergabeergebnis& ergebnis) { zeigeErgebnis(ergebnis); })
{
    Fortschritt = new QProgressDialog(fenster);
    Fortschritt->setWindowTitle(QStringLiteral("Paarlix – Spiel weitergeben"));
    Fortschritt->setCancelButtonText(QStringLiteral("Abbrechen"));
    Fortschritt->setWindowModality(Qt::WindowModal);
    // It goes when the job reports back, not when the last file is counted.
    Fortschritt->setAutoClose(false);
    Fortschritt->setAutoReset(false);
    Fortschritt->setMinimumDuration(0);
    Fortschritt->reset();
    Fortschritt->hide();
    connect(Fortschritt, &QProgressDialog::canceled, this, [this] {
        abbrechen_ = true;
        Fortschritt->setLabelText(QStringLiteral("Wird abgebrochen…"));
    });
}

Weitergabeablauf::~Weitergabeablauf()
{
    abbrechen_ = true;
    packer_.vergiss();
}

void Weitergabeablauf::gibWeiter(const QString& spielordner)
{
    if (laeuft())
        return;
    QString ziel = dateiwahl_(weitergabeVorschlag(spielordner));
    if (fenster_)
        fenster_->activateWindow();
    if (ziel.isEmpty())
        return;
    // A name typed without the ending still gives a game file.
    if (!hatPaarlixEndung(ziel))
        ziel += QStringLiteral(".paarlix");
    ziel_ = ziel;
    abbrechen_ = false;
    Weitergabeauftrag auftrag;
    auftrag.Spielordner = spielordner;
    auftrag.Ziel = ziel;
    auftrag.Abgebrochen = [this] { return abbrechen_.load(); };
    auftrag.Fortschritt = [this](int erledigt, int gesamt) {
        packer_.melde([this, erledigt, gesamt] {
            Fortschritt->setMaximum(gesamt);
            Fortschritt->setValue(erledigt);
        });
    };
    Fortschritt->setLabelText(QStringLiteral("„%1“ wird gepackt …").arg(QFileInfo(ziel).fileName()));
    Fortschritt->setRange(0, 0);
    Fortschritt->show();
    packer_.starte([packe = packe_, auftrag] { return packe(auftrag); });
}

void Weitergabeablauf::zeigeErgebnis(const Weitergabeergebnis& ergebnis)
{
    Fortschritt->reset();
    Fortschritt->hide();
    switch (ergebnis.Art) {
    case Weitergabeergebnis::Ausgang::Geschrieben:
        meldungen_.hinweisMitOrdner(gespeichertText(ziel_, ergebnis.Bytes), QFileInfo(ziel_).absolutePath());
        break;
    case Weitergabeergebnis::Ausgang::Fehlgeschlagen:
        meldungen_.fehler(ergebnis.Meldung);
        break;
    case Weitergabeergebnis::Ausgang::Abgebrochen:
        break; // the user asked for it; nothing is left behind
    }
    if (fenster_)
        fenster_->activateWindow();
    emit fertig(ergebnis);
}

Uebernahmeergebnis uebernimmZumSpielen(const QString& datei, Nutzerkonfiguration& konfiguration, Meldungen& meldungen)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Uebernahmeergebnis ergebnis = uebernimmSpiel(datei, spieleordner(konfiguration));
    QApplication::restoreOverrideCursor();
    if (!ergebnis.gelungen())
        meldungen.fehler(ergebnis.Meldung);
    else if (!merkeSpiel(konfiguration, ergebnis.Spielordner))
        konfiguration.meldeNichtGespeichert();
    return ergebnis;
}
