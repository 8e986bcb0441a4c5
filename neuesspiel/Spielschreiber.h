#pragma once

#include "neuesspiel/Brettwahl.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// What `paarlix --neues-spiel` is asked to do.
struct NeuesSpiel {
    QString ziel;
    QStringList bilder;
    bool mitNamen = false;
    QString programm = QStringLiteral("paarlix"); // how the game is started, for the last line
    std::function<bool()> abgebrochen = {}; // asked often (Ctrl+C); may be empty
    std::function<void(int erledigt, int gesamt)> fortschritt = {}; // called after each picture; may be empty
    QStringList namen = {}; // the name cards' texts, one per picture; empty: from the file names
    QSize bildschirm = Bezugsbildschirm; // the screen the board is chosen for
    // How each picture is named to the user (and on its name card without
    // `namen`), where that differs from its path in `bilder` (a name that is
    // not valid UTF-8 is opened through another path); empty: the paths.
    QStringList anzeigenamen = {};
};

// Writes a complete game folder at auftrag.ziel: "Paarlix.ini" with the
// demo's values, the board, card format and crop mode chosen for the
// pictures, the demo's "Kartentext.bmp" and one pair per picture. Missing
// folders above the target are made. Everything is written into a hidden
// folder beside the target and renamed at the end, so a refusal or failure
// leaves nothing (also no folder made above it), and a draft left by a
// killed run is removed. One line per picture goes to `ausgabe`, refusals to
// `fehler`, with control characters in file names made visible.
// Returns the exit status: 0 written, 1 refused.
int schreibeNeuesSpiel(const NeuesSpiel& auftrag, QTextStream& ausgabe, QTextStream& fehler);
