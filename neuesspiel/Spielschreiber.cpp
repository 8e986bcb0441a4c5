#include "neuesspiel/Spielschreiber.h"

#include "karten/Beschriftung.h"
#include "board/Bilddateiname.h"
#include "neuesspiel/Brettvorschau.h"
#include "karten/Kartenname.h"
#include "neuesspiel/Paaranzahl.h"
#include "board/Einstellungsvorlage.h"
#include "neuesspiel/Entwurf.h"
#include "board/Kartenformat.h"
#include "karten/Fotokarte.h"
#include "karten/Kartentext.h"
#include "karten/Kartentonablage.h"
#include "karten/Spielordnerpruefung.h"
#include "karten/Textkarte.h"
#include "karten/Tonkarte.h"
#include "platform/Lesedatei.h"
#include "platform/Spieldateien.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/Bildbeschreibung.h"
#include "pictures/BmpLeser.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Dateikennung.h"
#include "platform/Dateikopie.h"
#include "platform/Dateiname.h"
#include "platform/Dateischreiben.h"
#include "platform/PaarlixFehler.h"
#include "platform/Systemfehler.h"
#include "toene/Kartenton.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// From this many pictures on, every line carries a progress count.
constexpr int FortschrittAb = 20;
// Bytes of UTF-8 a JPEG comment holds.
constexpr qsizetype GroessterKartentext = 65533;

const QString NichtsGeschrieben = QStringLiteral(" Es wurde nichts geschrieben.");

QString inAnfuehrung(const QString& text) { return QStringLiteral("„") + sichtbar(text) + QStringLiteral("“"); }

QByteArray roh(const QString& pfad) { return QFile::encodeName(pfad); }

// A word for the shell: quoted when it holds anything but plain characters.
QString fuerDieShell(const QString& wort)
{
    static const QString einfach = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,:@%");
    for (const QChar c : wort)
        if (!einfach.contains(c))
            return sichtbar('\'' + QString(wort).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + '\'');
    return wort;
}

// errno of stat(), or 0.
int statFehler(const QString& pfad, struct stat& info)
{
    return ::stat(roh(pfad).constData(), &info) == 0 ? 0 : errno;
}

struct Quelle {
    QString Pfad; // what is opened
    QString Name; // what the user gave
};

// Refusal of a given picture that is missing, no plain file or given twice.
QString quellFehler(const Quelle& q, QSet<QString>& gesehen)
{
    struct stat info {};
    if (const int f = statFehler(q.Pfad, info)) {
        // The shell hands over a pattern that matched nothing as it is.
        if (f == ENOENT && (q.Name.contains('*') || q.Name.contains('?') || q.Name.contains('[')))
            return QStringLiteral("Zum Suchmuster %1 gibt es keine Datei.").arg(inAnfuehrung(q.Name));
        if (f == ENOENT)
            return QStringLiteral("Das Bild %1 gibt es nicht.").arg(inAnfuehrung(q.Name));
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(inAnfuehrung(q.Name), systemfehlerText(f));
    }
    // Only plain files: opening a pipe or a device could wait for ever.
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: keine Bilddatei.").arg(inAnfuehrung(q.Name));
    if (::access(roh(q.Pfad).constData(), R_OK) != 0)
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(inAnfuehrung(q.Name), systemfehlerText(errno));
    const QString schluessel = dateikennung(q.Pfad);
    if (gesehen.contains(schluessel))
        return QStringLiteral("Das Bild %1 ist doppelt angegeben.").arg(inAnfuehrung(q.Name));
    gesehen.insert(schluessel);
    return {};
}

// A refusal about a card starts with where the user gave it.
QString mitHerkunft(const Kartenangabe& karte, const QString& meldung)
{
    return karte.Herkunft.isEmpty() ? meldung : karte.Herkunft + QStringLiteral(": ") + meldung;
}

// Texts that read the same on two cards: trimmed, composed, case folded.
QString textschluessel(const QString& text)
{
    return text.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

// Refusal of the target folder; empty when the game can go there.
QString zielFehler(const QString& ziel)
{
    struct stat info {};
    const int f = statFehler(ziel, info);
    if (f == ENOENT)
        return {};
    if (f != 0)
        return QStringLiteral("Der Zielordner %1 kann nicht benutzt werden: %2").arg(inAnfuehrung(ziel), systemfehlerText(f));
    if (!S_ISDIR(info.st_mode))
        return inAnfuehrung(ziel) + QStringLiteral(" ist eine Datei und kein Ordner.");
    if (!QDir(ziel).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QStringLiteral("Der Zielordner %1 ist nicht leer. Bitte einen neuen oder leeren Ordner angeben.")
            .arg(inAnfuehrung(ziel));
    return {};
}

// Gives the finished draft its place. An existing empty target keeps its
// folder (it may be the shell's working folder): the files move into it, and
// back again if one cannot. Returns errno, or 0.
int gibPlatz(const QString& entwurf, const QString& ziel, bool zielDa)
{
    if (!zielDa) {
        // Folders made by mkdtemp are private; a game folder is not.
        ::chmod(roh(entwurf).constData(), 0755);
        return ::rename(roh(entwurf).constData(), roh(ziel).constData()) == 0 ? 0 : errno;
    }
    const QDir von(entwurf);
    const QDir nach(ziel);
    QStringList verschoben;
    for (const QString& datei : von.entryList(QDir::Files)) {
        if (::rename(roh(von.filePath(datei)).constData(), roh(nach.filePath(datei)).constData()) != 0) {
            const int f = errno;
            for (const QString& zurueck : verschoben)
                ::rename(roh(nach.filePath(zurueck)).constData(), roh(von.filePath(zurueck)).constData());
            return f;
        }
        verschoben += datei;
    }
    return 0;
}

using Ausgang = Schreibergebnis::Ausgang;

Schreibergebnis beendet(Ausgang art, QString meldung)
{
    Schreibergebnis e;
    e.Art = art;
    e.Meldung = meldung.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return e;
}

Schreibergebnis abgelehnt(const QString& meldung) { return beendet(Ausgang::Abgelehnt, meldung); }
Schreibergebnis fehlgeschlagen(const QString& meldung) { return beendet(Ausgang::Fehlgeschlagen, meldung); }
Schreibergebnis abgebrochen()
{
    return beendet(Ausgang::Abgebrochen, QStringLiteral("Abgebrochen.") + NichtsGeschrieben);
}

// A failure while writing names the game, not the hidden draft.
Schreibergebnis schreibfehler(const QString& ziel, int f)
{
    return fehlgeschlagen(QStringLiteral("Das Spiel %1 kann nicht geschrieben werden: %2")
                              .arg(inAnfuehrung(ziel), systemfehlerText(f))
                          + NichtsGeschrieben);
}

// One pair as it is written: its two cards; an empty second card is the
// first card's photo again.
struct Paarplan {
    int Paar = 0;
    Kartenangabe Erste;
    Kartenangabe Zweite;
    QString ZielA;
    QString ZielB;
    Kartentonplan TonA; // the cards' sounds, made before anything is written
    Kartentonplan TonB;
    bool mitFoto() const { return Erste.istFoto() || Zweite.istFoto(); }
};

// What the checks found out, for the writing.
struct Plan {
    std::vector<Paarplan> Paare;
    QString Ziel; // absolute and clean; when editing, canonical
    Kartenformat Format;
    Spielfeld Feld;
};

// No result: go on.
using Schritt = std::optional<Schreibergebnis>;

// Today's request of pictures, each with itself or its name, as pairs.
Paarangaben alsPaare(const NeuesSpiel& auftrag)
{
    if (!auftrag.Paare.empty())
        return auftrag.Paare;
    Paarangaben paare;
    for (qsizetype i = 0; i < auftrag.Bilder.size(); ++i) {
        Paarangabe paar;
        paar.Erste.Foto = auftrag.Bilder[i];
        paar.Erste.Anzeigename = auftrag.Anzeigenamen.value(i);
        if (auftrag.MitNamen)
            // Names typed in the new-game window replace the file names.
            paar.Zweite.Text = auftrag.Namen.size() == auftrag.Bilder.size() ? auftrag.Namen[i]
                                                                               : kartenname(paar.Erste.name());
        paare.push_back(paar);
    }
    return paare;
}

const Kartenangabe& fotoDesPaars(const Paarplan& paar) { return paar.Erste.istFoto() ? paar.Erste : paar.Zweite; }

// How a refusal names a text card: its text, and where it was given.
QString textstelle(const Paarplan& paar, const Kartenangabe& karte)
{
    const QString wo = !karte.Herkunft.isEmpty() ? karte.Herkunft
                       : paar.mitFoto()         ? QStringLiteral("zum Bild ") + inAnfuehrung(fotoDesPaars(paar).name())
                                                : QStringLiteral("Paar %1").arg(paar.Paar);
    return inAnfuehrung(karte.Text) + QStringLiteral(" (") + wo + QLatin1Char(')');
}

// Two text cards that read the same on different pairs make a game that cannot be won fairly.
QString textFehler(const std::vector<Paarplan>& paare)
{
    QHash<QString, QPair<int, bool>> erster; // pair index, second card
    for (int i = 0; i < int(paare.size()); ++i)
        for (const bool zweite : {false, true}) {
            const Paarplan& paar = paare[std::size_t(i)];
            const Kartenangabe& karte = zweite ? paar.Zweite : paar.Erste;
            if (karte.istFoto() || karte.Text.isEmpty())
                continue;
            const QString schluessel = textschluessel(karte.Text);
            const auto da = erster.constFind(schluessel);
            if (da == erster.constEnd()) {
                erster.insert(schluessel, {i, zweite});
                continue;
            }
            if (da->first == i)
                continue;
            const Paarplan& frueher = paare[std::size_t(da->first)];
            const Kartenangabe& andere = da->second ? frueher.Zweite : frueher.Erste;
            if (frueher.mitFoto() && paar.mitFoto() && andere.Herkunft.isEmpty() && karte.Herkunft.isEmpty())
                return QStringLiteral("Die Bilder %1 und %2 ergeben dieselbe Namenskarte %3; zwei gleiche Karten "
                                      "ließen sich nicht gerecht zuordnen. Bitte eines der Bilder umbenennen.")
                    .arg(inAnfuehrung(fotoDesPaars(frueher).name()), inAnfuehrung(fotoDesPaars(paar).name()),
                         inAnfuehrung(karte.Text));
            return mitHerkunft(karte, QStringLiteral("Die Karten %1 und %2 zeigen denselben Text; zwei gleiche "
                                                     "Karten ließen sich nicht gerecht zuordnen. Bitte einen der "
                                                     "Texte ändern.")
                                          .arg(textstelle(frueher, andere), textstelle(paar, karte)));
        }
    return {};
}

// Refusal of a pair whose cards cannot be read as a pair; empty when they can.
QString paarFehler(const Paarplan& paar)
{
    if (paar.Erste.leer() && paar.Zweite.leer())
        return mitHerkunft(paar.Erste, QStringLiteral("Paar %1 hat keine Karten.").arg(paar.Paar));
    if (paar.Erste.leer())
        return mitHerkunft(paar.Erste, QStringLiteral("Zu Paar %1 fehlt die erste Karte.").arg(paar.Paar));
    for (const Kartenangabe* karte : {&paar.Erste, &paar.Zweite})
        // The text goes into the card's JPEG comment, whose length is limited.
        if (!karte->istFoto() && karte->Text.toUtf8().size() > GroessterKartentext)
            return mitHerkunft(*karte, QStringLiteral("Der Text %1 ist für eine Karte zu lang.")
                                           .arg(inAnfuehrung(karte->Text.left(30) + QChar(0x2026))));
    // A photo or a sound alone is shown twice; a text alone is no pair.
    if (!paar.Erste.istFoto() && !paar.Erste.istNurTon() && paar.Zweite.leer())
        return mitHerkunft(paar.Zweite.Herkunft.isEmpty() ? paar.Erste : paar.Zweite,
                           QStringLiteral("Zum Text %1 fehlt die zweite Karte.").arg(inAnfuehrung(paar.Erste.Text)));
    return {};
}

// The photos exist, are plain files, each in one pair; the pairs are enough,
// and no two text cards read the same.
Schritt pruefePaare(const NeuesSpiel& auftrag, Plan& plan)
{
    const Paarangaben paare = alsPaare(auftrag);
    for (std::size_t i = 0; i < paare.size(); ++i) {
        const int nummer = int(i) + 1;
        Paarplan paar{nummer, paare[i].Erste, paare[i].Zweite, bilddateiname(nummer, false), bilddateiname(nummer, true)};
        for (Kartenangabe* karte : {&paar.Erste, &paar.Zweite})
            if (!karte->istFoto())
                karte->Text = ohneFormatzeichen(karte->Text).trimmed();
        // The first photo given again is the pair of one photo.
        if (paar.Erste.istFoto() && paar.Zweite.istFoto()) {
            const QString a = dateikennung(paar.Erste.Foto);
            if (!a.isEmpty() && a == dateikennung(paar.Zweite.Foto))
                paar.Zweite = {};
        }
        plan.Paare.push_back(paar);
    }
    // Missing pictures first: a pattern the shell did not expand arrives as one picture.
    QSet<QString> gesehen;
    for (const Paarplan& paar : plan.Paare) {
        if (const QString f = paarFehler(paar); !f.isEmpty())
            return abgelehnt(f + NichtsGeschrieben);
        for (const Kartenangabe* karte : {&paar.Erste, &paar.Zweite})
            if (karte->istFoto())
                if (const QString f = quellFehler({karte->Foto, karte->name()}, gesehen); !f.isEmpty())
                    return abgelehnt(mitHerkunft(*karte, f) + NichtsGeschrieben);
    }
    if (const QString f = anzahlFehler(int(plan.Paare.size()), auftrag.Paare.empty() ? QString() : auftrag.Liste);
        !f.isEmpty())
        return abgelehnt(f);
    if (const QString f = textFehler(plan.Paare); !f.isEmpty())
        return abgelehnt(f + NichtsGeschrieben);
    return {};
}

// Refusal of the game to be replaced; empty when it is a folder.
QString altesSpielFehler(const QString& ziel)
{
    struct stat info {};
    const int f = statFehler(ziel, info);
    if (f == ENOENT)
        return QStringLiteral("Das Spiel %1 gibt es nicht.").arg(inAnfuehrung(ziel));
    if (f != 0)
        return QStringLiteral("Das Spiel %1 kann nicht benutzt werden: %2").arg(inAnfuehrung(ziel), systemfehlerText(f));
    if (!S_ISDIR(info.st_mode))
        return inAnfuehrung(ziel) + QStringLiteral(" ist eine Datei und kein Ordner.");
    return {};
}

// Refusal of a text that no board on the screen shows readably (a card with a
// one-pixel line is no card); empty when every text can be read.
QString unlesbarerText(const NeuesSpiel& auftrag, const Plan& plan)
{
    for (const Paarplan& paar : plan.Paare)
        for (const Kartenangabe* karte : {&paar.Erste, &paar.Zweite}) {
            if (karte->istFoto() || karte->Text.isEmpty())
                continue;
            if (irgendwoLesbar(karte->Text, plan.Format, auftrag.Bildschirm))
                continue;
            const QString wo = karte->Herkunft.isEmpty() ? QStringLiteral("Paar %1").arg(paar.Paar) : karte->Herkunft;
            return wo + QStringLiteral(": Der Text %1 wäre auch auf der größten Karte weniger als %2 Pixel hoch und "
                                       "nicht zu lesen; bitte kürzen.")
                            .arg(inAnfuehrung(karte->Text.simplified().left(30).trimmed() + QChar(0x2026)))
                            .arg(MinNamenPixel);
        }
    return {};
}

// The target can take a game, the cards can be lettered, and a board fits the screen.
Schritt planeSpiel(const NeuesSpiel& auftrag, Plan& plan)
{
    plan.Ziel = QDir::cleanPath(QFileInfo(auftrag.Ziel).absoluteFilePath());
    if (auftrag.Ersetzen) {
        if (const QString f = altesSpielFehler(plan.Ziel); !f.isEmpty())
            return abgelehnt(f + NichtsGeschrieben);
        // The folder itself is replaced, not a link to it; its best results are kept by this path.
        plan.Ziel = QFileInfo(plan.Ziel).canonicalFilePath();
    } else if (const QString f = zielFehler(plan.Ziel); !f.isEmpty()) {
        return abgelehnt(f);
    }
    // Without any font the card back and the name cards would lack their lettering.
    if (zentrierterText(QStringLiteral("Paarlix"), 40, QPointF(), 1000).isEmpty())
        return fehlgeschlagen(QStringLiteral("Keine Schrift gefunden (Paket fonts-dejavu-core fehlt?)."));
    std::vector<QSize> groessen;
    for (const Paarplan& paar : plan.Paare)
        for (const Kartenangabe* karte : {&paar.Erste, &paar.Zweite}) {
            if (!karte->istFoto())
                continue;
            if (auftrag.Abgebrochen && auftrag.Abgebrochen())
                return abgebrochen();
            if (const QSize g = aufrechteGroesse(karte->Foto); !g.isEmpty())
                groessen.push_back(g);
        }
    const int anzahl = int(plan.Paare.size());
    plan.Format = auftrag.Format ? *auftrag.Format : waehleKartenformat(groessen);
    plan.Feld = waehleSpielfeld(anzahl, auftrag.JeRunde, plan.Format, auftrag.Bildschirm);
    if (!plan.Feld.Gut)
        return abgelehnt(plan.Feld.Fehler + NichtsGeschrieben);
    if (const QString f = unlesbarerText(auftrag, plan); !f.isEmpty())
        return abgelehnt(f + NichtsGeschrieben);
    return {};
}

// Makes the folders above the target and the locked draft beside it, after
// removing the drafts of killed runs there.
Schritt legeEntwurfAn(const Plan& plan, Entwurf& entwurf)
{
    const QFileInfo zielInfo(plan.Ziel);
    const QString oben = zielInfo.absolutePath();
    QStringList angelegt;
    const int f = legeOrdnerAn(oben, angelegt);
    entwurf.merkeAngelegt(angelegt);
    if (f)
        return fehlgeschlagen(QStringLiteral("Der Ordner %1 für das Spiel kann nicht angelegt werden: %2")
                                  .arg(inAnfuehrung(oben), systemfehlerText(f)));
    raeumeEntwuerfeAuf(oben);
    if (const int f = entwurf.legeAn(oben, zielInfo.fileName()))
        return fehlgeschlagen(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden: %2")
                                  .arg(inAnfuehrung(oben), systemfehlerText(f)));
    return {};
}

// A Kopie's failure as the writer's step; none when it went through.
Schritt alsSchritt(const Kopie& k, const QString& ziel)
{
    if (k.Abgebrochen)
        return abgebrochen();
    if (k.Lesefehler || k.Schreibfehler)
        return schreibfehler(ziel, k.Schreibfehler ? k.Schreibfehler : k.Lesefehler);
    return {};
}

// A card file of the game: a number, "a" or "b", ".jpg" or ".jpeg" (or its sound) in any case.
bool istKartendatei(const QString& name)
{
    static const QRegularExpression muster(QStringLiteral("^[0-9]+[ab]\\.(jpe?g|ogg|opus)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return muster.match(name).hasMatch();
}

// The settings, when editing, with the old file's other values kept.
// Setting 13 as the writer writes it.
std::optional<Vorlesesprachen> vorlesen(const NeuesSpiel& auftrag)
{
    return auftrag.TexteVorlesen ? std::optional(auftrag.Sprachen) : std::nullopt;
}

std::optional<QString> behalteneEinstellungen(const NeuesSpiel& auftrag, const Plan& plan, const Spieldateien& alt)
{
    if (!alt.enthaelt(QStringLiteral("Paarlix.ini")))
        return std::nullopt;
    Lesedatei datei = alt.oeffne(QStringLiteral("Paarlix.ini"));
    QByteArray inhalt;
    if (!datei.offen() || datei.liesAlles(inhalt, 1 << 20) != Lesedatei::Lesen::Gelesen)
        return std::nullopt;
    const Brettmass& brett = plan.Feld.Wahl.Brett;
    return einstellungsTextErsetzt(inhalt, brett.Spalten, brett.Zeilen, plan.Format, plan.Feld.PaareJeRunde,
                                   vorlesen(auftrag));
}

// The edited game's card back, when the game can read it.
bool kartentextBrauchbar(const Spieldateien& alt)
{
    if (!alt.enthaelt(QStringLiteral("Kartentext.bmp")))
        return false;
    try {
        leseBmp(QStringLiteral("Kartentext.bmp"), alt);
    } catch (const EPaarlixFehler&) {
        return false;
    }
    return true;
}

// The settings and the card-back overlay, read back and checked; when
// editing, the old settings' other values, the old card back and every
// other file of the old game that is not a card.
Schritt schreibeSpieldateien(const NeuesSpiel& auftrag, const Plan& plan, const QDir& ordner)
{
    const Brettmass& brett = plan.Feld.Wahl.Brett;
    const int jeRunde = plan.Feld.PaareJeRunde;
    const Spieldateien alt = auftrag.Ersetzen ? Spieldateien(plan.Ziel) : Spieldateien();
    const QString ini = ordner.filePath(QStringLiteral("Paarlix.ini"));
    const std::optional<QString> behalten = auftrag.Ersetzen ? behalteneEinstellungen(auftrag, plan, alt) : std::nullopt;
    const QString einstellungen =
        behalten ? *behalten
                 : einstellungsTextMitBrett(brett.Spalten, brett.Zeilen, plan.Format, jeRunde, vorlesen(auftrag));
    if (const int f = schreibeNeueDatei(ini, einstellungen.toUtf8()))
        return schreibfehler(plan.Ziel, f);
    const bool alterKartentext = auftrag.Ersetzen && kartentextBrauchbar(alt);
    const QString bmp = ordner.filePath(QStringLiteral("Kartentext.bmp"));
    if (!alterKartentext) {
        QByteArray kartentext;
        QBuffer kartentextPuffer(&kartentext);
        kartentextPuffer.open(QIODevice::WriteOnly);
        if (!zeichneKartentext().save(&kartentextPuffer, "BMP"))
            return fehlgeschlagen(QStringLiteral("Die Kartenrückseite kann nicht gezeichnet werden.") + NichtsGeschrieben);
        if (const int f = schreibeNeueDatei(bmp, kartentext))
            return schreibfehler(plan.Ziel, f);
    }
    // The kept settings were checked as they were made.
    const QStringList fehler = (behalten ? QStringList()
                                         : pruefeEinstellungsdatei(ini, brett.Spalten, brett.Zeilen, plan.Format, jeRunde))
                               + (alterKartentext ? QStringList() : pruefeKartentext(bmp));
    if (!fehler.isEmpty())
        return fehlgeschlagen(fehler.join('\n') + NichtsGeschrieben);
    if (!auftrag.Ersetzen)
        return {};
    QStringList ohne = {Entwurfssperre, Beiseitemarke, QStringLiteral(".sperre-neu"), QStringLiteral("Paarlix.ini")};
    if (alt.enthaelt(QStringLiteral("Paarlix.ini")))
        ohne += QFileInfo(alt.pfad(QStringLiteral("Paarlix.ini"))).fileName();
    if (!alterKartentext)
        ohne += QStringLiteral("Kartentext.bmp");
    const auto alle = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(plan.Ziel).entryList(alle))
        if (istKartendatei(name))
            ohne += name;
    return alsSchritt(verlinkeOrdner(plan.Ziel, ordner.path(), auftrag.Abgebrochen, ohne), plan.Ziel);
}

// Whether `pfad` is a file of the game being replaced, which is then linked
// into the new version rather than copied.
bool imAltenSpiel(const NeuesSpiel& auftrag, const Plan& plan, const QString& pfad)
{
    return auftrag.Ersetzen && QFileInfo(pfad).canonicalPath() == plan.Ziel;
}

// Every card's sound read and made ready, so that a refused one leaves nothing written.
Schritt bereiteToeneVor(const NeuesSpiel& auftrag, Plan& plan)
{
    for (Paarplan& paar : plan.Paare)
        for (const bool zweite : {false, true}) {
            const Kartenangabe& karte = zweite ? paar.Zweite : paar.Erste;
            if (karte.Ton.isEmpty())
                continue;
            if (auftrag.Abgebrochen && auftrag.Abgebrochen())
                return abgebrochen();
            QString fehler;
            (zweite ? paar.TonB : paar.TonA) =
                bereiteTonVor(karte.Ton, sichtbar(karte.Ton), imAltenSpiel(auftrag, plan, karte.Ton), fehler);
            if (!fehler.isEmpty())
                return abgelehnt(mitHerkunft(karte, fehler) + NichtsGeschrieben);
        }
    return {};
}

// A card's sound beside its picture: "03b.jpg" and "03b.ogg".
Schritt schreibeTon(const Plan& plan, const Kartenangabe& karte, const Kartentonplan& ton, const QDir& ordner,
                    const QString& bild)
{
    if (ton.leer())
        return {};
    if (const QString f = legeTonAb(ton, ordner.filePath(kartentonName(bild))); !f.isEmpty())
        return fehlgeschlagen(mitHerkunft(karte, QStringLiteral("Der Ton %1 kann nicht gespeichert werden: %2")
                                                     .arg(inAnfuehrung(karte.Ton), f))
                              + NichtsGeschrieben);
    return {};
}

// A photo card: a JPEG is checked with the game's own decoder and copied as
// it is, any other picture becomes a JPEG.
Schritt schreibeFoto(const NeuesSpiel& auftrag, const Plan& plan, const Kartenangabe& karte, const QString& ziel,
                     bool& umgewandelt, JpegDekodierer& dekodierer, Arbeitsbitmap& probe)
{
    const bool jpeg = istJpegDatei(karte.Foto);
    umgewandelt = !jpeg;
    const auto unlesbar = [&](const QString& grund) {
        return abgelehnt(mitHerkunft(karte, QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2")
                                                .arg(inAnfuehrung(karte.name()), grund))
                         + NichtsGeschrieben);
    };
    QByteArray umgewandeltesBild;
    if (const QString grund = jpeg ? jpegLesefehler(karte.Foto, dekodierer, probe) : wandleInJpegUm(karte.Foto, umgewandeltesBild);
        !grund.isEmpty())
        return unlesbar((grund.endsWith('.') ? grund.chopped(1) : grund) + QLatin1Char('.'));
    if (!jpeg) {
        if (const int f = schreibeNeueDatei(ziel, umgewandeltesBild))
            return schreibfehler(plan.Ziel, f);
        return {};
    }
    if (imAltenSpiel(auftrag, plan, karte.Foto) && ::link(roh(karte.Foto).constData(), roh(ziel).constData()) == 0)
        return {};
    const Kopie k = kopiere(karte.Foto, ziel, auftrag.Abgebrochen);
    if (k.Abgebrochen)
        return abgebrochen();
    if (k.Lesefehler)
        return unlesbar(systemfehlerText(k.Lesefehler));
    if (k.Schreibfehler)
        return schreibfehler(plan.Ziel, k.Schreibfehler);
    return {};
}

// The side a text card shows: beside a photo it is that photo's name card.
Textseite textseite(const Paarplan& paar, bool zweite)
{
    if (paar.mitFoto())
        return Textseite::ZuFoto;
    return zweite ? Textseite::Zweite : Textseite::Erste;
}

Schritt schreibeText(const Plan& plan, const Paarplan& paar, bool zweite, const QString& ziel)
{
    const Kartenangabe& angabe = zweite ? paar.Zweite : paar.Erste;
    const Textseite seite = textseite(paar, zweite);
    const QByteArray karte = angabe.istNurTon()
        ? tonkartenJpeg(tonkartenName(angabe.Ton, angabe.Tonname), paar.Paar, seite, plan.Format, KartenJpegQualitaet)
        : textkartenJpeg(angabe.Text, paar.Paar, seite, plan.Format, KartenJpegQualitaet);
    if (karte.isEmpty()) {
        const QString art = angabe.istNurTon() ? QStringLiteral("Die Tonkarte %1 kann nicht gezeichnet werden.")
                            : seite == Textseite::ZuFoto ? QStringLiteral("Die Namenskarte %1 kann nicht gezeichnet werden.")
                                                         : QStringLiteral("Die Textkarte %1 kann nicht gezeichnet werden.");
        const QString name = angabe.istNurTon() ? tonkartenName(angabe.Ton, angabe.Tonname) : angabe.Text;
        return fehlgeschlagen(mitHerkunft(angabe, art.arg(inAnfuehrung(name))) + NichtsGeschrieben);
    }
    if (const int f = schreibeNeueDatei(ziel, karte))
        return schreibfehler(plan.Ziel, f);
    return {};
}

// Both cards of one pair; `umgewandelt` tells which photos became JPEGs.
Schritt schreibePaar(const NeuesSpiel& auftrag, const Plan& plan, const Paarplan& paar, const QDir& ordner,
                     bool (&umgewandelt)[2], JpegDekodierer& dekodierer, Arbeitsbitmap& probe)
{
    const QString zielA = ordner.filePath(paar.ZielA);
    const QString zielB = ordner.filePath(paar.ZielB);
    if (Schritt s = paar.Erste.istFoto()
                        ? schreibeFoto(auftrag, plan, paar.Erste, zielA, umgewandelt[0], dekodierer, probe)
                        : schreibeText(plan, paar, false, zielA))
        return s;
    if (Schritt s = schreibeTon(plan, paar.Erste, paar.TonA, ordner, paar.ZielA))
        return s;
    if (paar.Zweite.leer()) {
        if (Schritt s = alsSchritt(verlinke(zielA, zielB, auftrag.Abgebrochen), plan.Ziel); s || paar.TonA.leer())
            return s;
        return alsSchritt(verlinke(ordner.filePath(kartentonName(paar.ZielA)), ordner.filePath(kartentonName(paar.ZielB)),
                                   auftrag.Abgebrochen),
                          plan.Ziel);
    }
    if (Schritt s = paar.Zweite.istFoto()
                        ? schreibeFoto(auftrag, plan, paar.Zweite, zielB, umgewandelt[1], dekodierer, probe)
                        : schreibeText(plan, paar, true, zielB))
        return s;
    return schreibeTon(plan, paar.Zweite, paar.TonB, ordner, paar.ZielB);
}

// The line the command line shows for a pair written: each card and its file.
QString paarzeile(const Plan& plan, const Paarplan& paar, const bool (&umgewandelt)[2])
{
    const int anzahl = int(plan.Paare.size());
    QString zeile;
    if (anzahl >= FortschrittAb)
        zeile = QStringLiteral("[%1/%2] ").arg(paar.Paar, QString::number(anzahl).size()).arg(anzahl);
    const QString inJpeg = QStringLiteral(" (in JPEG umgewandelt)");
    const bool zweiFotos = paar.Erste.istFoto() && paar.Zweite.istFoto();
    const auto karte = [&](const Kartenangabe& k, const QString& datei, bool gewandelt) {
        const QString ton = k.Ton.isEmpty() ? QString() : QStringLiteral(" mit Ton → ") + kartentonName(datei);
        if (k.istNurTon())
            return QStringLiteral("Tonkarte ") + inAnfuehrung(tonkartenName(k.Ton, k.Tonname)) + QStringLiteral(" → ")
                   + datei + ton;
        if (!k.istFoto())
            return (paar.mitFoto() ? QStringLiteral("Namenskarte ") : QStringLiteral("Textkarte "))
                   + inAnfuehrung(k.Text) + QStringLiteral(" → ") + datei + ton;
        return sichtbar(k.name()) + QStringLiteral(" → ") + datei + (zweiFotos && gewandelt ? inJpeg : QString()) + ton;
    };
    zeile += karte(paar.Erste, paar.ZielA, umgewandelt[0]);
    zeile += paar.Zweite.leer() ? QStringLiteral(" und ") + paar.ZielB
                                : QStringLiteral(", ") + karte(paar.Zweite, paar.ZielB, umgewandelt[1]);
    if (!zweiFotos && (umgewandelt[0] || umgewandelt[1]))
        zeile += inJpeg;
    return zeile;
}

// The draft becomes the game, or takes the place of the game it replaces.
Schritt stelleFertig(const NeuesSpiel& auftrag, const Plan& plan, Entwurf& entwurf)
{
    if (auftrag.Ersetzen) {
        if (const int f = entwurf.ersetze(plan.Ziel)) {
            const QString meldung = QStringLiteral("Das Spiel %1 kann nicht ersetzt werden: %2")
                                        .arg(inAnfuehrung(plan.Ziel), systemfehlerText(f));
            // It could not even go back: the user must know where it is.
            if (!entwurf.altesSpielBeiseite().isEmpty())
                return fehlgeschlagen(meldung + QStringLiteral(" Das alte Spiel liegt unversehrt in %1.")
                                                    .arg(inAnfuehrung(entwurf.altesSpielBeiseite())));
            return fehlgeschlagen(meldung + QStringLiteral(" Es bleibt, wie es war."));
        }
        return {};
    }
    const bool zielDa = QFileInfo(plan.Ziel).isDir();
    entwurf.raeumeSperrdateiWeg();
    if (const int f = gibPlatz(entwurf.pfad(), plan.Ziel, zielDa))
        return fehlgeschlagen(QStringLiteral("Der Zielordner %1 kann nicht angelegt werden: %2")
                                  .arg(inAnfuehrung(plan.Ziel), systemfehlerText(f))
                              + NichtsGeschrieben);
    // An emptied draft still goes; a renamed one is the game now.
    if (!zielDa)
        entwurf.behalte();
    return {};
}

QString schlusszeile(const NeuesSpiel& auftrag, const Plan& plan)
{
    const BrettMitLuecken& wahl = plan.Feld.Wahl;
    return (auftrag.Ersetzen ? QStringLiteral("Gespeichert: ") : QStringLiteral("Fertig: "))
           + QStringLiteral("%1 (je %2 × %3 Pixel auf einem Bildschirm von "
                            "%4 × %5), %6, in %7. Starten mit: %8 %9")
                 .arg(spielfeldText(plan.Feld, int(plan.Paare.size()), false))
                 .arg(wahl.Karte.width()).arg(wahl.Karte.height())
                 .arg(auftrag.Bildschirm.width()).arg(auftrag.Bildschirm.height())
                 .arg(formatBeschreibung(plan.Format), inAnfuehrung(plan.Ziel), auftrag.Programm,
                      fuerDieShell(plan.Ziel));
}

Schreibergebnis schreibe(const NeuesSpiel& auftrag)
{
    Plan plan;
    if (Schritt s = pruefePaare(auftrag, plan))
        return *s;
    if (Schritt s = planeSpiel(auftrag, plan))
        return *s;
    if (Schritt s = bereiteToeneVor(auftrag, plan))
        return *s;
    Entwurf entwurf;
    if (Schritt s = legeEntwurfAn(plan, entwurf))
        return *s;
    const QDir ordner(entwurf.pfad());
    if (Schritt s = schreibeSpieldateien(auftrag, plan, ordner))
        return *s;

    JpegDekodierer dekodierer;
    Arbeitsbitmap probe;
    QStringList zeilen;
    const auto mitZeilen = [&zeilen](Schreibergebnis e) {
        e.Zusammenfassung = zeilen;
        return e;
    };
    for (const Paarplan& paar : plan.Paare) {
        if (auftrag.Abgebrochen && auftrag.Abgebrochen())
            return mitZeilen(abgebrochen());
        bool umgewandelt[2] = {false, false};
        if (Schritt s = schreibePaar(auftrag, plan, paar, ordner, umgewandelt, dekodierer, probe))
            return mitZeilen(*s);
        zeilen += paarzeile(plan, paar, umgewandelt);
        if (auftrag.Fortschritt)
            auftrag.Fortschritt(paar.Paar, int(plan.Paare.size()), zeilen.last());
    }
    if (auftrag.Abgebrochen && auftrag.Abgebrochen())
        return mitZeilen(abgebrochen());
    if (Schritt s = stelleFertig(auftrag, plan, entwurf))
        return mitZeilen(*s);
    Schreibergebnis geschrieben = mitZeilen(beendet(Ausgang::Geschrieben, {}));
    geschrieben.Zusammenfassung += schlusszeile(auftrag, plan);
    return geschrieben;
}

} // namespace

Schreibergebnis schreibeNeuesSpiel(const NeuesSpiel& auftrag)
{
    // Runs on a worker of the new-game window: nothing may escape it.
    try {
        return schreibe(auftrag);
    } catch (const std::bad_alloc&) {
        return fehlgeschlagen(QStringLiteral("Das Spiel kann nicht angelegt werden: nicht genug Arbeitsspeicher."));
    } catch (const EPaarlixFehler& f) {
        return fehlgeschlagen(f.text() + NichtsGeschrieben);
    }
}
