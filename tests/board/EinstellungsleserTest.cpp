#include "board/Einstellungsleser.h"

#include "support/MeldungsRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string_view>

using namespace std::string_view_literals;
using Meldungsform = Einstellungsergebnis::Meldungsform;
using Fensterzustand = Einstellungsergebnis::Fensterzustand;

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* aus)
{
    *aus << '"' << text.toStdString() << '"';
}

namespace {

// Value lines of a playable file in file order; index 9 and 10 are the two names.
using Werte = std::array<QByteArray, 12>;
const Werte Standard = {"max", "4:3", "6,4", "auto", "5,5", "400", "0", "0", "2", "Anna", "Bernd", "0"};

// The file as lines: a two-line comment block before every setting, none
// between the two names.
QByteArrayList zeilenVon(const Werte& werte)
{
    QByteArrayList zeilen;
    for (int i = 0; i < 12; ++i) {
        if (i != 10)
            zeilen << "# Einstellung " + QByteArray::number(i) << "# Erklaerung";
        zeilen << werte[i];
    }
    return zeilen;
}

QByteArray verbunden(const QByteArrayList& zeilen)
{
    return zeilen.join('\n') + '\n';
}

QByteArray datei(const Werte& werte = Standard)
{
    return verbunden(zeilenVon(werte));
}

// Standard file with value index `index` replaced.
QByteArray mitWert(int index, const QByteArray& wert)
{
    Werte werte = Standard;
    werte[index] = wert;
    return datei(werte);
}

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

const char* const Koepfe[] = {
    "Fehler bei der ersten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der zweiten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der dritten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der vierten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der fünften Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der sechsten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der siebten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der achten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der neunten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    nullptr,
    "Fehler bei der elften Einstellung in der Datei \"Paarlix.ini\":\n\r(",
};

QString einstellungsMeldung(int einstellung, const QString& zeile, const char* erklaerung)
{
    return QString::fromUtf8(Koepfe[einstellung - 1]) + zeile + u")\n\r"_qs + QString::fromUtf8(erklaerung);
}

QString zuWenigMeldung(const char* was)
{
    return u"Fehler in der Datei \"Paarlix.ini\":\n\rEs sind nicht genügend Einstellungen eingetragen. ("_qs
        + QString::fromUtf8(was) + u')';
}

void erwarteFehlerbox(const Einstellungsergebnis& ergebnis, const QString& meldung, const std::string& fall)
{
    EXPECT_TRUE(ergebnis.EinstellungsFehler) << fall;
    EXPECT_EQ(ergebnis.Meldungsart, Meldungsform::Fehlerbox) << fall;
    EXPECT_EQ(ergebnis.Meldung, meldung) << fall;
}

} // namespace

TEST(Einstellungsleser, playableFileGivesEveryValue)
{
    // A complete file sets every value and reports nothing.
    const Einstellungsergebnis e =
        leseEinstellungen(datei({"800,600", "3:4", "10,8", "90,120", "4,6", "400", "1", "0", "1", "Anna", "Bernd", "1"}));
    EXPECT_FALSE(e.EinstellungsFehler);
    EXPECT_EQ(e.Meldungsart, Meldungsform::Keine);
    EXPECT_TRUE(e.Meldung.isEmpty());
    EXPECT_EQ(e.Fenster, Fensterzustand::Normal);
    EXPECT_EQ(e.FensterBreite, 800);
    EXPECT_EQ(e.FensterHoehe, 600);
    EXPECT_EQ(e.Werte.FormatX, 3);
    EXPECT_EQ(e.Werte.FormatY, 4);
    EXPECT_EQ(e.Werte.Spalten, 10);
    EXPECT_EQ(e.Werte.Zeilen, 8);
    EXPECT_EQ(e.Werte.KartenBreite, 90);
    EXPECT_EQ(e.Werte.KartenHoehe, 120);
    EXPECT_EQ(e.Werte.AbstandX, 4);
    EXPECT_EQ(e.Werte.AbstandY, 6);
    EXPECT_EQ(e.Werte.HalbeDrehZeit, 400.0 / 24 / 3600 / 1000 / 2);
    EXPECT_NEAR(e.Werte.HalbeDrehZeit * 24 * 3600 * 1000, 200.0, 1e-9);
    EXPECT_TRUE(e.Werte.BilderSchneiden);
    EXPECT_FALSE(e.Werte.SpielerAbfragen);
    EXPECT_EQ(e.Gruppen, 1);
    EXPECT_TRUE(e.Name1Gesetzt);
    EXPECT_TRUE(e.Name2Gesetzt);
    EXPECT_EQ(e.Name1, u"Anna"_qs);
    EXPECT_EQ(e.Name2, u"Bernd"_qs);
    EXPECT_TRUE(e.Werte.Testmodus);
}

TEST(Einstellungsleser, maxAndAutoIgnoreLetterCaseAndBlanks)
{
    // "max" and "auto" are recognised in any letter case after trimming.
    for (const QByteArray max : {"max", "MAX", "Max", "  max\t", "\x01mAx \x1f"}) {
        const Einstellungsergebnis e = leseEinstellungen(mitWert(0, max));
        EXPECT_FALSE(e.EinstellungsFehler) << max.constData();
        EXPECT_EQ(e.Fenster, Fensterzustand::Maximiert) << max.constData();
    }
    for (const QByteArray autoWert : {"auto", "AUTO", " Auto "}) {
        const Einstellungsergebnis e = leseEinstellungen(mitWert(3, autoWert));
        EXPECT_FALSE(e.EinstellungsFehler) << autoWert.constData();
        EXPECT_EQ(e.Werte.KartenBreite, AutoKartenBreite) << autoWert.constData();
        EXPECT_EQ(e.Werte.KartenHoehe, 0) << autoWert.constData();
    }
}

TEST(Einstellungsleser, piecesAreTrimmedAndSplitAtTheFirstDelimiter)
{
    // Each piece is trimmed before conversion; the line splits at its first delimiter.
    Einstellungsergebnis e = leseEinstellungen(mitWert(0, "1024, 768 "));
    EXPECT_FALSE(e.EinstellungsFehler);
    EXPECT_EQ(e.Fenster, Fensterzustand::Normal);
    EXPECT_EQ(e.FensterBreite, 1024);
    EXPECT_EQ(e.FensterHoehe, 768);

    e = leseEinstellungen(mitWert(1, "\t+16 :\t9\x01"));
    EXPECT_FALSE(e.EinstellungsFehler);
    EXPECT_EQ(e.Werte.FormatX, 16);
    EXPECT_EQ(e.Werte.FormatY, 9);

    e = leseEinstellungen(mitWert(0, "1024,768,5"));
    erwarteFehlerbox(e, einstellungsMeldung(1, u"1024,768,5"_qs, "Unkorrekte Pixel-Angaben für die Fenstergröße."),
                     "second comma");
}

TEST(Einstellungsleser, everyMessageHasItsExactText)
{
    // Each check reports its own text, quoting the untrimmed value line.
    const struct {
        int index;
        QByteArray wert;
        const char* erklaerung;
    } faelle[] = {
        {0, "1024", "Die Einstellung für die Fenstergröße muss ein Komma enthalten."},
        {0, "max 1", "Die Einstellung für die Fenstergröße muss ein Komma enthalten."},
        {0, "1024,", "Unkorrekte Pixel-Angaben für die Fenstergröße."},
        {0, "a,768", "Unkorrekte Pixel-Angaben für die Fenstergröße."},
        {0, "0,768", "Die Fenstergröße muss größer als 0 sein."},
        {0, "1024,-1", "Die Fenstergröße muss größer als 0 sein."},
        {0, "2147483647,2147483647", "Die Fenstergröße darf höchstens 16384 x 16384 Pixel betragen."},
        {0, "16385,768", "Die Fenstergröße darf höchstens 16384 x 16384 Pixel betragen."},
        {0, "1024,16385", "Die Fenstergröße darf höchstens 16384 x 16384 Pixel betragen."},
        {1, "4,3", "Die Einstellung für das Seitenverhältnis muss einen Doppelpunkt enthalten."},
        {1, " 4 : drei ", "Unkorrekte Angaben für das Seitenverhältnis."},
        {1, "4:3:2", "Unkorrekte Angaben für das Seitenverhältnis."},
        {1, "0:3", "Die Zahlen für das Seitenverhältnis müssen größer als 0 sein."},
        {1, "4:-3", "Die Zahlen für das Seitenverhältnis müssen größer als 0 sein."},
        {2, "6 4", "Die Einstellung für die Anzahl der Karten muss ein Komma enthalten."},
        {2, "6,4.0", "Unkorrekte Angaben für die Anzahl der Karten."},
        {2, "101,2", "Die Zahlen dürfen nicht größer als 100 sein."},
        {2, "2,101", "Die Zahlen dürfen nicht größer als 100 sein."},
        {2, "101,-1", "Die Zahlen dürfen nicht größer als 100 sein."},
        {2, "0,2", "Die Anzahl der Spalten und Zeilen muss größer als 0 sein."},
        {2, "-2,-2", "Die Anzahl der Spalten und Zeilen muss größer als 0 sein."},
        {2, "3,5", "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein."},
        {2, "99,99", "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein."},
        {3, "automatisch", "Die Einstellung für die Größe der Karten muss ein Komma enthalten."},
        {3, "auto,", "Unkorrekte Angaben für die Größe der Karten."},
        {3, "0,100", "Die Größe der Karten muss größer als 0 sein."},
        {3, "100,-5", "Die Größe der Karten muss größer als 0 sein."},
        {4, "5;5", "Die Einstellung für die Abstände der Karten muss ein Komma enthalten."},
        {4, "5,x", "Unkorrekte Angaben für die Abstände der Karten."},
        {4, "-1,0", "Die Abstände der Karten dürfen nicht negativ sein."},
        {5, "vierhundert", "Unkorrekte Angabe für die Zeit zum Umdrehen der Karten."},
        {5, "400 ms", "Unkorrekte Angabe für die Zeit zum Umdrehen der Karten."},
        {5, "400,5", "Unkorrekte Angabe für die Zeit zum Umdrehen der Karten."},
        {5, "", "Unkorrekte Angabe für die Zeit zum Umdrehen der Karten."},
        {5, "0", "Die Zeit zum Umdrehen der Karten muss größer als 0 sein."},
        {5, "-0", "Die Zeit zum Umdrehen der Karten muss größer als 0 sein."},
        {5, "-400", "Die Zeit zum Umdrehen der Karten muss größer als 0 sein."},
        {5, "inf", "Die Zeit zum Umdrehen der Karten muss größer als 0 sein."},
        {5, "nan", "Die Zeit zum Umdrehen der Karten muss größer als 0 sein."},
        {5, "1e-320", "Die Zeit zum Umdrehen der Karten muss größer als 0 sein."},
        {5, "60000.5", "Die Zeit zum Umdrehen der Karten darf höchstens 60000 Millisekunden (eine Minute) betragen."},
        {5, "1e300", "Die Zeit zum Umdrehen der Karten darf höchstens 60000 Millisekunden (eine Minute) betragen."},
        {6, "2", "Die Einstellung, ob Bilder geschnitten werden sollen, muss eine 0 oder eine 1 sein."},
        {6, "01", "Die Einstellung, ob Bilder geschnitten werden sollen, muss eine 0 oder eine 1 sein."},
        {7, "ja", "Die Einstellung, ob am Anfang die Spielerzahl abgefragt werden soll, muss eine 0 oder eine 1 sein."},
        {8, "3", "Die Anzahl der Gruppen muss 1 oder 2 sein."},
        {8, "0", "Die Anzahl der Gruppen muss 1 oder 2 sein."},
        {8, "", "Die Anzahl der Gruppen muss 1 oder 2 sein."},
        {11, "1 1", "Die Einstellung für den Testmodus muss eine 0 oder eine 1 sein."},
    };
    for (const auto& fall : faelle) {
        const int einstellung = fall.index == 11 ? 11 : fall.index + 1;
        erwarteFehlerbox(leseEinstellungen(mitWert(fall.index, fall.wert), QLocale::c()),
                         einstellungsMeldung(einstellung, QString::fromUtf8(fall.wert), fall.erklaerung),
                         "setting " + std::to_string(einstellung) + " value '" + fall.wert.toStdString() + "'");
    }
}

TEST(Einstellungsleser, acceptedBorderValues)
{
    // Values at the edge of what can be played are accepted.
    const struct {
        int index;
        QByteArray wert;
    } faelle[] = {
        {0, "1,1"}, {0, "10240,7680"}, {0, "16384,16384"}, {1, "1:1"}, {2, "100,100"}, {2, "1,2"}, {2, "4,5"},
        {3, "1,1"}, {4, "0,0"}, {5, "0.001"}, {5, "60000"}, {5, " 400 "}, {5, "4e2"}, {6, " 1 "}, {11, "\t0\x01"},
    };
    for (const auto& fall : faelle) {
        const Einstellungsergebnis e = leseEinstellungen(mitWert(fall.index, fall.wert), QLocale::c());
        EXPECT_FALSE(e.EinstellungsFehler) << fall.index << " '" << fall.wert.constData() << "': "
                                           << qPrintable(e.Meldung);
    }
}

TEST(Einstellungsleser, valuesAreStoredAsSoonAsConverted)
{
    // After an error the values read so far stay, the numbers of the failing line as far as converted.
    Einstellungsergebnis e = leseEinstellungen(mitWert(2, "101,3"));
    EXPECT_EQ(e.Werte.FormatX, 4);
    EXPECT_EQ(e.Werte.FormatY, 3);
    EXPECT_EQ(e.Werte.Spalten, 101);
    EXPECT_EQ(e.Werte.Zeilen, 3);
    EXPECT_EQ(e.Werte.KartenBreite, 0);
    EXPECT_EQ(e.Werte.HalbeDrehZeit, 0.0);

    e = leseEinstellungen(mitWert(4, "7,x"));
    EXPECT_EQ(e.Werte.KartenBreite, AutoKartenBreite);
    EXPECT_EQ(e.Werte.AbstandX, 7);
    EXPECT_EQ(e.Werte.AbstandY, 0);
    EXPECT_EQ(e.Gruppen, 0);
    EXPECT_FALSE(e.Name1Gesetzt);

    // The window gets its size only when both numbers are good.
    e = leseEinstellungen(mitWert(0, "1024,x"));
    EXPECT_EQ(e.Fenster, Fensterzustand::NichtGelesen);
    EXPECT_EQ(e.FensterBreite, 0);
    EXPECT_EQ(e.Werte.FormatX, 0);
}

TEST(Einstellungsleser, freeTextAfterAValueLineIsSkipped)
{
    // Lines between a value line and the next comment block are ignored; blanks and comments precede setting 1.
    QByteArrayList zeilen = zeilenVon(Standard);
    zeilen.insert(zeilen.indexOf("4:3") + 1, "das ist freier Text");
    zeilen.insert(zeilen.indexOf("4:3") + 2, "");
    zeilen.insert(zeilen.indexOf("6,4") + 1, "6,5");
    zeilen.insert(0, "  \t");
    zeilen.insert(0, "");
    const Einstellungsergebnis e = leseEinstellungen(verbunden(zeilen));
    EXPECT_FALSE(e.EinstellungsFehler) << qPrintable(e.Meldung);
    EXPECT_EQ(e.Werte.Zeilen, 4);
    EXPECT_EQ(e.Gruppen, 2);
}

TEST(Einstellungsleser, blankLineAfterCommentBlockIsTheValue)
{
    // Only setting 1 skips blank lines; later, the first line after the block is the value even when empty.
    QByteArrayList zeilen = zeilenVon(Standard);
    zeilen.insert(zeilen.indexOf("4:3"), "");
    erwarteFehlerbox(leseEinstellungen(verbunden(zeilen)),
                     einstellungsMeldung(2, u""_qs,
                                         "Die Einstellung für das Seitenverhältnis muss einen Doppelpunkt enthalten."),
                     "blank line before 4:3");
}

TEST(Einstellungsleser, lineStartingWithBlankBeforeHashIsNoComment)
{
    // A comment line has "#" as its very first character.
    QByteArrayList zeilen = zeilenVon(Standard);
    zeilen.insert(0, " # Fenster");
    erwarteFehlerbox(leseEinstellungen(verbunden(zeilen)),
                     einstellungsMeldung(1, u" # Fenster"_qs,
                                         "Die Einstellung für die Fenstergröße muss ein Komma enthalten."),
                     "indented hash");
}

TEST(Einstellungsleser, groupNamesAreTwoLinesWithCommentsBetween)
{
    // The second name is the next non-comment line, with or without comments before it, empty or not.
    QByteArrayList zeilen = zeilenVon(Standard);
    const qsizetype zweiter = zeilen.indexOf("Bernd");
    zeilen[zweiter] = "";
    zeilen.insert(zweiter, "# Name der zweiten Gruppe");
    zeilen.insert(zweiter, "#");
    zeilen[zeilen.indexOf("Anna")] = "  Anna & Co. ";
    const Einstellungsergebnis e = leseEinstellungen(verbunden(zeilen));
    EXPECT_FALSE(e.EinstellungsFehler) << qPrintable(e.Meldung);
    EXPECT_TRUE(e.Name1Gesetzt);
    EXPECT_TRUE(e.Name2Gesetzt);
    EXPECT_EQ(e.Name1, u"  Anna & Co. "_qs);
    EXPECT_EQ(e.Name2, u""_qs);
    EXPECT_FALSE(e.Werte.Testmodus);
}

TEST(Einstellungsleser, askingThePlayersLeavesGroupsAndNamesAlone)
{
    // With the players asked, setting 9 is neither checked nor applied and setting 10 not applied.
    Werte werte = Standard;
    werte[7] = "1";
    werte[8] = "3";
    werte[11] = "1";
    const Einstellungsergebnis e = leseEinstellungen(datei(werte));
    EXPECT_FALSE(e.EinstellungsFehler) << qPrintable(e.Meldung);
    EXPECT_TRUE(e.Werte.SpielerAbfragen);
    EXPECT_EQ(e.Gruppen, 0);
    EXPECT_FALSE(e.Name1Gesetzt);
    EXPECT_FALSE(e.Name2Gesetzt);
    EXPECT_TRUE(e.Name1.isEmpty());
    EXPECT_TRUE(e.Werte.Testmodus);
}

TEST(Einstellungsleser, endOfFileNamesTheMissingSetting)
{
    // A file that ends before a value names the first setting it lacks, before or inside its comment block.
    const QByteArrayList zeilen = zeilenVon(Standard);
    const char* const fehlend[] = {"Fenstergröße", "Seitenverhältnis", "Anzahl der Karten", "Größe der Karten",
                                   "Abstände der Karten", "Zeit zum Umdrehen der Karten", "Bilder schneiden",
                                   "Spielerzahl abfragen", "Anzahl der Gruppen", "Gruppennamen", "Testmodus"};
    const char* const imKommentar[] = {"Fenstergröße", "Seitenverhältnis", "Anzahl der Karten", "Größe der Karten",
                                       "Abstände der Karten", "Zeit zum Umdrehen der Karten", "Bilder schneiden",
                                       "Spielerzahl abfragen", "Anzahl der Gruppen", "Gruppenname 1", "Testmodus"};
    qsizetype ende = 0; // lines of the file before the comment block of the next setting
    for (int einstellung = 0; einstellung < 11; ++einstellung) {
        const QByteArray davor = verbunden(zeilen.mid(0, ende));
        erwarteFehlerbox(leseEinstellungen(ende == 0 ? QByteArray() : davor), zuWenigMeldung(fehlend[einstellung]),
                         "ends before " + std::string(fehlend[einstellung]));
        erwarteFehlerbox(leseEinstellungen(verbunden(zeilen.mid(0, ende + 2))),
                         zuWenigMeldung(imKommentar[einstellung]),
                         "ends in the comment of " + std::string(fehlend[einstellung]));
        ende += einstellung == 9 ? 4 : 3;
    }
    const qsizetype nachErstemNamen = zeilen.indexOf("Anna") + 1;
    erwarteFehlerbox(leseEinstellungen(verbunden(zeilen.mid(0, nachErstemNamen))), zuWenigMeldung("Gruppenname 2"),
                     "ends after the first name");
    erwarteFehlerbox(leseEinstellungen(verbunden(zeilen.mid(0, nachErstemNamen)) + "# noch ein Kommentar"),
                     zuWenigMeldung("Gruppenname 2"), "ends in a comment after the first name");
    EXPECT_FALSE(leseEinstellungen(verbunden(zeilen)).EinstellungsFehler);
}

TEST(Einstellungsleser, nothingAfterTheTestModeIsRead)
{
    // Reading ends with setting 11's value line.
    const Einstellungsergebnis e = leseEinstellungen(datei() + "# mehr\nMuell\n\x00\xff"_qba);
    EXPECT_FALSE(e.EinstellungsFehler) << qPrintable(e.Meldung);
}

TEST(Einstellungsleser, encodingsAndLineEnds)
{
    // UTF-8 with or without BOM, Windows-1252 otherwise; LF, CR LF and lone CR end lines.
    Werte werte = Standard;
    werte[9] = "J\xC3\xB6rg";
    werte[10] = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC";
    const QByteArray utf8 = datei(werte);
    werte[9] = "J\xF6rg";
    werte[10] = "Gr\xFC\xDF" "e \x80";
    const QByteArray windows1252 = datei(werte);
    QByteArray crlf = utf8;
    crlf.replace("\n", "\r\n");
    QByteArray cr = windows1252;
    cr.replace("\n", "\r");

    for (const QByteArray& inhalt : {utf8, "\xEF\xBB\xBF"_qba + utf8, windows1252, crlf, cr}) {
        const Einstellungsergebnis e = leseEinstellungen(inhalt);
        EXPECT_FALSE(e.EinstellungsFehler) << qPrintable(e.Meldung);
        EXPECT_EQ(e.Fenster, Fensterzustand::Maximiert);
        EXPECT_EQ(e.Name1, u"Jörg"_qs) << inhalt.toHex().constData();
        EXPECT_EQ(e.Name2, u"Grüße €"_qs) << inhalt.toHex().constData();
    }
}

TEST(Einstellungsleser, umlautInAQuotedLineIsKept)
{
    // The quoted line shows the characters of the file, in either encoding.
    for (const QByteArray& wert : {"gro\xC3\x9F"_qba, "gro\xDF"_qba}) {
        erwarteFehlerbox(leseEinstellungen(mitWert(0, wert)),
                         einstellungsMeldung(1, u"groß"_qs,
                                             "Die Einstellung für die Fenstergröße muss ein Komma enthalten."),
                         wert.toHex().toStdString());
    }
}

TEST(Einstellungsleser, junkIsASettingsError)
{
    // NUL bytes, random bytes and huge lines end in a settings error, quickly and without crashing.
    std::mt19937 zufall(4711);
    QByteArray zufallsbytes(300000, '\0');
    for (char& b : zufallsbytes)
        b = static_cast<char>(zufall() & 0xFF);
    const QByteArray langeZeile(2 * 1024 * 1024, 'x');
    const QByteArray nullen(1000, '\0');

    for (const QByteArray& inhalt : {zufallsbytes, langeZeile, langeZeile + ",1", nullen, bytes("max\n#\n\0:\0"sv),
                                     QByteArray(100000, '\n'), QByteArray(100000, '#')}) {
        const Einstellungsergebnis e = leseEinstellungen(inhalt);
        EXPECT_TRUE(e.EinstellungsFehler) << inhalt.left(40).toHex().constData();
        EXPECT_EQ(e.Meldungsart, Meldungsform::Fehlerbox);
        EXPECT_LE(e.Meldung.size(), 400);
    }
    // Any text is a name, however long.
    const Einstellungsergebnis e = leseEinstellungen(mitWert(9, langeZeile));
    EXPECT_FALSE(e.EinstellungsFehler);
    EXPECT_EQ(e.Name1.size(), langeZeile.size());
}

TEST(Einstellungsleser, longLinesAreQuotedShortened)
{
    // A quoted line over 200 characters shows its first 200 followed by an ellipsis.
    const QByteArray lang = QByteArray(199, 'a') + "bc";
    erwarteFehlerbox(leseEinstellungen(mitWert(0, lang)),
                     einstellungsMeldung(1, QString(199, u'a') + u"b…"_qs,
                                         "Die Einstellung für die Fenstergröße muss ein Komma enthalten."),
                     "201 characters");
    const QByteArray genau = QByteArray(200, 'a');
    erwarteFehlerbox(leseEinstellungen(mitWert(0, genau)),
                     einstellungsMeldung(1, QString(200, u'a'),
                                         "Die Einstellung für die Fenstergröße muss ein Komma enthalten."),
                     "200 characters");
}

TEST(Einstellungsleser, secondLocaleAcceptsItsDecimalSeparator)
{
    // Setting 6 reads the given locale's decimal comma; where "." groups thousands a point is
    // refused, since "1.500" there means fifteen hundred and never one and a half.
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    for (const QByteArray wert : {"400,5", " 400,5 "}) {
        const Einstellungsergebnis e = leseEinstellungen(mitWert(5, wert), deutsch);
        EXPECT_FALSE(e.EinstellungsFehler) << wert.constData() << ": " << qPrintable(e.Meldung);
        EXPECT_EQ(e.Werte.HalbeDrehZeit, 400.5 / 24 / 3600 / 1000 / 2) << wert.constData();
    }
    for (const QByteArray wert : {"1.500", "400.5"})
        erwarteFehlerbox(leseEinstellungen(mitWert(5, wert), deutsch),
                         einstellungsMeldung(6, QString::fromUtf8(wert),
                                             "Unkorrekte Angabe für die Zeit zum Umdrehen der Karten."),
                         wert.toStdString());
}

TEST(Einstellungsdatei, missingFileAndRealFile)
{
    // A file that cannot be opened asks for the plain box; an existing one is read.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    for (const QString& pfad : {ordner.filePath(u"Paarlix.ini"_qs), ordner.path()}) {
        const Einstellungsergebnis e = leseEinstellungsdatei(pfad);
        EXPECT_TRUE(e.EinstellungsFehler);
        EXPECT_EQ(e.Meldungsart, Meldungsform::DateiFehlt);
        EXPECT_EQ(e.Meldung, u"Ini-Datei Paarlix.ini nicht gefunden."_qs);
    }
    QFile ini(ordner.filePath(u"Paarlix.ini"_qs));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(mitWert(2, "3,5"));
    ini.close();
    erwarteFehlerbox(leseEinstellungsdatei(ini.fileName()),
                     einstellungsMeldung(3, u"3,5"_qs, "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein."),
                     "file on disk");
}

TEST(Einstellungsdatei, oversizedFileIsRefused)
{
    // A file far larger than any settings file is a settings error instead of being read whole.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    QFile ini(ordner.filePath(u"Paarlix.ini"_qs));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ASSERT_TRUE(ini.resize(64 * 1024 * 1024 + 1));
    ini.close();
    erwarteFehlerbox(leseEinstellungsdatei(ini.fileName()),
                     u"Fehler in der Datei \"Paarlix.ini\":\n\rDie Datei ist zu groß."_qs, "65 MB");
}

TEST(Einstellungsdatei, reportGoesToTheBoxOfItsKind)
{
    // Settings errors go to the error box, the missing file to the plain box, success to none.
    MeldungsRecorder recorder;
    meldeEinstellungsfehler(leseEinstellungen(datei()), recorder);
    EXPECT_TRUE(recorder.eintraege.empty());
    meldeEinstellungsfehler(leseEinstellungen(QByteArray()), recorder);
    meldeEinstellungsfehler(leseEinstellungsdatei(u"/nicht/da/Paarlix.ini"_qs), recorder);
    ASSERT_EQ(recorder.eintraege.size(), 2u);
    EXPECT_EQ(recorder.eintraege[0].art, u"fehler"_qs);
    EXPECT_EQ(recorder.eintraege[0].text, zuWenigMeldung("Fenstergröße"));
    EXPECT_EQ(recorder.eintraege[1].art, u"hinweis"_qs);
    EXPECT_EQ(recorder.eintraege[1].text, u"Ini-Datei Paarlix.ini nicht gefunden."_qs);
}
