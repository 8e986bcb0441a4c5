// The writer's checks: every refusal comes before anything is written, and the plan it writes by.
#include "neuesspiel/SpielschreiberSchritte.h"

#include "board/Bilddateiname.h"
#include "karten/Beschriftung.h"
#include "karten/Fotokarte.h"
#include "karten/Kartenname.h"
#include "neuesspiel/Brettvorschau.h"
#include "neuesspiel/Paaranzahl.h"
#include "neuesspiel/Paarlistendatei.h"
#include "pictures/Bildbeschreibung.h"
#include "platform/Dateikennung.h"
#include "platform/Dateiname.h"
#include "platform/Systemfehler.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace spielschreiber {

namespace {

// Bytes of UTF-8 a JPEG comment holds.
constexpr qsizetype GroessterKartentext = 65533;

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
            return QStringLiteral("Zum Suchmuster %1 gibt es keine Datei.").arg(sichtbarInAnfuehrung(q.Name));
        if (f == ENOENT)
            return QStringLiteral("Das Bild %1 gibt es nicht.").arg(sichtbarInAnfuehrung(q.Name));
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(sichtbarInAnfuehrung(q.Name), systemfehlerText(f));
    }
    // Only plain files: opening a pipe or a device could wait for ever.
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: keine Bilddatei.").arg(sichtbarInAnfuehrung(q.Name));
    if (::access(roh(q.Pfad).constData(), R_OK) != 0)
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(sichtbarInAnfuehrung(q.Name), systemfehlerText(errno));
    const QString schluessel = dateikennung(q.Pfad);
    if (gesehen.contains(schluessel))
        return QStringLiteral("Das Bild %1 ist doppelt angegeben.").arg(sichtbarInAnfuehrung(q.Name));
    gesehen.insert(schluessel);
    return {};
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
        return QStringLiteral("Der Zielordner %1 kann nicht benutzt werden: %2").arg(sichtbarInAnfuehrung(ziel), systemfehlerText(f));
    if (!S_ISDIR(info.st_mode))
        return sichtbarInAnfuehrung(ziel) + QStringLiteral(" ist eine Datei und kein Ordner.");
    if (!QDir(ziel).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QStringLiteral("Der Zielordner %1 ist nicht leer. Bitte einen neuen oder leeren Ordner angeben.")
            .arg(sichtbarInAnfuehrung(ziel));
    return {};
}

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
                       : paar.mitFoto()         ? QStringLiteral("zum Bild ") + sichtbarInAnfuehrung(fotoDesPaars(paar).name())
                                                : QStringLiteral("Paar %1").arg(paar.Paar);
    return sichtbarInAnfuehrung(karte.Text) + QStringLiteral(" (") + wo + QLatin1Char(')');
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
                    .arg(sichtbarInAnfuehrung(fotoDesPaars(frueher).name()), sichtbarInAnfuehrung(fotoDesPaars(paar).name()),
                         sichtbarInAnfuehrung(karte.Text));
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
                                           .arg(sichtbarInAnfuehrung(karte->Text.left(30) + QChar(0x2026))));
    // A photo or a sound alone is shown twice; a text alone is no pair.
    if (!paar.Erste.istFoto() && !paar.Erste.istNurTon() && paar.Zweite.leer())
        return mitHerkunft(paar.Zweite.Herkunft.isEmpty() ? paar.Erste : paar.Zweite,
                           QStringLiteral("Zum Text %1 fehlt die zweite Karte.").arg(sichtbarInAnfuehrung(paar.Erste.Text)));
    return {};
}

// Refusal of the game to be replaced; empty when it is a folder.
QString altesSpielFehler(const QString& ziel)
{
    struct stat info {};
    const int f = statFehler(ziel, info);
    if (f == ENOENT)
        return QStringLiteral("Das Spiel %1 gibt es nicht.").arg(sichtbarInAnfuehrung(ziel));
    if (f != 0)
        return QStringLiteral("Das Spiel %1 kann nicht benutzt werden: %2").arg(sichtbarInAnfuehrung(ziel), systemfehlerText(f));
    if (!S_ISDIR(info.st_mode))
        return sichtbarInAnfuehrung(ziel) + QStringLiteral(" ist eine Datei und kein Ordner.");
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
                            .arg(sichtbarInAnfuehrung(karte->Text.simplified().left(30).trimmed() + QChar(0x2026)))
                            .arg(MinNamenPixel);
        }
    return {};
}

} // namespace

Schritt pruefePaare(const NeuesSpiel& auftrag, Plan& plan)
{
    const Paarangaben paare = alsPaare(auftrag);
    for (std::size_t i = 0; i < paare.size(); ++i) {
        const int nummer = int(i) + 1;
        Paarplan paar{nummer, paare[i].Erste, paare[i].Zweite, bilddateiname(nummer, false), bilddateiname(nummer, true), {}, {}};
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

Schritt bereiteToeneVor(const NeuesSpiel& auftrag, Plan& plan)
{
    // Every refused sound at once, as a list's own refusals: one fix each, not one run each.
    QStringList fehlerliste;
    for (Paarplan& paar : plan.Paare)
        for (const bool zweite : {false, true}) {
            const Kartenangabe& karte = zweite ? paar.Zweite : paar.Erste;
            if (karte.Ton.isEmpty())
                continue;
            if (auftrag.Abgebrochen && auftrag.Abgebrochen())
                return abgebrochen();
            QString fehler;
            (zweite ? paar.TonB : paar.TonA) =
                bereiteTonVor(karte.Ton, sichtbar(karte.tonanzeige()), imAltenSpiel(auftrag, plan, karte.Ton), fehler);
            if (!fehler.isEmpty())
                fehlerliste += mitHerkunft(karte.tonHerkunft(), fehler);
        }
    if (!fehlerliste.isEmpty())
        return abgelehnt(fehlerzeilen(fehlerliste) + NichtsGeschrieben);
    return {};
}

} // namespace spielschreiber
