#include "neuesspiel/Einstellungsvorlage.h"

#include <vector>

namespace {

struct Einstellung {
    QStringList kommentar; // without the leading "#"
    QStringList werte;
};

// One table for both the text and the expected values, so they cannot drift apart.
const std::vector<Einstellung>& einstellungen()
{
    static const std::vector<Einstellung> tabelle = {
        {{"==============================================================",
          " Paarlix - Einstellungen für das Memory-Spiel",
          "==============================================================",
          " Zeilen, die mit # beginnen, sind Erklärungen.",
          " Unter jedem Erklärungsblock steht genau eine Zeile mit dem Wert",
          " der Einstellung (bei den Gruppennamen zwei Zeilen).",
          " Die Reihenfolge der Einstellungen darf nicht verändert werden.",
          " Wichtig: Die erste Zeile nach einem Erklärungsblock ist immer",
          " der Wert - auch wenn sie leer ist. Also keine Leerzeile",
          " zwischen Erklärung und Wert einfügen.",
          "",
          " 1. Fenstergröße",
          "    max       = das Fenster füllt den ganzen Bildschirm",
          "    1024,768  = Breite und Höhe des Fensters in Pixeln"},
         {"max"}},
        {{" 2. Seitenverhältnis der Bilder, Breite:Höhe",
          "    3:4 = Hochformat, 4:3 = Querformat, 1:1 = quadratisch",
          "    Alle Bilder werden in diesem Format gezeigt."},
         {"3:4"}},
        {{" 3. Anzahl der Karten: Spalten,Zeilen",
          "    Höchstens 100 Spalten und 100 Zeilen. Spalten mal Zeilen muss",
          "    eine gerade Zahl sein. 6,5 ergibt 30 Karten, also 15 Bildpaare:",
          "    01a.jpg und 01b.jpg, 02a.jpg und 02b.jpg ... 15a.jpg und 15b.jpg"},
         {"6,5"}},
        {{" 4. Größe der Karten in Pixeln: Breite,Höhe",
          "    auto = das Programm wählt die größte Karte, die auf den",
          "           Bildschirm passt (empfohlen)"},
         {"auto"}},
        {{" 5. Abstände zwischen den Karten in Pixeln: waagerecht,senkrecht"},
         {"10,10"}},
        {{" 6. Zeit zum Umdrehen einer Karte in Millisekunden"},
         {"400"}},
        {{" 7. Bilder zuschneiden?",
          "    0 = jedes Bild ganz zeigen (freie Ränder in der Fensterfarbe)",
          "    1 = Bilder so zuschneiden, dass sie die Karte ganz füllen"},
         {"0"}},
        {{" 8. Am Anfang nach der Spielerzahl fragen?",
          "    1 = vor dem Spiel wählen: ein Spieler oder zwei Gruppen,",
          "        dazu die Namen der Gruppen",
          "    0 = sofort beginnen, mit Gruppenzahl und Namen von unten"},
         {"1"}},
        {{" 9. Anzahl der Gruppen: 1 oder 2",
          "    (gilt nur, wenn oben bei 8. eine 0 steht)"},
         {"1"}},
        {{" 10. Namen der beiden Gruppen: zwei Zeilen direkt untereinander",
          "     (gelten nur, wenn oben bei 8. eine 0 steht; ein leerer Name",
          "     wird zu \"Spieler Nr. 1\" bzw. \"Spieler Nr. 2\")"},
         {"Team Sonne", "Team Mond"}},
        {{" 11. Testmodus",
          "     0 = normales Spiel",
          "     1 = alle Karten liegen offen (zum Prüfen der Bilder)"},
         {"0"}},
    };
    return tabelle;
}

} // namespace

QString einstellungsvorlage() { return einstellungsTextMitBrett(6, 5); }

QString einstellungsTextMitBrett(int spalten, int zeilen, const Kartenformat& format, int paareJeRunde)
{
    constexpr std::size_t FormatEinstellung = 1;
    constexpr std::size_t BrettEinstellung = 2;
    constexpr std::size_t SchnittEinstellung = 6;
    QString text;
    bool erster = true;
    for (std::size_t i = 0; i < einstellungen().size(); ++i) {
        const Einstellung& e = einstellungen()[i];
        if (!erster)
            text += '\n'; // a blank line between a value and the next block reads well and is allowed
        erster = false;
        for (const QString& zeile : e.kommentar)
            text += '#' + zeile + '\n';
        if (i == FormatEinstellung)
            text += QStringLiteral("%1:%2\n").arg(format.FormatX).arg(format.FormatY);
        else if (i == BrettEinstellung)
            text += QStringLiteral("%1,%2\n").arg(spalten).arg(zeilen);
        else if (i == SchnittEinstellung)
            text += format.Schneiden ? QStringLiteral("1\n") : QStringLiteral("0\n");
        else
            for (const QString& wert : e.werte)
                text += wert + '\n';
    }
    // The reader knows setting 12 by the beginning of its first comment line.
    if (paareJeRunde > 0)
        text += QStringLiteral("\n# 12. Bildpaare je Runde\n"
                               "#     So viele Paare werden je Runde zufällig aus allen Paaren\n"
                               "#     im Ordner gezogen; höchstens Spalten mal Zeilen durch 2.\n"
                               "#     Leer = so viele Paare, wie Karten auf das Spielfeld passen.\n"
                               "%1\n")
                    .arg(paareJeRunde);
    return text;
}
