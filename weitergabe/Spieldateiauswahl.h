#pragma once

#include "pictures/HeifLeser.h"

#include <QString>

// Whether the game reads a file of this name in its folder: "Paarlix.ini",
// "Kartentext.bmp", the cards ("01a.jpg" … "100b.jpg", also ".jpeg") and
// their sounds, each in any case of A to Z as the game finds them. Names
// with a folder part are never read.
bool liestDasSpiel(const QString& name);

// Whether name is the settings file as the game finds it.
bool istEinstellungsdatei(const QString& name);

// No file of a game is larger than the largest picture file the game reads.
inline constexpr qint64 GroessteSpieldatei = GroessteHeifDatei;
