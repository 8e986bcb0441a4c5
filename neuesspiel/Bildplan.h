#pragma once

#include <QString>
#include <QStringList>

#include <vector>

inline constexpr int MinBilder = 2;

// The text of a name card: the file name without folder and without its last
// extension, blanks trimmed ("Oma Erna.jpg" gives "Oma Erna"). A name that
// is only an extension (".jpg") stays whole.
QString kartenname(const QString& dateipfad);

// What becomes of one given picture: pair `Paar`, written as ZielA and ZielB.
struct Bildauftrag {
    QString Quelle;
    int Paar = 0;
    QString ZielA;
    QString ZielB;
    QString Name; // text of the name card for ZielB; empty: ZielB is the picture again
};

// One pair per picture, numbered in the order given.
std::vector<Bildauftrag> planeBilder(const QStringList& quellen, bool mitNamen);

// Why `anzahl` pictures are too few for a game; empty when they are enough.
// Whether they fit a screen is the board's question (Brettwahl.h).
QString anzahlFehler(int anzahl);
