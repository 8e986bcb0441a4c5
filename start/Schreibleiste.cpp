#include "start/Schreibleiste.h"

#include "start/Fensterknopf.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

Schreibleiste::Schreibleiste(QWidget* eltern)
    : QWidget(eltern), schreiber_([this](const Schreibergebnis& ergebnis) {
          Fortschritt->hide();
          AbbrechenKnopf->hide();
          emit geschrieben(ergebnis);
      })
{
    baue();
    baueLayout();
    verbinde();
}

Schreibleiste::~Schreibleiste()
{
    abbrechen_ = true;
    schreiber_.vergiss();
}

void Schreibleiste::baue()
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
    // Lines that come and go keep their room: the buttons must not move under the mouse.
    Ziel->setMinimumHeight(Ziel->fontMetrics().lineSpacing());
    Status->setMinimumHeight(2 * Status->fontMetrics().lineSpacing());
    Fortschritt = new QProgressBar(this);
    Fortschritt->setAccessibleName(QStringLiteral("Fortschritt"));
    Fortschritt->hide();
    AbbrechenKnopf = knopf(QStringLiteral("Abbrechen"), QStringLiteral("Das Anlegen abbrechen; es bleibt nichts zurück"), this);
    AbbrechenKnopf->hide();
    AnlegenKnopf = knopf(QString(), QString(), this);
    benenneAnlegen(QStringLiteral("Spiel anlegen"),
                   QStringLiteral("Die Karten schreiben; danach lässt sich das Spiel starten oder drucken"));
    StartenKnopf = knopf(QStringLiteral("Spiel starten"), QStringLiteral("Das geschriebene Spiel spielen"), this);
    DruckenKnopf = knopf(QStringLiteral("Drucken…"), QStringLiteral("Die Karten des Spiels zum Ausschneiden drucken"), this);
    WeitergebenKnopf = knopf(QStringLiteral("Weitergeben…"),
                             QStringLiteral("Das Spiel als eine Datei speichern, zum Verschicken oder für einen Stick"), this);
    for (QPushButton* k : {StartenKnopf, DruckenKnopf, WeitergebenKnopf})
        k->hide();
}

void Schreibleiste::baueLayout()
{
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
    for (QPushButton* k : {StartenKnopf, DruckenKnopf, WeitergebenKnopf, AnlegenKnopf})
        unten->addWidget(k);
    auto* spalte = new QVBoxLayout(this);
    // The window's own margins hold it.
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addLayout(wo);
    spalte->addWidget(Ziel);
    spalte->addWidget(Status);
    spalte->addLayout(unten);
}

void Schreibleiste::verbinde()
{
    connect(AbbrechenKnopf, &QPushButton::clicked, this, [this] {
        abbrechen_ = true;
        AbbrechenKnopf->setEnabled(false);
        Status->setText(QStringLiteral("Wird abgebrochen…"));
    });
    connect(Spielname, &QLineEdit::textEdited, this, [this] {
        nameVonHand_ = true;
        emit nameGetippt();
    });
    connect(Spielname, &QLineEdit::returnPressed, this, [this] {
        if (AnlegenKnopf->isEnabled())
            AnlegenKnopf->click();
    });
}

void Schreibleiste::benenneAnlegen(const QString& text, const QString& beschreibung)
{
    // A screen reader says what the button now does, not what it did first.
    AnlegenKnopf->setText(text);
    AnlegenKnopf->setAccessibleName(text);
    AnlegenKnopf->setAccessibleDescription(beschreibung);
    AnlegenKnopf->setToolTip(beschreibung);
}

QString Schreibleiste::spielname() const { return Spielname->text(); }

void Schreibleiste::schlageNamenVor(const QString& name)
{
    if (!nameVonHand_)
        Spielname->setText(name);
}

void Schreibleiste::bearbeite(const QString& name)
{
    Spielname->setText(name);
    nameVonHand_ = true;
    benenneAnlegen(QStringLiteral("Speichern"), QStringLiteral("Die neue Fassung an die Stelle des Spiels schreiben"));
}

void Schreibleiste::zeige(const QString& spieleordner, const QString& ziel, int offeneVorschauen, bool schreibbar)
{
    Spieleordner->setText(QDir::toNativeSeparators(spieleordner));
    Ziel->setText(ziel);
    if (!schreibtGerade())
        Status->setText(offeneVorschauen > 0 ? QStringLiteral("Fotos werden gelesen … noch %1.").arg(offeneVorschauen)
                                             : meldung_);
    AnlegenKnopf->setEnabled(schreibbar && !schreibtGerade());
}

void Schreibleiste::setzeAn(bool an, bool ortFest)
{
    Spielname->setEnabled(an && !ortFest);
    OrdnerKnopf->setEnabled(an && !ortFest);
    for (QPushButton* k : {StartenKnopf, DruckenKnopf, WeitergebenKnopf})
        k->setEnabled(an);
}

void Schreibleiste::schreibe(NeuesSpiel auftrag)
{
    abbrechen_ = false;
    auftrag.Abgebrochen = [this] { return abbrechen_.load(); };
    auftrag.Fortschritt = [this](int erledigt, int gesamt, const QString&) {
        schreiber_.melde([this, erledigt, gesamt] {
            Fortschritt->setMaximum(gesamt);
            Fortschritt->setValue(erledigt);
        });
    };
    AnlegenKnopf->setEnabled(false);
    Fortschritt->setRange(0, int(auftrag.Paare.size()));
    Fortschritt->setValue(0);
    Fortschritt->show();
    AbbrechenKnopf->setEnabled(true);
    AbbrechenKnopf->show();
    AbbrechenKnopf->setFocus();
    meldung_.clear();
    Status->setText(QStringLiteral("Das Spiel wird angelegt …"));
    schreiber_.starte([schreibe = schreibe_, auftrag] { return schreibe(auftrag); });
}

void Schreibleiste::brichAb()
{
    abbrechen_ = true;
    schreiber_.vergiss();
}

void Schreibleiste::zeigeGeschrieben(const QString& meldung)
{
    meldung_ = meldung;
    if (AnlegenKnopf->text() != QLatin1String("Speichern"))
        benenneAnlegen(QStringLiteral("Speichern"), QStringLiteral("Die Änderungen in das angelegte Spiel schreiben"));
    for (QPushButton* k : {StartenKnopf, DruckenKnopf, WeitergebenKnopf})
        k->show();
}

void Schreibleiste::verbergeGeschrieben()
{
    if (StartenKnopf->isHidden())
        return;
    for (QPushButton* k : {StartenKnopf, DruckenKnopf, WeitergebenKnopf})
        k->hide();
    meldung_.clear();
}
