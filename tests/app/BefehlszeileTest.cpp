#include "app/Befehlszeile.h"
#include "platform/Nutzerkonfiguration.h"
#include "platform/Spielordnerwahl.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Aufruf = Befehl::Aufruf;

std::string s(const QString& text) { return text.toStdString(); }

// Restores the working folder that a test changes.
struct Arbeitsordner {
    QString vorher = QDir::currentPath();
    ~Arbeitsordner() { QDir::setCurrent(vorher); }
};

} // namespace

// Each form of the command line gives its command; help and version win over folders and other
// options, an unknown option over everything, and every mistake gives a German message.
TEST(Befehlszeile, everyFormGivesItsCommand)
{
    struct Fall {
        QStringList argumente;
        Aufruf art;
        const char* ordner;
        QStringList bilder = {};
        bool mitNamen = false;
        const char* meldung = "";
        bool ohneTon = false;
        int jeRunde = 0;
        const char* paarliste = "";
        Kopfzeile kopf = Kopfzeile::Raten;
        const char* datei = "";
        bool original = false;
    };
    const Fall faelle[] = {
        {{}, Aufruf::Spielen, "", {}, false, ""},
        {{"Spiele/Oma"}, Aufruf::Spielen, "Spiele/Oma", {}, false, ""},
        {{"--ordner-waehlen"}, Aufruf::OrdnerWaehlen, "", {}, false, ""},
        {{"--neues-spiel", "Ziel", "b.jpg", "a.png"}, Aufruf::NeuesSpiel, "Ziel", {"b.jpg", "a.png"}, false, ""},
        {{"--namen", "--neues-spiel", "Ziel", "a.jpg"}, Aufruf::NeuesSpiel, "Ziel", {"a.jpg"}, true, ""},
        {{"--neues-spiel", "Ziel", "--", "-x.jpg"}, Aufruf::NeuesSpiel, "Ziel", {"-x.jpg"}, false, ""},
        {{"--neues-spiel", "Ziel"}, Aufruf::NeuesSpiel, "Ziel", {}, false, ""},
        {{"--help"}, Aufruf::Hilfe, "", {}, false, ""},
        {{"-h", "--foo"}, Aufruf::Fehler, "", {}, false, "Unbekannte Option „--foo“."},
        {{"Ordner", "-v"}, Aufruf::Version, "", {}, false, ""},
        {{"--version"}, Aufruf::Version, "", {}, false, ""},
        {{"--foo"}, Aufruf::Fehler, "", {}, false, "Unbekannte Option „--foo“."},
        {{"-x"}, Aufruf::Fehler, "", {}, false, "Unbekannte Option „-x“."},
        {{"--neues-spiel"}, Aufruf::Fehler, "", {}, false, "Bei --neues-spiel fehlen der Zielordner und die Bilder."},
        {{"--neues-spiel", "--ordner-waehlen", "Z", "a.jpg"}, Aufruf::Fehler, "", {}, false,
         "--neues-spiel und --ordner-waehlen gehen nicht zusammen."},
        {{"--namen", "Ordner"}, Aufruf::Fehler, "", {}, false, "--namen gehört zu --neues-spiel."},
        {{"--ordner-waehlen", "Ordner"}, Aufruf::Fehler, "", {}, false, "Bei --ordner-waehlen wird kein Ordner angegeben."},
        {{"Ordner1", "Ordner2"}, Aufruf::Fehler, "", {}, false, "Es kann nur ein Spielordner angegeben werden."},
        // Qt's own options stay for the application object and are no folder.
        {{"-platform", "offscreen", "Ordner"}, Aufruf::Spielen, "Ordner", {}, false, ""},
        {{"--style=Fusion", "-reverse", "--ordner-waehlen"}, Aufruf::OrdnerWaehlen, "", {}, false, ""},
        {{"--neues-spiel", "Ziel", "--", "-platform"}, Aufruf::NeuesSpiel, "Ziel", {"-platform"}, false, ""},
        // After the target, a picture may start with "-"; our own options still count.
        {{"--neues-spiel", "Ziel", "-rot.jpg", "--namen", "-platform", "b.jpg"}, Aufruf::NeuesSpiel, "Ziel",
         {"-rot.jpg", "-platform", "b.jpg"}, true, ""},
        {{"--neues-spiel", "-rot.jpg", "Ziel"}, Aufruf::Fehler, "", {}, false, "Unbekannte Option „-r“."},
        {{"--ohne-ton", "Spiele/Oma"}, Aufruf::Spielen, "Spiele/Oma", {}, false, "", true},
        {{"--ordner-waehlen", "--ohne-ton"}, Aufruf::OrdnerWaehlen, "", {}, false, "", true},
        {{"--ohne-ton", "--neues-spiel", "Z", "a.jpg"}, Aufruf::Fehler, "", {}, false,
         "--ohne-ton gehört zum Spielen, nicht zu --neues-spiel."},
        // The pairs per round, before or after the target; its number is no picture.
        {{"--neues-spiel", "--je-runde", "8", "Ziel", "a.jpg"}, Aufruf::NeuesSpiel, "Ziel", {"a.jpg"}, false, "", false, 8},
        {{"--neues-spiel", "Ziel", "a.jpg", "--je-runde", "8", "b.jpg"}, Aufruf::NeuesSpiel, "Ziel", {"a.jpg", "b.jpg"},
         false, "", false, 8},
        {{"--je-runde=3", "--neues-spiel", "Ziel", "a.jpg"}, Aufruf::NeuesSpiel, "Ziel", {"a.jpg"}, false, "", false, 3},
        {{"--neues-spiel", "--je-runde", "acht", "Ziel", "a.jpg"}, Aufruf::Fehler, "", {}, false,
         "Bei --je-runde muss die Zahl der Paare je Runde stehen (ab 1), nicht „acht“."},
        {{"--neues-spiel", "--je-runde=0", "Ziel", "a.jpg"}, Aufruf::Fehler, "", {}, false,
         "Bei --je-runde muss die Zahl der Paare je Runde stehen (ab 1), nicht „0“."},
        {{"--neues-spiel", "Ziel", "a.jpg", "--je-runde"}, Aufruf::Fehler, "", {}, false,
         "Bei --je-runde fehlt die Zahl der Paare je Runde."},
        {{"--je-runde", "8", "Ordner"}, Aufruf::Fehler, "", {}, false, "--je-runde gehört zu --neues-spiel."},
        // The pairs from a list: only the target follows.
        {{"--neues-spiel", "--paare", "liste.csv", "Ziel"}, Aufruf::NeuesSpiel, "Ziel", {}, false, "", false, 0, "liste.csv"},
        {{"--neues-spiel", "Ziel", "--paare=l.txt", "--je-runde", "4"}, Aufruf::NeuesSpiel, "Ziel", {}, false, "", false, 4,
         "l.txt"},
        {{"--paare", "l.csv", "--neues-spiel", "Ziel"}, Aufruf::NeuesSpiel, "Ziel", {}, false, "", false, 0, "l.csv"},
        {{"--neues-spiel", "--paare", "l.csv"}, Aufruf::Fehler, "", {}, false,
         "Bei --neues-spiel --paare fehlt der Zielordner."},
        {{"--neues-spiel", "--paare", "l.csv", "Ziel", "a.jpg"}, Aufruf::Fehler, "", {}, false,
         "Bei --paare folgt nur der Zielordner; die Bilder stehen in der Liste."},
        {{"--neues-spiel", "--namen", "--paare", "l.csv", "Ziel"}, Aufruf::Fehler, "", {}, false,
         "--namen und --paare gehen nicht zusammen; die Liste nennt jede Karte."},
        {{"--neues-spiel", "Ziel", "--paare"}, Aufruf::Fehler, "", {}, false, "Bei --paare fehlt die Liste der Paare."},
        {{"--paare", "l.csv", "Ordner"}, Aufruf::Fehler, "", {}, false, "--paare gehört zu --neues-spiel."},
        // The list's first line: a header or a pair as the user says, else guessed.
        {{"--neues-spiel", "--paare", "l.csv", "Ziel", "--keine-ueberschrift"}, Aufruf::NeuesSpiel, "Ziel", {}, false, "",
         false, 0, "l.csv", Kopfzeile::Paar},
        {{"--ueberschrift", "--neues-spiel", "--paare", "l.csv", "Ziel"}, Aufruf::NeuesSpiel, "Ziel", {}, false, "", false,
         0, "l.csv", Kopfzeile::Ueberschrift},
        {{"--neues-spiel", "--ueberschrift", "Ziel", "a.jpg"}, Aufruf::Fehler, "", {}, false,
         "--ueberschrift gehört zu --paare."},
        {{"--neues-spiel", "--paare", "l.csv", "--ueberschrift", "--keine-ueberschrift", "Ziel"}, Aufruf::Fehler, "", {},
         false, "--ueberschrift und --keine-ueberschrift gehen nicht zusammen."},
        // A game as one file: packed from a folder, taken in, or (any case of the ending) played.
        {.argumente = {"--weitergeben", "Oma"}, .art = Aufruf::Weitergeben, .ordner = "Oma"},
        {.argumente = {"--weitergeben", "--original", "Oma", "F.PAARLIX"}, .art = Aufruf::Weitergeben, .ordner = "Oma", .datei = "F.PAARLIX", .original = true},
        {.argumente = {"--uebernehmen", "F.zip", "Ziel"}, .art = Aufruf::Uebernehmen, .ordner = "Ziel", .datei = "F.zip"},
        {.argumente = {"Familie.Paarlix"}, .art = Aufruf::Spielen, .ordner = "", .datei = "Familie.Paarlix"},
        {.argumente = {"--ordner-waehlen", "--ohne-ton", "F.paarlix"}, .art = Aufruf::OrdnerWaehlen, .ordner = "", .ohneTon = true, .datei = "F.paarlix"},
        {{"--weitergeben"}, Aufruf::Fehler, "", {}, false, "Bei --weitergeben fehlt der Spielordner."},
        {{"--weitergeben", "Oma", "F.zip"}, Aufruf::Fehler, "", {}, false, "Die Datei für --weitergeben muss auf .paarlix enden: „F.zip“."},
        {{"--weitergeben", "O", "a.paarlix", "b"}, Aufruf::Fehler, "", {}, false, "Bei --weitergeben folgen nur der Spielordner und eine .paarlix-Datei."},
        {{"--drucken", "--weitergeben", "Oma"}, Aufruf::Fehler, "", {}, false, "--weitergeben geht nur mit --original zusammen."},
        {{"--original", "Oma"}, Aufruf::Fehler, "", {}, false, "--original gehört zu --weitergeben."},
        {{"--uebernehmen"}, Aufruf::Fehler, "", {}, false, "Bei --uebernehmen fehlt die .paarlix-Datei."},
        {{"--uebernehmen", "F", "A", "B"}, Aufruf::Fehler, "", {}, false, "Bei --uebernehmen folgen nur die .paarlix-Datei und ein Zielordner."},
        {{"--uebernehmen", "--original", "F"}, Aufruf::Fehler, "", {}, false, "--uebernehmen geht mit keiner anderen Option zusammen."},
        {{"--weitergeben", "--uebernehmen", "F"}, Aufruf::Fehler, "", {}, false, "--weitergeben und --uebernehmen gehen nicht zusammen."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(s(f.argumente.join(' ')));
        const Befehl b = leseBefehlszeile(QStringList{"paarlix"} + f.argumente);
        ASSERT_NE(b.Art, Aufruf::Drucken);
        EXPECT_EQ(s(b.Datei), f.datei);
        EXPECT_EQ(b.Original, f.original);
        EXPECT_EQ(b.Art, f.art);
        EXPECT_EQ(s(b.Ordner), f.ordner);
        EXPECT_EQ(b.Bilder, f.bilder);
        EXPECT_EQ(b.MitNamen, f.mitNamen);
        EXPECT_EQ(s(b.Meldung), f.meldung);
        EXPECT_EQ(b.OhneTon, f.ohneTon);
        EXPECT_EQ(b.JeRunde, f.jeRunde);
        EXPECT_EQ(s(b.Paarliste), f.paarliste);
        EXPECT_EQ(b.Kopf, f.kopf);
    }
}

TEST(Befehlszeile, everyPrintingCallGivesItsCommandOrItsRefusal)
{
    // --drucken reads a game folder, an optional PDF file and the print options, which belong to it alone.
    struct Fall {
        QStringList argumente;
        Aufruf art;
        const char* ordner;
        const char* datei;
        QPageSize::PageSizeId papier;
        int mm;
        bool nebeneinander, ohneRuecken;
        const char* meldung;
    };
    const Fall faelle[] = {
        {{"--drucken", "Spiel"}, Aufruf::Drucken, "Spiel", "", QPageSize::A4, 60, false, false, ""},
        {{"--drucken", "Spiel", "a.pdf"}, Aufruf::Drucken, "Spiel", "a.pdf", QPageSize::A4, 60, false, false, ""},
        {{"--drucken", "--papier=letter", "--karte", "45", "--paare-nebeneinander", "--ohne-rueckseiten", "S", "b.pdf"},
         Aufruf::Drucken, "S", "b.pdf", QPageSize::Letter, 45, true, true, ""},
        {{"--drucken", "--papier", "A5", "--karte=90", "S"}, Aufruf::Drucken, "S", "", QPageSize::A5, 90, false, false, ""},
        {{"--drucken"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false, "Bei --drucken fehlt der Spielordner."},
        {{"--drucken", "S", "a.pdf", "b.pdf"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "Bei --drucken folgen nur der Spielordner und eine PDF-Datei."},
        {{"--drucken", "--karte=39", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "--karte erwartet die lange Seite der Karten in Millimetern, 40 bis 90."},
        {{"--drucken", "--karte=91", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "--karte erwartet die lange Seite der Karten in Millimetern, 40 bis 90."},
        {{"--drucken", "--papier=B5", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "Unbekanntes Papier „B5“; möglich sind A3, A4, A5, Letter und Legal."},
        {{"--drucken", "--ohne-ton", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "--drucken geht nur mit --papier, --karte, --paare-nebeneinander und --ohne-rueckseiten zusammen."},
        {{"--drucken", "--je-runde", "8", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "--drucken geht nur mit --papier, --karte, --paare-nebeneinander und --ohne-rueckseiten zusammen."},
        {{"--drucken", "--paare", "l.csv", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "--drucken geht nur mit --papier, --karte, --paare-nebeneinander und --ohne-rueckseiten zusammen."},
        {{"--ohne-rueckseiten", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false,
         "--ohne-rueckseiten gehört zu --drucken."},
        {{"--karte=50", "S"}, Aufruf::Fehler, "", "", QPageSize::A4, 60, false, false, "--karte gehört zu --drucken."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(s(f.argumente.join(' ')));
        const Befehl b = leseBefehlszeile(QStringList{"paarlix"} + f.argumente);
        EXPECT_EQ(b.Art, f.art);
        EXPECT_EQ(s(b.Ordner), f.ordner);
        EXPECT_EQ(s(b.Datei), f.datei);
        EXPECT_EQ(b.Druck.Seite.id(), f.papier);
        EXPECT_EQ(b.Druck.LangeSeiteMm, f.mm);
        EXPECT_EQ(b.Druck.PaareNebeneinander, f.nebeneinander);
        EXPECT_EQ(b.Druck.OhneRueckseiten, f.ohneRuecken);
        EXPECT_EQ(s(b.Meldung), f.meldung);
    }
}

// The help is German, names every option and its usage lines start in one column.
TEST(Befehlszeile, helpNamesEveryOption)
{
    const QString hilfe = hilfetext(QStringLiteral("paarlix"));
    EXPECT_TRUE(hilfe.startsWith(QStringLiteral("Paarlix – das Memory-Spiel mit eigenen Bildern\n")));
    EXPECT_TRUE(hilfe.contains(QStringLiteral("Aufruf: paarlix [--ohne-ton] [ORDNER]\n"
                                              "        paarlix --ordner-waehlen\n"
                                              "        paarlix --neues-spiel [--namen] [--je-runde N] ZIELORDNER BILD…\n"
                                              "        paarlix --neues-spiel --paare LISTE [--je-runde N] ZIELORDNER\n"
                                              "        paarlix --drucken [DRUCKOPTION…] ORDNER [DATEI.pdf]\n"
                                              "        paarlix [--ohne-ton] DATEI.paarlix\n"
                                              "        paarlix --weitergeben [--original] ORDNER [DATEI.paarlix]\n"
                                              "        paarlix --uebernehmen DATEI.paarlix [ZIELORDNER]\n")))
        << s(hilfe);
    for (const char* option : {"--ordner-waehlen", "--neues-spiel", "--namen", "--paare", "--je-runde", "--ohne-ton", "--drucken",
                               "--papier", "--karte", "--paare-nebeneinander", "--ohne-rueckseiten", "--help",
                               "--version", "--ueberschrift", "--keine-ueberschrift", "--weitergeben", "--original", "--uebernehmen"})
        EXPECT_TRUE(hilfe.contains(QLatin1String(option))) << option;
}

// A game folder that is missing, a file or closed is refused with a message naming it; an
// existing one becomes the working folder.
TEST(Spielordnerwahl, folderIsEnteredOrRefusedWithItsReason)
{
    const Arbeitsordner zurueck;
    QTemporaryDir tmp;
    const QString datei = tmp.filePath("datei.txt");
    QFile(datei).open(QIODevice::WriteOnly);
    EXPECT_EQ(s(betreteOrdner(tmp.filePath("fehlt"))), s("Den Spielordner „" + tmp.filePath("fehlt") + "“ gibt es nicht."));
    EXPECT_EQ(s(betreteOrdner(datei)), s("„" + datei + "“ ist kein Ordner."));
    EXPECT_EQ(s(betreteOrdner(tmp.path())), "");
    EXPECT_EQ(QDir::currentPath(), QDir(tmp.path()).canonicalPath());
}

// The dialog opens in the folder chosen last time (the home folder at first or when that is
// gone), a choice is remembered in the config file and a cancel remembers nothing.
TEST(Spielordnerwahl, dialogStartsInTheFolderChosenLast)
{
    QTemporaryDir tmp;
    Nutzerkonfiguration gedaechtnis(tmp.filePath("paarlix.conf"));
    QStringList starts;
    QString antwort;
    const auto dialog = [&](const QString& start) {
        starts += start;
        return antwort;
    };
    const QString a = tmp.filePath("a");
    QDir().mkdir(a);

    antwort = a;
    EXPECT_EQ(waehleSpielordner(gedaechtnis, dialog), a);
    EXPECT_EQ(Nutzerkonfiguration(tmp.filePath("paarlix.conf")).wert("Spielordner/zuletzt"), a) << "saved at once";
    antwort.clear();
    EXPECT_EQ(waehleSpielordner(gedaechtnis, dialog), QString());
    EXPECT_EQ(waehleSpielordner(gedaechtnis, dialog), QString());
    QDir().rmdir(a);
    EXPECT_EQ(waehleSpielordner(gedaechtnis, dialog), QString());
    EXPECT_EQ(starts, (QStringList{QDir::homePath(), a, a, QDir::homePath()}));
}
