#pragma once

#include <cstddef>

class Arbeitsbitmap;

// EXIF orientation, as cameras and phones store it: 1 upright, 2 mirrored,
// 3 upside down, 4 flipped, 5 to 8 turned by a quarter (width and height
// swap) and perhaps mirrored. No state: usable on any thread.

// The orientation of the first picture (IFD0) in an APP1 block's data
// ("Exif\0\0" and a TIFF structure), read with libexif; 1 when the tag is
// missing, out of range or the data cannot be read.
int exifAusrichtung(const unsigned char* daten, std::size_t laenge);

// Orientations 5 to 8.
bool vertauschtSeiten(int ausrichtung);

// Makes bild upright in place. Orientations other than 2 to 4 leave it as it is.
void richteAufVorOrt(Arbeitsbitmap& bild, int ausrichtung);

// ziel becomes the upright picture of quelle, whose orientation is 5 to 8:
// quelle's height wide and its width high. &quelle != &ziel.
void richteAufQuer(const Arbeitsbitmap& quelle, int ausrichtung, Arbeitsbitmap& ziel);
