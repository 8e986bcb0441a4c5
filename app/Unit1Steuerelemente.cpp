// The fixed controls of the main window, as its layout defines them.
#include "app/Knopfbild.h"
#include "app/Unit1.h"
#include "board/Spielfeldhintergrund.h"
#include "platform/Systemfarben.h"
#include "widgets/TBitBtn.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "widgets/Textstil.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

namespace {
const QString Arial = QStringLiteral("Arial");
const QString MsSansSerif = QStringLiteral("MS Sans Serif");

TPanel* neuesPanel(QWidget* eltern, const QRect& r, TPanel::Kante aussen, TPanel::Kante innen = TPanel::Kante::Keine)
{
    auto* panel = new TPanel(eltern);
    panel->setGeometry(r);
    panel->KanteAussen = aussen;
    panel->KanteInnen = innen;
    panel->hide();
    return panel;
}

TLabel* neuesLabel(QWidget* eltern, const QRect& r, const QString& text, int pixelHoehe, bool fett,
                   const QColor& farbe)
{
    auto* label = new TLabel(text, eltern);
    label->setGeometry(r);
    label->setzeSchrift(Arial, pixelHoehe, fett);
    label->setzeTextfarbe(farbe);
    return label;
}

const QColor Schwarz(0, 0, 0);
const QColor Marineblau = bgrFarbe(0x800000);
const QColor Gruen = bgrFarbe(0x008000);
const QColor Kastanienbraun = bgrFarbe(0x000080);
const QColor Grau = bgrFarbe(0x808080);
} // namespace

void TForm1::erzeugeSteuerelemente()
{
    QWidget* client = Client();
    QFont fensterSchrift(MsSansSerif);
    fensterSchrift.setPixelSize(11);
    client->setFont(fensterSchrift);

    using B = TPanel::Kante;
    PBildRechts = neuesPanel(client, QRect(511, 20, 509, 676), B::Gesenkt);
    Image1 = new TImage(PBildRechts);
    Image1->setGeometry(2, 2, 504, 672);
    Image1->OnClick = [this](TImage* sender) { Image1Click(sender); };

    PBildLinks = neuesPanel(client, QRect(0, 20, 509, 676), B::Gesenkt);
    Image2 = new TImage(PBildLinks);
    Image2->setGeometry(2, 2, 504, 672);
    Image2->OnClick = [this](TImage* sender) { Image1Click(sender); };

    PBekommeneKarten = neuesPanel(client, QRect(511, 1, 509, 736), B::Erhaben);

    PKarten = neuesPanel(client, QRect(0, 111, 509, 736), B::Erhaben);
    PKarten->setzeFarbe(bgrFarbe(Spielfeldfarbe));
    PKarten->setEnabled(false);
    Image3 = new TImage(PKarten);
    Image3->setGeometry(1, 1, 507, 734);
    Image3->Stretch = true;

    PAnfangsEinstellungen = neuesPanel(client, QRect(511, 1, 498, 720), B::Erhaben);
    erzeugeSpielerauswahl();

    PStatusBar = neuesPanel(client, QRect(96, 136, 513, 121), B::Erhaben, B::Gesenkt);
    Label2 = neuesLabel(PStatusBar, QRect(16, 17, 303, 22), QStringLiteral("Einlesen und Verarbeiten der Bilder:"),
                        19, false, Schwarz);
    ProgressBar1 = new QProgressBar(PStatusBar);
    ProgressBar1->setGeometry(16, 56, 481, 33);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(Label2->text());
}

void TForm1::erzeugeSpielerauswahl()
{
    QWidget* p = PAnfangsEinstellungen;
    Label4 = neuesLabel(p, QRect(1, 16, 471, 29), QStringLiteral("Memory-Spiel für einen oder zwei Spieler"), 24,
                        true, Kastanienbraun);
    Label4->setzeSchrift(Arial, 24, true, true);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5 = neuesLabel(p, QRect(40, 96, 171, 22), QStringLiteral("Zuerst auswählen:"), 19, true, Schwarz);

    RadioButton1 = new QRadioButton(QStringLiteral(" Ein Spieler"), p);
    RadioButton1->setGeometry(40, 136, 457, 41);
    RadioButton1->setFont(schrift(Arial, 19, true));
    setzeTextfarbe(*RadioButton1, Gruen);
    RadioButton1->setChecked(true);
    // Like the click of a radio button, checking it from the settings runs its handler.
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool an) { if (an) RadioButton1Click(); });

    RadioButton2 = new QRadioButton(QStringLiteral(" Zwei Spieler oder Gruppen"), p);
    RadioButton2->setGeometry(40, 184, 457, 41);
    RadioButton2->setFont(schrift(Arial, 19, true));
    setzeTextfarbe(*RadioButton2, Marineblau);
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool an) { if (an) RadioButton2Click(); });

    Label6 = neuesLabel(p, QRect(64, 232, 75, 22), QStringLiteral("Name 1:"), 19, true, Marineblau);
    Label6->setEnabled(false);
    Edit1 = new QLineEdit(p);
    Edit1->setGeometry(64, 264, 401, 32);
    Edit1->setFont(schrift(MsSansSerif, 19, false));
    setzeTextfarbe(*Edit1, Marineblau);
    Edit1->setEnabled(false);
    Edit1->setAccessibleName(Label6->text());

    Label7 = neuesLabel(p, QRect(64, 320, 75, 22), QStringLiteral("Name 2:"), 19, true, Marineblau);
    Label7->setEnabled(false);
    Edit2 = new QLineEdit(p);
    Edit2->setGeometry(64, 352, 401, 32);
    Edit2->setFont(schrift(MsSansSerif, 19, false));
    setzeTextfarbe(*Edit2, Marineblau);
    Edit2->setEnabled(false);
    Edit2->setAccessibleName(Label7->text());

    Label8 = neuesLabel(p, QRect(40, 444, 168, 22), QStringLiteral("Dann hier klicken:"), 19, true, Schwarz);

    BitBtn1 = new TBitBtn(QStringLiteral("Los  geht's"), p);
    BitBtn1->setGeometry(40, 488, 425, 57);
    BitBtn1->setFont(schrift(Arial, 19, true));
    BitBtn1->setzeKnopfbild(QPixmap::fromImage(losGehtsBild()));
    BitBtn1->Abstand = 20;
    connect(BitBtn1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Panel18 = new TPanel(p);
    Panel18->setGeometry(4, 611, 485, 102);
    Panel18->KanteAussen = TPanel::Kante::Gesenkt;
    Label9 = neuesLabel(Panel18, QRect(8, 4, 237, 22), QStringLiteral("Bedienung des Programms:"), 19, false, Schwarz);
    Label10 = neuesLabel(Panel18, QRect(8, 30, 350, 22), QStringLiteral("Einfach auf die Karten oder Bilder klicken."),
                         19, false, Schwarz);
    Label1 = neuesLabel(Panel18, QRect(8, 56, 68, 18), QStringLiteral("Bildgröße"), 16, false, Grau);
    Label1->AutomatischeGroesse = true;
    Label3 = neuesLabel(Panel18, QRect(8, 78, 68, 18), QStringLiteral("Bildgröße"), 16, false, Grau);
    Label3->AutomatischeGroesse = true;
    Label3->setzeHintergrund(TLabel::Hintergrund::Knopffarbe);

    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, BitBtn1);
    setTabOrder(BitBtn1, Panel18);
}
