#pragma once

#include <QString>

inline constexpr int MinBilder = 2;

// Why `anzahl` pictures, or pairs of the list file `liste`, are too few for a
// game; empty when they are enough.
// Whether they fit a screen is the board's question (Brettwahl.h).
QString anzahlFehler(int anzahl, const QString& liste = {});
