// The group panels and the player selection.
#include "app/Unit1.h"

#include "play/Gruppengeometrie.h"
#include "play/Gruppentexte.h"
#include "play/KartenProReihe.h"
#include "platform/Systemfarben.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "platform/Zufallsquelle.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {
// Highlight of the group whose turn it is: red 255, green 166, blue 166.
constexpr unsigned int Markierungsfarbe = 10921727;
} // namespace

void TForm1::faerbeGruppe(int gruppe, bool markiert)
{
    GruppenPanels[gruppe]->setzeFarbe(markiert ? std::optional<QColor>(bgrFarbe(Markierungsfarbe)) : std::nullopt);
}

void TForm1::baueGruppenPanelsAuf()
{
    for (int i = 0; i < 2; ++i) {
        auto* panel = new TPanel(PBekommeneKarten);
        panel->KanteAussen = TPanel::Kante::Gesenkt;
        GruppenPanels[i] = panel;

        auto* name = new TLabel(QString(), panel);
        name->setzeSchrift(QStringLiteral("Arial"), 24, true);
        NamensLabel[i] = name;

        auto* punkte = new TLabel(punkteText(0), panel);
        punkte->setzeSchrift(QStringLiteral("Arial"), 24, true);
        punkte->setAlignment(Qt::AlignRight | Qt::AlignTop);
        punkte->setzeTextfarbe(bgrFarbe(0x808080));
        PunkteLabel[i] = punkte;
    }
    AnDerReiheLabel = new TLabel(QStringLiteral("Die so farbig markierte Gruppe ist an der Reihe!"), GruppenPanels[0]);
    AnDerReiheLabel->setWordWrap(true);
    AnDerReiheLabel->setzeSchrift(QStringLiteral("Arial"), 19, true);
    AnDerReiheLabel->setzeTextfarbe(bgrFarbe(0x0000FF));
    AnDerReiheLabel->setAlignment(Qt::AlignCenter);

    ZuegeLabel = new TLabel(QString(), GruppenPanels[0]);
    ZuegeLabel->setzeHintergrund(TLabel::Hintergrund::Elternfarbe);
    ZuegeLabel->setzeSchrift(QStringLiteral("Arial"), 24, true);
    ZuegeLabel->setzeTextfarbe(bgrFarbe(0x000080));
    ZuegeLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    stelleGruppenPanelsAuf();
}

void TForm1::stelleGruppenPanelsAuf()
{
    // Also after "Nochmal spielen" with a scroll bar showing: it changes no size.
    const Gruppengeometrie g =
        gruppengeometrie(clientBeimAufbau_.width(), clientBeimAufbau_.height(), Einstellungen.Spalten,
                         Einstellungen.Zeilen, Einstellungen.KartenBreite, Einstellungen.KartenHoehe);
    PBekommeneKarten->setGeometry(g.BekommeneKarten);
    KartenProReihe = g.KartenProReihe;
    for (int i = 0; i < 2; ++i) {
        GruppenPanels[i]->setGeometry(g.GruppenPanels[i]);
        GruppenPanels[i]->show();
        faerbeGruppe(i, false);
        NamensLabel[i]->setGeometry(g.KopfLabel);
        PunkteLabel[i]->setGeometry(g.KopfLabel);
        PunkteLabel[i]->setText(punkteText(0));
        setzeGruppenname(i, QStringLiteral("Gruppe %1").arg(i + 1));
    }
    LinkerRand = g.LinkerRand;
    Zug.gruppenAufbauen(zufall_->naechste(2), Einstellungen.Spalten, Einstellungen.Zeilen, ausgeteilteKarten_);
    faerbeGruppe(Zug.aktiveGruppe(), true);

    // The hint stays in the panel of the group that begins.
    TPanel* aktiv = GruppenPanels[Zug.aktiveGruppe()];
    AnDerReiheLabel->setParent(aktiv);
    AnDerReiheLabel->setGeometry(anDerReiheLabel(aktiv->height(), GruppenPanels[0]->width()));
    AnDerReiheLabel->show();

    ZuegeLabel->setGeometry(g.ZuegeLabel);
    ZuegeLabel->clear();
    ZuegeLabel->hide();
}

void TForm1::setzeGruppenname(int gruppe, const QString& name)
{
    Gruppennamen[gruppe] = name;
    kuerzeGruppenname(gruppe);
}

void TForm1::setzePunkte(int gruppe, int punkte)
{
    PunkteLabel[gruppe]->setText(punkteText(punkte));
    kuerzeGruppenname(gruppe);
}

// Name and points share one strip: a long name is cut before it reaches the points.
void TForm1::kuerzeGruppenname(int gruppe)
{
    const TLabel* punkte = PunkteLabel[gruppe];
    NamensLabel[gruppe]->setzeGekuerztenText(
        Gruppennamen[gruppe], freieNamensbreite(NamensLabel[gruppe]->width(), punkte->textbreite(punkte->text())));
}

void TForm1::RadioButton1Click()
{
    setzeNamensfelderAktiv(false);
}

void TForm1::RadioButton2Click()
{
    setzeNamensfelderAktiv(true);
}

// The names keep their texts when the fields are greyed out.
void TForm1::setzeNamensfelderAktiv(bool aktiv)
{
    for (QWidget* w : std::initializer_list<QWidget*>{Label6, Label7, Edit1, Edit2})
        w->setEnabled(aktiv);
}

void TForm1::Button1Click()
{
    Zug.spielBeginnen(RadioButton1->isChecked() ? 1 : 2);
    if (RadioButton1->isChecked()) {
        const Einzelspieleraufbau e = einzelspielerAufbau(PBekommeneKarten->height(), GruppenPanels[0]->geometry(),
                                                          ZuegeLabel->geometry());
        GruppenPanels[0]->setGeometry(e.Panel0);
        faerbeGruppe(0, false);
        GruppenPanels[1]->hide();
        setzeGruppenname(0, QStringLiteral("Einzelspieler"));
        ZuegeLabel->setGeometry(e.ZuegeLabel);
        ZuegeLabel->show();
        AnDerReiheLabel->hide();
    } else {
        setzeGruppenname(0, Edit1->text().isEmpty() ? standardGruppenname(0) : Edit1->text());
        setzeGruppenname(1, Edit2->text().isEmpty() ? standardGruppenname(1) : Edit2->text());
    }
    PKarten->setEnabled(true);
    zeigeHaelften(Zug.haelften());
    PAnfangsEinstellungen->hide();
    spielBeginntFuerTastatur();
}
