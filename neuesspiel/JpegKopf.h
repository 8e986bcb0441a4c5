#pragma once

#include <QByteArray>

// What the frame header of a JPEG file says.
struct JpegKopf {
    bool gefunden = false;  // a start-of-frame marker was found before the scan
    int sofTyp = -1;        // 0 baseline, 1 extended, 2 progressive, ...
    int bitsProWert = 0;    // sample precision
    int komponenten = 0;    // 3 for colour
    int breite = 0;
    int hoehe = 0;
};

// Walks the markers of `datei` up to the first scan and reads the frame header.
// Stops safely at any malformed or truncated segment (gefunden stays false).
JpegKopf leseJpegKopf(const QByteArray& datei);
