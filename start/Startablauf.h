#pragma once

#include <QString>

class Meldungen;
class Nutzerkonfiguration;

// Shows the start window (and from it the new-game window, empty or with a game to edit)
// until a game is chosen, made and started, or the window is closed. The chosen game goes
// first in the last games. Returns its folder; empty when the user closed the window.
// Needs the application object.
QString waehleSpielImStartfenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen);
