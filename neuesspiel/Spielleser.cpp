#include "neuesspiel/Spielleser.h"

#include "board/Bilddateiname.h"
#include "board/Einstellungsleser.h"
#include "karten/Kartenkommentar.h"
#include "neuesspiel/Entwurf.h"
#include "platform/Dateiname.h"
#include "platform/Lesedatei.h"
#include "platform/Spieldateien.h"
#include "toene/Kartenton.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <sys/stat.h>

namespace {

// Cards larger than this are not compared byte for byte.
constexpr qint64 GroessterVergleich = 256 * 1024 * 1024;

Kartenangabe karte(const QString& pfad)
{
    const Kartenkommentar kommentar = leseKartenkommentar(pfad);
    Kartenangabe karte{pfad, QString()};
    if (kommentar.Textkarte && !kommentar.Text.isEmpty())
        karte = {QString(), kommentar.Text};
    karte.Ton = kartentonZu(pfad);
    // A sound card without its sound is only its picture.
    if (kommentar.Tonkarte && !karte.Ton.isEmpty())
        karte = {.Ton = karte.Ton, .Tonname = kommentar.Text};
    return karte;
}

QByteArray inhalt(const QString& pfad)
{
    Lesedatei datei(pfad);
    QByteArray daten;
    if (!datei.offen() || datei.liesAlles(daten, GroessterVergleich) != Lesedatei::Lesen::Gelesen)
        return {};
    return daten;
}

// One file linked twice, or the same bytes twice.
bool dasselbeBild(const QString& a, const QString& b)
{
    struct stat ia {}, ib {};
    if (::stat(QFile::encodeName(a).constData(), &ia) != 0 || ::stat(QFile::encodeName(b).constData(), &ib) != 0)
        return false;
    if (ia.st_dev == ib.st_dev && ia.st_ino == ib.st_ino)
        return true;
    if (ia.st_size != ib.st_size)
        return false;
    const QByteArray da = inhalt(a);
    return !da.isEmpty() && da == inhalt(b);
}

} // namespace

Spielinhalt leseSpiel(const QString& ordner)
{
    // A save killed while the game lay aside has it back first.
    raeumeNebenSpielenAuf({ordner});
    Spielinhalt spiel;
    const Spieldateien dateien(ordner);
    const QString ini = QStringLiteral("Paarlix.ini");
    if (!dateien.enthaelt(ini)) {
        spiel.Meldung = QStringLiteral("Im Ordner %1 ist kein Spiel: die Datei „Paarlix.ini“ fehlt.")
                            .arg(sichtbarInAnfuehrung(ordner));
        return spiel;
    }
    const Einstellungsergebnis einstellungen = leseEinstellungsdatei(dateien.pfad(ini));
    if (einstellungen.EinstellungsFehler) {
        spiel.Meldung = QStringLiteral("Das Spiel %1 kann nicht geöffnet werden. %2")
                            .arg(sichtbarInAnfuehrung(ordner),
                                 QString(einstellungen.Meldung).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
        return spiel;
    }
    const Spieleinstellungen& werte = einstellungen.Werte;
    spiel.Format = {werte.FormatX, werte.FormatY, werte.BilderSchneiden};
    spiel.TexteVorlesen = werte.TexteVorlesen;
    spiel.Sprachen = werte.Sprachen;
    for (int paar = 1;; ++paar) {
        const QString a = bilddateiname(paar, false);
        const QString b = bilddateiname(paar, true);
        if (!dateien.enthaelt(a) || !dateien.enthaelt(b))
            break;
        Paarangabe angabe{karte(dateien.pfad(a)), karte(dateien.pfad(b))};
        const bool zweiFotos = angabe.Erste.istFoto() && angabe.Zweite.istFoto();
        if ((zweiFotos || (angabe.Erste.istNurTon() && angabe.Zweite.istNurTon()))
            && dasselbeBild(dateien.pfad(a), dateien.pfad(b)))
            angabe.Zweite = {};
        spiel.Paare.push_back(angabe);
    }
    spiel.MitNamen = std::any_of(spiel.Paare.begin(), spiel.Paare.end(), [](const Paarangabe& p) { return p.Erste.istFoto(); })
        && std::all_of(spiel.Paare.begin(), spiel.Paare.end(), [](const Paarangabe& p) {
               return !p.Erste.istFoto() || (!p.Zweite.istFoto() && !p.Zweite.Text.isEmpty());
           });
    // The writer also gives setting 12 when a board with empty places deals every pair;
    // that is no choice of the user's, and it must not hold back pairs added later.
    if (werte.PaareJeRunde < int(spiel.Paare.size()))
        spiel.JeRunde = werte.PaareJeRunde;
    if (spiel.Paare.empty())
        spiel.Meldung = QStringLiteral("Im Ordner %1 ist kein Spiel: es gibt keine Bildpaare („01a.jpg“ und „01b.jpg“).")
                            .arg(sichtbarInAnfuehrung(ordner));
    return spiel;
}
