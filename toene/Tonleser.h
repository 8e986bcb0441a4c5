#pragma once

#include "toene/Ton.h"

#include <QByteArray>
#include <QString>

// Reads a sound file of any kind libsndfile knows (WAV, FLAC, Ogg Vorbis,
// Opus, MP3, ...), mixed down to mono at its own rate. Refuses what is no
// sound, is damaged or is far too long to be a card's sound, with the reason.
Tonergebnis leseTon(const QString& pfad);
// The same from bytes in memory (the fuzz target, and sounds in an archive).
Tonergebnis leseTonAusDaten(const QByteArray& daten);
