#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// Pictures for the new-game tests: one colour each, small.
namespace neuspielbilder {

// A JPEG of one colour; with `drehung` (an EXIF orientation, 1..8) it carries
// an APP1 segment with that tag right after its start marker, as phones write it.
QByteArray jpeg(const QColor& farbe, int breite, int hoehe, int drehung = 0);
// A PNG of one colour whose left half is fully transparent.
QByteArray pngHalbDurchsichtig(const QColor& farbe, int breite, int hoehe);

// A mono 16-bit WAV of a sine tone at 8000 samples per second, with `stille`
// seconds of silence before and after it.
QByteArray wav(double sekunden, double frequenz = 440, double stille = 0);

void schreibe(const QString& pfad, const QByteArray& daten);
QByteArray lies(const QString& pfad);

} // namespace neuspielbilder
