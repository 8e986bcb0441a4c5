#pragma once

#include "platform/PaarlixFehler.h"

#include <QString>

#include <new>

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
// Lack of memory while the picture dateiname was rendered.
QString textOhneSpeicher(const QString& dateiname);

// Runs a rendering of the picture dateiname. A lack of memory in it ends it
// with an error that names the picture, on a worker thread as on the caller's.
template <typename Darstellung>
decltype(auto) mitBildname(const QString& dateiname, Darstellung&& darstellung)
{
    try {
        return darstellung();
    } catch (const std::bad_alloc&) {
        throw EPaarlixFehler(textOhneSpeicher(dateiname));
    }
}
