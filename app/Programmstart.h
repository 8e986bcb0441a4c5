#pragma once

#include "app/Befehlszeile.h"

#include <optional>

// The command line of `paarlix`, as local 8-bit strings.
Befehl befehlAus(int argc, char** argv);

// What needs no window: help, version, mistakes on the command line (status
// 2), entering a given game folder (status 1 when it cannot be entered) and
// writing a new game (offscreen, so without a display). Returns the exit
// status when the program ends here; empty when the game is to start.
std::optional<int> ohneFenster(const Befehl& befehl, int& argc, char** argv);

// With --drucken and no file, once the application object exists: prints
// through the preview and the print dialog; 0 when printed, 1 when not.
// With --ordner-waehlen, once the application object exists: shows the start
// window (open a game, make one from photos, the last games, the demo game)
// and enters the folder of the game chosen. Returns the exit status when the
// program ends here (0 when the window was closed, 1 for a folder that cannot
// be entered); empty when the game is to start.
std::optional<int> betreteSpielordner(const Befehl& befehl);
