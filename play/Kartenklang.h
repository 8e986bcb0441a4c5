#pragma once

#include "toene/Ton.h"

#include <cstdint>
#include <memory>
#include <vector>

// A card's sound ready for the game's stream: mono samples at Klangrate,
// shared, so that queueing it at a click copies nothing.
using Kartenklang = std::shared_ptr<const std::vector<std::int16_t>>;

// The sound at Klangrate: each new sample is the mean of the old ones it
// covers (no aliasing when it goes down), between two old ones interpolated
// when it goes up. None for an empty sound.
Kartenklang kartenklangAus(const Tonproben& ton);
