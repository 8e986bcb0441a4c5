#pragma once

#include "toene/Ton.h"

// The longest sound a card keeps, after trimming.
constexpr double LaengsterKartenton = 10.0; // seconds
// The rate every card's sound is stored at: enough for speech and animals'
// voices, half the size of 44.1 kHz.
constexpr int Kartentonrate = 22050; // samples per second
// Sound is whatever is at most this far below the loudest sample (and above
// the floor of an ordinary recording's noise); the rest at the ends is cut.
constexpr double StilleUnterSpitze = 30.0; // dB
constexpr double Stilleboden = -60.0; // dBFS
// The evened loudness: RMS at ZielRms unless the peak would pass ZielSpitze.
constexpr double ZielRms = -20.0; // dBFS
constexpr double ZielSpitze = -1.0; // dBFS

// A card's sound as stored: silence cut at both ends (keeping a few ms
// around the sound, faded so the cut does not click), resampled to
// Kartentonrate, loudness evened, mono.
// Refused (with the reason) when nothing but silence is left or it is still
// longer than LaengsterKartenton.
Tonergebnis bereiteKartentonAuf(const Tonproben& ton);
