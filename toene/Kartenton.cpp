#include "toene/Kartenton.h"

#include "platform/Spieldateien.h"

#include <QFileInfo>

namespace {

// The path without its ending ("a/03b.jpg" -> "a/03b"); a dot in a folder's
// name is no ending.
QString ohneEndung(const QString& pfad)
{
    const qsizetype punkt = pfad.lastIndexOf(QLatin1Char('.'));
    if (punkt <= pfad.lastIndexOf(QLatin1Char('/')) + 1)
        return pfad;
    return pfad.left(punkt);
}

} // namespace

QString kartentonZu(const Spieldateien& ordner, const QString& kartenname)
{
    const QString stamm = ohneEndung(kartenname);
    for (const QString& endung : KartentonEndungen) {
        const QString name = stamm + QLatin1Char('.') + endung;
        if (ordner.enthaelt(name))
            return ordner.pfad(name);
    }
    return {};
}

QString kartentonZu(const QString& kartenpfad)
{
    const QFileInfo info(kartenpfad);
    return kartentonZu(Spieldateien(info.path()), info.fileName());
}

QString kartentonName(const QString& kartenpfad)
{
    return ohneEndung(kartenpfad) + QLatin1Char('.') + KartentonEndungen.first();
}
