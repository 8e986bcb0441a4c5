#include "board/Einstellungsleser.h"

#include "support/MeldungsRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;
using Meldungsform = Einstellungsergebnis::Meldungsform;
using Fensterzustand = Einstellungsergebnis::Fensterzustand;

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
    "Fehler bei der zwölften Einstellung in der Datei \"Paarlix.ini\":\n\r(",
    "Fehler bei der dreizehnten Einstellung in der Datei \"Paarlix.ini\":\n\r(",
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

// A result's values in one line: window, proportions, board, card, gaps, turn in ms, crop, ask
// and test mode, groups, whether the names are set and the names, pairs per round, and when
// texts are read aloud the two languages' codes.
std::string werteText(const Einstellungsergebnis& e)
{
    const Spieleinstellungen& w = e.Werte;
    const char* const fenster[] = {"-", "max", "normal"};
    std::ostringstream t;
    t << fenster[static_cast<int>(e.Fenster)] << ' ' << e.FensterBreite << 'x' << e.FensterHoehe << " | " << w.FormatX
      << ':' << w.FormatY << " | " << w.Spalten << ',' << w.Zeilen << " | " << w.KartenBreite << ',' << w.KartenHoehe
      << " | " << w.AbstandX << ',' << w.AbstandY << " | " << w.HalbeDrehZeit * 2 * 24 * 3600 * 1000 << " | "
      << w.BilderSchneiden << w.SpielerAbfragen << w.Testmodus << " | " << e.Gruppen << " | " << e.Name1Gesetzt
      << e.Name2Gesetzt << " [" << e.Name1.toStdString() << "] [" << e.Name2.toStdString() << "] | " << w.PaareJeRunde;
    if (w.TexteVorlesen)
        t << " | " << QLocale::languageToCode(w.Sprachen.Erste).toStdString() << ','
          << QLocale::languageToCode(w.Sprachen.Zweite).toStdString();
    return t.str();
}

} // namespace

TEST(Einstellungsleser, settingsTextGivesItsExactMessage)
{
    // Settings text in, exact message out (empty: read without error), and setting 12 or all
    // values as read. A message about one setting quotes its untrimmed value line.
    struct Fall {
        std::string name;
        QByteArray inhalt;
        QString meldung;
        int paare = 0;
        QLocale format = QLocale::c();
        std::string werte; // werteText of the result; empty: not compared
    };
    std::vector<Fall> faelle;
    const auto neu = [&](const std::string& name, const QByteArray& inhalt, const QString& meldung, int paare = 0,
                         const QLocale& format = QLocale::c()) {
        faelle.push_back({name, inhalt, meldung, paare, format, std::string()});
    };
    const auto werte = [&](const std::string& name, const QByteArray& inhalt, const std::string& text,
                           const QString& meldung = QString(), const QLocale& format = QLocale::c()) {
        faelle.push_back({name, inhalt, meldung, 0, format, text});
    };
    const std::string standard = "max 0x0 | 4:3 | 6,4 | -111,0 | 5,5 | 400 | 000 | 2 | 11 [Anna] [Bernd] | 0";
    werte("every value", datei({"800,600", "3:4", "10,8", "90,120", "4,6", "400", "1", "0", "1", "Anna", "Bernd", "1"}),
          "normal 800x600 | 3:4 | 10,8 | 90,120 | 4,6 | 400 | 101 | 1 | 11 [Anna] [Bernd] | 0");
    // "max" and "auto" in any letter case after trimming; pieces trimmed and split at the first delimiter.
    for (const QByteArray max : {"max", "MAX", "Max", "  max\t", "\x01mAx \x1f"})
        werte("window '" + max.toStdString() + "'", mitWert(0, max), standard);
    for (const QByteArray autoWert : {"auto", "AUTO", " Auto "})
        werte("card '" + autoWert.toStdString() + "'", mitWert(3, autoWert), standard);
    werte("trimmed pieces", mitWert(0, "1024, 768 "), "normal 1024x768" + standard.substr(7));
    werte("signed pieces", mitWert(1, "\t+16 :\t9\x01"), "max 0x0 | 16:9" + standard.substr(13));
    werte("German decimal comma", mitWert(5, " 400,5 "), "max 0x0 | 4:3 | 6,4 | -111,0 | 5,5 | 400.5 | 000 | 2 | 11 [Anna] [Bernd] | 0",
          QString(), QLocale(QLocale::German, QLocale::Germany));
    // After an error the values read so far stay, the numbers of the failing line as far as
    // converted; the window gets its size only when both numbers are good.
    werte("stored before the range check", mitWert(2, "101,3"), "max 0x0 | 4:3 | 101,3 | 0,0 | 0,0 | 0 | 000 | 0 | 00 [] [] | 0",
          einstellungsMeldung(3, u"101,3"_qs, "Die Zahlen dürfen nicht größer als 100 sein."));
    werte("stored as converted", mitWert(4, "7,x"), "max 0x0 | 4:3 | 6,4 | -111,0 | 7,0 | 0 | 000 | 0 | 00 [] [] | 0",
          einstellungsMeldung(5, u"7,x"_qs, "Unkorrekte Angaben für die Abstände der Karten."));
    werte("window only when good", mitWert(0, "1024,x"), "- 0x0 | 0:0 | 0,0 | 0,0 | 0,0 | 0 | 000 | 0 | 00 [] [] | 0",
          einstellungsMeldung(1, u"1024,x"_qs, "Unkorrekte Pixel-Angaben für die Fenstergröße."));
    // Free text between a value line and the next block is skipped; blanks and comments precede setting 1.
    QByteArrayList frei = zeilenVon(Standard);
    frei.insert(frei.indexOf("4:3") + 1, "das ist freier Text");
    frei.insert(frei.indexOf("4:3") + 2, "");
    frei.insert(frei.indexOf("6,4") + 1, "6,5");
    werte("free text", verbunden(QByteArrayList{"", "  \t"} + frei), standard);
    // The second name is the next non-comment line, after comments or not, empty or not.
    QByteArrayList namen = zeilenVon(Standard);
    namen[namen.indexOf("Bernd")] = "";
    namen.insert(namen.indexOf("Anna") + 1, "#");
    namen[namen.indexOf("Anna")] = "  Anna & Co. ";
    werte("names", verbunden(namen), "max 0x0 | 4:3 | 6,4 | -111,0 | 5,5 | 400 | 000 | 2 | 11 [  Anna & Co. ] [] | 0");
    // With the players asked, setting 9 is neither checked nor applied and setting 10 not applied.
    Werte fragen = Standard;
    fragen[7] = "1";
    fragen[8] = "3";
    fragen[11] = "1";
    werte("players asked", datei(fragen), "max 0x0 | 4:3 | 6,4 | -111,0 | 5,5 | 400 | 011 | 0 | 00 [] [] | 0");
    // UTF-8 with or without BOM, Windows-1252 otherwise; LF, CR LF and lone CR end lines.
    Werte utf8 = Standard;
    utf8[9] = "J\xC3\xB6rg";
    utf8[10] = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC";
    Werte windows1252 = Standard;
    windows1252[9] = "J\xF6rg";
    windows1252[10] = "Gr\xFC\xDF" "e \x80";
    const std::string umlaute = "max 0x0 | 4:3 | 6,4 | -111,0 | 5,5 | 400 | 000 | 2 | 11 [Jörg] [Grüße €] | 0";
    werte("UTF-8", datei(utf8), umlaute);
    werte("UTF-8 with BOM", "\xEF\xBB\xBF"_qba + datei(utf8), umlaute);
    werte("Windows-1252", datei(windows1252), umlaute);
    werte("CR LF", datei(utf8).replace("\n", "\r\n"), umlaute);
    werte("lone CR", datei(windows1252).replace("\n", "\r"), umlaute);

    const auto falsch = [&](int index, const QByteArray& wert, const char* erklaerung) {
        const int einstellung = index == 11 ? 11 : index + 1;
        neu("setting " + std::to_string(einstellung) + " '" + wert.toStdString() + "'",
                          mitWert(index, wert), einstellungsMeldung(einstellung, QString::fromUtf8(wert), erklaerung));
    };
    const auto gut = [&](int index, const QByteArray& wert) {
        neu("accepted " + std::to_string(index) + " '" + wert.toStdString() + "'", mitWert(index, wert),
                          QString());
    };
    falsch(0, "1024", "Die Einstellung für die Fenstergröße muss ein Komma enthalten.");
    falsch(0, "max 1", "Die Einstellung für die Fenstergröße muss ein Komma enthalten.");
    falsch(0, "1024,", "Unkorrekte Pixel-Angaben für die Fenstergröße.");
    falsch(0, "a,768", "Unkorrekte Pixel-Angaben für die Fenstergröße.");
    falsch(0, "1024,768,5", "Unkorrekte Pixel-Angaben für die Fenstergröße.");
    falsch(0, "0,768", "Die Fenstergröße muss größer als 0 sein.");
    falsch(0, "1024,-1", "Die Fenstergröße muss größer als 0 sein.");
    falsch(0, "2147483647,2147483647", "Die Fenstergröße darf höchstens 16384 x 16384 Pixel betragen.");
    falsch(0, "16385,768", "Die Fenstergröße darf höchstens 16384 x 16384 Pixel betragen.");
    falsch(0, "1024,16385", "Die Fenstergröße darf höchstens 16384 x 16384 Pixel betragen.");
    falsch(0, "gro\xC3\x9F", "Die Einstellung für die Fenstergröße muss ein Komma enthalten.");
    falsch(0, QByteArray(200, 'a'), "Die Einstellung für die Fenstergröße muss ein Komma enthalten.");
    falsch(1, "4,3", "Die Einstellung für das Seitenverhältnis muss einen Doppelpunkt enthalten.");
    falsch(1, " 4 : drei ", "Unkorrekte Angaben für das Seitenverhältnis.");
    falsch(1, "4:3:2", "Unkorrekte Angaben für das Seitenverhältnis.");
    falsch(1, "0:3", "Die Zahlen für das Seitenverhältnis müssen größer als 0 sein.");
    falsch(1, "4:-3", "Die Zahlen für das Seitenverhältnis müssen größer als 0 sein.");
    falsch(2, "6 4", "Die Einstellung für die Anzahl der Karten muss ein Komma enthalten.");
    falsch(2, "6,4.0", "Unkorrekte Angaben für die Anzahl der Karten.");
    falsch(2, "101,2", "Die Zahlen dürfen nicht größer als 100 sein.");
    falsch(2, "2,101", "Die Zahlen dürfen nicht größer als 100 sein.");
    falsch(2, "101,-1", "Die Zahlen dürfen nicht größer als 100 sein.");
    falsch(2, "0,2", "Die Anzahl der Spalten und Zeilen muss größer als 0 sein.");
    falsch(2, "-2,-2", "Die Anzahl der Spalten und Zeilen muss größer als 0 sein.");
    falsch(2, "3,5", "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein.");
    falsch(2, "99,99", "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein.");
    falsch(3, "automatisch", "Die Einstellung für die Größe der Karten muss ein Komma enthalten.");
    falsch(3, "auto,", "Unkorrekte Angaben für die Größe der Karten.");
    falsch(3, "0,100", "Die Größe der Karten muss größer als 0 sein.");
    falsch(3, "100,-5", "Die Größe der Karten muss größer als 0 sein.");
    falsch(4, "5;5", "Die Einstellung für die Abstände der Karten muss ein Komma enthalten.");
    falsch(4, "5,x", "Unkorrekte Angaben für die Abstände der Karten.");
    falsch(4, "-1,0", "Die Abstände der Karten dürfen nicht negativ sein.");
    for (const QByteArray wert : {"vierhundert", "400 ms", "400,5", ""})
        falsch(5, wert, "Unkorrekte Angabe für die Zeit zum Umdrehen der Karten.");
    for (const QByteArray wert : {"0", "-0", "-400", "inf", "nan", "1e-320"})
        falsch(5, wert, "Die Zeit zum Umdrehen der Karten muss größer als 0 sein.");
    for (const QByteArray wert : {"60000.5", "1e300"})
        falsch(5, wert,
               "Die Zeit zum Umdrehen der Karten darf höchstens 60000 Millisekunden (eine Minute) betragen.");
    falsch(6, "2", "Die Einstellung, ob Bilder geschnitten werden sollen, muss eine 0 oder eine 1 sein.");
    falsch(6, "01", "Die Einstellung, ob Bilder geschnitten werden sollen, muss eine 0 oder eine 1 sein.");
    falsch(7, "ja", "Die Einstellung, ob am Anfang die Spielerzahl abgefragt werden soll, muss eine 0 oder eine 1 sein.");
    for (const QByteArray wert : {"3", "0", ""})
        falsch(8, wert, "Die Anzahl der Gruppen muss 1 oder 2 sein.");
    falsch(11, "1 1", "Die Einstellung für den Testmodus muss eine 0 oder eine 1 sein.");
    for (const auto& [index, wert] : std::initializer_list<std::pair<int, QByteArray>>{
             {0, "1,1"}, {0, "10240,7680"}, {0, "16384,16384"}, {1, "1:1"}, {2, "100,100"}, {2, "1,2"}, {2, "4,5"},
             {3, "1,1"}, {4, "0,0"}, {5, "0.001"}, {5, "60000"}, {5, " 400 "}, {5, "4e2"}, {6, " 1 "}, {11, "\t0\x01"}})
        gut(index, wert);

    // Where the value line is and how it is quoted.
    const QByteArrayList zeilen = zeilenVon(Standard);
    QByteArrayList leerNachBlock = zeilen;
    leerNachBlock.insert(leerNachBlock.indexOf("4:3"), "");
    neu("blank line after a block is the value", verbunden(leerNachBlock),
                      einstellungsMeldung(2, u""_qs,
                                          "Die Einstellung für das Seitenverhältnis muss einen Doppelpunkt enthalten."));
    neu("indented hash is no comment", verbunden(QByteArrayList{" # Fenster"} + zeilen),
                      einstellungsMeldung(1, u" # Fenster"_qs,
                                          "Die Einstellung für die Fenstergröße muss ein Komma enthalten."));
    neu("Windows-1252 umlaut", mitWert(0, "gro\xDF"),
                      einstellungsMeldung(1, u"groß"_qs,
                                          "Die Einstellung für die Fenstergröße muss ein Komma enthalten."));
    neu("201 characters are quoted shortened", mitWert(0, QByteArray(199, 'a') + "bc"),
                      einstellungsMeldung(1, QString(199, u'a') + u"b…"_qs,
                                          "Die Einstellung für die Fenstergröße muss ein Komma enthalten."));
    // Where "." groups thousands, "1.500" means fifteen hundred and never one and a half.
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    for (const QByteArray wert : {"1.500", "400.5"})
        neu("German " + wert.toStdString(), mitWert(5, wert),
                          einstellungsMeldung(6, QString::fromUtf8(wert),
                                              "Unkorrekte Angabe für die Zeit zum Umdrehen der Karten."),
                          0, deutsch);

    // A file that ends before a value names the first setting it lacks, before or inside its comment block.
    const char* const fehlend[] = {"Fenstergröße", "Seitenverhältnis", "Anzahl der Karten", "Größe der Karten",
                                   "Abstände der Karten", "Zeit zum Umdrehen der Karten", "Bilder schneiden",
                                   "Spielerzahl abfragen", "Anzahl der Gruppen", "Gruppennamen", "Testmodus"};
    qsizetype ende = 0; // lines of the file before the comment block of the next setting
    for (int einstellung = 0; einstellung < 11; ++einstellung) {
        const char* imKommentar = einstellung == 9 ? "Gruppenname 1" : fehlend[einstellung];
        neu(std::string("ends before ") + fehlend[einstellung],
                          ende == 0 ? QByteArray() : verbunden(zeilen.mid(0, ende)), zuWenigMeldung(fehlend[einstellung]));
        neu(std::string("ends in the comment of ") + fehlend[einstellung],
                          verbunden(zeilen.mid(0, ende + 2)), zuWenigMeldung(imKommentar));
        ende += einstellung == 9 ? 4 : 3;
    }
    const QByteArray bisErstemNamen = verbunden(zeilen.mid(0, zeilen.indexOf("Anna") + 1));
    neu("ends after the first name", bisErstemNamen, zuWenigMeldung("Gruppenname 2"));
    neu("ends in a comment after the first name", bisErstemNamen + "# noch ein Kommentar",
                      zuWenigMeldung("Gruppenname 2"));

    // Setting 12 is read only after a block that begins as the writer's does; anything else after
    // setting 11 is left unread as before. Standard's 6 x 4 board holds at most 12 pairs.
    const QByteArray zwoelf = "\n# 12. Bildpaare je Runde\n# Erklaerung\n";
    neu("ends after setting 11", datei(), QString());
    neu("free text after setting 11", datei() + "# mehr\nMuell\n\x00\xff"_qba, QString());
    neu("block of 12 not first", datei() + "# mehr" + zwoelf + "acht\n", QString());
    neu("block without the point", datei() + "\n# 12 Paare\nacht\n", QString());
    const QByteArray notiz = "\n# 12. Dezember: neue Bilder holen\nNotiz von Oma\n";
    neu("a note on the 12th", datei() + notiz, QString());
    neu("a date and a number", datei() + "\n# 12. Dezember 2024\n7\n", QString());
    neu("the header with more text", datei() + "\n# 12. Bildpaare je Runde (neu)\n7\n", QString());
    neu("setting 12 empty", datei() + zwoelf + " \n", QString());
    neu("ends in the block of 12", datei() + zwoelf, QString());
    neu("setting 12 valid", datei() + zwoelf + "8\n", QString(), 8);
    neu("setting 12 after free text", datei() + "Notiz\n" + zwoelf + " 12 \r\n", QString(), 12);
    for (const QByteArray wert : {"0", "13", "-1"})
        neu("setting 12 '" + wert.toStdString() + "'", datei() + zwoelf + wert,
                          einstellungsMeldung(12, QString::fromUtf8(wert),
                                              "Die Anzahl der Bildpaare je Runde muss zwischen 1 und 12 liegen."));
    // An odd number of cells is allowed only with a value in setting 12; else setting 3 refuses it as ever.
    const QString ungerade = einstellungsMeldung(3, u"3,5"_qs, "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein.");
    neu("odd board with setting 12", mitWert(2, "3,5") + zwoelf + "7", QString(), 7);
    neu("odd board, setting 12 too large", mitWert(2, "3,5") + zwoelf + "8",
                      einstellungsMeldung(12, u"8"_qs, "Die Anzahl der Bildpaare je Runde muss zwischen 1 und 7 liegen."));
    neu("1 x 1 board with setting 12", mitWert(2, "1,1") + zwoelf + "1",
        einstellungsMeldung(12, u"1"_qs, "Auf einem Spielfeld mit nur einem Feld hat kein Bildpaar Platz."));
    neu("odd board, setting 12 empty", mitWert(2, "3,5") + zwoelf + "\n", ungerade);
    neu("odd board, free text after setting 11", mitWert(2, "3,5") + "# mehr\n7\n", ungerade);
    neu("odd board, a note on the 12th", mitWert(2, "5,5") + notiz,
        einstellungsMeldung(3, u"5,5"_qs, "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein."));
    Werte spaeterFalsch = Standard;
    spaeterFalsch[2] = "3,5";
    spaeterFalsch[4] = "x";
    neu("odd board, later error", datei(spaeterFalsch) + zwoelf + "7", ungerade);
    for (const QByteArray wert : {"acht", "8,5", "8 Paare", "99999999999"})
        neu("setting 12 '" + wert.toStdString() + "'", datei() + zwoelf + wert,
                          einstellungsMeldung(12, QString::fromUtf8(wert),
                                              "Unkorrekte Angabe für die Anzahl der Bildpaare je Runde."));

    // Setting 13 after 12 or in its place, under its own header only; languages by name, the
    // second card's the first's when one is named.
    const QByteArray dreizehn = "\n# 13. Texte vorlesen\n# Erklaerung\n";
    const std::string ohneRunde = standard.substr(0, standard.size() - 1);
    werte("setting 13 after 12", datei() + zwoelf + "8\n" + dreizehn + "Deutsch, Englisch\n", ohneRunde + "8 | de,en");
    werte("setting 13 in 12's place", datei() + dreizehn + " englisch,Französisch \n", standard + " | en,fr");
    werte("setting 13, one language", datei() + dreizehn + "Türkisch", standard + " | tr,tr");
    werte("setting 13 by Qt's and own names", datei() + dreizehn + "English, español", standard + " | en,es");
    werte("setting 13 is 1", datei() + dreizehn + "1", standard + " | de,de");
    for (const QByteArray aus : {"0", " ", ""})
        werte("setting 13 '" + aus.toStdString() + "'", datei() + dreizehn + aus, standard);
    werte("setting 12 after 13 is a note", datei() + dreizehn + "Spanisch\n" + zwoelf + "8", standard + " | es,es");
    werte("setting 13 under a note", datei() + "# Notiz" + dreizehn + "Spanisch\n", standard);
    werte("the header of 13 with more text", datei() + "\n# 13. Texte vorlesen!\nSpanisch\n", standard);
    for (const QByteArray wert : {"Klingonisch", "Deutsch, Englisch, Spanisch", "Deutsch; Englisch", "Deutsch,"})
        neu("setting 13 '" + wert.toStdString() + "'", datei() + dreizehn + wert,
            einstellungsMeldung(13, QString::fromUtf8(wert),
                                "Die Einstellung zum Vorlesen muss eine 0, eine 1 oder die Sprachen der ersten und "
                                "der zweiten Karten sein, etwa: Deutsch, Englisch."));

    for (const Fall& fall : faelle) {
        const Einstellungsergebnis e = leseEinstellungen(fall.inhalt, fall.format);
        EXPECT_EQ(e.Meldung, fall.meldung) << fall.name;
        EXPECT_EQ(e.EinstellungsFehler, !fall.meldung.isEmpty()) << fall.name;
        EXPECT_EQ(e.Meldungsart, fall.meldung.isEmpty() ? Meldungsform::Keine : Meldungsform::Fehlerbox) << fall.name;
        if (fall.werte.empty()) {
            EXPECT_EQ(e.Werte.PaareJeRunde, fall.paare) << fall.name;
        } else {
            EXPECT_EQ(werteText(e), fall.werte) << fall.name;
        }
    }
    // The turn is stored in days, divided in this order.
    EXPECT_EQ(leseEinstellungen(datei()).Werte.HalbeDrehZeit, 400.0 / 24 / 3600 / 1000 / 2);
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

TEST(Einstellungsdatei, onlyAFileThatOpensIsRead)
{
    // A file that cannot be opened asks for the plain box; only an existing one is read.
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
