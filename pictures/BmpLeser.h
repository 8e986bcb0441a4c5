#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads a BMP file with Qt's reader (format forced, content not sniffed).
// Returns Format_RGB32, or Format_ARGB32 for a file with alpha. Throws
// EPaarlixFehler: "Datei %s kann nicht geöffnet werden", "Bitmap ist ungültig",
// or a refusal of a picture too large or without pixels.
QImage leseBmp(const QString& dateiname);

// Checks that the headers of a BMP file fit its length, so that the reader
// can never hand back pixels it did not read. Throws as leseBmp does.
void pruefeBmpDaten(const QByteArray& daten, const QString& dateiname);
