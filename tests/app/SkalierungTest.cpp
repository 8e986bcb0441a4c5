#include "widgets/PaarlixApplication.h"
#include "widgets/TBitBtn.h"
#include "widgets/TImage.h"
#include "widgets/TPanel.h"
#include "support/Spielordner.h"
#include "support/Testfenster.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include <iostream>

namespace {
bool skaliertGestartet = false;
}

TEST(Skalierung, aScaledDesktopLeavesTheWindowInDevicePixels)
{
    // With the desktop scaled to 150 %, a "1016,734" window is 1016 x 734 device pixels with the
    // unscaled layout, and "max" lays out the screen's full 800 x 800 pixels.
    ASSERT_TRUE(skaliertGestartet) << "this test runs with QT_SCALE_FACTOR=1.5 in its environment";
    for (const QString fenstergroesse : {"1016,734", "max"}) {
        SCOPED_TRACE(fenstergroesse.toStdString());
        Spielordner ordner;
        QStringList werte = standardWerte();
        werte[0] = fenstergroesse;
        werte[7] = QStringLiteral("1");
        ordner.schreibeIni(werte);
        ordner.schreibeKartentext();
        ordner.schreibeBilder(30);
        Testfenster fenster;
        fenster.aktiviere();
        const TForm1& f = *fenster.form;
        ASSERT_TRUE(f.aufgebaut());
        EXPECT_EQ(f.windowHandle()->devicePixelRatio(), 1.0);
        EXPECT_EQ(f.screen()->geometry().size(), QSize(800, 800));
        if (fenstergroesse == QLatin1String("max"))
            continue;
        EXPECT_EQ(f.size(), QSize(1016, 734));
        EXPECT_EQ(f.Image1->size(), QSize(504, 672));
        EXPECT_EQ(f.KartenBilder[0][0]->size(), QSize(66, 88));
        EXPECT_EQ(f.BitBtn1->geometry(), QRect(40, 488, 425, 57));
    }
}

int main(int argc, char** argv)
{
    skaliertGestartet = qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("1.5");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    schalteSkalierungAus();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Paarlix"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
