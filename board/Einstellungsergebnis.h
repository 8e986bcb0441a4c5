#pragma once

#include "board/Spieleinstellungen.h"

#include <QString>

// Everything read from "Paarlix.ini": the game settings, what the main window
// has to apply to its own controls, and the message to show after an error.
struct Einstellungsergebnis {
    // Settings read before an error keep their values; the rest stay zero or false.
    Spieleinstellungen Werte;

    // Setting 1. Width and height are the window's outer size, set only for Normal.
    enum class Fensterzustand { NichtGelesen, Maximiert, Normal };
    Fensterzustand Fenster = Fensterzustand::NichtGelesen;
    int FensterBreite = 0;
    int FensterHoehe = 0;

    // Setting 9 as applied: 1 or 2 checks RadioButton1 or RadioButton2;
    // 0 leaves the radio buttons untouched (also when the players are asked).
    int Gruppen = 0;

    // Setting 10 as applied to Edit1 and Edit2; untouched when the players are asked.
    bool Name1Gesetzt = false;
    bool Name2Gesetzt = false;
    QString Name1;
    QString Name2;

    bool EinstellungsFehler = false;

    // Fehlerbox: caption "Fehler", error icon. DateiFehlt: plain box captioned "Paarlix".
    enum class Meldungsform { Keine, Fehlerbox, DateiFehlt };
    Meldungsform Meldungsart = Meldungsform::Keine;
    QString Meldung; // exact text of the box
};
