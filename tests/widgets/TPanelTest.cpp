#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "support/Farben.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

// Sets the application palette's button colour (and bevel colours) for one test and restores it afterwards.
class PaletteGesetzt : public ::testing::Test {
protected:
    void TearDown() override { QApplication::setPalette(vorher_); }
    static void setzeButton(const QColor& farbe)
    {
        QPalette pal = QApplication::palette();
        pal.setColor(QPalette::Button, farbe);
        pal.setColor(QPalette::Light, QColor(250, 250, 250));
        pal.setColor(QPalette::Dark, QColor(60, 60, 60));
        QApplication::setPalette(pal);
    }

private:
    QPalette vorher_ = QApplication::palette();
};

QColor mitte(QWidget& w)
{
    return mittelfarbe(w.grab().toImage());
}

} // namespace

// A panel without a colour of its own is drawn in the palette's button-face colour as it is at drawing time.
TEST_F(PaletteGesetzt, withoutAColourOfItsOwnThePanelTakesTheButtonFaceWhenDrawn)
{
    TPanel panel;
    panel.resize(40, 30);
    for (const QColor farbe : {QColor(10, 200, 30), QColor(200, 20, 90)}) {
        setzeButton(farbe);
        EXPECT_EQ(mitte(panel), farbe);
        EXPECT_EQ(panel.sichtbareFarbe(), farbe);
    }
}

// A panel with a colour of its own keeps it whatever the palette says.
TEST_F(PaletteGesetzt, aColourOfItsOwnStays)
{
    TPanel panel;
    panel.resize(40, 30);
    panel.setzeFarbe(QColor(255, 255, 176));
    setzeButton(QColor(10, 200, 30));
    EXPECT_EQ(mitte(panel), QColor(255, 255, 176));
    panel.setzeFarbe(std::nullopt);
    EXPECT_EQ(mitte(panel), QColor(10, 200, 30));
}

// Raised bevels are light at the top-left and dark at the bottom-right, lowered ones the reverse;
// the inner bevel lies one pixel inside the outer one.
TEST_F(PaletteGesetzt, raisedBevelsAreLightTopLeftAndLoweredOnesTheReverse)
{
    using B = TPanel::Kante;
    const QColor hell(250, 250, 250);
    const QColor dunkel(60, 60, 60);
    const QColor flaeche(10, 200, 30);
    struct Fall {
        B aussen;
        B innen;
        QPoint punkt; // negative coordinates count from the right or bottom edge
        QColor erwartet;
    };
    const Fall faelle[] = {
        {B::Erhaben, B::Keine, {0, 0}, hell},          {B::Erhaben, B::Keine, {-1, -1}, dunkel},
        {B::Gesenkt, B::Keine, {0, 0}, dunkel},        {B::Gesenkt, B::Keine, {-1, -1}, hell},
        {B::Keine, B::Keine, {0, 0}, flaeche},         {B::Erhaben, B::Keine, {1, 1}, flaeche},
        {B::Erhaben, B::Gesenkt, {1, 1}, dunkel},      {B::Erhaben, B::Gesenkt, {-2, -2}, hell},
        {B::Erhaben, B::Gesenkt, {2, 2}, flaeche},     {B::Keine, B::Gesenkt, {0, 0}, dunkel},
    };
    setzeButton(flaeche);
    for (const Fall& f : faelle) {
        TPanel panel;
        panel.resize(20, 16);
        panel.KanteAussen = f.aussen;
        panel.KanteInnen = f.innen;
        const QImage img = panel.grab().toImage();
        const QPoint p(f.punkt.x() < 0 ? img.width() + f.punkt.x() : f.punkt.x(),
                       f.punkt.y() < 0 ? img.height() + f.punkt.y() : f.punkt.y());
        EXPECT_EQ(img.pixelColor(p), f.erwartet)
            << "outer " << int(f.aussen) << " inner " << int(f.innen) << " at " << p.x() << "," << p.y();
    }
}

// A label with AutomatischeGroesse takes the size of its new caption; without it keeps its bounds.
TEST(TLabel, autoSizeFitsTheLabelToItsCaption)
{
    for (const bool autoSize : {true, false}) {
        TLabel label(QStringLiteral("x"));
        label.setzeSchrift(QStringLiteral("Arial"), 16);
        label.setGeometry(8, 56, 68, 18);
        label.AutomatischeGroesse = autoSize;
        const QString text = QStringLiteral("Größe der Bilder auf diesem Monitor: 504 x 672 Pixel");
        label.setzeBeschriftung(text);
        EXPECT_EQ(label.text(), text);
        EXPECT_EQ(label.pos(), QPoint(8, 56));
        if (autoSize) {
            const QFontMetrics fm(label.font());
            EXPECT_GE(label.width(), fm.horizontalAdvance(text));
            EXPECT_LT(label.width(), fm.horizontalAdvance(text) + 10);
            EXPECT_GE(label.height(), fm.height());
        } else {
            EXPECT_EQ(label.size(), QSize(68, 18));
        }
    }
}

// A label on Elternfarbe takes the colour of its panel, following it when it changes; one on
// Knopffarbe shows the button-face colour on the same panel.
TEST_F(PaletteGesetzt, aLabelOnItsParentsColourFollowsThePanel)
{
    setzeButton(QColor(10, 200, 30));
    TPanel panel;
    panel.KanteAussen = TPanel::Kante::Keine;
    panel.resize(100, 60);
    auto* eltern = new TLabel(QString(), &panel);
    eltern->setGeometry(0, 0, 50, 30);
    eltern->setzeHintergrund(TLabel::Hintergrund::Elternfarbe);
    auto* knopf = new TLabel(QString(), &panel);
    knopf->setGeometry(50, 0, 50, 30);
    knopf->setzeHintergrund(TLabel::Hintergrund::Knopffarbe);
    for (const QColor farbe : {QColor(255, 166, 166), QColor(0, 0, 128)}) {
        panel.setzeFarbe(farbe);
        EXPECT_EQ(mitte(*eltern), farbe);
        EXPECT_EQ(mitte(*knopf), QColor(10, 200, 30));
    }
    panel.setzeFarbe(std::nullopt);
    EXPECT_EQ(mitte(*eltern), QColor(10, 200, 30));
}
