#include "weitergabe/Uebernahme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <zip.h>

namespace {

struct Eintrag {
    QByteArray Name;
    QByteArray Daten;
    zip_uint32_t Art = 0; // Unix file type for the external attributes; 0 leaves libzip's
    bool Gepackt = false;
    bool Verschluesselt = false;
};

// An archive written by libzip, as any packer would.
QByteArray archiv(const std::vector<Eintrag>& eintraege)
{
    QTemporaryDir tmp;
    const QByteArray pfad = QFile::encodeName(tmp.filePath("a.zip"));
    int fehler = 0;
    zip_t* z = zip_open(pfad.constData(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    for (const Eintrag& e : eintraege) {
        // A folder takes no data: a source made for it would never be freed.
        const zip_int64_t i = e.Name.endsWith('/')
            ? zip_dir_add(z, e.Name.chopped(1).constData(), ZIP_FL_ENC_UTF_8)
            : zip_file_add(z, e.Name.constData(),
                           zip_source_buffer(z, e.Daten.constData(), zip_uint64_t(e.Daten.size()), 0), ZIP_FL_ENC_UTF_8);
        EXPECT_GE(i, 0) << e.Name.constData() << ": " << zip_strerror(z);
        zip_set_file_compression(z, zip_uint64_t(i), e.Gepackt ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        if (e.Art)
            zip_file_set_external_attributes(z, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, (e.Art | 0644) << 16);
        if (e.Verschluesselt)
            zip_file_set_encryption(z, zip_uint64_t(i), ZIP_EM_AES_256, "geheim");
    }
    EXPECT_EQ(zip_close(z), 0) << zip_strerror(z);
    QFile f(QFile::decodeName(pfad));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void setze32(QByteArray& b, qsizetype stelle, quint32 wert)
{
    for (int i = 0; i < 4; ++i)
        b[stelle + i] = char((wert >> (8 * i)) & 0xff);
}

// Changes a field of the entry `name` in its local header and in the central
// directory alike, as a forger would: (offset in the local header, in the central one).
std::function<void(QByteArray&)> faelsche(const QByteArray& name, int lokal, int zentral, quint32 wert)
{
    return [=](QByteArray& b) {
        for (qsizetype i = 0; (i = b.indexOf(name, i)) >= 0; i += name.size()) {
            if (i >= 30 && b.mid(i - 30, 4) == "PK\3\4")
                setze32(b, i - 30 + lokal, wert);
            else if (i >= 46 && b.mid(i - 46, 4) == "PK\1\2")
                setze32(b, i - 46 + zentral, wert);
        }
    };
}
auto groesse(const QByteArray& name, quint32 wert) { return faelsche(name, 22, 24, wert); }
auto pruefsumme(const QByteArray& name, quint32 wert) { return faelsche(name, 14, 16, wert); }

const Eintrag Ini{"Spiel/Paarlix.ini", "# Einstellungen\n"};
// Larger than one piece of reading, so that it comes in several.
const Eintrag Karte{"Spiel/01a.jpg", QByteArray(3 << 20, 'j')};

std::vector<QString> inhalt(const QString& ordner)
{
    std::vector<QString> namen;
    for (const QString& n : QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        namen.push_back(n);
    return namen;
}

struct Feindlich {
    const char* fall;
    std::vector<Eintrag> eintraege;
    std::function<void(QByteArray&)> aendern;
    const char* grund; // in the message, after the file's name
};

} // namespace

TEST(Uebernahme, hostileArchivesAreRefusedAndLeaveNothing)
{
    // Every hostile archive is refused naming the file and the cause; nothing is made, not even the games folder.
    std::vector<Eintrag> viele{Ini};
    for (int i = 0; i < 2000; ++i)
        viele.push_back({"Spiel/x" + QByteArray::number(i), "x"});
    std::vector<Eintrag> riesen{Ini};
    for (int i = 0; i < 9; ++i)
        riesen.push_back({"Spiel/" + QByteArray::number(10 + i) + "a.jpg", "r"});
    const auto allesRiesig = [](QByteArray& b) {
        for (int i = 0; i < 9; ++i)
            groesse("Spiel/" + QByteArray::number(10 + i) + "a.jpg", 250u << 20)(b);
    };
    const std::vector<Feindlich> faelle = {
        {"dotdot", {Ini, {"../boese.jpg", "x"}}, {}, "der Eintrag „../boese.jpg“ führt mit „..“ aus dem Ordner hinaus"},
        {"dotdot inside", {Ini, {"Spiel/../../x", "x"}}, {}, "„Spiel/../../x“ führt mit „..“"},
        {"absolute", {{"/etc/passwd", "x"}, Ini}, {}, "der Eintrag „/etc/passwd“ ist ein absoluter Pfad"},
        {"backslash", {Ini, {"Spiel\\01b.jpg", "x"}}, {}, "„Spiel\\01b.jpg“ enthält einen umgekehrten Schrägstrich"},
        {"control", {Ini, {"Spiel/aX.jpg", "x"}}, [](QByteArray& b) { b.replace("Spiel/aX", "Spiel/a\x01"); },
         "„Spiel/a\\x01.jpg“ enthält ein Steuerzeichen"},
        {"empty part", {Ini, {"Spiel//01b.jpg", "x"}}, {}, "„Spiel//01b.jpg“ hat einen leeren Pfadteil"},
        {"link", {Ini, {"Spiel/01b.jpg", "/etc/passwd", S_IFLNK}}, {}, "„Spiel/01b.jpg“ ist eine Verknüpfung"},
        {"device", {Ini, {"Spiel/01b.jpg", "", S_IFCHR}}, {}, "„Spiel/01b.jpg“ ist eine Gerätedatei"},
        {"fifo", {Ini, {"Spiel/01b.jpg", "", S_IFIFO}}, {}, "„Spiel/01b.jpg“ ist keine gewöhnliche Datei"},
        {"two folders", {Ini, {"Anderes/Paarlix.ini", "x"}}, {}, "mehr als einen Ordner („Spiel“ und „Anderes“)"},
        {"file outside", {Ini, {"lose.jpg", "x"}}, {}, "„lose.jpg“ liegt nicht im Ordner des Spiels"},
        {"hidden folder", {{".Spiel/Paarlix.ini", "x"}}, {}, "ihr Ordner „.Spiel“ taugt nicht als Name eines Spiels"},
        {"duplicate", {Ini, Karte, {"Spiel/01A.jpg", "y"}}, [](QByteArray& b) { b.replace("Spiel/01A.jpg", "Spiel/01a.jpg"); },
         "einer ihrer Einträge kommt doppelt vor"},
        {"encrypted", {Ini, {"Spiel/01a.jpg", "geheim", 0, false, true}}, {}, "„Spiel/01a.jpg“ ist verschlüsselt"},
        {"too many", viele, {}, "sie enthält mehr als 2000 Einträge"},
        {"entry too large", {Ini, Karte}, groesse("Spiel/01a.jpg", 300u << 20), "„Spiel/01a.jpg“ ist größer als 256 MB"},
        {"too large in all", riesen, allesRiesig, "ausgepackt wäre sie größer als 2 GB"},
        {"bomb", {Ini, {"Spiel/01a.jpg", QByteArray(4 << 20, 0), 0, true}}, groesse("Spiel/01a.jpg", 1000),
         "„Spiel/01a.jpg“ ist länger als angegeben"},
        {"shorter", {Ini, {"Spiel/01a.jpg", QByteArray(4000, 's'), 0, true}}, groesse("Spiel/01a.jpg", 8000),
         "„Spiel/01a.jpg“ ist kürzer als angegeben"},
        {"checksum", {Ini, Karte}, pruefsumme("Spiel/01a.jpg", 12345), "„Spiel/01a.jpg“ ist beschädigt (falsche Prüfsumme)"},
        {"checksum packed", {Ini, {"Spiel/01a.jpg", "klein", 0, true}}, pruefsumme("Spiel/01a.jpg", 12345),
         "„Spiel/01a.jpg“ ist beschädigt (falsche Prüfsumme)"},
        {"stored longer", {Ini, Karte}, groesse("Spiel/01a.jpg", 2 << 20), "„Spiel/01a.jpg“ ist länger als angegeben"},
        {"stored shorter", {Ini, Karte}, groesse("Spiel/01a.jpg", 4 << 20), "„Spiel/01a.jpg“ ist kürzer als angegeben"},
        {"truncated", {Ini, Karte}, [](QByteArray& b) { b.chop(40); }, "sie ist unvollständig"},
        {"damaged", {Ini, Karte}, [](QByteArray& b) { b.remove(1000, 100); }, "sie ist beschädigt oder unvollständig"},
        {"no zip", {}, [](QByteArray& b) { b = "Hallo, kein Archiv"; }, "sie ist keine ZIP-Datei"},
        {"no settings", {Karte}, {}, "ihr Ordner „Spiel“ enthält keine „Paarlix.ini“"},
    };
    for (const Feindlich& f : faelle) {
        QTemporaryDir tmp;
        QByteArray bytes = archiv(f.eintraege);
        if (f.aendern)
            f.aendern(bytes);
        QFile datei(tmp.filePath("spiel.paarlix"));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
        datei.close();
        const Uebernahmeergebnis e = uebernimmSpiel(datei.fileName(), tmp.filePath("Spiele/neu"));
        EXPECT_EQ(e.Art, Uebernahmeergebnis::Ausgang::Abgelehnt) << f.fall << ": " << qPrintable(e.Meldung);
        EXPECT_TRUE(e.Meldung.startsWith("Die Datei „spiel.paarlix“ wird nicht übernommen: ")) << f.fall << ": " << qPrintable(e.Meldung);
        EXPECT_TRUE(e.Meldung.contains(QString::fromUtf8(f.grund))) << f.fall << ": " << qPrintable(e.Meldung);
        EXPECT_EQ(e.Zusammenfassung, e.Meldung) << f.fall;
        EXPECT_EQ(inhalt(tmp.path()), std::vector<QString>{"spiel.paarlix"}) << f.fall;
    }
}

TEST(Uebernahme, aGameOfTheSameNameIsReusedOnlyWhenItHoldsTheSameFiles)
{
    // The same files are reused; a different game keeps its name and the new one takes the next free "NAME (k)".
    struct Fall {
        const char* fall;
        std::vector<std::pair<QString, QByteArray>> vorher; // folder -> its card's bytes; empty bytes: a plain file
        Uebernahmeergebnis::Ausgang art;
        QString ordner;
    };
    const QByteArray gleich = Karte.Daten;
    const std::vector<Fall> faelle = {
        {"free", {}, Uebernahmeergebnis::Ausgang::Uebernommen, "Spiel"},
        {"same", {{"Spiel", gleich}}, Uebernahmeergebnis::Ausgang::Wiederverwendet, "Spiel"},
        {"different", {{"Spiel", "anders"}}, Uebernahmeergebnis::Ausgang::Uebernommen, "Spiel (2)"},
        {"a file", {{"Spiel", {}}}, Uebernahmeergebnis::Ausgang::Uebernommen, "Spiel (2)"},
        {"both taken", {{"Spiel", "anders"}, {"Spiel (2)", "auch anders"}}, Uebernahmeergebnis::Ausgang::Uebernommen, "Spiel (3)"},
        {"second same", {{"Spiel", "anders"}, {"Spiel (2)", gleich}}, Uebernahmeergebnis::Ausgang::Wiederverwendet, "Spiel (2)"},
    };
    for (const Fall& f : faelle) {
        QTemporaryDir tmp;
        const QString spiele = tmp.filePath("Spiele");
        std::vector<QString> erwartet;
        for (const auto& [ordner, karte] : f.vorher) {
            const QString pfad = spiele + "/" + ordner;
            QDir().mkpath(karte.isEmpty() ? spiele : pfad);
            const auto schreibe = [](const QString& name, const QByteArray& daten) {
                QFile d(name);
                ASSERT_TRUE(d.open(QIODevice::WriteOnly) && d.write(daten) == daten.size());
            };
            if (karte.isEmpty()) {
                schreibe(pfad, "kein Ordner");
            } else {
                schreibe(pfad + "/Paarlix.ini", Ini.Daten);
                schreibe(pfad + "/01a.jpg", karte);
            }
            erwartet.push_back(ordner);
        }
        if (f.art == Uebernahmeergebnis::Ausgang::Uebernommen)
            erwartet.push_back(f.ordner);
        std::sort(erwartet.begin(), erwartet.end());
        const QByteArray bytes = archiv({{"Spiel/", ""}, Ini, Karte});
        QFile datei(tmp.filePath("spiel.paarlix"));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
        datei.close();
        const Uebernahmeergebnis e = uebernimmSpiel(datei.fileName(), spiele);
        EXPECT_EQ(e.Art, f.art) << f.fall << ": " << qPrintable(e.Meldung);
        EXPECT_EQ(e.Spielordner, spiele + "/" + f.ordner) << f.fall;
        EXPECT_EQ(inhalt(spiele), erwartet) << f.fall;
        QFile karte(e.Spielordner + "/01a.jpg");
        EXPECT_TRUE(karte.open(QIODevice::ReadOnly) && karte.readAll() == Karte.Daten) << f.fall;
    }
}

TEST(Uebernahme, filesTheGameDoesNotReadAreLeftOutAndListed)
{
    // Only the settings, the card back, the cards and their sounds come in, in any case of their letters.
    QTemporaryDir tmp;
    const QByteArray bytes = archiv({Ini, {"Spiel/KARTENTEXT.BMP", "b"}, {"Spiel/01A.JPEG", "a"}, {"Spiel/01a.ogg", "o"},
                                     {"Spiel/100b.opus", "o"}, {"Spiel/notiz.txt", "n"}, {"Spiel/1a.jpg", "1"},
                                     {"Spiel/bilder/02a.jpg", "2"}, {"Spiel/01a.png", "p"}});
    QFile datei(tmp.filePath("Familie.PAARLIX"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size());
    datei.close();
    EXPECT_TRUE(hatPaarlixEndung(datei.fileName()));
    const Uebernahmeergebnis e = uebernimmSpiel(datei.fileName(), tmp.filePath("Spiele"));
    ASSERT_EQ(e.Art, Uebernahmeergebnis::Ausgang::Uebernommen) << qPrintable(e.Meldung);
    EXPECT_EQ(e.Ausgelassen, QStringList({"notiz.txt", "1a.jpg", "bilder/02a.jpg", "01a.png"}));
    EXPECT_TRUE(e.Zusammenfassung.contains("„notiz.txt“, „1a.jpg“, „bilder/02a.jpg“, „01a.png“")) << qPrintable(e.Zusammenfassung);
    EXPECT_EQ(inhalt(e.Spielordner),
              (std::vector<QString>{"01A.JPEG", "01a.ogg", "100b.opus", "KARTENTEXT.BMP", "Paarlix.ini"}));
}
