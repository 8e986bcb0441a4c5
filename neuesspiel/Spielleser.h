#pragma once

#include "board/Kartenformat.h"
#include "board/Spieleinstellungen.h"
#include "neuesspiel/Paarangabe.h"

#include <QString>

// A game folder read back for editing.
struct Spielinhalt {
    Paarangaben Paare;
    Kartenformat Format;
    int JeRunde = 0; // setting 12 when it deals fewer pairs than the folder has; else 0: all
    // Every photo's pair has a text card, its name card: "Zweite Karte zeigt den Namen" was on.
    bool MitNamen = false;
    QString Meldung; // why the folder holds no game to edit; empty when it does
    // Setting 13.
    bool TexteVorlesen = false;
    Vorlesesprachen Sprachen;
};

// Reads the game in `ordner`: its settings with the game's own reader, and
// pair k = 1, 2, ... for as long as both of its cards are there (names found
// as the game finds them). A card that is a text card Paarlix drew gives its
// text; any other is a photo, named by its path in the folder. A card's sound
// beside it ("03b.ogg") is its Ton; a sound card Paarlix drew is that sound alone. A second card
// that is the first one's file, or a copy of it, is left empty. A folder not
// made by Paarlix so gives pairs of photos. Drafts beside it are cleaned
// first (raeumeNebenSpielenAuf), so a game a killed save left aside is read.
Spielinhalt leseSpiel(const QString& ordner);
