#pragma once

#include <QString>
#include <QStringList>

// Writes the demo game into `ordner` (created when missing; existing files
// are overwritten): "Paarlix.ini", "Kartentext.bmp" and the pictures 01a.jpg
// to 15b.jpg. Then reads every file back. Returns what went wrong, one line
// per problem; empty when the folder is complete and right.
QStringList schreibeSpielordner(const QString& ordner);
