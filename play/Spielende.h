#pragma once

#include <QString>
#include <array>
#include <optional>

// How a game ended: both groups' points, or the single player's moves.
struct Spielausgang {
    int AnzahlGruppen = 2;
    std::array<int, 2> Punkte{};
    int Spielzuege = 0;
};

// The result as the ending shows and says it: "Anna gewinnt mit 16 zu 14 Punkten!",
// "Unentschieden – 15 zu 15 Punkte!" or "Geschafft in 23 Zügen!".
// namen: the groups' full names.
QString ergebnisSatz(const Spielausgang& ausgang, const std::array<QString, 2>& namen);

// The single player's result against the best one remembered for the game folder.
struct Bestleistung {
    QString Text;                 // the line under the result
    std::optional<int> Speichern; // the new best to remember, if there is one
};
// gespeichert: what the config holds for the folder; empty or no positive
// number means there is no best yet. zuege >= 1
Bestleistung bestleistung(const QString& gespeichert, int zuege);

// Key in the user's config of the best result for the game folder at this
// canonical path.
QString bestleistungsSchluessel(const QString& ordner);
