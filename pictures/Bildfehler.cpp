#include "pictures/Bildfehler.h"

#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

QString textNichtOeffnenbar(const QString& dateiname)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(dateiname);
}

QString textZuGross(const QString& dateiname, long long breite, long long hoehe)
{
    return QStringLiteral("Das Bild \"%1\" ist mit %2 x %3 Pixeln zu groß")
        .arg(dateiname, QString::number(breite), QString::number(hoehe));
}

QString textOhneSpeicher(const QString& dateiname)
{
    return QStringLiteral("Nicht genügend Arbeitsspeicher.\n\rDas Bild \"%1\" kann nicht dargestellt werden")
        .arg(dateiname);
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

QString textJpegFehler(const QString& dateiname, int fehlernummer, bool abgeschnitten)
{
    QString erklaerung;
    if (abgeschnitten)
        erklaerung = QStringLiteral("Die Datei ist unvollständig: Ihr Ende fehlt");
    else if (fehlernummer == JERR_NO_SOI)
        erklaerung = QStringLiteral("Die Datei ist kein JPEG-Bild, vielleicht ein umbenanntes Bild in einem anderen Format");
    else if (fehlernummer == JERR_INPUT_EMPTY)
        erklaerung = QStringLiteral("Die Datei ist leer");
    else if (fehlernummer == JERR_BAD_PRECISION)
        erklaerung = QStringLiteral("Das Bild hat 12 Bit je Farbwert; gelesen werden nur JPEG-Bilder mit 8 Bit");
    else
        erklaerung = QStringLiteral("Das Bild ist beschädigt oder in einer ungewöhnlichen JPEG-Art gespeichert");
    return QStringLiteral("JPEG-Fehlernr. %1.\n\rDatei: %2\n\r").arg(QString::number(fehlernummer), dateiname)
        + erklaerung;
}
