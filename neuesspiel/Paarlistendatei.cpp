#include "neuesspiel/Paarlistendatei.h"

#include "board/Sprachname.h"

#include "karten/Fotokarte.h"
#include "karten/Kartentonablage.h"
#include "pictures/Bildbeschreibung.h"
#include "pictures/HeifLeser.h"
#include "platform/Dateikennung.h"
#include "platform/Lesedatei.h"
#include "platform/Tabellentext.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Datensatz = Tabellenzeile;

bool hatBildendung(const QString& feld)
{
    static const QStringList endungen = QStringList{"jpg", "jpeg", "png", "bmp", "gif", "webp", "tif", "tiff"} + HeifEndungen;
    const qsizetype punkt = feld.lastIndexOf(QLatin1Char('.'));
    return punkt >= 0 && endungen.contains(feld.mid(punkt + 1), Qt::CaseInsensitive);
}

QString fotopfad(const QString& feld, const QString& ordner) { return QDir::cleanPath(QDir(ordner).filePath(feld)); }

// A field is a photo when it ends as a picture's name or names an existing file.
bool istFoto(const QString& feld, const QString& ordner)
{
    if (hatBildendung(feld))
        return true;
    const QFileInfo info(fotopfad(feld, ordner));
    return info.exists() && !info.isDir();
}

QString herkunft(int zeile, int spalte) { return QStringLiteral("Zeile %1, Spalte %2").arg(zeile).arg(spalte); }

// A field quoted in a refusal, on one line: each refusal has a line of its own.
QString einzeilig(const QString& feld)
{
    QString text = QString(feld).replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar umbruch : {QChar(u'\r'), QChar(u'\n'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        text.replace(umbruch, QLatin1Char(' '));
    return text;
}

// A card's text: line ends as "\n", other control characters (a card would
// show nothing for them) as blanks, without format characters, trimmed.
QString kartentext(QString feld)
{
    feld = ohneFormatzeichen(feld);
    feld.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QChar& c : feld)
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return feld.trimmed();
}

// A field holds nothing when its text is blank, Unicode blanks such as the
// no-break space and control characters included: else a card would get an
// empty text.
bool istLeer(const QByteArray& feld) { return kartentext(QString::fromUtf8(feld)).isEmpty(); }

// Equal texts are those that differ only in blanks and the case of letters.
QString textSchluessel(const QString& text) { return text.simplified().toCaseFolded(); }

class Listenpruefung {
public:
    explicit Listenpruefung(QString ordner) : ordner_(std::move(ordner)) {}

    void fehler(int zeile, int spalte, const QString& text) { fehler_ += herkunft(zeile, spalte) + ": " + text; }

    // The card in this field; nullopt after a refusal.
    std::optional<Kartenangabe> karte(const QByteArray& roh, int zeile, int spalte)
    {
        // Stateless: a sequence cut at the field's end is an error, not kept for more.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString feld = utf8.decode(roh);
        if (utf8.hasError()) {
            fehler(zeile, spalte, QStringLiteral("Der Text ist kein UTF-8; bitte die Liste als UTF-8-Text speichern."));
            return std::nullopt;
        }
        Kartenangabe karte;
        karte.Anzeigename = feld;
        karte.Herkunft = herkunft(zeile, spalte);
        const QString pfad = fotopfad(feld, ordner_);
        const QFileInfo info(pfad);
        if (hatTonendung(feld)) {
            karte.Ton = pfad;
            karte.Tonanzeigename = feld;
            return tonDa(karte, zeile, spalte) && einmal(tonkarten_, feld, zeile, spalte, QStringLiteral("Der Ton"))
                       ? std::optional(karte)
                       : std::nullopt;
        }
        if (!istFoto(feld, ordner_)) {
            karte.Text = kartentext(feld);
            const QString schluessel = textSchluessel(karte.Text);
            const auto vorher = texte_.constFind(schluessel);
            if (vorher != texte_.constEnd() && vorher->first != zeile) {
                fehler(zeile, spalte, QStringLiteral("Den Text „%1“ gibt es schon in Zeile %2, Spalte %3.")
                                          .arg(einzeilig(feld))
                                          .arg(vorher->first)
                                          .arg(vorher->second));
                return std::nullopt;
            }
            if (vorher == texte_.constEnd())
                texte_.insert(schluessel, {zeile, spalte});
            return karte;
        }
        karte.Foto = pfad;
        if (!info.exists()) {
            fehler(zeile, spalte, QStringLiteral("Das Foto „%1“ gibt es nicht.").arg(einzeilig(feld)));
            return std::nullopt;
        }
        // Only the header: the writer decodes each photo anyway. A FIFO or
        // device must not be opened at all.
        if (!info.isFile() || !lesbaresBild(pfad)) {
            fehler(zeile, spalte, QStringLiteral("„%1“ ist kein lesbares Bild.").arg(einzeilig(feld)));
            return std::nullopt;
        }
        return einmal(fotos_, feld, zeile, spalte, QStringLiteral("Das Foto")) ? std::optional(karte) : std::nullopt;
    }

    // A photo or sound card in two pairs would give two cards alike; in one row they are its pair.
    bool einmal(QHash<QString, std::pair<int, int>>& stellen, const QString& feld, int zeile, int spalte,
                const QString& art)
    {
        const QString kennung = dateikennung(fotopfad(feld, ordner_));
        const auto vorher = stellen.constFind(kennung);
        if (vorher != stellen.constEnd() && vorher->first != zeile) {
            fehler(zeile, spalte, QStringLiteral("%1 „%2“ steht schon in Zeile %3, Spalte %4.")
                                      .arg(art, einzeilig(feld), QString::number(vorher->first),
                                           QString::number(vorher->second)));
            return false;
        }
        if (vorher == stellen.constEnd())
            stellen.insert(kennung, {zeile, spalte});
        return true;
    }

    // A sound is only checked to be there: the writer reads it.
    bool tonDa(const Kartenangabe& karte, int zeile, int spalte)
    {
        const QFileInfo info(karte.Ton);
        if (!info.exists())
            fehler(zeile, spalte, QStringLiteral("Den Ton „%1“ gibt es nicht.").arg(einzeilig(karte.Anzeigename)));
        else if (!info.isFile())
            fehler(zeile, spalte, QStringLiteral("„%1“ ist keine Tondatei.").arg(einzeilig(karte.Anzeigename)));
        return info.isFile();
    }

    // The third column: a sound for the second card, with "1:" before it for the first.
    bool nimmTon(const QByteArray& roh, int zeile, Paarangabe& paar)
    {
        QString feld = QString::fromUtf8(roh).trimmed();
        const bool erste = feld.startsWith(QLatin1String("1:"));
        if (erste || feld.startsWith(QLatin1String("2:")))
            feld = feld.mid(2).trimmed();
        if (!hatTonendung(feld)) {
            fehler(zeile, 3, QStringLiteral("In der dritten Spalte steht nur ein Ton (%1), mit „1:“ davor für die "
                                            "erste Karte.").arg(Tonendungen.join(QStringLiteral(", "))));
            return false;
        }
        // A photo alone is shown twice: its sound is the first card's.
        Kartenangabe& karte = erste || paar.Zweite.leer() ? paar.Erste : paar.Zweite;
        if (!karte.Ton.isEmpty()) {
            fehler(zeile, 3, QStringLiteral("Die Karte ist schon ein Ton."));
            return false;
        }
        Kartenangabe ton{.Anzeigename = feld, .Ton = fotopfad(feld, ordner_)};
        if (!tonDa(ton, zeile, 3))
            return false;
        karte.Ton = ton.Ton;
        karte.TonHerkunft = herkunft(zeile, 3);
        karte.Tonanzeigename = feld;
        return true;
    }

    QString meldung() const { return fehlerzeilen(fehler_); }

private:
    static bool lesbaresBild(const QString& pfad)
    {
        Lesedatei datei(pfad);
        if (!datei.offen())
            return false;
        // The writer's own rule for a photo's size, so that the list takes what it can write.
        return !aufrechteGroesse(pfad).isEmpty();
    }

    QString ordner_;
    QStringList fehler_;
    QHash<QString, std::pair<int, int>> texte_; // where each text stands first
    QHash<QString, std::pair<int, int>> fotos_; // where each photo (by dateikennung) stands first
    QHash<QString, std::pair<int, int>> tonkarten_; // where each sound card (by dateikennung) stands first
};

bool alleLeer(const Datensatz& satz)
{
    for (const QByteArray& feld : satz.Felder)
        if (!istLeer(feld))
            return false;
    return true;
}

// What spreadsheets put above their columns: languages (German and English
// names) and the words a teacher or a parent would write there.
bool istSpaltentitel(const QByteArray& feld)
{
    static const QSet<QString> titel = [] {
        QSet<QString> t;
        for (const char* wort :
             {"deutsch", "englisch", "französisch", "spanisch", "türkisch", "italienisch", "polnisch", "russisch",
              "arabisch", "latein", "griechisch", "niederländisch", "portugiesisch", "ukrainisch", "kurdisch",
              "persisch", "chinesisch", "japanisch", "schwedisch", "dänisch", "norwegisch", "kroatisch", "serbisch",
              "rumänisch", "ungarisch", "tschechisch", "german", "english", "french", "spanish", "turkish", "italian",
              "polish", "russian", "arabic", "latin", "greek", "dutch", "portuguese", "ukrainian", "kurdish", "persian",
              "chinese", "japanese", "swedish", "danish", "norwegian", "croatian", "serbian", "romanian", "hungarian",
              "czech", "frage", "fragen", "antwort", "antworten", "wort", "wörter", "übersetzung", "bild", "bilder",
              "foto", "fotos", "name", "namen", "text", "karte", "karten", "begriff", "begriffe", "lösung", "lösungen",
              "aufgabe", "aufgaben", "erste karte", "zweite karte", "karte 1", "karte 2", "question", "answer",
              "word", "translation", "picture", "photo", "card", "term", "solution"})
            t.insert(QString::fromUtf8(wort));
        return t;
    }();
    return titel.contains(kartentext(QString::fromUtf8(feld)).simplified().toCaseFolded());
}

// A line's first and second card, as far as it has them.
std::vector<QByteArray> karten(const Datensatz& satz)
{
    return {satz.Felder.begin(), satz.Felder.begin() + qsizetype(std::min<std::size_t>(2, satz.Felder.size()))};
}

bool hatFoto(const Datensatz& satz, const QString& ordner)
{
    for (const QByteArray& feld : karten(satz))
        if (!istLeer(feld) && istFoto(QString::fromUtf8(feld), ordner))
            return true;
    return false;
}

// The first line heads the columns when both its fields are titles, or when it
// has no photo and every other line has one.
bool siehtAusWieUeberschrift(const std::vector<const Datensatz*>& saetze, const QString& ordner)
{
    if (saetze.empty())
        return false;
    const std::vector<QByteArray> kopf = karten(*saetze.front());
    if (kopf.size() == 2 && istSpaltentitel(kopf[0]) && istSpaltentitel(kopf[1]))
        return true;
    return saetze.size() > 1 && !hatFoto(*saetze.front(), ordner)
           && std::all_of(saetze.begin() + 1, saetze.end(), [&](const Datensatz* s) { return hatFoto(*s, ordner); });
}

// The languages the titles name, where one does.
std::optional<Vorlesesprachen> spaltensprachen(const QStringList& titel)
{
    const std::optional<QLocale::Language> erste = titel.isEmpty() ? std::nullopt : spracheAusName(titel[0]);
    const std::optional<QLocale::Language> zweite = titel.size() < 2 ? std::nullopt : spracheAusName(titel[1]);
    if (!erste && !zweite)
        return std::nullopt;
    return Vorlesesprachen{erste.value_or(QLocale::German), zweite.value_or(QLocale::German)};
}

} // namespace

QString fehlerzeilen(const QStringList& fehler)
{
    QStringList zeilen = fehler.mid(0, GezeigteFehler);
    if (fehler.size() > GezeigteFehler)
        zeilen += QStringLiteral("… und %1 weitere Fehler.").arg(fehler.size() - GezeigteFehler);
    return zeilen.join(QLatin1Char('\n'));
}

QString kopfzeilenText(const Listenergebnis& ergebnis, Kopfzeile kopf)
{
    QStringList felder;
    for (const QString& feld : ergebnis.Kopf)
        felder += QStringLiteral("„") + einzeilig(feld) + QStringLiteral("“");
    const QString zeile = QStringLiteral("Erste Zeile (%1) ").arg(felder.join(QStringLiteral(", ")));
    if (ergebnis.UeberschriftUebersprungen)
        return zeile + (kopf == Kopfzeile::Raten
                            ? QStringLiteral("als Überschrift übersprungen (als Paar mit --keine-ueberschrift).")
                            : QStringLiteral("als Überschrift übersprungen."));
    if (ergebnis.UeberschriftVermutet || kopf == Kopfzeile::Paar)
        return zeile + QStringLiteral("als Paar gelesen.");
    return {};
}

Listenergebnis lesePaarlistentext(const QByteArray& inhalt, const QString& listenordner, Kopfzeile kopf)
{
    Listenergebnis ergebnis;
    const QByteArray bom("\xEF\xBB\xBF");
    const Tabelle zerlegt = zerlegeTabellentext(inhalt.startsWith(bom) ? inhalt.mid(bom.size()) : inhalt);
    if (!zerlegt.Fehler.isEmpty()) {
        ergebnis.Meldung = zerlegt.Fehler;
        return ergebnis;
    }
    std::vector<const Datensatz*> saetze;
    for (const Datensatz& satz : zerlegt.Saetze)
        if (!alleLeer(satz))
            saetze.push_back(&satz);
    ergebnis.UeberschriftVermutet = siehtAusWieUeberschrift(saetze, listenordner);
    ergebnis.UeberschriftUebersprungen =
        !saetze.empty() && (kopf == Kopfzeile::Raten ? ergebnis.UeberschriftVermutet : kopf == Kopfzeile::Ueberschrift);
    if (!saetze.empty())
        for (const QByteArray& feld : karten(*saetze.front()))
            ergebnis.Kopf += QString::fromUtf8(feld).trimmed();
    ergebnis.Sprachen = ergebnis.UeberschriftUebersprungen ? spaltensprachen(ergebnis.Kopf) : std::nullopt;
    Listenpruefung pruefung(listenordner);
    for (std::size_t i = ergebnis.UeberschriftUebersprungen ? 1 : 0; i < saetze.size(); ++i) {
        const Datensatz& satz = *saetze[i];
        const int zeile = satz.Zeile;
        bool gut = true;
        for (std::size_t k = 3; k < satz.Felder.size(); ++k)
            if (!istLeer(satz.Felder[k])) {
                pruefung.fehler(zeile, int(k) + 1,
                                QStringLiteral("Eine Zeile hat nur drei Spalten: die erste und die zweite Karte "
                                               "und einen Ton."));
                gut = false;
                break;
            }
        const QByteArray erstes = satz.Felder[0];
        const QByteArray zweites = satz.Felder.size() > 1 ? satz.Felder[1] : QByteArray();
        if (istLeer(erstes)) {
            pruefung.fehler(zeile, 1, QStringLiteral("Die erste Karte fehlt."));
            continue;
        }
        Paarangabe paar;
        const std::optional<Kartenangabe> erste = pruefung.karte(erstes, zeile, 1);
        if (erste)
            paar.Erste = *erste;
        if (istLeer(zweites)) {
            if (erste && !erste->istFoto() && !erste->istNurTon()) {
                pruefung.fehler(zeile, 2, QStringLiteral("Die zweite Karte fehlt; allein stehen darf nur ein Foto, "
                                                         "das dann zweimal gezeigt wird."));
                gut = false;
            }
        } else if (const std::optional<Kartenangabe> zweite = pruefung.karte(zweites, zeile, 2))
            paar.Zweite = *zweite;
        else
            gut = false;
        if (gut && erste && satz.Felder.size() > 2 && !istLeer(satz.Felder[2]))
            gut = pruefung.nimmTon(satz.Felder[2], zeile, paar);
        if (gut && erste)
            ergebnis.Paare.push_back(std::move(paar));
    }
    ergebnis.Meldung = pruefung.meldung();
    if (ergebnis.Meldung.isEmpty() && ergebnis.Paare.empty())
        ergebnis.Meldung = QStringLiteral("Die Liste enthält kein Paar.");
    if (!ergebnis.Meldung.isEmpty())
        ergebnis.Paare.clear();
    return ergebnis;
}

Listenergebnis lesePaarliste(const QString& pfad, Kopfzeile kopf)
{
    Listenergebnis ergebnis;
    const QFileInfo info(pfad);
    if (!info.exists()) {
        ergebnis.Meldung = QStringLiteral("Die Liste „%1“ gibt es nicht.").arg(pfad);
        return ergebnis;
    }
    if (!info.isFile()) {
        ergebnis.Meldung = QStringLiteral("„%1“ ist keine Datei; die Liste der Paare muss eine Textdatei sein.").arg(pfad);
        return ergebnis;
    }
    Lesedatei datei(pfad);
    QByteArray inhalt;
    const Lesedatei::Lesen gelesen = datei.offen() ? datei.liesAlles(inhalt, GroesstePaarliste) : Lesedatei::Lesen::Fehler;
    if (gelesen == Lesedatei::Lesen::ZuGross) {
        ergebnis.Meldung = QStringLiteral("Die Liste „%1“ ist zu groß (mehr als %2 MB); eine Liste von Paaren ist "
                                          "viel kleiner.")
                               .arg(pfad)
                               .arg(GroesstePaarliste / (1024 * 1024));
        return ergebnis;
    }
    if (gelesen != Lesedatei::Lesen::Gelesen) {
        ergebnis.Meldung = QStringLiteral("Die Liste „%1“ kann nicht gelesen werden.").arg(pfad);
        return ergebnis;
    }
    return lesePaarlistentext(inhalt, info.absolutePath(), kopf);
}
