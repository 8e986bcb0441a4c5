#include "platform/Nutzerkonfiguration.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

const QByteArray Gueltig = "[Spielordner]\nzuletzt=/home/erna/Spiele\n";

void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly)) << pfad.toStdString();
    datei.write(inhalt);
}

QByteArray inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

bool istRegulaer(const QString& pfad)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(pfad).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

TEST(Nutzerkonfiguration, anythingButASaneRegularFileCountsAsNoFile)
{
    // Anything but a regular file of sane size reads as empty, without hanging, and a save puts a
    // new regular file in its place (a link's target stays untouched); a folder stays, told once.
    struct Fall {
        const char* name;
        std::function<void(const QString& pfad, const QString& daneben)> lege;
        bool gespeichert;
    };
    QByteArray zuGross = Gueltig;
    while (zuGross.size() <= Nutzerkonfiguration::Hoechstgroesse)
        zuGross += "; Kommentar, der die Datei zu groß macht\n";
    QByteArray muell = Gueltig;
    for (int i = 0; i < 4096; ++i)
        muell += char((i * 131 + 7) % 256);
    const Fall faelle[] = {
        {"link to a regular file", [](const QString& pfad, const QString& daneben) {
             schreibe(daneben, Gueltig);
             ASSERT_TRUE(QFile::link(daneben, pfad));
         }, true},
        {"fifo", [](const QString& pfad, const QString&) {
             ASSERT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
         }, true},
        {"oversize file", [&](const QString& pfad, const QString&) { schreibe(pfad, zuGross); }, true},
        {"garbage bytes", [&](const QString& pfad, const QString&) { schreibe(pfad, muell); }, true},
        {"nul byte", [](const QString& pfad, const QString&) { schreibe(pfad, Gueltig + '\0'); }, true},
        {"not UTF-8", [](const QString& pfad, const QString&) { schreibe(pfad, Gueltig + "; \xFF\n"); }, true},
        {"directory", [](const QString& pfad, const QString&) { ASSERT_TRUE(QDir().mkpath(pfad)); }, false},
        {"missing, folder too", [](const QString&, const QString&) {}, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir tmp;
        const QString pfad = tmp.filePath("paarlix/paarlix.conf");
        const QString daneben = tmp.filePath("ziel.conf");
        if (std::string(fall.name) != "missing, folder too")
            QDir().mkpath(tmp.filePath("paarlix"));
        fall.lege(pfad, daneben);

        Nutzerkonfiguration konfiguration(pfad);
        EXPECT_EQ(konfiguration.wert("Spielordner/zuletzt", "leer").toStdString(), "leer");
        konfiguration.setzeWert("Spielordner/zuletzt", "/neu");
        EXPECT_EQ(konfiguration.speichere(), fall.gespeichert);
        if (fall.gespeichert) {
            EXPECT_TRUE(istRegulaer(pfad));
            EXPECT_EQ(Nutzerkonfiguration(pfad).wert("Spielordner/zuletzt").toStdString(), "/neu");
        } else {
            // The failure is told once per run, however often saving fails.
            testing::internal::CaptureStderr();
            konfiguration.meldeNichtGespeichert();
            konfiguration.meldeNichtGespeichert();
            EXPECT_EQ(testing::internal::GetCapturedStderr(),
                      "Paarlix: Die Einstellungen können nicht in „" + pfad.toStdString()
                          + "“ gespeichert werden.\n");
        }
        if (QFile::exists(daneben)) {
            EXPECT_EQ(inhalt(daneben).toStdString(), Gueltig.toStdString());
        }
        EXPECT_EQ(QDir(tmp.filePath("paarlix")).entryList(QDir::Files | QDir::Hidden).filter(".conf.").size(), 0)
            << "a left-over temporary file";
    }
}

TEST(Nutzerkonfiguration, theFileIsTheOneQSettingsReadsAndWrites)
{
    // Values and lists are written byte for byte as QSettings writes them and read back by both, so a
    // folder remembered by an earlier version is still found; keys are spelt as QSettings spells
    // them ("a/" and "/a//b" are "a" and "a/b").
    struct Fall {
        const char* schluessel;
        QStringList werte;
        bool liste;
    };
    const Fall faelle[] = {
        {"Spielordner/zuletzt", {"/home/erna/Spiele"}, false},
        {"Spielordner/sonderbar", {"/home/ä ö/a, b;c=d \"q\" \\ Ende "}, false},
        {"Steuer/zeichen", {QString("a\tb\nc") + QChar(1) + "f @"}, false},
        {"Spielordner/at", {"@x"}, false},
        {"Spielordner/leer", {""}, false},
        {"ohne Gruppe", {"w"}, false},
        {"Spiele/zuletzt", {"/a,b", " /c d", "@y", "/日本"}, true},
        {"Spiele/keine", {}, true},
        {"Ton", {"", "us"}, true},
        {"Spiele/danach leer", {"a", ""}, true},
        {"Spiele/ende/", {"x"}, false},
        {"/Spiele//doppelt", {"y", "z"}, true},
    };
    QTemporaryDir tmp;
    const QString eigen = tmp.filePath("eigen.conf");
    const QString qt = tmp.filePath("qt.conf");
    {
        Nutzerkonfiguration konfiguration(eigen);
        QSettings settings(qt, QSettings::IniFormat);
        for (const Fall& fall : faelle) {
            if (fall.liste) {
                konfiguration.setzeListe(fall.schluessel, fall.werte);
                settings.setValue(fall.schluessel, fall.werte);
            } else {
                konfiguration.setzeWert(fall.schluessel, fall.werte[0]);
                settings.setValue(fall.schluessel, fall.werte[0]);
            }
        }
        ASSERT_TRUE(konfiguration.speichere());
    }
    EXPECT_EQ(inhalt(eigen).toStdString(), inhalt(qt).toStdString());
    const Nutzerkonfiguration vonQt(qt);
    const Nutzerkonfiguration vonUns(eigen);
    QSettings zurueck(eigen, QSettings::IniFormat);
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.schluessel);
        const std::string erwartet = fall.werte.join('|').toStdString();
        EXPECT_EQ(vonQt.liste(fall.schluessel).join('|').toStdString(), erwartet);
        EXPECT_EQ(vonUns.liste(fall.schluessel).join('|').toStdString(), erwartet);
        EXPECT_EQ(zurueck.value(fall.schluessel).toStringList().join('|').toStdString(), erwartet);
        EXPECT_EQ(vonUns.liste(fall.schluessel).size(), fall.werte.size());
        if (!fall.liste) {
            EXPECT_EQ(vonUns.wert(fall.schluessel, "fehlt").toStdString(), fall.werte[0].toStdString());
        }
    }
    EXPECT_EQ(vonUns.wert("Spiele/zuletzt", "mehrere").toStdString(), "mehrere");
    EXPECT_EQ(vonUns.wert("gibt/es nicht", "fehlt").toStdString(), "fehlt");
}

TEST(Nutzerkonfiguration, aSaveKeepsWhatAnotherInstanceSavedMeanwhile)
{
    // Two instances on one file (the start window's and the game's): a save writes only its own keys.
    QTemporaryDir tmp;
    const QString pfad = tmp.filePath("paarlix/paarlix.conf");
    QDir().mkpath(tmp.filePath("paarlix"));
    schreibe(pfad, "[Spiele]\nzuletzt=/alt\n");
    Nutzerkonfiguration start(pfad);
    Nutzerkonfiguration spiel(pfad);
    spiel.setzeWert("Ton", "aus");
    spiel.setzeWert("Bestwerte/Familie", "12");
    ASSERT_TRUE(spiel.speichere());
    start.setzeListe("Spiele/zuletzt", {"/neu", "/alt"});
    ASSERT_TRUE(start.speichere());
    EXPECT_EQ(start.wert("Ton").toStdString(), "aus") << "holds the file after a save";

    spiel.setzeWert("Ton", "an");
    ASSERT_TRUE(spiel.speichere());
    start.setzeWert("Spielordner/zuletzt", "/neu");
    ASSERT_TRUE(start.speichere());
    const Nutzerkonfiguration danach(pfad);
    EXPECT_EQ(danach.wert("Ton").toStdString(), "an") << "a key saved before is not written again";
    EXPECT_EQ(danach.wert("Bestwerte/Familie").toStdString(), "12");
    EXPECT_EQ(danach.liste("Spiele/zuletzt").join('|').toStdString(), "/neu|/alt");
    EXPECT_EQ(danach.wert("Spielordner/zuletzt").toStdString(), "/neu");
    EXPECT_EQ(QDir(tmp.filePath("paarlix")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"paarlix.conf"});

    // A list changed by both: each change is made on the list as saved, so neither entry is lost.
    const auto vorne = [](const QString& neu) {
        return [neu](QStringList l) {
            l.removeAll(neu);
            return QStringList{neu} + l;
        };
    };
    Nutzerkonfiguration zweite(pfad);
    spiel.aendereListe("Spiele/zuletzt", vorne("/spiel"));
    zweite.aendereListe("Spiele/zuletzt", vorne("/zweite"));
    EXPECT_EQ(spiel.liste("Spiele/zuletzt").join('|').toStdString(), "/spiel|/neu|/alt") << "changed at once";
    ASSERT_TRUE(spiel.speichere());
    ASSERT_TRUE(zweite.speichere());
    EXPECT_EQ(Nutzerkonfiguration(pfad).liste("Spiele/zuletzt").join('|').toStdString(), "/zweite|/spiel|/neu|/alt");
    zweite.setzeListe("Spiele/zuletzt", {"/gesetzt"});
    zweite.aendereListe("Spiele/zuletzt", vorne("/danach"));
    ASSERT_TRUE(zweite.speichere());
    EXPECT_EQ(Nutzerkonfiguration(pfad).liste("Spiele/zuletzt").join('|').toStdString(), "/danach|/gesetzt")
        << "a list set since the last save is written as set and changed";
}
