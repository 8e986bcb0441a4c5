#pragma once

#include "platform/Dateischreiben.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Writes one file whole, replacing one that is there. Returns errno, or 0.
using Dateischreiber = std::function<int(const QString& pfad, const QByteArray& daten)>;

// Writes the demo game into `ordner` (created when missing; existing files
// are overwritten): "Kartentext.bmp", the pictures 01a.jpg to 15b.jpg and
// "Paarlix.ini" last. Then reads every file back. Returns what went wrong, one
// line per problem; empty when the folder is complete and right. The first file
// that cannot be written ends it with one line naming the folder and the cause
// ("… Auf dem Datenträger ist kein Platz mehr."). A folder that went wrong holds
// no "Paarlix.ini", so it is never taken for a game.
QStringList schreibeSpielordner(const QString& ordner, const Dateischreiber& schreibe = schreibeDateiGanz);
