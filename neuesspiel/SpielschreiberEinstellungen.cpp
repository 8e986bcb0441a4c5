// The game's settings file and card back, and when editing the old game's other files.
#include "neuesspiel/SpielschreiberSchritte.h"

#include "board/Einstellungsvorlage.h"
#include "karten/Kartentext.h"
#include "karten/Spielordnerpruefung.h"
#include "neuesspiel/Entwurf.h"
#include "pictures/BmpLeser.h"
#include "platform/Dateikopie.h"
#include "platform/Dateischreiben.h"
#include "platform/Lesedatei.h"
#include "platform/PaarlixFehler.h"
#include "platform/Spieldateien.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace spielschreiber {

namespace {

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

} // namespace

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

} // namespace spielschreiber
