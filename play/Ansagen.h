#pragma once

#include "board/Zellcode.h"
#include "play/Zugschritt.h"

#include <QString>
#include <array>
#include <functional>

// The game after a click, as far as a screen reader is told of it.
struct Ansagestand {
    int AktiveGruppe = 0; // whose turn it is now
    int AnzahlGruppen = 2;
    std::array<int, 2> Punkte{};
    int Spielzuege = 0;
    bool Ende = false; // all cards collected
};

// What is announced after the steps of one click: a pair taken (with the end of
// the game, or whose turn it is now), or a change of turn after covering a
// failed move ("Kein Paar."); empty when the steps hold neither.
// nachher: the game after the steps; namen: the groups' full names;
// bildtext: the picture at a cell as bildText names it ("Bild 07a").
QString ansageZuSchritten(const Zugschritte& schritte, const Ansagestand& nachher,
                          const std::array<QString, 2>& namen, const std::function<QString(Zelle)>& bildtext);

// "Spieler Nr. 1 ist an der Reihe."
QString anDerReiheAnsage(const QString& name);

// The end of the game: who won and by how many points, or the single player's moves.
QString spielendeAnsage(const Ansagestand& stand, const std::array<QString, 2>& namen);

// The accessible name of a group panel: its name, its points, whether it is its
// turn and, for a single player, the moves so far.
QString gruppenpanelName(const QString& name, int punkte, bool anDerReihe, int spielzuege);

// "Ton: NAME" for a card with a sound: named by its picture's description (a
// card that is only a sound carries the sound's name there), else by the sound
// file's name; empty without a sound.
QString tonAnsage(const QString& beschreibung, const QString& tonname);
