#pragma once

#include "platform/Spieldateien.h"

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class Arbeitsbitmap;
struct JpegKontext;

// Decodes JPEG files with libjpeg into 24-bit colour (default decompression
// parameters, block smoothing on), at full size unless the caller or the
// memory bound asks for a scale of M/8. One libjpeg object is created once
// and reused for every file. The picture comes out turned or mirrored
// upright as the file's EXIF orientation says. Decoders share nothing: one
// per thread may run at the same time.
class JpegDekodierer {
public:
    // More scans than this in a progressive file are refused.
    static constexpr int maxScans = 1000;
    // Scans times pixels beyond this are refused too: every scan walks the
    // whole picture, even one that holds no data at all. About 64 scans of a
    // 12-megapixel photo, which libjpeg walks in about a second; photos have ~10.
    static constexpr long long maxScanPixel = 3LL << 28;
    // Scans any picture may have, however large: more than photos use.
    static constexpr int minScans = 16;
    // The scans a picture of that size may have, minScans to maxScans.
    static int erlaubteScans(long long breite, long long hoehe);
    // Pictures with more pixels than this are refused: 16384 x 16384.
    static constexpr long long maxPixel = 1LL << 28;
    // The decoded picture (4 bytes per pixel) stays within this; larger
    // pictures are decoded at a reduced scale.
    static constexpr long long maxBildBytes = 160LL << 20;
    // Cap on libjpeg's own working memory (a progressive 48-megapixel photo
    // fits); with maxBildBytes one decode stays under 512 MB.
    static constexpr long maxLibjpegSpeicher = 288L << 20;
    // The largest M <= 8 whose M/8 scale of the picture fits maxBildBytes; 0 if none.
    static int achtelImSpeicher(long long breite, long long hoehe);

    // Given the full upright size, the eighths (1 .. 8) of it to decode at.
    using Achtelwahl = std::function<int(int breite, int hoehe)>;

    JpegDekodierer();
    ~JpegDekodierer();
    JpegDekodierer(const JpegDekodierer&) = delete;
    JpegDekodierer& operator=(const JpegDekodierer&) = delete;

    // ziel becomes the decoded, upright picture of the file dateiname, found through
    // ordner (Format_RGB32 layout), at the scale wahl chooses (full size
    // without it), or smaller where memory asks for it. Returns the full upright size,
    // from which every rectangle is computed. Throws EPaarlixFehler, always
    // with the name looked for: "Datei %s kann nicht geöffnet werden",
    // "JPEG-Fehlernr. %d", or a refusal of a picture too large, empty or with too many scans.
    QSize dekodiere(const QString& dateiname, Arbeitsbitmap& ziel, const Achtelwahl& wahl = {},
                    const Spieldateien& ordner = Spieldateien());
    // What the file last decoded says of itself for a screen reader (its
    // comment or EXIF image description, see bildbeschreibung); empty when
    // it says nothing or the decode failed.
    const QString& beschreibung() const { return beschreibung_; }

private:
    std::unique_ptr<JpegKontext> k_;
    // Pictures stored turned by a quarter are decoded here first.
    std::unique_ptr<Arbeitsbitmap> gedreht_;
    QString beschreibung_;
};
