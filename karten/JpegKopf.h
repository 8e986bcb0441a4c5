#pragma once

#include <QByteArray>

// What the frame header of a JPEG file says.
struct JpegKopf {
    bool Gefunden = false;  // a start-of-frame marker was found before the scan
    int SofTyp = -1;        // 0 baseline, 1 extended, 2 progressive, ...
    int BitsProWert = 0;    // sample precision
    int Komponenten = 0;    // 3 for colour
    int Breite = 0;
    int Hoehe = 0;
};

// Walks the markers of `datei` up to the first scan and reads the frame header.
// Stops safely at any malformed or truncated segment (Gefunden stays false).
JpegKopf leseJpegKopf(const QByteArray& datei);
