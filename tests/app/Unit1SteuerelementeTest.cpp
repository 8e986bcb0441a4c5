#include "support/Testfenster.h"

#include "widgets/TBitBtn.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "support/Spielordner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

QString textVon(const QWidget* w)
{
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    return QString();
}

QColor textfarbeVon(const QWidget* w)
{
    return w->palette().color(QPalette::Active, w->foregroundRole());
}

class Steuerelemente : public ::testing::Test {
protected:
    Steuerelemente()
    {
        ordner.schreibeIni(standardWerte());
        fenster = std::make_unique<Testfenster>();
    }
    Spielordner ordner;
    std::unique_ptr<Testfenster> fenster;
};

const QColor Schwarz(0, 0, 0);
const QColor Marineblau(0, 0, 128);
const QColor Gruen(0, 128, 0);
const QColor Kastanienbraun(128, 0, 0);
const QColor Grau(128, 128, 128);

} // namespace

TEST_F(Steuerelemente, everyFixedControlIsAsTheLayoutDefinesIt)
{
    // Every fixed control has the parent, bounds, text, font, colour, visibility and enabled state of the layout.
    const TForm1& f = *fenster->form;
    QWidget* client = f.Client();
    struct Zeile {
        const char* name;
        const QWidget* w;
        const QWidget* eltern;
        QRect grenzen;
        QString text;       // checked for texts of labels, buttons and fields
        QString schrift;    // empty: not checked
        int pixel;          // font height in pixels
        bool fett;
        bool unterstrichen;
        std::optional<QColor> textfarbe;
        bool sichtbar;
        bool gesperrt;
    };
    const QString arial = QStringLiteral("Arial");
    const QString ms = QStringLiteral("MS Sans Serif");
    const Zeile tabelle[] = {
        {"PBildRechts", f.PBildRechts, client, {511, 20, 509, 676}, {}, {}, 0, false, false, {}, false, false},
        {"Image1", f.Image1, f.PBildRechts, {2, 2, 504, 672}, {}, {}, 0, false, false, {}, true, false},
        {"PBildLinks", f.PBildLinks, client, {0, 20, 509, 676}, {}, {}, 0, false, false, {}, false, false},
        {"Image2", f.Image2, f.PBildLinks, {2, 2, 504, 672}, {}, {}, 0, false, false, {}, true, false},
        {"PBekommeneKarten", f.PBekommeneKarten, client, {511, 1, 509, 736}, {}, {}, 0, false, false, {}, false, false},
        {"PKarten", f.PKarten, client, {0, 111, 509, 736}, {}, {}, 0, false, false, {}, false, true},
        {"Image3", f.Image3, f.PKarten, {1, 1, 507, 734}, {}, {}, 0, false, false, {}, true, false},
        {"PAnfangsEinstellungen", f.PAnfangsEinstellungen, client, {511, 1, 498, 720}, {}, {}, 0, false, false, {}, false, false},
        {"PStatusBar", f.PStatusBar, client, {96, 136, 513, 121}, {}, {}, 0, false, false, {}, false, false},
        {"Label2", f.Label2, f.PStatusBar, {16, 17, 303, 22}, QStringLiteral("Einlesen und Verarbeiten der Bilder:"), arial, 19, false, false, Schwarz, true, false},
        {"ProgressBar1", f.ProgressBar1, f.PStatusBar, {16, 56, 481, 33}, {}, {}, 0, false, false, {}, true, false},
        {"Label4", f.Label4, f.PAnfangsEinstellungen, {1, 16, 471, 29}, QStringLiteral("Memory-Spiel für einen oder zwei Spieler"), arial, 24, true, true, Kastanienbraun, true, false},
        {"Label5", f.Label5, f.PAnfangsEinstellungen, {40, 96, 171, 22}, QStringLiteral("Zuerst auswählen:"), arial, 19, true, false, Schwarz, true, false},
        {"RadioButton1", f.RadioButton1, f.PAnfangsEinstellungen, {40, 136, 457, 41}, QStringLiteral(" Ein Spieler"), arial, 19, true, false, Gruen, true, false},
        {"RadioButton2", f.RadioButton2, f.PAnfangsEinstellungen, {40, 184, 457, 41}, QStringLiteral(" Zwei Spieler oder Gruppen"), arial, 19, true, false, Marineblau, true, false},
        {"Label6", f.Label6, f.PAnfangsEinstellungen, {64, 232, 75, 22}, QStringLiteral("Name 1:"), arial, 19, true, false, Marineblau, true, true},
        {"Edit1", f.Edit1, f.PAnfangsEinstellungen, {64, 264, 401, 32}, QStringLiteral(""), ms, 19, false, false, Marineblau, true, true},
        {"Label7", f.Label7, f.PAnfangsEinstellungen, {64, 320, 75, 22}, QStringLiteral("Name 2:"), arial, 19, true, false, Marineblau, true, true},
        {"Edit2", f.Edit2, f.PAnfangsEinstellungen, {64, 352, 401, 32}, QStringLiteral(""), ms, 19, false, false, Marineblau, true, true},
        {"Label8", f.Label8, f.PAnfangsEinstellungen, {40, 444, 168, 22}, QStringLiteral("Dann hier klicken:"), arial, 19, true, false, Schwarz, true, false},
        {"BitBtn1", f.BitBtn1, f.PAnfangsEinstellungen, {40, 488, 425, 57}, QStringLiteral("Los  geht's"), arial, 19, true, false, {}, true, false},
        {"Panel18", f.Panel18, f.PAnfangsEinstellungen, {4, 611, 485, 102}, {}, {}, 0, false, false, {}, true, false},
        {"Label9", f.Label9, f.Panel18, {8, 4, 237, 22}, QStringLiteral("Bedienung des Programms:"), arial, 19, false, false, Schwarz, true, false},
        {"Label10", f.Label10, f.Panel18, {8, 30, 350, 22}, QStringLiteral("Einfach auf die Karten oder Bilder klicken."), arial, 19, false, false, Schwarz, true, false},
        {"Label1", f.Label1, f.Panel18, {8, 56, 68, 18}, QStringLiteral("Bildgröße"), arial, 16, false, false, Grau, true, false},
        {"Label3", f.Label3, f.Panel18, {8, 78, 68, 18}, QStringLiteral("Bildgröße"), arial, 16, false, false, Grau, true, false},
    };
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.name);
        ASSERT_NE(z.w, nullptr);
        EXPECT_EQ(z.w->parentWidget(), z.eltern);
        EXPECT_EQ(z.w->geometry(), z.grenzen);
        EXPECT_EQ(!z.w->isHidden(), z.sichtbar);
        EXPECT_EQ(z.w->testAttribute(Qt::WA_ForceDisabled), z.gesperrt);
        if (!z.text.isNull()) {
            EXPECT_EQ(textVon(z.w), z.text);
        }
        if (!z.schrift.isEmpty()) {
            EXPECT_EQ(z.w->font().family(), z.schrift);
            EXPECT_EQ(z.w->font().pixelSize(), z.pixel);
            EXPECT_EQ(z.w->font().bold(), z.fett);
            EXPECT_EQ(z.w->font().underline(), z.unterstrichen);
        }
        if (z.textfarbe) {
            EXPECT_EQ(textfarbeVon(z.w), *z.textfarbe);
        }
    }
}

TEST_F(Steuerelemente, everyControlStartsInTheLayoutsState)
{
    // Beyond bounds and fonts a control starts as the layout sets it up.
    const TForm1& f = *fenster->form;
    EXPECT_TRUE(f.RadioButton1->isChecked());
    EXPECT_FALSE(f.RadioButton2->isChecked());
    EXPECT_TRUE(f.Label1->AutomatischeGroesse);
    EXPECT_TRUE(f.Label3->AutomatischeGroesse);
    EXPECT_EQ(f.Label4->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(f.Image3->Stretch);
    EXPECT_EQ(f.ProgressBar1->minimum(), 0);
    EXPECT_EQ(f.ProgressBar1->maximum(), 100);
    EXPECT_EQ(f.ProgressBar1->value(), 0);
}

TEST_F(Steuerelemente, everyPanelIsDrawnAsTheLayoutDefinesIt)
{
    // PKarten has the board colour, the others the button face; each has the layout's bevels.
    const TForm1& f = *fenster->form;
    using B = TPanel::Kante;
    struct Zeile {
        const char* name;
        const TPanel* p;
        std::optional<QColor> farbe;
        B aussen;
        B innen;
    };
    const Zeile tabelle[] = {
        {"PBildRechts", f.PBildRechts, {}, B::Gesenkt, B::Keine},
        {"PBildLinks", f.PBildLinks, {}, B::Gesenkt, B::Keine},
        {"PBekommeneKarten", f.PBekommeneKarten, {}, B::Erhaben, B::Keine},
        {"PKarten", f.PKarten, QColor(255, 255, 176), B::Erhaben, B::Keine},
        {"PStatusBar", f.PStatusBar, {}, B::Erhaben, B::Gesenkt},
        {"Panel18", f.Panel18, {}, B::Gesenkt, B::Keine},
    };
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.name);
        EXPECT_EQ(z.p->farbe(), z.farbe);
        EXPECT_EQ(z.p->KanteAussen, z.aussen);
        EXPECT_EQ(z.p->KanteInnen, z.innen);
    }
}

TEST_F(Steuerelemente, tabGoesThroughThePlayerSelectionInOrder)
{
    // Tab visits RadioButton1, RadioButton2, Edit1, Edit2, BitBtn1, Panel18 and nothing in between.
    const TForm1& f = *fenster->form;
    const std::vector<const QWidget*> folge = {f.RadioButton1, f.RadioButton2, f.Edit1,
                                               f.Edit2,        f.BitBtn1,      f.Panel18};
    std::vector<const QWidget*> gefunden{f.RadioButton1};
    const QWidget* w = f.RadioButton1->nextInFocusChain();
    for (int schritt = 0; schritt < 200 && w != f.RadioButton1 && gefunden.size() < folge.size(); ++schritt) {
        if (std::find(folge.begin(), folge.end(), w) != folge.end())
            gefunden.push_back(w);
        else
            EXPECT_FALSE(w->focusPolicy() & Qt::TabFocus)
                << w->metaObject()->className() << " takes the focus after position " << gefunden.size() - 1;
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(gefunden, folge);
}

TEST_F(Steuerelemente, theWindowLooksAsTheLayoutDefinesIt)
{
    // The window has its caption, its icon in every size, its font and the button face behind it.
    TForm1& f = *fenster->form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("  P a a r l i x  -  Das Memory-Spiel mit eigenen Bildern (Hennork)"));
    EXPECT_FALSE(f.windowIcon().isNull());
    const QPixmap symbol = f.windowIcon().pixmap(QSize(16, 16));
    EXPECT_EQ(symbol.size(), QSize(16, 16));
    EXPECT_EQ(f.windowIcon().availableSizes().value(0), QSize(16, 16));
    // The desktop icon's sizes, rendered from its SVG, all there for large displays too.
    EXPECT_EQ(f.windowIcon().availableSizes(),
              QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    EXPECT_EQ(f.windowIcon().pixmap(QSize(256, 256)).size(), QSize(256, 256));

    EXPECT_EQ(f.Client()->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.Client()->font().pixelSize(), 11);
    f.resize(200, 150);
    const QImage bild = f.grab().toImage();
    EXPECT_EQ(bild.pixelColor(100, 75), QApplication::palette().color(QPalette::Active, QPalette::Button));
}

TEST_F(Steuerelemente, theStartButtonShowsItsGlyphBesideItsText)
{
    // A mostly opaque 36 x 36 glyph with a transparent bottom-left pixel, 20 pixels from the text.
    const TForm1& f = *fenster->form;
    const QImage glyph = f.BitBtn1->knopfbild().toImage();
    EXPECT_EQ(glyph.size(), QSize(36, 36));
    EXPECT_EQ(qAlpha(glyph.pixel(0, 35)), 0);
    EXPECT_EQ(f.BitBtn1->Abstand, 20);
    int deckend = 0;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x)
            deckend += qAlpha(glyph.pixel(x, y)) == 255;
    EXPECT_GT(deckend, 36 * 36 / 4);
}
