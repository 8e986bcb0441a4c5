#include "board/Einstellungsleser.h"

#include "board/Einstellungstext.h"
#include "board/Einstellungswerte.h"
#include "board/Sprachname.h"
#include "platform/Lesedatei.h"
#include "platform/Meldungen.h"

#include <cmath>
#include <optional>
#include <utility>

namespace {

// Far more than any settings file; guards against reading a device or a
// huge file by mistake.
constexpr qint64 GroessteDateigroesse = 64 * 1024 * 1024;

// A quoted line longer than this is cut, so the message box stays readable.
constexpr qsizetype LaengstesZitat = 200;

// Largest window side: a larger window draws nothing and its backing store
// alone takes gigabytes.
constexpr int GroessteFensterseite = 16384;

// Milliseconds of a whole turn at most.
constexpr double LaengsteDrehZeit = 60000.0;

const QString ZuWenigEinstellungen =
    QStringLiteral("Fehler in der Datei \"Paarlix.ini\":\n\rEs sind nicht genügend Einstellungen eingetragen. (");

QString kopfzeile(int einstellung)
{
    static const char16_t* const ordnungszahlen[] = {
        u"ersten", u"zweiten", u"dritten", u"vierten", u"fünften", u"sechsten",
        u"siebten", u"achten", u"neunten", u"zehnten", u"elften", u"zwölften",
        u"dreizehnten",
    };
    return QStringLiteral("Fehler bei der ") + QString::fromUtf16(ordnungszahlen[einstellung - 1])
        + QStringLiteral(" Einstellung in der Datei \"Paarlix.ini\":\n\r(");
}

QString zitat(QStringView zeile)
{
    if (zeile.size() <= LaengstesZitat)
        return zeile.toString();
    qsizetype laenge = LaengstesZitat;
    if (zeile[laenge - 1].isHighSurrogate())
        --laenge;
    return zeile.left(laenge).toString() + QChar(0x2026);
}

bool istKommentar(QStringView zeile)
{
    return zeile.startsWith(u'#');
}

bool gleichOhneFall(QStringView zeile, QStringView wort)
{
    return ohneRandzeichen(zeile).compare(wort, Qt::CaseInsensitive) == 0;
}

// The two numbers of a value line "left<delimiter>right", split at the first
// delimiter; the caller has made sure the delimiter is there.
struct Zahlenpaar {
    QStringView Links;
    QStringView Rechts;
};

Zahlenpaar teile(QStringView zeile, QChar trenner)
{
    const qsizetype stelle = zeile.indexOf(trenner);
    return {ohneRandzeichen(zeile.left(stelle)), ohneRandzeichen(zeile.mid(stelle + 1))};
}

class Leser {
public:
    // ungeradeErlaubt: an odd number of cells is no error of setting 3 (a
    // board with empty places may have one); the caller checks setting 12.
    Leser(const QByteArray& inhalt, const QLocale& zahlenformat, bool ungeradeErlaubt = false)
        : zeilen(dekodiereEinstellungstext(inhalt))
        , zahlenformat(zahlenformat)
        , ungeradeErlaubt(ungeradeErlaubt)
    {
    }

    Einstellungsergebnis lies()
    {
        // && stops at the first setting that reports an error.
        (void)(fenstergroesse() && seitenverhaeltnis() && kartenanzahl() && kartengroesse() && abstaende()
               && drehzeit() && bilderSchneiden() && spielerAbfragen() && gruppen() && gruppennamen()
               && testmodus() && freiwillige());
        return std::move(ergebnis);
    }

    // After lies(): whether setting 3 stopped the reading at an odd number of cells.
    bool ungeradesBrett() const { return ungerade; }
    // After lies(): whether setting 12 holds a value (valid or not).
    bool zwoelfteGegeben() const { return zwoelfte; }

private:
    Zeilenleser zeilen;
    const QLocale zahlenformat;
    Einstellungsergebnis ergebnis;
    Spieleinstellungen& werte = ergebnis.Werte;
    const bool ungeradeErlaubt;
    bool ungerade = false;
    bool zwoelfte = false;

    bool fehler(QString text)
    {
        ergebnis.EinstellungsFehler = true;
        ergebnis.Meldungsart = Einstellungsergebnis::Meldungsform::Fehlerbox;
        ergebnis.Meldung = std::move(text);
        return false;
    }

    bool fehler(int einstellung, QStringView zeile, const QString& erklaerung)
    {
        return fehler(kopfzeile(einstellung) + zitat(zeile) + QStringLiteral(")\n\r") + erklaerung);
    }

    bool zuWenig(const QString& was) { return fehler(ZuWenigEinstellungen + was + u')'); }

    // Setting 1's value: the first line that is neither a comment nor blank.
    std::optional<QStringView> ersteWertzeile()
    {
        while (!zeilen.amEnde()) {
            const QStringView zeile = zeilen.naechsteZeile();
            if (!istKommentar(zeile) && !ohneRandzeichen(zeile).isEmpty())
                return zeile;
        }
        return std::nullopt;
    }

    // Skips free text after a value line; the next comment line.
    std::optional<QStringView> naechsterKommentar()
    {
        while (!zeilen.amEnde()) {
            const QStringView zeile = zeilen.naechsteZeile();
            if (istKommentar(zeile))
                return zeile;
        }
        return std::nullopt;
    }

    bool bisZumKommentar() { return naechsterKommentar().has_value(); }

    // The next line that is not a comment, blank or not.
    std::optional<QStringView> naechsteZeileOhneKommentar()
    {
        while (!zeilen.amEnde()) {
            const QStringView zeile = zeilen.naechsteZeile();
            if (!istKommentar(zeile))
                return zeile;
        }
        return std::nullopt;
    }

    // The value line that follows the next comment block.
    std::optional<QStringView> wertzeileNachKommentar()
    {
        if (!bisZumKommentar())
            return std::nullopt;
        return naechsteZeileOhneKommentar();
    }

    // Stores the two numbers of a value line as each is converted; false after
    // reporting a missing delimiter (trennerFehlt) or a piece that is no whole number (unkorrekt).
    bool zahlenpaar(int einstellung, QStringView zeile, QChar trenner, int& links, int& rechts,
                    const QString& trennerFehlt, const QString& unkorrekt)
    {
        if (!zeile.contains(trenner))
            return fehler(einstellung, zeile, trennerFehlt);
        const Zahlenpaar paar = teile(zeile, trenner);
        const std::optional<int> l = ganzeZahl(paar.Links);
        if (!l)
            return fehler(einstellung, zeile, unkorrekt);
        links = *l;
        const std::optional<int> r = ganzeZahl(paar.Rechts);
        if (!r)
            return fehler(einstellung, zeile, unkorrekt);
        rechts = *r;
        return true;
    }

    // Value of a setting that is "0" or "1".
    bool nullOderEins(int einstellung, QStringView zeile, bool& wert, const QString& erklaerung)
    {
        const QStringView w = ohneRandzeichen(zeile);
        if (w != u"0" && w != u"1")
            return fehler(einstellung, zeile, erklaerung);
        wert = w == u"1";
        return true;
    }

    bool fenstergroesse()
    {
        const std::optional<QStringView> zeile = ersteWertzeile();
        if (!zeile)
            return zuWenig(QStringLiteral("Fenstergröße"));
        if (gleichOhneFall(*zeile, u"max")) {
            ergebnis.Fenster = Einstellungsergebnis::Fensterzustand::Maximiert;
            return true;
        }
        if (!zeile->contains(u','))
            return fehler(1, *zeile, QStringLiteral("Die Einstellung für die Fenstergröße muss ein Komma enthalten."));
        const Zahlenpaar paar = teile(*zeile, u',');
        const std::optional<int> breite = ganzeZahl(paar.Links);
        const std::optional<int> hoehe = ganzeZahl(paar.Rechts);
        if (!breite || !hoehe)
            return fehler(1, *zeile, QStringLiteral("Unkorrekte Pixel-Angaben für die Fenstergröße."));
        if (*breite <= 0 || *hoehe <= 0)
            return fehler(1, *zeile, QStringLiteral("Die Fenstergröße muss größer als 0 sein."));
        if (*breite > GroessteFensterseite || *hoehe > GroessteFensterseite)
            return fehler(1, *zeile,
                          QStringLiteral("Die Fenstergröße darf höchstens %1 x %1 Pixel betragen.")
                              .arg(GroessteFensterseite));
        ergebnis.FensterBreite = *breite;
        ergebnis.FensterHoehe = *hoehe;
        ergebnis.Fenster = Einstellungsergebnis::Fensterzustand::Normal;
        return true;
    }

    bool seitenverhaeltnis()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Seitenverhältnis"));
        if (!zahlenpaar(2, *zeile, u':', werte.FormatX, werte.FormatY,
                        QStringLiteral("Die Einstellung für das Seitenverhältnis muss einen Doppelpunkt enthalten."),
                        QStringLiteral("Unkorrekte Angaben für das Seitenverhältnis.")))
            return false;
        if (werte.FormatX <= 0 || werte.FormatY <= 0)
            return fehler(2, *zeile, QStringLiteral("Die Zahlen für das Seitenverhältnis müssen größer als 0 sein."));
        return true;
    }

    bool kartenanzahl()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Anzahl der Karten"));
        if (!zahlenpaar(3, *zeile, u',', werte.Spalten, werte.Zeilen,
                        QStringLiteral("Die Einstellung für die Anzahl der Karten muss ein Komma enthalten."),
                        QStringLiteral("Unkorrekte Angaben für die Anzahl der Karten.")))
            return false;
        if (werte.Spalten > 100 || werte.Zeilen > 100)
            return fehler(3, *zeile, QStringLiteral("Die Zahlen dürfen nicht größer als 100 sein."));
        if (werte.Spalten <= 0 || werte.Zeilen <= 0)
            return fehler(3, *zeile, QStringLiteral("Die Anzahl der Spalten und Zeilen muss größer als 0 sein."));
        if ((werte.Spalten * werte.Zeilen) % 2 != 0 && !ungeradeErlaubt) {
            ungerade = true;
            return fehler(3, *zeile, QStringLiteral("Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein."));
        }
        return true;
    }

    bool kartengroesse()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Größe der Karten"));
        if (gleichOhneFall(*zeile, u"auto")) {
            werte.KartenBreite = AutoKartenBreite;
            return true;
        }
        if (!zahlenpaar(4, *zeile, u',', werte.KartenBreite, werte.KartenHoehe,
                        QStringLiteral("Die Einstellung für die Größe der Karten muss ein Komma enthalten."),
                        QStringLiteral("Unkorrekte Angaben für die Größe der Karten.")))
            return false;
        if (werte.KartenBreite <= 0 || werte.KartenHoehe <= 0)
            return fehler(4, *zeile, QStringLiteral("Die Größe der Karten muss größer als 0 sein."));
        return true;
    }

    bool abstaende()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Abstände der Karten"));
        if (!zahlenpaar(5, *zeile, u',', werte.AbstandX, werte.AbstandY,
                        QStringLiteral("Die Einstellung für die Abstände der Karten muss ein Komma enthalten."),
                        QStringLiteral("Unkorrekte Angaben für die Abstände der Karten.")))
            return false;
        if (werte.AbstandX < 0 || werte.AbstandY < 0)
            return fehler(5, *zeile, QStringLiteral("Die Abstände der Karten dürfen nicht negativ sein."));
        return true;
    }

    bool drehzeit()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Zeit zum Umdrehen der Karten"));
        const std::optional<double> millisekunden = reelleZahl(zeile->toString(), zahlenformat);
        if (!millisekunden)
            return fehler(6, *zeile, QStringLiteral("Unkorrekte Angabe für die Zeit zum Umdrehen der Karten."));
        werte.HalbeDrehZeit = *millisekunden / 24 / 3600 / 1000 / 2;
        // A positive time so small that it vanishes in days would still divide by zero later.
        if (!std::isfinite(*millisekunden) || !(*millisekunden > 0) || !(werte.HalbeDrehZeit > 0))
            return fehler(6, *zeile, QStringLiteral("Die Zeit zum Umdrehen der Karten muss größer als 0 sein."));
        // The turn runs without taking any input: a longer one would freeze the game.
        if (*millisekunden > LaengsteDrehZeit)
            return fehler(6, *zeile,
                          QStringLiteral("Die Zeit zum Umdrehen der Karten darf höchstens 60000 Millisekunden "
                                         "(eine Minute) betragen."));
        return true;
    }

    bool bilderSchneiden()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Bilder schneiden"));
        return nullOderEins(
            7, *zeile, werte.BilderSchneiden,
            QStringLiteral("Die Einstellung, ob Bilder geschnitten werden sollen, muss eine 0 oder eine 1 sein."));
    }

    bool spielerAbfragen()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Spielerzahl abfragen"));
        return nullOderEins(8, *zeile, werte.SpielerAbfragen,
                            QStringLiteral("Die Einstellung, ob am Anfang die Spielerzahl abgefragt werden soll, "
                                           "muss eine 0 oder eine 1 sein."));
    }

    bool gruppen()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Anzahl der Gruppen"));
        // The player-selection panel decides then; its preset is left alone.
        if (werte.SpielerAbfragen)
            return true;
        const QStringView w = ohneRandzeichen(*zeile);
        if (w != u"1" && w != u"2")
            return fehler(9, *zeile, QStringLiteral("Die Anzahl der Gruppen muss 1 oder 2 sein."));
        ergebnis.Gruppen = w == u"1" ? 1 : 2;
        return true;
    }

    bool gruppennamen()
    {
        if (!bisZumKommentar())
            return zuWenig(QStringLiteral("Gruppennamen"));
        const std::optional<QStringView> erster = naechsteZeileOhneKommentar();
        if (!erster)
            return zuWenig(QStringLiteral("Gruppenname 1"));
        const QString name1 = erster->toString();
        const std::optional<QStringView> zweiter = naechsteZeileOhneKommentar();
        if (!zweiter)
            return zuWenig(QStringLiteral("Gruppenname 2"));
        if (!werte.SpielerAbfragen) {
            ergebnis.Name1 = name1;
            ergebnis.Name2 = zweiter->toString();
            ergebnis.Name1Gesetzt = ergebnis.Name2Gesetzt = true;
        }
        return true;
    }

    bool testmodus()
    {
        const std::optional<QStringView> zeile = wertzeileNachKommentar();
        if (!zeile)
            return zuWenig(QStringLiteral("Testmodus"));
        return nullOderEins(11, *zeile, werte.Testmodus,
                            QStringLiteral("Die Einstellung für den Testmodus muss eine 0 oder eine 1 sein."));
    }

    // Settings 12 and 13 are optional: each is read only under the writer's
    // own header line, 13 after 12 or without it, so that any older file,
    // notes after setting 11 included, reads as before.
    bool freiwillige()
    {
        std::optional<QStringView> kopf = naechsterKommentar();
        if (kopf && *kopf == KopfBildpaareJeRunde) {
            if (!bildpaareJeRunde())
                return false;
            kopf = naechsterKommentar();
        }
        return !kopf || *kopf != KopfTexteVorlesen || texteVorlesen();
    }

    // No value line or an empty one leaves it unset.
    bool bildpaareJeRunde()
    {
        const std::optional<QStringView> zeile = naechsteZeileOhneKommentar();
        if (!zeile || ohneRandzeichen(*zeile).isEmpty())
            return true;
        zwoelfte = true;
        const std::optional<int> paare = ganzeZahl(ohneRandzeichen(*zeile));
        if (!paare)
            return fehler(12, *zeile, QStringLiteral("Unkorrekte Angabe für die Anzahl der Bildpaare je Runde."));
        const int hoechstens = werte.Spalten * werte.Zeilen / 2;
        // "zwischen 1 und 0" would say nothing a user could act on.
        if (hoechstens == 0)
            return fehler(12, *zeile, QStringLiteral("Auf einem Spielfeld mit nur einem Feld hat kein Bildpaar Platz."));
        if (*paare < 1 || *paare > hoechstens)
            return fehler(12, *zeile,
                          QStringLiteral("Die Anzahl der Bildpaare je Runde muss zwischen 1 und %1 liegen.")
                              .arg(hoechstens));
        werte.PaareJeRunde = *paare;
        return true;
    }

    // "0", an empty line or none: off. "1": on, in German. Else the first
    // cards' language and, after a ",", the second cards' (the first's without one).
    bool texteVorlesen()
    {
        const std::optional<QStringView> zeile = naechsteZeileOhneKommentar();
        const QStringView w = zeile ? ohneRandzeichen(*zeile) : QStringView();
        if (w.isEmpty() || w == u"0")
            return true;
        if (w == u"1") {
            werte.TexteVorlesen = true;
            return true;
        }
        const QList<QStringView> namen = w.split(u',');
        const std::optional<QLocale::Language> erste = spracheAusName(namen.front());
        const std::optional<QLocale::Language> zweite = namen.size() > 1 ? spracheAusName(namen[1]) : erste;
        if (namen.size() > 2 || !erste || !zweite)
            return fehler(13, *zeile,
                          QStringLiteral("Die Einstellung zum Vorlesen muss eine 0, eine 1 oder die Sprachen der "
                                         "ersten und der zweiten Karten sein, etwa: Deutsch, Englisch."));
        werte.TexteVorlesen = true;
        werte.Sprachen = {*erste, *zweite};
        return true;
    }
};

} // namespace

Einstellungsergebnis leseEinstellungen(const QByteArray& dateiinhalt, const QLocale& zahlenformat)
{
    Leser leser(dateiinhalt, zahlenformat);
    Einstellungsergebnis ergebnis = leser.lies();
    if (!leser.ungeradesBrett())
        return ergebnis;
    // An odd number of cells is fine when setting 12 leaves a place empty;
    // without setting 12 the file reads exactly as it always has.
    Leser nochmal(dateiinhalt, zahlenformat, true);
    Einstellungsergebnis mitLuecke = nochmal.lies();
    return nochmal.zwoelfteGegeben() ? mitLuecke : ergebnis;
}

Einstellungsergebnis leseEinstellungsdatei(const QString& pfad, const QLocale& zahlenformat)
{
    Lesedatei datei(pfad);
    QByteArray inhalt;
    const Lesedatei::Lesen gelesen =
        datei.offen() ? datei.liesAlles(inhalt, GroessteDateigroesse) : Lesedatei::Lesen::Fehler;
    if (gelesen == Lesedatei::Lesen::Fehler) {
        Einstellungsergebnis ergebnis;
        ergebnis.EinstellungsFehler = true;
        ergebnis.Meldungsart = Einstellungsergebnis::Meldungsform::DateiFehlt;
        ergebnis.Meldung = QStringLiteral("Ini-Datei Paarlix.ini nicht gefunden.");
        return ergebnis;
    }
    if (gelesen == Lesedatei::Lesen::ZuGross) {
        Einstellungsergebnis ergebnis;
        ergebnis.EinstellungsFehler = true;
        ergebnis.Meldungsart = Einstellungsergebnis::Meldungsform::Fehlerbox;
        ergebnis.Meldung = QStringLiteral("Fehler in der Datei \"Paarlix.ini\":\n\rDie Datei ist zu groß.");
        return ergebnis;
    }
    return leseEinstellungen(inhalt, zahlenformat);
}

void meldeEinstellungsfehler(const Einstellungsergebnis& ergebnis, Meldungen& meldungen)
{
    switch (ergebnis.Meldungsart) {
    case Einstellungsergebnis::Meldungsform::Keine:
        break;
    case Einstellungsergebnis::Meldungsform::Fehlerbox:
        meldungen.fehler(ergebnis.Meldung);
        break;
    case Einstellungsergebnis::Meldungsform::DateiFehlt:
        meldungen.hinweis(ergebnis.Meldung);
        break;
    }
}
