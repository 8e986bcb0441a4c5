#pragma once

#include "app/Befehlszeile.h"

#include <functional>
#include <memory>
#include <optional>

class Meldungen;
class TForm1;

// The command line of `paarlix`, as local 8-bit strings.
Befehl befehlAus(int argc, char** argv);

// What needs no window: help, version, mistakes on the command line (status
// 2), entering a given game folder (status 1 when it cannot be entered),
// writing a new game, packing a game into one file and unpacking one
// (offscreen, so without a display). Returns the exit
// status when the program ends here; empty when the game is to start.
std::optional<int> ohneFenster(const Befehl& befehl, int& argc, char** argv);

// Plays the game in the current folder: the main window `baue` makes there,
// shown until it is closed. When "Nochmal spielen" found the game changed, the
// folder is entered again by its path and the next window built on it, the
// players' choice kept where it is asked for. Returns the exit status: 1 when
// the run failed. `baue` creates a window in the current folder.
using Spielfensterbau = std::function<std::unique_ptr<TForm1>()>;
int spieleSpiel(const Spielfensterbau& baue);

// Once the application object exists, the windows of the run; returns the
// exit status. With --drucken and no file: prints through the preview and the
// print dialog; 0 when printed, 1 when not. With --ordner-waehlen: the start
// window (open a game, make one from photos, the last games, the demo game);
// a game chosen there is entered and played, and closing it shows the start
// window again; closing the start window ends the run with 0. Otherwise the
// game in the current folder (spieleSpiel). A game file given is first
// unpacked into the folder for the games and played; a refused one is said
// in a message box and ends a plain start with 1.
int zeigeFenster(const Befehl& befehl, Meldungen& meldungen, const Spielfensterbau& baue);
