#pragma once

#include "platform/Spieldateien.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Files larger than this are refused before they are read.
inline constexpr qint64 GroessteBmpDatei = 64 * 1024 * 1024;

// Reads the BMP file dateiname, found through ordner, with Qt's reader
// (format forced, content not sniffed). Returns Format_RGB32, or
// Format_ARGB32 for a file with alpha. Throws EPaarlixFehler: "Datei %s kann
// nicht geöffnet werden", "Bitmap ist ungültig", or a refusal of a file or
// picture too large or without pixels; always with the name looked for.
QImage leseBmp(const QString& dateiname, const Spieldateien& ordner = Spieldateien());

// Checks that the headers of a BMP file fit its length, so that the reader
// can never hand back pixels it did not read. Throws as leseBmp does.
void pruefeBmpDaten(const QByteArray& daten, const QString& dateiname);
