#pragma once

#include "board/Spieleinstellungen.h"

#include <QString>

// Everything read from "Paarlix.ini": the game settings, what the main window
// has to apply to its own controls, and the message to show after an error.
struct Einstellungsergebnis {
    // Settings read before an error keep their values; the rest stay zero or false.
    Spieleinstellungen werte;

    // Setting 1. Width and height are the window's outer size, set only for Normal.
    enum class Fenster { NichtGelesen, Maximiert, Normal };
    Fenster fenster = Fenster::NichtGelesen;
    int fensterBreite = 0;
    int fensterHoehe = 0;

    // Setting 9 as applied: 1 or 2 checks RadioButton1 or RadioButton2;
    // 0 leaves the radio buttons untouched (also when the players are asked).
    int gruppen = 0;

    // Setting 10 as applied to Edit1 and Edit2; untouched when the players are asked.
    bool name1Gesetzt = false;
    bool name2Gesetzt = false;
    QString name1;
    QString name2;

    bool einstellungsFehler = false;

    // Fehlerbox: caption "Fehler", error icon. DateiFehlt: plain box captioned "Paarlix".
    enum class Meldungsart { Keine, Fehlerbox, DateiFehlt };
    Meldungsart meldungsart = Meldungsart::Keine;
    QString meldung; // exact text of the box
};
