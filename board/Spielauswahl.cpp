#include "board/Spielauswahl.h"

#include "board/Bilddateiname.h"
#include "board/Einstellungsleser.h"
#include "platform/Nutzerkonfiguration.h"
#include "platform/Spieldateien.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Einstellungsdatei = QStringLiteral("Paarlix.ini");

// One spelling per folder, so that "a/" and "a" are one game.
QString sauber(const QString& ordner) { return QDir::cleanPath(QFileInfo(ordner).absoluteFilePath()); }

} // namespace

bool istSpielordner(const QString& ordner)
{
    return QFileInfo(ordner).isDir() && QFileInfo(Spieldateien(ordner).pfad(Einstellungsdatei)).isFile();
}

QString keinSpielMeldung(const QString& ordner)
{
    return QStringLiteral("In „%1“ liegt kein Paarlix-Spiel.").arg(QDir::toNativeSeparators(ordner));
}

QStringList letzteSpiele(const Nutzerkonfiguration& konfiguration)
{
    QStringList spiele;
    for (const QString& ordner : konfiguration.liste(LetzteSpieleSchluessel)) {
        const QString s = sauber(ordner);
        if (!ordner.isEmpty() && !spiele.contains(s) && istSpielordner(s))
            spiele += s;
        if (spiele.size() == MaxLetzteSpiele)
            break;
    }
    return spiele;
}

bool merkeSpiel(Nutzerkonfiguration& konfiguration, const QString& ordner)
{
    const QString s = sauber(ordner);
    // Applied again on the list as saved then: a game another instance remembered meanwhile stays.
    konfiguration.aendereListe(LetzteSpieleSchluessel, [s](const QStringList& gespeichert) {
        QStringList spiele;
        for (const QString& eintrag : gespeichert) {
            const QString o = sauber(eintrag);
            if (!eintrag.isEmpty() && o != s && !spiele.contains(o) && istSpielordner(o))
                spiele += o;
        }
        spiele.prepend(s);
        while (spiele.size() > MaxLetzteSpiele)
            spiele.removeLast();
        return spiele;
    });
    return konfiguration.speichere();
}

Spieluebersicht spieluebersicht(const QString& ordner)
{
    const Spieldateien dateien(ordner);
    Spieluebersicht u;
    u.Name = QFileInfo(sauber(ordner)).fileName();
    const Einstellungsergebnis e = leseEinstellungsdatei(dateien.pfad(Einstellungsdatei), QLocale::system());
    if (e.Meldungsart == Einstellungsergebnis::Meldungsform::Keine && e.Werte.Spalten > 0 && e.Werte.Zeilen > 0)
        u.Brett = QStringLiteral("%1 × %2 Karten").arg(e.Werte.Spalten).arg(e.Werte.Zeilen);
    u.ErsteKarte = dateien.pfad(bilddateiname(1, false));
    return u;
}
