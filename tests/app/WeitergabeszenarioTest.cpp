#include "support/Testfenster.h"

#include "board/Spielauswahl.h"
#include "karten/Kartenkommentar.h"
#include "karten/Namenskarte.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/NeuesSpielFenster.h"
#include "start/Weitergabeablauf.h"
#include "support/Bildvergleich.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The built program with a home of its own, as on another computer: its exit status.
static int paarlix(const QString& home, const QStringList& argumente)
{
    QProcess programm;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", home);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "DISPLAY", "WAYLAND_DISPLAY"})
        umgebung.remove(name);
    programm.setProcessEnvironment(umgebung);
    programm.start(QStringLiteral(PAARLIX_PROGRAMM), argumente);
    return programm.waitForFinished(120000) && programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1;
}

// A game written, passed on as one file and taken in with a fresh home deals, and every card has
// its name, its comment and its picture, a large photo reduced. Opened to be played, it goes into
// the chosen folder for the games, first among the last games; a file that is no game is refused.
TEST(Weitergabe, aGamePassedOnIsTheSameGameOnAnotherComputer)
{
    QTemporaryDir tmp;
    QImage gross(3000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < gross.height(); ++y)
        for (int x = 0; x < gross.width(); ++x)
            gross.setPixel(x, y, qRgb(x * 255 / 3000, y * 255 / 2000, (x + y) % 256 < 128 ? 40 : 200));
    QFile foto(tmp.filePath("Oma.jpg"));
    ASSERT_TRUE(foto.open(QIODevice::WriteOnly) && foto.write(jpegMitKommentar(gross, "Oma am Meer, 1998", 92)) > 0);
    foto.close();
    ASSERT_TRUE(gross.scaled(400, 300).save(tmp.filePath("Hund.jpg"), "JPG", 90));
    const QString alt = tmp.filePath("Spiele/Familie"), neu = tmp.filePath("drueben/Spiele/Familie");
    ASSERT_EQ(schreibeNeuesSpiel({.Ziel = alt, .Bilder = {tmp.filePath("Oma.jpg"), tmp.filePath("Hund.jpg")}, .MitNamen = true})
                  .status(), 0);
    QDir().mkpath(tmp.filePath("hier"));
    QDir().mkpath(tmp.filePath("drueben"));
    // Without a documents folder the file goes into the home folder.
    ASSERT_EQ(paarlix(tmp.filePath("hier"), {"--weitergeben", alt}), 0);
    const QString paket = tmp.filePath("hier/Familie.paarlix");
    ASSERT_EQ(paarlix(tmp.filePath("drueben"), {"--uebernehmen", paket}), 0);

    QDir::setCurrent(neu);
    Testfenster fenster;
    fenster.aktiviere();
    EXPECT_TRUE(fenster.form->aufgebaut() && fenster.meldungen.eintraege.empty());
    const QStringList karten = QDir(alt).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    EXPECT_EQ(karten, QDir(neu).entryList({"*.jpg"}, QDir::Files, QDir::Name));
    for (const QString& karte : karten) {
        SCOPED_TRACE(karte.toStdString());
        EXPECT_EQ(leseKartenkommentar(alt + '/' + karte), leseKartenkommentar(neu + '/' + karte));
        const QImage vorher(alt + '/' + karte), nachher(neu + '/' + karte);
        EXPECT_NEAR(double(nachher.width()) / nachher.height(), double(vorher.width()) / vorher.height(), 0.002);
        EXPECT_GT(bildvergleich::psnr(vorher.scaled(nachher.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                          .convertToFormat(QImage::Format_RGB32),
                                      nachher.convertToFormat(QImage::Format_RGB32)), 30.0);
    }
    EXPECT_EQ(leseKartenkommentar(neu + "/01a.jpg").Text, "Oma am Meer, 1998");
    EXPECT_EQ(QImage(neu + "/01a.jpg").size(), QSize(2048, 1365));

    Nutzerkonfiguration konfiguration(tmp.filePath("paarlix.conf"));
    konfiguration.setzeWert(SpieleordnerSchluessel, tmp.filePath("Gewaehlt"));
    MeldungsRecorder meldungen;
    EXPECT_EQ(uebernimmZumSpielen(paket, konfiguration, meldungen).Spielordner, tmp.filePath("Gewaehlt/Familie"));
    EXPECT_FALSE(uebernimmZumSpielen(alt + "/Paarlix.ini", konfiguration, meldungen).gelungen());
    EXPECT_EQ(letzteSpiele(konfiguration), QStringList{tmp.filePath("Gewaehlt/Familie")});
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, "fehler");
}
