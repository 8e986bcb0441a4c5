#pragma once

#include <QString>
#include <array>

// What a screen reader needs to know of the game to tell what a click changed.
struct Ansagestand {
    int AktiveGruppe = 0;
    int AnzahlGruppen = 2;
    std::array<int, 2> Punkte{};
    int Spielzuege = 0;
    bool Ende = false; // all cards collected
};

// The pair a click has just collected, "a" picture first.
struct GefundenesPaar {
    QString BildA;
    QString BildB;
};

// What is announced after a click: a pair found (and the end of the game it
// brings), or a change of turn; empty when neither happened.
// namen: the groups' full names.
QString ansageNachKlick(const Ansagestand& vorher, const Ansagestand& nachher, const std::array<QString, 2>& namen,
                        const GefundenesPaar& paar);

// "Spieler Nr. 1 ist an der Reihe."
QString anDerReiheAnsage(const QString& name);

// The end of the game: who won and by how many points, or the single player's moves.
QString spielendeAnsage(const Ansagestand& stand, const std::array<QString, 2>& namen);

// The accessible name of a group panel: its name, its points, whether it is its
// turn and, for a single player, the moves so far.
QString gruppenpanelName(const QString& name, int punkte, bool anDerReihe, int spielzuege);
