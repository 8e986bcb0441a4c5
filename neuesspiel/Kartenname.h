#pragma once

#include <QString>
#include <QStringList>

inline constexpr int MinBilder = 2;

// The text of a name card: the file name without folder and without its last
// extension, blanks trimmed ("Oma Erna.jpg" gives "Oma Erna"). A name that
// is only an extension (".jpg") stays whole.
QString kartenname(const QString& dateipfad);

// Why `anzahl` pictures, or pairs of the list file `liste`, are too few for a
// game; empty when they are enough.
// Whether they fit a screen is the board's question (Brettwahl.h).
QString anzahlFehler(int anzahl, const QString& liste = {});
