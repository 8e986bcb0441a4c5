#include "pictures/Bildfehler.h"

QString textNichtOeffnenbar(const QString& dateiname)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(dateiname);
}

QString textZuGross(const QString& dateiname, long long breite, long long hoehe)
{
    return QStringLiteral("Das Bild \"%1\" ist mit %2 x %3 Pixeln zu groß")
        .arg(dateiname, QString::number(breite), QString::number(hoehe));
}

QString textKeinePixel(const QString& dateiname, long long breite, long long hoehe)
{
    return QStringLiteral("Das Bild \"%1\" hat keine Pixel (%2 x %3)")
        .arg(dateiname, QString::number(breite), QString::number(hoehe));
}

QString textDateiZuGross(const QString& dateiname, qint64 grenze)
{
    return QStringLiteral("Die Datei %1 ist größer als %2 MB und wird nicht gelesen")
        .arg(dateiname, QString::number(grenze / (1024 * 1024)));
}
