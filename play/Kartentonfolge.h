#pragma once

#include "play/Kartenklang.h"

#include <cstddef>
#include <cstdint>
#include <deque>

// The cards' sounds in the order the cards were turned: one plays to its end
// and the next follows with the sample after it, so the second card of a move
// never cuts the first; one asked while none plays starts with the next
// sample. Not thread-safe.
class Kartentonfolge {
public:
    void spiele(Kartenklang klang);
    // Adds the next anzahl samples of the queue to summe: silence when it ran dry.
    void mische(std::int32_t* summe, std::size_t anzahl);
    // The sound playing and those waiting are dropped (the sound was switched off).
    void verstumme();
    // Playing or waiting.
    std::size_t laenge() const { return folge_.size(); }

    // A player turning faster than the sounds end must not hear the game's
    // past for minutes: beyond this the oldest waiting one gives way.
    static constexpr std::size_t HoechstensKartentoene = 3;
    static_assert(HoechstensKartentoene >= 2);

private:
    std::deque<Kartenklang> folge_;
    std::size_t stelle_ = 0; // in the front sound
};
