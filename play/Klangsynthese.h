#pragma once

#include "play/Kartentonfolge.h"
#include "play/Klangwahl.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Samples per second of the synthesised sounds: enough for their soft tones
// and a few kilobytes per sound.
constexpr int Klangrate = 11025;

// The sound as mono 16-bit samples at Klangrate, made here and now: short
// mallet-like notes with soft overtones, quiet (peaks near a third of full
// scale), starting and ending at silence so that nothing clicks.
std::vector<std::int16_t> klangProben(Klang klang);

// The sounds asked for, mixed into one endless stream of samples at Klangrate:
// a sound output that never runs dry never stops, so nothing asked is cut off
// or held back. Each sound starts with the next sample taken and plays to its
// end; sounds that overlap add up, clipped at full scale. The cards' own
// sounds (at Klangrate) play one after another beside them. Not thread-safe.
class Klangmischer {
public:
    Klangmischer();

    void spiele(Klang klang);
    // A card's sound, after those of cards turned before it (see Kartentonfolge).
    void spieleKartenton(Kartenklang klang) { kartentoene_.spiele(std::move(klang)); }
    void verstummeKartentoene() { kartentoene_.verstumme(); }
    // The next anzahl samples of the stream into ziel: silence where nothing plays.
    void mische(std::int16_t* ziel, std::size_t anzahl);
    // Sounds still playing or waiting.
    std::size_t stimmen() const { return stimmen_.size() + kartentoene_.laenge(); }

    // More at once only add noise: the oldest then gives way.
    static constexpr std::size_t HoechstensStimmen = 16;

private:
    struct Stimme {
        const std::vector<std::int16_t>* Proben;
        std::size_t Stelle;
    };
    std::array<std::vector<std::int16_t>, AnzahlKlaenge> proben_;
    std::vector<Stimme> stimmen_;
    std::vector<std::int32_t> summe_;
    Kartentonfolge kartentoene_;
};
