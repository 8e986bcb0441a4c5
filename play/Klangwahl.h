#pragma once

#include "play/Zugschritt.h"

#include <optional>

// The game's four short sounds.
enum class Klang { KarteDreht, PaarGefunden, KeinPaar, Spielende };
constexpr int AnzahlKlaenge = 4;

// The sound that goes with a step of the move rules, played as the window
// starts carrying it out: a card turns (also when two are covered again), a
// pair is found, two cards are no pair, the game is over. Other steps are silent.
std::optional<Klang> klangZu(const Zugschritt& schritt);
