// The new-game window's edit mode, its card format choice and what follows a write.
#include "start/NeuesSpielFenster.h"

#include "neuesspiel/Paarliste.h"
#include "neuesspiel/Spielleser.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/Druckdialog.h"
#include "start/Kartenformatwahl.h"
#include "widgets/Auswahlfeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSpinBox>

void NeuesSpielFenster::baueFormat()
{
    FormatWahl = new Auswahlfeld(this);
    FormatWahl->addItems(formateintraege());
    FormatWahl->setAccessibleName(QStringLiteral("Kartenformat"));
    FormatWahl->setToolTip(QStringLiteral("„automatisch“ wählt das Format, das die Fotos am besten füllen"));
    Zuschneiden = new QCheckBox(QStringLiteral("Fotos zuschneiden"), this);
    Zuschneiden->setAccessibleName(Zuschneiden->text());
    Zuschneiden->setToolTip(QStringLiteral("Sonst wird jedes Foto ganz gezeigt, mit Rand"));
    Zuschneiden->setEnabled(false);
    connect(FormatWahl, &QComboBox::currentIndexChanged, this, [this](int eintrag) {
        Zuschneiden->setEnabled(eintrag != int(Formateintrag::Automatisch) && !schreibtGerade());
        aktualisiere();
    });
    connect(Zuschneiden, &QCheckBox::toggled, this, [this] { aktualisiere(); });
}

std::optional<Kartenformat> NeuesSpielFenster::gewaehltesFormat() const
{
    const Formatwahl wahl{Formateintrag(std::max(0, FormatWahl->currentIndex())), Zuschneiden->isChecked()};
    return kartenformatFuer(wahl, bearbeitung_.spielformat());
}

bool NeuesSpielFenster::bearbeite(const QString& ordner)
{
    const Spielinhalt spiel = leseSpiel(ordner);
    if (!spiel.Meldung.isEmpty()) {
        meldungen_.fehler(spiel.Meldung);
        return false;
    }
    bearbeitung_.beginne(ordner, spiel.Format, liste());
    setWindowTitle(bearbeitung_.titel());
    setAccessibleName(windowTitle());
    Leiste->bearbeite(QFileInfo(ordner).fileName());
    {
        const QSignalBlocker still(FormatWahl);
        const Formatwahl wahl = formatwahlFuer(spiel.Format);
        FormatWahl->setCurrentIndex(int(wahl.Eintrag));
        Zuschneiden->setChecked(wahl.Zuschneiden);
    }
    // The quick setting as the game has it, so that a photo added gets what the others have;
    // the user's setting in the config stays.
    Liste->setzeMitNamen(spiel.MitNamen);
    Liste->fuegeSpielHinzu(spiel.Paare);
    spielsprachen_ = spiel.Sprachen;
    Vorlesen->setChecked(spiel.TexteVorlesen);
    JeRunde->setChecked(spiel.JeRunde > 0);
    if (spiel.JeRunde > 0)
        JeRundeAnzahl->setValue(spiel.JeRunde);
    setzeEingabenAn(true);
    aktualisiere();
    bearbeitung_.gelesen(stand());
    return true;
}

void NeuesSpielFenster::zeigeGeschrieben(const QString& ordner)
{
    if (!bearbeitung_.ersetzt()) {
        konfiguration_.setzeWert(SpieleordnerSchluessel, bearbeitung_.spieleordner());
        if (!konfiguration_.speichere())
            konfiguration_.meldeNichtGespeichert();
    }
    Leiste->zeigeGeschrieben(bearbeitung_.ersetzt() ? QStringLiteral("Das Spiel ist gespeichert.")
                                                    : QStringLiteral("Das Spiel ist angelegt."));
    bearbeitung_.geschrieben(ordner, stand());
    setWindowTitle(bearbeitung_.titel());
    setAccessibleName(windowTitle());
    setzeEingabenAn(true);
    aktualisiere();
    emit spielGeschrieben(ordner);
    Leiste->StartenKnopf->setFocus();
}

void NeuesSpielFenster::verbindeGeschrieben()
{
    connect(Leiste->StartenKnopf, &QPushButton::clicked, this, [this] { emit spielAngelegt(bearbeitung_.bearbeitet()); });
    connect(Leiste->DruckenKnopf, &QPushButton::clicked, this, [this] {
        druckeMitDialog(bearbeitung_.bearbeitet(), Druckoptionen(), meldungen_, this);
        holeFokusZurueck();
    });
    Weitergabe = new Weitergabeablauf(meldungen_, this);
    connect(Leiste->WeitergebenKnopf, &QPushButton::clicked, this, [this] { Weitergabe->gibWeiter(bearbeitung_.bearbeitet()); });
}
