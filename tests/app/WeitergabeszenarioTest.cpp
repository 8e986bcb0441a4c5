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
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string s(const QString& text) { return text.toStdString(); }

// The built program with a home of its own, as on another computer; its output.
QString paarlix(const QString& home, const QStringList& argumente, int& status)
{
    QProcess programm;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", home);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "DISPLAY", "WAYLAND_DISPLAY"})
        umgebung.remove(name);
    programm.setProcessEnvironment(umgebung);
    programm.setProcessChannelMode(QProcess::MergedChannels);
    programm.start(QStringLiteral(PAARLIX_PROGRAMM), argumente);
    status = programm.waitForFinished(120000) && programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1;
    return QString::fromUtf8(programm.readAll());
}

// Deals the game in `ordner` as the game does; true when the board was built without a message.
bool teileAus(const QString& ordner)
{
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(ordner);
    bool gelungen = false;
    {
        Testfenster fenster;
        fenster.aktiviere();
        gelungen = fenster.form->aufgebaut() && fenster.meldungen.eintraege.empty();
    }
    QDir::setCurrent(vorher);
    return gelungen;
}

} // namespace

// A game written, passed on as one file and opened on a computer with a fresh home: the game
// deals, and every card has its name, its comment and its picture, a large photo reduced.
// Opened to be played, it goes into the chosen folder for the games and first in the last
// games; the same file again reuses it, a file that is no game is refused in a message.
TEST(Weitergabe, aGamePassedOnIsTheSameGameOnAnotherComputer)
{
    QTemporaryDir tmp;
    QDir().mkpath(tmp.filePath("Fotos"));
    QImage gross(3000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < gross.height(); ++y)
        for (int x = 0; x < gross.width(); ++x)
            gross.setPixel(x, y, qRgb(x * 255 / 3000, y * 255 / 2000, (x + y) % 256 < 128 ? 40 : 200));
    QFile datei(tmp.filePath("Fotos/Oma am Meer.jpg"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(jpegMitKommentar(gross, QStringLiteral("Oma am Meer, 1998"), 92));
    datei.close();
    ASSERT_TRUE(gross.scaled(400, 300).save(tmp.filePath("Fotos/Hund.jpg"), "JPG", 90));
    NeuesSpiel auftrag;
    auftrag.Ziel = tmp.filePath("Spiele/Familie");
    auftrag.Bilder = {tmp.filePath("Fotos/Oma am Meer.jpg"), tmp.filePath("Fotos/Hund.jpg")};
    auftrag.MitNamen = true;
    ASSERT_EQ(schreibeNeuesSpiel(auftrag).status(), 0);

    int status = -1;
    QDir().mkpath(tmp.filePath("hier"));
    const QString ausgabe = paarlix(tmp.filePath("hier"), {"--weitergeben", auftrag.Ziel}, status);
    ASSERT_EQ(status, 0) << s(ausgabe);
    // Without a documents folder the file goes into the home folder.
    const QString paket = tmp.filePath("hier/Familie.paarlix");
    EXPECT_TRUE(ausgabe.contains("Gespeichert: " + paket)) << s(ausgabe);
    const QString drueben = tmp.filePath("drueben");
    QDir().mkpath(drueben);
    const QString uebernommen = paarlix(drueben, {"--uebernehmen", paket}, status);
    ASSERT_EQ(status, 0) << s(uebernommen);
    const QString neu = drueben + "/Spiele/Familie";

    EXPECT_TRUE(teileAus(auftrag.Ziel));
    EXPECT_TRUE(teileAus(neu));
    const QStringList karten = QDir(auftrag.Ziel).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    EXPECT_EQ(s(karten.join(' ')), s(QDir(neu).entryList({"*.jpg"}, QDir::Files, QDir::Name).join(' ')));
    for (const QString& karte : karten) {
        SCOPED_TRACE(s(karte));
        EXPECT_EQ(leseKartenkommentar(auftrag.Ziel + '/' + karte), leseKartenkommentar(neu + '/' + karte));
        const QImage vorher(auftrag.Ziel + '/' + karte), nachher(neu + '/' + karte);
        ASSERT_FALSE(nachher.isNull());
        EXPECT_LE(std::max(nachher.width(), nachher.height()), 2048);
        EXPECT_NEAR(double(nachher.width()) / nachher.height(), double(vorher.width()) / vorher.height(), 0.002);
        EXPECT_GT(bildvergleich::psnr(vorher.scaled(nachher.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                          .convertToFormat(QImage::Format_RGB32),
                                      nachher.convertToFormat(QImage::Format_RGB32)),
                  30.0);
    }
    EXPECT_EQ(leseKartenkommentar(neu + "/01a.jpg").Text, "Oma am Meer, 1998");
    EXPECT_EQ(QImage(neu + "/01a.jpg").width(), 2048);

    Nutzerkonfiguration konfiguration(tmp.filePath("paarlix.conf"));
    konfiguration.setzeWert(SpieleordnerSchluessel, tmp.filePath("Gewaehlt"));
    MeldungsRecorder meldungen;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(s(uebernimmZumSpielen(paket, konfiguration, meldungen).Spielordner), s(tmp.filePath("Gewaehlt/Familie")));
    EXPECT_EQ(s(letzteSpiele(konfiguration).value(0)), s(tmp.filePath("Gewaehlt/Familie")));
    EXPECT_FALSE(uebernimmZumSpielen(auftrag.Ziel + "/Paarlix.ini", konfiguration, meldungen).gelungen());
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(s(meldungen.eintraege[0].art), "fehler");
    EXPECT_EQ(letzteSpiele(konfiguration).size(), 1);
}
