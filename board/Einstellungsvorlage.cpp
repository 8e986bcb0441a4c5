#include "board/Einstellungsvorlage.h"

#include "board/Einstellungsleser.h"
#include "board/Einstellungstext.h"
#include "board/Sprachname.h"

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

QString einstellungsTextMitBrett(int spalten, int zeilen, const Kartenformat& format, int paareJeRunde,
                                 const std::optional<Vorlesesprachen>& vorlesen)
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
    if (paareJeRunde > 0)
        text += '\n' + zwoelfterBlock(paareJeRunde).join('\n') + '\n';
    if (vorlesen)
        text += '\n' + dreizehnterBlock(*vorlesen).join('\n') + '\n';
    return text;
}

namespace {

// A line and its own line end, so that a file keeps its line ends.
struct Zeile {
    QString Text;
    QString Ende;
};

std::vector<Zeile> zeilenMitEnden(const QString& text)
{
    std::vector<Zeile> zeilen;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype ende = anfang;
        while (ende < text.size() && text[ende] != u'\n' && text[ende] != u'\r')
            ++ende;
        qsizetype weiter = ende;
        if (weiter < text.size())
            weiter += text[weiter] == u'\r' && weiter + 1 < text.size() && text[weiter + 1] == u'\n' ? 2 : 1;
        zeilen.push_back({text.mid(anfang, ende - anfang), text.mid(ende, weiter - ende)});
        anfang = weiter;
    }
    return zeilen;
}

bool istKommentar(const Zeile& zeile) { return zeile.Text.startsWith(u'#'); }

// Finds the value lines as the game's reader does; -1 where there is none.
class Wertsuche {
public:
    explicit Wertsuche(const std::vector<Zeile>& zeilen)
        : zeilen_(zeilen)
    {
    }

    // Setting 1's value: the first line that is neither a comment nor blank.
    int ersterWert()
    {
        for (; stelle_ < size(); ++stelle_)
            if (!istKommentar(zeilen_[std::size_t(stelle_)]) && !zeilen_[std::size_t(stelle_)].Text.trimmed().isEmpty())
                return stelle_++;
        return -1;
    }
    int naechsterKommentar()
    {
        for (; stelle_ < size(); ++stelle_)
            if (istKommentar(zeilen_[std::size_t(stelle_)]))
                return stelle_++;
        return -1;
    }
    int naechsterWert()
    {
        for (; stelle_ < size(); ++stelle_)
            if (!istKommentar(zeilen_[std::size_t(stelle_)]))
                return stelle_++;
        return -1;
    }
    int wertNachKommentar() { return naechsterKommentar() < 0 ? -1 : naechsterWert(); }
    // The comment lines from the current place on.
    int kommentarEnde() const
    {
        int i = stelle_;
        while (i < size() && istKommentar(zeilen_[std::size_t(i)]))
            ++i;
        return i;
    }

private:
    int size() const { return int(zeilen_.size()); }
    const std::vector<Zeile>& zeilen_;
    int stelle_ = 0;
};

} // namespace

QStringList zwoelfterBlock(int paareJeRunde)
{
    // The reader knows setting 12 by this first comment line alone.
    return {KopfBildpaareJeRunde.toString(),
            QStringLiteral("#     So viele Paare werden je Runde zufällig aus allen Paaren"),
            QStringLiteral("#     im Ordner gezogen; höchstens Spalten mal Zeilen durch 2."),
            QStringLiteral("#     Leer = so viele Paare, wie Karten auf das Spielfeld passen."),
            QString::number(paareJeRunde)};
}

QStringList dreizehnterBlock(const Vorlesesprachen& sprachen)
{
    return {KopfTexteVorlesen.toString(),
            QStringLiteral("#     Text- und Namenskarten werden beim Aufdecken vorgelesen, in der"),
            QStringLiteral("#     Sprache ihrer Spalte: erste Karten, zweite Karten."),
            QStringLiteral("#     0 oder leer = nicht vorlesen."),
            sprachname(sprachen.Erste) + QStringLiteral(", ") + sprachname(sprachen.Zweite)};
}

namespace {

// Where an optional setting's block lies; -1 for what it lacks.
struct Blocklage {
    int Kopf = -1;
    int KopfEnde = -1; // the first line after its comment lines
    int Wert = -1;
};

// The value lines of settings 1 to 11 and the blocks of 12 and 13, as the
// game's reader finds them; none when a setting up to 11 is missing.
struct Wertlage {
    int Wert[12] = {};
    Blocklage Zwoelf;
    Blocklage Dreizehn;
};

std::optional<Wertlage> findeWerte(const std::vector<Zeile>& text)
{
    Wertlage lage;
    Wertsuche suche(text);
    lage.Wert[1] = suche.ersterWert();
    for (int e = 2; e <= 11; ++e) {
        lage.Wert[e] = suche.wertNachKommentar();
        if (e == 10 && lage.Wert[e] >= 0)
            lage.Wert[e] = suche.naechsterWert();
        if (lage.Wert[e] < 0)
            return std::nullopt;
    }
    const auto block = [&](int kopf) { return Blocklage{kopf, suche.kommentarEnde(), suche.naechsterWert()}; };
    int kopf = suche.naechsterKommentar();
    if (kopf >= 0 && text[std::size_t(kopf)].Text == KopfBildpaareJeRunde) {
        lage.Zwoelf = block(kopf);
        kopf = suche.naechsterKommentar();
    }
    if (kopf >= 0 && text[std::size_t(kopf)].Text == KopfTexteVorlesen)
        lage.Dreizehn = block(kopf);
    return lage;
}

// Puts an optional setting's value in (the last of `neu`), adding what its
// block lacks after line `nach`; removes the block when `neu` is empty.
void setzeBlock(std::vector<Zeile>& text, const Blocklage& b, int nach, const QStringList& neu,
                const QString& zeilenende)
{
    const auto abgeschlossen = [&](int zeile) {
        if (text[std::size_t(zeile)].Ende.isEmpty())
            text[std::size_t(zeile)].Ende = zeilenende;
    };
    if (!neu.isEmpty() && b.Wert >= 0) {
        text[std::size_t(b.Wert)].Text = neu.back();
    } else if (!neu.isEmpty() && b.Kopf >= 0) {
        abgeschlossen(b.KopfEnde - 1);
        text.insert(text.begin() + b.KopfEnde, Zeile{neu.back(), zeilenende});
    } else if (!neu.isEmpty()) {
        // Right after the setting before, where the reader looks for it.
        abgeschlossen(nach);
        std::vector<Zeile> block{{QString(), zeilenende}};
        for (const QString& zeile : neu)
            block.push_back({zeile, zeilenende});
        text.insert(text.begin() + nach + 1, block.begin(), block.end());
    } else if (b.Kopf >= 0) {
        text.erase(text.begin() + b.Kopf, text.begin() + (b.Wert >= 0 ? b.Wert + 1 : b.KopfEnde));
    }
}

} // namespace

std::optional<QString> einstellungsTextErsetzt(const QByteArray& alt, int spalten, int zeilen,
                                               const Kartenformat& format, int paareJeRunde,
                                               const std::optional<Vorlesesprachen>& vorlesen)
{
    if (leseEinstellungen(alt).EinstellungsFehler)
        return std::nullopt;
    std::vector<Zeile> text = zeilenMitEnden(dekodiereEinstellungstext(alt));
    std::optional<Wertlage> lage = findeWerte(text);
    if (!lage)
        return std::nullopt;

    const auto setze = [&text](int zeile, const QString& wert) { text[std::size_t(zeile)].Text = wert; };
    setze(lage->Wert[2], QStringLiteral("%1:%2").arg(format.FormatX).arg(format.FormatY));
    setze(lage->Wert[3], QStringLiteral("%1,%2").arg(spalten).arg(zeilen));
    setze(lage->Wert[7], format.Schneiden ? QStringLiteral("1") : QStringLiteral("0"));
    QString zeilenende = QStringLiteral("\n");
    for (const Zeile& z : text)
        if (!z.Ende.isEmpty()) {
            zeilenende = z.Ende;
            break;
        }
    // Setting 13 first: its place does not move when 12 is added or removed before it.
    const int nachZwoelf = lage->Zwoelf.Wert >= 0 ? lage->Zwoelf.Wert : lage->Wert[11];
    if (lage->Zwoelf.Kopf < 0 || lage->Zwoelf.Wert >= 0)
        setzeBlock(text, lage->Dreizehn, nachZwoelf, vorlesen ? dreizehnterBlock(*vorlesen) : QStringList(),
                   zeilenende);
    setzeBlock(text, lage->Zwoelf, lage->Wert[11], paareJeRunde > 0 ? zwoelfterBlock(paareJeRunde) : QStringList(),
               zeilenende);
    if (lage->Zwoelf.Kopf >= 0 && lage->Zwoelf.Wert < 0) {
        // 12's block had no value line: only now is its end known.
        lage = findeWerte(text);
        setzeBlock(text, lage->Dreizehn, lage->Zwoelf.Wert >= 0 ? lage->Zwoelf.Wert : lage->Wert[11],
                   vorlesen ? dreizehnterBlock(*vorlesen) : QStringList(), zeilenende);
    }

    QString neu;
    for (const Zeile& z : text)
        neu += z.Text + z.Ende;
    const Einstellungsergebnis gelesen = leseEinstellungen(neu.toUtf8());
    const Spieleinstellungen& w = gelesen.Werte;
    if (gelesen.EinstellungsFehler || w.Spalten != spalten || w.Zeilen != zeilen || w.FormatX != format.FormatX
        || w.FormatY != format.FormatY || w.BilderSchneiden != format.Schneiden || w.PaareJeRunde != paareJeRunde
        || w.TexteVorlesen != vorlesen.has_value() || (vorlesen && w.Sprachen != *vorlesen))
        return std::nullopt;
    return neu;
}
