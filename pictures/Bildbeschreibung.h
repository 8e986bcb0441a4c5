#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

// What a picture file says of itself for people who cannot see it: its first
// JPEG comment (without the "Description: " that Qt's writer puts before it),
// else the image description in its EXIF data (IFD0). Texts
// that cameras and programs write on their own ("OLYMPUS DIGITAL CAMERA",
// "CREATOR: gd-jpeg ...") describe nothing and count as none. Empty when
// there is no description. No state: usable on any thread.
// exif: an APP1 block's data ("Exif\0\0" and a TIFF structure), or null.
QString bildbeschreibung(const QByteArray& kommentar, const unsigned char* exif, std::size_t exifLaenge);

// The bytes as one line to be read out: UTF-8 when they are valid UTF-8, else
// Latin-1; up to the first zero byte; control characters and runs of spaces
// become one space; format characters (direction marks and overrides, zero-width
// spaces and joiners) are removed; trimmed; at most maxBeschreibung characters.
QString beschreibungstext(const QByteArray& roh);

// The text without format characters (direction marks, overrides and isolates,
// zero-width spaces and joiners): they would reorder or hide what a card, the
// window and a screen reader show ("Abc" + U+202E + "def" reads "Abcfed").
QString ohneFormatzeichen(QString text);

// A longer description is cut: a screen reader says it at every card.
constexpr int maxBeschreibung = 200;
