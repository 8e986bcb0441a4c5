#include "platform/Fehlerbehandlung.h"
#include "platform/PaarlixFehler.h"
#include "widgets/TImage.h"
#include "widgets/TPanel.h"
#include "support/MeldungsRecorder.h"

#include <QApplication>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A coloured panel with one image control in it, shown so that clicks arrive.
struct Buehne {
    Buehne()
    {
        panel.setzeFarbe(QColor(0, 0, 200));
        panel.KanteAussen = TPanel::Kante::Keine;
        panel.resize(100, 100);
        bild = new TImage(&panel);
        bild->setGeometry(10, 10, 40, 40);
        panel.show();
        QCoreApplication::processEvents();
    }
    TPanel panel;
    TImage* bild = nullptr;
};

// Four one-pixel colours: red top-left, green top-right, blue bottom-left, yellow bottom-right.
QImage vierFarben()
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.setPixelColor(0, 0, Qt::red);
    img.setPixelColor(1, 0, Qt::green);
    img.setPixelColor(0, 1, Qt::blue);
    img.setPixelColor(1, 1, Qt::yellow);
    return img;
}

class MeldungenGesetzt : public ::testing::Test {
protected:
    void SetUp() override { Fehlerbehandlung::setzeMeldungen(&recorder); }
    void TearDown() override { Fehlerbehandlung::setzeMeldungen(nullptr); }
    MeldungsRecorder recorder;
};

} // namespace

// A control without a picture gets a white bitmap of exactly its size when first drawn into, and keeps it.
TEST(TImage, theFirstDrawingGetsAWhiteBitmapOfTheControlsSize)
{
    TImage bild;
    bild.resize(30, 20);
    ASSERT_TRUE(bild.bild().isNull());
    QImage& b = bild.zeichenbitmap();
    EXPECT_EQ(b.size(), QSize(30, 20));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            ASSERT_EQ(b.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    b.setPixelColor(3, 4, Qt::black);
    EXPECT_EQ(bild.zeichenbitmap().pixelColor(3, 4), QColor(Qt::black));
    EXPECT_EQ(bild.bild().pixelColor(3, 4), QColor(Qt::black));
}

// With Stretch on the picture fills the whole control; without, it is drawn once at the top-left corner.
TEST(TImage, stretchFillsTheWholeControl)
{
    struct Fall {
        bool stretch;
        QPoint punkt;
        QColor erwartet;
    };
    const QColor panelFarbe(0, 0, 200);
    const Fall faelle[] = {
        {true, {2, 2}, Qt::red},        {true, {37, 2}, Qt::green},   {true, {2, 37}, Qt::blue},
        {true, {37, 37}, Qt::yellow},   {false, {0, 0}, Qt::red},     {false, {1, 1}, Qt::yellow},
        {false, {37, 37}, panelFarbe},  {false, {20, 2}, panelFarbe},
    };
    for (const Fall& f : faelle) {
        Buehne b;
        b.bild->Stretch = f.stretch;
        b.bild->setzeBild(vierFarben());
        const QImage grab = b.panel.grab().toImage();
        EXPECT_EQ(grab.pixelColor(b.bild->pos() + f.punkt), f.erwartet)
            << "stretch " << f.stretch << " at " << f.punkt.x() << "," << f.punkt.y();
    }
}

TEST(TImage, aLeftClickRunsTheHandlerBoundAtThatMoment)
{
    // A left click runs OnClick as bound then (rebound inside a click: the next click's), sender the control.
    Buehne b;
    std::vector<QString> ablauf;
    b.bild->OnClick = [&](TImage* sender) {
        EXPECT_EQ(sender, b.bild);
        ablauf.push_back(QStringLiteral("erster"));
        sender->OnClick = [&](TImage*) { ablauf.push_back(QStringLiteral("zweiter")); };
    };
    QTest::mouseClick(b.bild, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(b.bild, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(b.bild, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(ablauf, (std::vector<QString>{QStringLiteral("erster"), QStringLiteral("zweiter")}));
}

// A double click is one click: its second press must not click again.
TEST(TImage, aDoubleClickIsOneClick)
{
    Buehne b;
    int klicks = 0;
    b.bild->OnClick = [&](TImage*) { ++klicks; };
    // As the window system delivers it: a click, then a press that comes with a double-click event.
    const QPoint p(5, 5);
    QTest::mouseClick(b.bild, Qt::LeftButton, {}, p);
    QTest::mousePress(b.bild, Qt::LeftButton, {}, p);
    QMouseEvent doppel(QEvent::MouseButtonDblClick, QPointF(p), QPointF(b.bild->mapToGlobal(p)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b.bild, &doppel);
    QTest::mouseRelease(b.bild, Qt::LeftButton, {}, p);
    EXPECT_EQ(klicks, 1);
    QTest::mouseClick(b.bild, Qt::LeftButton, {}, p);
    EXPECT_EQ(klicks, 2);
}

// The second press of a double click does not click the control that turned up under the pointer meanwhile.
TEST(TImage, aDoubleClickNeverClicksTheCardThatTurnedUpUnderIt)
{
    Buehne b;
    auto* darunter = new TImage(&b.panel);
    darunter->setGeometry(b.bild->geometry());
    darunter->hide();
    int klicksOben = 0;
    int klicksDarunter = 0;
    b.bild->OnClick = [&](TImage* sender) {
        ++klicksOben;
        sender->hide();
        darunter->show();
    };
    darunter->OnClick = [&](TImage*) { ++klicksDarunter; };
    const QPoint p(5, 5);
    const auto sende = [&](TImage* ziel, QEvent::Type art, quint64 zeit) {
        QMouseEvent e(art, QPointF(p), QPointF(ziel->mapToGlobal(p)), Qt::LeftButton,
                      art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        e.setTimestamp(zeit);
        QCoreApplication::sendEvent(ziel, &e);
    };
    const quint64 start = 1'000'000;
    const auto doppelklickZeit = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    sende(b.bild, QEvent::MouseButtonPress, start);
    sende(b.bild, QEvent::MouseButtonRelease, start + 30);
    sende(darunter, QEvent::MouseButtonPress, start + 80);
    sende(darunter, QEvent::MouseButtonRelease, start + 110);
    EXPECT_EQ(klicksOben, 1);
    EXPECT_EQ(klicksDarunter, 0);
    // A later click on it is a click.
    sende(darunter, QEvent::MouseButtonPress, start + 110 + doppelklickZeit);
    sende(darunter, QEvent::MouseButtonRelease, start + 140 + doppelklickZeit);
    EXPECT_EQ(klicksDarunter, 1);
}

// A click on the child of a disabled panel does nothing; after enabling the panel it arrives.
TEST(TImage, aClickOnAChildOfADisabledPanelDoesNothing)
{
    Buehne b;
    int klicks = 0;
    b.bild->OnClick = [&](TImage*) { ++klicks; };
    b.panel.setEnabled(false);
    QTest::mouseClick(b.bild, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(klicks, 0);
    b.panel.setEnabled(true);
    QTest::mouseClick(b.bild, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(klicks, 1);
}

// An error thrown in OnClick ends the handler and is shown as a program error, with a full stop
// appended unless the text already ends its sentence ("." or "!" or "?").
TEST_F(MeldungenGesetzt, anErrorInAClickIsShownWithTheFullStopRule)
{
    struct Fall {
        QString geworfen;
        QString gezeigt;
    };
    const Fall faelle[] = {
        {QStringLiteral("Datei x.jpg kann nicht geöffnet werden"), QStringLiteral("Datei x.jpg kann nicht geöffnet werden.")},
        {QStringLiteral("Bitmap ist ungültig"), QStringLiteral("Bitmap ist ungültig.")},
        {QStringLiteral("JPEG-Fehlernr. 53"), QStringLiteral("JPEG-Fehlernr. 53.")},
        {QStringLiteral("Das Bild \"Kartentext.bmp\" hat keine Pixel (0 x 0)"),
         QStringLiteral("Das Bild \"Kartentext.bmp\" hat keine Pixel (0 x 0).")},
        {QStringLiteral("Die Datei \"a b\""), QStringLiteral("Die Datei \"a b\".")},
        {QStringLiteral("Wirklich?"), QStringLiteral("Wirklich?")},
        {QStringLiteral("Tag ist Null!"), QStringLiteral("Tag ist Null!")},
        {QStringLiteral("Schon mit Punkt."), QStringLiteral("Schon mit Punkt.")},
    };
    for (const Fall& f : faelle) {
        recorder.eintraege.clear();
        Buehne b;
        b.bild->OnClick = [&](TImage*) { throw EPaarlixFehler(f.geworfen); };
        QTest::mouseClick(b.bild, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(recorder.eintraege.size(), 1u) << f.geworfen.toStdString();
        EXPECT_EQ(recorder.eintraege[0].art, QStringLiteral("programmfehler"));
        EXPECT_EQ(recorder.eintraege[0].text, f.gezeigt);
    }
}
