#pragma once

#include <QString>

// Texts of the errors that end the caller's operation. A file name is
// inserted in one pass, so a '%' in it stays as it is.
QString textNichtOeffnenbar(const QString& dateiname);
QString textZuGross(const QString& dateiname, long long breite, long long hoehe);
// A file refused by its length before it is read; grenze in bytes.
QString textDateiZuGross(const QString& dateiname, qint64 grenze);
// "JPEG-Fehlernr. N." as the first line, then the file's name and what the
// error means for the common numbers; abgeschnitten: the file ended early.
QString textJpegFehler(const QString& dateiname, int fehlernummer, bool abgeschnitten);
QString textKeinePixel(const QString& dateiname, long long breite, long long hoehe);
