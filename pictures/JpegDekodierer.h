#pragma once

#include <QString>

#include <memory>

class Arbeitsbitmap;
struct JpegKontext;

// Decodes JPEG files with libjpeg at full size into 24-bit colour (default
// decompression parameters, block smoothing on). One libjpeg object is
// created once and reused for every file.
class JpegDekodierer {
public:
    // More scans than this in a progressive file are refused.
    static constexpr int maxScans = 1000;
    // Scans times pixels beyond this are refused too: every scan walks the
    // whole picture, even one that holds no data at all.
    static constexpr long long maxScanPixel = 1LL << 34;
    // The scans a picture of that size may have: maxScans for all but the largest.
    static int erlaubteScans(long long breite, long long hoehe);
    // Pictures needing more than this at 4 bytes per pixel are refused.
    static constexpr long long maxBildBytes = 1LL << 30;
    // Cap on libjpeg's own working memory.
    static constexpr long maxLibjpegSpeicher = 512L * 1024 * 1024;

    JpegDekodierer();
    ~JpegDekodierer();
    JpegDekodierer(const JpegDekodierer&) = delete;
    JpegDekodierer& operator=(const JpegDekodierer&) = delete;

    // ziel becomes the decoded picture (Format_RGB32 layout). Throws
    // EPaarlixFehler: "Datei %s kann nicht geöffnet werden", "JPEG-Fehlernr. %d",
    // or a refusal of a picture too large, empty or with too many scans.
    void dekodiere(const QString& dateiname, Arbeitsbitmap& ziel);

private:
    std::unique_ptr<JpegKontext> k_;
};
