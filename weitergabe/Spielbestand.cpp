#include "weitergabe/Spielbestand.h"

#include "board/Bilddateiname.h"
#include "board/Einstellungsleser.h"
#include "board/Paarziehung.h"
#include "board/Spielauswahl.h"
#include "platform/Spieldateien.h"
#include "toene/Kartenton.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

Spielbestand spielbestand(const QString& ordner)
{
    Spielbestand b;
    if (!istSpielordner(ordner)) {
        b.Meldung = keinSpielMeldung(ordner);
        return b;
    }
    const Spieldateien dateien(ordner);
    const QString einstellungen = QStringLiteral("Paarlix.ini");
    const Einstellungsergebnis gelesen = leseEinstellungsdatei(dateien.pfad(einstellungen));
    if (gelesen.EinstellungsFehler) {
        b.Meldung = QStringLiteral("„%1“: %2").arg(QDir::toNativeSeparators(dateien.pfad(einstellungen)),
                                                    QString(gelesen.Meldung).replace(QStringLiteral("\n\r"), QStringLiteral(" ")));
        return b;
    }
    b.Paare = std::max(vorhandenePaare(dateien), paareJeRunde(gelesen.Werte));
    QStringList namen = {einstellungen, QStringLiteral("Kartentext.bmp")};
    namen += austeilDateinamen(2 * b.Paare);
    for (const QString& name : namen) {
        if (!dateien.enthaelt(name)) {
            b.Meldung = QStringLiteral("Zum Spiel fehlt die Datei „%1“.")
                            .arg(QDir::toNativeSeparators(QDir(ordner).filePath(name)));
            return b;
        }
        b.Dateien += QFileInfo(dateien.pfad(name)).fileName();
        // A card's sound travels with it; the settings and card back have none.
        if (const QString ton = kartentonZu(dateien, name); !ton.isEmpty() && name.endsWith(QLatin1String(".jpg")))
            b.Dateien += QFileInfo(ton).fileName();
    }
    return b;
}
