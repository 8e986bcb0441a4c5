#pragma once

#include "toene/Ton.h"

#include <QByteArray>
#include <QString>

// What the reader accepts at all. A sound file longer than LaengsteTondatei
// is refused unread beyond that, so a huge file cannot fill the memory.
constexpr int LaengsteTondatei = 60; // seconds, before trimming
constexpr int HoechsteKanalzahl = 8;
constexpr int NiedrigsteRate = 8000; // samples per second
constexpr int HoechsteRate = 192000;

// Reads a sound file of any kind libsndfile knows (WAV, FLAC, Ogg Vorbis,
// Opus, MP3, ...), mixed down to mono at its own rate. Refuses what is no
// sound, is damaged or is far too long to be a card's sound, with the reason.
Tonergebnis leseTon(const QString& pfad);
// The same from bytes in memory (the fuzz target, and sounds in an archive).
Tonergebnis leseTonAusDaten(const QByteArray& daten);
