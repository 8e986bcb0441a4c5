#pragma once

#include "toene/Ton.h"

#include <QString>

// Writes the sound as Ogg Vorbis (mono) at `ziel`, replacing nothing half:
// written beside it and renamed. Returns why not (German), or empty.
QString schreibeKartenton(const Tonproben& ton, const QString& ziel);
