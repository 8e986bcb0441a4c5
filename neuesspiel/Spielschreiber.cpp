// Writes a new game: the checks, the draft, the settings, the cards, and the draft put in place.
#include "neuesspiel/Spielschreiber.h"

#include "neuesspiel/Entwurf.h"
#include "neuesspiel/SpielschreiberSchritte.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Dateikopie.h"
#include "platform/Dateiname.h"
#include "platform/PaarlixFehler.h"
#include "platform/Systemfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace spielschreiber {

QByteArray roh(const QString& pfad) { return QFile::encodeName(pfad); }

QString mitHerkunft(const Kartenangabe& karte, const QString& meldung) { return mitHerkunft(karte.Herkunft, meldung); }

QString mitHerkunft(const QString& herkunft, const QString& meldung)
{
    return herkunft.isEmpty() ? meldung : herkunft + QStringLiteral(": ") + meldung;
}

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

Schreibergebnis schreibfehler(const QString& ziel, int f)
{
    return fehlgeschlagen(QStringLiteral("Das Spiel %1 kann nicht geschrieben werden: %2")
                              .arg(sichtbarInAnfuehrung(ziel), systemfehlerText(f))
                          + NichtsGeschrieben);
}

Schritt alsSchritt(const Kopie& k, const QString& ziel)
{
    if (k.Abgebrochen)
        return abgebrochen();
    if (k.Lesefehler || k.Schreibfehler)
        return schreibfehler(ziel, k.Schreibfehler ? k.Schreibfehler : k.Lesefehler);
    return {};
}

bool imAltenSpiel(const NeuesSpiel& auftrag, const Plan& plan, const QString& pfad)
{
    return auftrag.Ersetzen && QFileInfo(pfad).canonicalPath() == plan.Ziel;
}

} // namespace spielschreiber

using namespace spielschreiber;

namespace {

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
                                  .arg(sichtbarInAnfuehrung(oben), systemfehlerText(f)));
    raeumeEntwuerfeAuf(oben);
    if (const int f = entwurf.legeAn(oben, zielInfo.fileName()))
        return fehlgeschlagen(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden: %2")
                                  .arg(sichtbarInAnfuehrung(oben), systemfehlerText(f)));
    return {};
}

// The draft becomes the game, or takes the place of the game it replaces.
Schritt stelleFertig(const NeuesSpiel& auftrag, const Plan& plan, Entwurf& entwurf)
{
    if (auftrag.Ersetzen) {
        if (const int f = entwurf.ersetze(plan.Ziel)) {
            const QString meldung = QStringLiteral("Das Spiel %1 kann nicht ersetzt werden: %2")
                                        .arg(sichtbarInAnfuehrung(plan.Ziel), systemfehlerText(f));
            // It could not even go back: the user must know where it is.
            if (!entwurf.altesSpielBeiseite().isEmpty())
                return fehlgeschlagen(meldung + QStringLiteral(" Das alte Spiel liegt unversehrt in %1.")
                                                    .arg(sichtbarInAnfuehrung(entwurf.altesSpielBeiseite())));
            return fehlgeschlagen(meldung + QStringLiteral(" Es bleibt, wie es war."));
        }
        return {};
    }
    const bool zielDa = QFileInfo(plan.Ziel).isDir();
    entwurf.raeumeSperrdateiWeg();
    if (const int f = gibPlatz(entwurf.pfad(), plan.Ziel, zielDa))
        return fehlgeschlagen(QStringLiteral("Der Zielordner %1 kann nicht angelegt werden: %2")
                                  .arg(sichtbarInAnfuehrung(plan.Ziel), systemfehlerText(f))
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
                 .arg(formatBeschreibung(plan.Format), sichtbarInAnfuehrung(plan.Ziel), auftrag.Programm,
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
