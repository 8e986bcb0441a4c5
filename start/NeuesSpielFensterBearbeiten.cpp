// The new-game window's edit mode, its card format choice and what follows a write.
#include "start/NeuesSpielFenster.h"

#include "druck/Druckbogen.h"
#include "neuesspiel/Paarliste.h"
#include "neuesspiel/Spielleser.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Dateiname.h"
#include "platform/Meldungen.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/Druckdialog.h"
#include "start/Fensterknopf.h"
#include "start/Paarlistenmodell.h"
#include "start/Kartenformatwahl.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

// The box layout below `wurzel` that holds `w`, or null.
QBoxLayout* boxMit(QLayout* wurzel, QWidget* w)
{
    if (!wurzel)
        return nullptr;
    for (int i = 0; i < wurzel->count(); ++i) {
        QLayoutItem* teil = wurzel->itemAt(i);
        if (teil->widget() == w)
            return qobject_cast<QBoxLayout*>(wurzel);
        if (QBoxLayout* innen = boxMit(teil->layout(), w))
            return innen;
    }
    return nullptr;
}

Formatwahl formatwahl(const QComboBox* wahl, const QCheckBox* zuschneiden)
{
    return {Formateintrag(std::max(0, wahl->currentIndex())), zuschneiden->isChecked()};
}

} // namespace

void NeuesSpielFenster::baueBearbeiten()
{
    FormatWahl = new QComboBox(this);
    FormatWahl->addItems(formateintraege());
    FormatWahl->setAccessibleName(QStringLiteral("Kartenformat"));
    FormatWahl->setToolTip(QStringLiteral("„automatisch“ wählt das Format, das die Fotos am besten füllen"));
    auto* formatText = new QLabel(QStringLiteral("Kartenformat:"), this);
    formatText->setBuddy(FormatWahl);
    Zuschneiden = new QCheckBox(QStringLiteral("Fotos zuschneiden"), this);
    Zuschneiden->setAccessibleName(Zuschneiden->text());
    Zuschneiden->setToolTip(QStringLiteral("Sonst wird jedes Foto ganz gezeigt, mit Rand"));
    Zuschneiden->setEnabled(false);
    auto* format = new QHBoxLayout;
    format->addWidget(formatText);
    format->addWidget(FormatWahl);
    format->addWidget(Zuschneiden);
    format->addStretch(1);
    if (auto* spalte = qobject_cast<QBoxLayout*>(layout()))
        spalte->insertLayout(std::max(0, spalte->indexOf(Brett)), format);

    StartenKnopf = knopf(QStringLiteral("Spiel starten"), QStringLiteral("Das geschriebene Spiel spielen"), this);
    DruckenKnopf = knopf(QStringLiteral("Drucken…"), QStringLiteral("Die Karten des Spiels zum Ausschneiden drucken"), this);
    StartenKnopf->hide();
    DruckenKnopf->hide();
    AnlegenKnopf->setToolTip(QStringLiteral("Das Spiel schreiben"));
    if (QBoxLayout* unten = boxMit(layout(), AnlegenKnopf)) {
        const int stelle = unten->indexOf(AnlegenKnopf);
        unten->insertWidget(stelle, DruckenKnopf);
        unten->insertWidget(stelle, StartenKnopf);
    }
    setTabOrder(Zuschneiden, Spielname);
    setTabOrder(FormatWahl, Zuschneiden);
    setTabOrder(JeRundeAnzahl, FormatWahl);
    setTabOrder(AnlegenKnopf, StartenKnopf);
    setTabOrder(StartenKnopf, DruckenKnopf);

    connect(FormatWahl, &QComboBox::currentIndexChanged, this, [this](int eintrag) {
        Zuschneiden->setEnabled(eintrag != int(Formateintrag::Automatisch) && !schreibtGerade());
        aktualisiere();
    });
    connect(Zuschneiden, &QCheckBox::toggled, this, [this] { aktualisiere(); });
    connect(StartenKnopf, &QPushButton::clicked, this, [this] { emit spielAngelegt(bearbeitet_); });
    connect(DruckenKnopf, &QPushButton::clicked, this, [this] {
        druckeMitDialog(bearbeitet_, Druckoptionen(), meldungen_, this);
        holeFokusZurueck();
    });
}

bool NeuesSpielFenster::bearbeite(const QString& ordner)
{
    const Spielinhalt spiel = leseSpiel(ordner);
    if (!spiel.Meldung.isEmpty()) {
        meldungen_.fehler(spiel.Meldung);
        return false;
    }
    const QString name = QFileInfo(ordner).fileName();
    bearbeitet_ = QDir::cleanPath(QFileInfo(ordner).absoluteFilePath());
    ordner_ = QFileInfo(bearbeitet_).absolutePath();
    spielformat_ = spiel.Format;
    setWindowTitle(QStringLiteral("Spiel „%1“ bearbeiten").arg(sichtbar(name)));
    setAccessibleName(windowTitle());
    Spielname->setText(name);
    nameVonHand_ = true;
    AnlegenKnopf->setText(QStringLiteral("Speichern"));
    AnlegenKnopf->setToolTip(QStringLiteral("Die neue Fassung an die Stelle des Spiels schreiben"));
    {
        const QSignalBlocker still(FormatWahl);
        const Formatwahl wahl = formatwahlFuer(spiel.Format);
        FormatWahl->setCurrentIndex(int(wahl.Eintrag));
        Zuschneiden->setChecked(wahl.Zuschneiden);
    }
    {
        // A pair without a second card is the same photo twice, whatever the quick setting
        // says; the user's setting in the config stays.
        const QSignalBlocker still(MitNamen);
        MitNamen->setChecked(false);
        Modell->setzeMitNamen(false);
    }
    ausgelassenGefragt_ = Modell->liste().ausgelassen().size();
    fuegePaareHinzu(spiel.Paare);
    JeRunde->setChecked(spiel.JeRunde > 0);
    if (spiel.JeRunde > 0)
        JeRundeAnzahl->setValue(spiel.JeRunde);
    setzeBearbeitenAn(true);
    aktualisiere();
    gespeichert_ = stand();
    return true;
}

std::optional<Kartenformat> NeuesSpielFenster::gewaehltesFormat() const
{
    return kartenformatFuer(formatwahl(FormatWahl, Zuschneiden), spielformat_);
}

void NeuesSpielFenster::ergaenzeAuftrag(NeuesSpiel& auftrag) const
{
    auftrag.Format = gewaehltesFormat();
    auftrag.Ersetzen = !bearbeitet_.isEmpty();
}

Zielpruefung NeuesSpielFenster::bearbeitungsziel() const
{
    return {true, bearbeitet_, QStringLiteral("Wird gespeichert in: %1").arg(sichtbar(QDir::toNativeSeparators(bearbeitet_)))};
}

void NeuesSpielFenster::setzeBearbeitenAn(bool an)
{
    FormatWahl->setEnabled(an);
    Zuschneiden->setEnabled(an && FormatWahl->currentIndex() != int(Formateintrag::Automatisch));
    // The edited game's place is fixed.
    Spielname->setEnabled(an && bearbeitet_.isEmpty());
    OrdnerKnopf->setEnabled(an && bearbeitet_.isEmpty());
    for (QPushButton* k : {StartenKnopf, DruckenKnopf})
        k->setEnabled(an);
}

void NeuesSpielFenster::zeigeGeschrieben(const QString& ordner)
{
    if (bearbeitet_.isEmpty()) {
        konfiguration_.setzeWert(SpieleordnerSchluessel, ordner_);
        if (!konfiguration_.speichere()) konfiguration_.meldeNichtGespeichert();
        schreibmeldung_ = QStringLiteral("Das Spiel ist angelegt.");
    } else {
        schreibmeldung_ = QStringLiteral("Das Spiel ist gespeichert.");
    }
    // A further change replaces the game just written instead of asking for a new name.
    bearbeitet_ = ordner;
    setWindowTitle(QStringLiteral("Spiel „%1“ bearbeiten").arg(sichtbar(QFileInfo(ordner).fileName())));
    setAccessibleName(windowTitle());
    AnlegenKnopf->setText(QStringLiteral("Speichern"));
    setzeBearbeitenAn(true);
    gespeichert_ = stand();
    StartenKnopf->show();
    DruckenKnopf->show();
    aktualisiere();
    emit spielGeschrieben(ordner);
    StartenKnopf->setFocus();
}

void NeuesSpielFenster::pruefeGeschrieben()
{
    if (StartenKnopf->isHidden() || stand() == gespeichert_)
        return;
    StartenKnopf->hide();
    DruckenKnopf->hide();
    schreibmeldung_.clear();
}

QStringList NeuesSpielFenster::stand() const
{
    QStringList teile;
    for (const Paarangabe& paar : paare())
        teile << paar.Erste.Foto << paar.Erste.Text << paar.Zweite.Foto << paar.Zweite.Text;
    teile << QString::number(jeRunde());
    if (const std::optional<Kartenformat> f = gewaehltesFormat())
        teile << QStringLiteral("%1:%2:%3").arg(f->FormatX).arg(f->FormatY).arg(f->Schneiden);
    return teile;
}

bool NeuesSpielFenster::darfUngeleseneVerlieren()
{
    const std::vector<::Ausgelassen>& weg = Modell->liste().ausgelassen();
    if (bearbeitet_.isEmpty() || ausgelassenGefragt_ >= weg.size())
        return true;
    const QString innen = bearbeitet_ + QLatin1Char('/');
    QStringList karten;
    for (std::size_t i = ausgelassenGefragt_; i < weg.size(); ++i)
        if (weg[i].Pfad.startsWith(innen))
            karten += sichtbar(weg[i].Pfad.mid(innen.size())); // why stands under the list
    if (karten.isEmpty())
        return true;
    const bool verwerfen = rueckfrage_(
        QStringLiteral("Diese Karten des Spiels ließen sich nicht lesen und fallen beim Speichern weg:\n%1\n"
                       "Verwerfen und speichern?")
            .arg(karten.join(QLatin1Char('\n'))));
    holeFokusZurueck();
    if (verwerfen)
        ausgelassenGefragt_ = weg.size();
    return verwerfen;
}

QString NeuesSpielFenster::verlustfrage() const
{
    if (!bearbeitet_.isEmpty())
        return QStringLiteral("Die Änderungen am Spiel „%1“ gehen verloren. Trotzdem schließen?")
            .arg(sichtbar(QFileInfo(bearbeitet_).fileName()));
    const int zeilen = Modell->rowCount();
    if (Modell->liste().mitPaaren())
        return zeilen == 1 ? QStringLiteral("Das Paar in der Liste geht verloren. Trotzdem schließen?")
                           : QStringLiteral("Die %1 Paare in der Liste gehen verloren. Trotzdem schließen?").arg(zeilen);
    return zeilen == 1 ? QStringLiteral("Das Foto in der Liste und sein Name gehen verloren. Trotzdem schließen?")
                       : QStringLiteral("Die %1 Fotos in der Liste und ihre Namen gehen verloren. Trotzdem schließen?").arg(zeilen);
}
