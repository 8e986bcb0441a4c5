#pragma once

#include <QString>
#include <QStringList>

// The files that make a game, as the game itself finds them.
struct Spielbestand {
    // Names in the folder, in the order they are shared: the settings, the
    // card back, then each pair's two cards, pair 1 first, each followed by
    // its sound where it has one.
    QStringList Dateien;
    int Paare = 0;
    QString Meldung; // why the game cannot be shared; empty when it can
};

// Reads the settings in `ordner` with the game's own reader and lists
// "Paarlix.ini", "Kartentext.bmp" and the cards of pairs 1 .. n (with their sounds), where n is
// the pairs a round deals or, when the folder holds more consecutive pairs,
// those (rounds draw from them). Names are found as the game finds them
// (letters in any case, ".jpeg" for ".jpg"). Nothing else belongs to a game.
// A file the game needs and does not find is named in Meldung.
Spielbestand spielbestand(const QString& ordner);
