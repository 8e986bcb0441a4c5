#include "board/Spielauswahl.h"

#include "platform/Nutzerkonfiguration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A settings file the game reads, with a board of brett ("6,4") cards.
QByteArray einstellungen(const QByteArray& brett)
{
    const QByteArray werte[] = {"max", "4:3", brett, "auto", "5,5", "400", "0", "0", "2", "Anna", "Bernd", "0"};
    QByteArray text;
    for (int i = 0; i < 12; ++i)
        text += (i == 10 ? QByteArray() : "# Einstellung\n# Erklaerung\n") + werte[i] + '\n';
    return text;
}

void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly)) << pfad.toStdString();
    datei.write(inhalt);
}

// A game folder named name in tmp.
QString spiel(const QTemporaryDir& tmp, const QString& name, const QString& ini = "Paarlix.ini")
{
    const QString ordner = tmp.filePath(name);
    QDir().mkpath(ordner);
    schreibe(ordner + '/' + ini, einstellungen("6,4"));
    return ordner;
}

std::string s(const QStringList& l) { return l.join(" | ").toStdString(); }

} // namespace

// A game folder holds a file "Paarlix.ini" in any case of its letters.
TEST(Spielauswahl, aGameFolderHoldsASettingsFile)
{
    struct Fall {
        const char* name;
        std::function<QString(const QTemporaryDir&)> lege;
        bool spiel;
    };
    const Fall faelle[] = {
        {"Paarlix.ini", [](const QTemporaryDir& t) { return spiel(t, "a"); }, true},
        {"other case", [](const QTemporaryDir& t) { return spiel(t, "a", "PAARLIX.ini"); }, true},
        {"with a slash", [](const QTemporaryDir& t) { return spiel(t, "a") + '/'; }, true},
        {"no settings file", [](const QTemporaryDir& t) { return spiel(t, "a", "Paarlix.txt"); }, false},
        {"settings file a folder", [](const QTemporaryDir& t) {
             QDir().mkpath(t.filePath("a/Paarlix.ini"));
             return t.filePath("a");
         }, false},
        {"a file", [](const QTemporaryDir& t) { return spiel(t, "a") + "/Paarlix.ini"; }, false},
        {"missing", [](const QTemporaryDir& t) { return t.filePath("fehlt"); }, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir tmp;
        EXPECT_EQ(istSpielordner(fall.lege(tmp)), fall.spiel);
    }
}

// The last games: newest first, each folder once in one spelling, at most ten, folders without
// a game left out; a game remembered goes first and the list is saved.
TEST(Spielauswahl, theLastGamesAreTheTenNewest)
{
    struct Fall {
        const char* name;
        QStringList gespeichert; // names in tmp, "" as it is
        QString gemerkt;         // empty: nothing remembered
        QStringList erwartet;
    };
    const QStringList zwoelf{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    const Fall faelle[] = {
        {"none", {}, {}, {}},
        {"repeats, spellings, no games", {"a", "b/", "a", "", "ohne", "fehlt", "./b"}, {}, {"a", "b"}},
        {"at most ten", zwoelf, {}, zwoelf.mid(0, 10)},
        {"remembered goes first", {"a", "b"}, "c", {"c", "a", "b"}},
        {"remembered again", {"a", "b", "c"}, "b/", {"b", "a", "c"}},
        {"the oldest goes", zwoelf.mid(0, 10), "12", QStringList{"12"} + zwoelf.mid(0, 9)},
        {"missing ones dropped", {"a", "fehlt", "b"}, "c", {"c", "a", "b"}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir tmp;
        for (const QString& name : zwoelf + QStringList{"a", "b", "c"})
            spiel(tmp, name);
        QDir().mkpath(tmp.filePath("ohne"));
        const auto pfade = [&](const QStringList& namen) {
            QStringList l;
            for (const QString& n : namen)
                l += n.isEmpty() ? n : tmp.filePath(n);
            return l;
        };
        const QString datei = tmp.filePath("paarlix.conf");
        Nutzerkonfiguration konfiguration(datei);
        konfiguration.setzeListe(LetzteSpieleSchluessel, pfade(fall.gespeichert));
        if (!fall.gemerkt.isEmpty()) {
            EXPECT_TRUE(merkeSpiel(konfiguration, tmp.filePath(fall.gemerkt)));
        }
        EXPECT_EQ(s(letzteSpiele(konfiguration)), s(pfade(fall.erwartet)));
        if (!fall.gemerkt.isEmpty()) {
            EXPECT_EQ(s(Nutzerkonfiguration(datei).liste(LetzteSpieleSchluessel)), s(pfade(fall.erwartet)));
        }
    }
}

// What the list shows of a game: the folder's name, the board when the settings can be read,
// and the first picture's path.
TEST(Spielauswahl, overviewOfAGame)
{
    struct Fall {
        const char* name;
        QString ordner;
        QByteArray einstellungen;
        const char* brett;
    };
    const Fall faelle[] = {
        {"board", "Familie", einstellungen("6,4"), "6 × 4 Karten"},
        {"folder given with a slash", "Familie/", einstellungen("5,2"), "5 × 2 Karten"},
        {"settings not readable", "Familie", einstellungen("3,5"), ""},
        {"no settings", "Familie", {}, ""},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir tmp;
        QDir().mkpath(tmp.filePath("Familie"));
        if (!fall.einstellungen.isEmpty())
            schreibe(tmp.filePath("Familie/Paarlix.ini"), fall.einstellungen);
        const Spieluebersicht u = spieluebersicht(tmp.filePath(fall.ordner));
        EXPECT_EQ(u.Name.toStdString(), "Familie");
        EXPECT_EQ(u.Brett.toStdString(), fall.brett);
        EXPECT_EQ(QDir::cleanPath(u.ErsteKarte).toStdString(), tmp.filePath("Familie/01a.jpg").toStdString());
    }
}
