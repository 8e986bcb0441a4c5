#pragma once

#include <QString>
#include <QStringList>

#include <vector>

inline constexpr int MinBilder = 2;

// The text of a name card: the file name without folder and without its last
// extension, blanks trimmed ("Oma Erna.jpg" gives "Oma Erna"). A name that
// is only an extension (".jpg") stays whole.
QString kartenname(const QString& dateipfad);

// What becomes of one given picture: pair `paar`, written as zielA and zielB.
struct Bildauftrag {
    QString quelle;
    int paar = 0;
    QString zielA;
    QString zielB;
    QString name; // text of the name card for zielB; empty: zielB is the picture again
};

// One pair per picture, numbered in the order given.
std::vector<Bildauftrag> planeBilder(const QStringList& quellen, bool mitNamen);

// Why `anzahl` pictures are too few for a game; empty when they are enough.
// Whether they fit a screen is the board's question (Brettwahl.h).
QString anzahlFehler(int anzahl);
