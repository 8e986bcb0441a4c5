#include "karten/Kartentonablage.h"

#include "platform/Dateikopie.h"
#include "platform/Systemfehler.h"
#include "toene/Tonaufbereitung.h"
#include "toene/Tonleser.h"
#include "toene/Tonschreiber.h"

#include <QFileInfo>

bool hatTonendung(const QString& name)
{
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt >= 0 && Tonendungen.contains(name.mid(punkt + 1), Qt::CaseInsensitive);
}

Kartentonplan bereiteTonVor(const QString& pfad, const QString& name, bool gespeichert, QString& fehler)
{
    const auto abgelehnt = [&](QString grund) {
        while (grund.endsWith(QLatin1Char('.')))
            grund.chop(1);
        fehler = QStringLiteral("Der Ton „%1“ %2.").arg(name, grund);
        return Kartentonplan{};
    };
    const QFileInfo info(pfad);
    if (!info.exists())
        return abgelehnt(QStringLiteral("gibt es nicht"));
    // A pipe or a device could keep the reader waiting for ever.
    if (!info.isFile())
        return abgelehnt(QStringLiteral("ist keine Tondatei"));
    if (gespeichert)
        return {std::nullopt, pfad};
    const Tonergebnis gelesen = leseTon(pfad);
    if (!gelesen)
        return abgelehnt(gelesen.Fehler);
    Tonergebnis aufbereitet = bereiteKartentonAuf(*gelesen.Ton);
    if (!aufbereitet)
        return abgelehnt(aufbereitet.Fehler);
    return {std::move(aufbereitet.Ton), {}};
}

QString legeTonAb(const Kartentonplan& plan, const QString& ziel)
{
    if (plan.Ton)
        return schreibeKartenton(*plan.Ton, ziel);
    const Kopie k = verlinke(plan.Verweis, ziel, {});
    if (const int f = k.Schreibfehler ? k.Schreibfehler : k.Lesefehler)
        return systemfehlerText(f);
    return {};
}
