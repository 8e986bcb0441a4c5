#pragma once

#include "toene/Ton.h"

// The longest sound a card keeps, after trimming.
constexpr double LaengsterKartenton = 10.0; // seconds

// A card's sound as stored: silence cut at both ends, loudness evened, mono.
// Refused (with the reason) when nothing but silence is left or it is still
// longer than LaengsterKartenton.
Tonergebnis bereiteKartentonAuf(const Tonproben& ton);
