#pragma once

#include <QString>

#include <functional>

class Meldungen;
class Nutzerkonfiguration;

// Shows the start window (and from it the new-game window, empty or with a game to edit)
// until a game is chosen, made and started, or the window is closed. The chosen game goes
// first in the last games. Returns its folder; empty when the user closed the window.
// Needs the application object.
QString waehleSpielImStartfenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen);

// The start window until it is closed: each game chosen there is handed to `spiele` (its
// folder first among the last games, the start window hidden), and once `spiele` returns
// the start window shows again, so that the game can be edited or printed after playing.
void spieleAbStartfenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen,
                          const std::function<void(const QString& ordner)>& spiele);
