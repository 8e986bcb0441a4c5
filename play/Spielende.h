#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <optional>

// How a game ended: both groups' points, or the single player's moves.
struct Spielausgang {
    int AnzahlGruppen = 2;
    std::array<int, 2> Punkte{};
    int Spielzuege = 0;
};

// The result as the ending shows and says it: "Gewonnen: Eltern, 16 zu 14 Punkte!",
// "Unentschieden – 15 zu 15 Punkte!" or "Geschafft in 23 Zügen!". The wording
// fits a name in the singular and in the plural; a name of blanks alone is
// named as an empty one is ("Spieler Nr. 1").
// namen: the groups' full names.
QString ergebnisSatz(const Spielausgang& ausgang, const std::array<QString, 2>& namen);

// The ending panel and its parts.
struct Spielendelage {
    QRect Panel;        // in the board's parent's coordinates
    QRect Ergebnis;     // the result, in the panel
    QRect Bestleistung; // the best-result line, in the panel; empty without one
    QRect Knopf;        // "Nochmal spielen", in the panel
};
// Centred on the board (PKarten's geometry brett) and clear of its frame and
// coordinate strips; on a board too small for it, its top-left corner stays
// clear and it reaches past the board's right or bottom edge.
Spielendelage spielendeLage(const QRect& brett, bool mitBestleistung);

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
