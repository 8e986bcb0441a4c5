#pragma once

#include "play/Klangwahl.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// Samples per second of the synthesised sounds: enough for their soft tones
// and a few kilobytes per sound.
constexpr int Klangrate = 11025;

// The sound as mono 16-bit samples at Klangrate, made here and now: short
// mallet-like notes with soft overtones, quiet (peaks near a third of full
// scale), starting and ending at silence so that nothing clicks.
std::vector<std::int16_t> klangProben(Klang klang);

// A WAV file (RIFF, PCM, mono, 16 bit little-endian) of the samples at rate.
QByteArray wavDatei(const std::vector<std::int16_t>& proben, int rate);
