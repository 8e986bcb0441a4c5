#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstddef>

// HEIC, HEIF and AVIF photos, read with libheif: the primary image only
// (no depth maps, bursts or sequences), turned and mirrored upright as the
// file says. No shared state: usable on any thread.

// Files larger than this are refused before they are read.
inline constexpr qint64 GroessteHeifDatei = 256LL * 1024 * 1024;
// Pictures with more pixels than this are refused: 48-megapixel phone
// photos fit; decoding takes about 8 bytes a pixel.
inline constexpr long long maxHeifPixel = 1LL << 26;
// Grids of more tiles are refused: a 48-megapixel photo has about 200.
inline constexpr int maxHeifKacheln = 1024;

// Whether the first bytes of a file (at least 12 are needed) name a HEIF or
// AVIF brand.
bool istHeifKopf(const unsigned char* kopf, std::size_t laenge);
// The endings of the files read here, in lower case.
inline const QStringList HeifEndungen{QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("hif"),
                                      QStringLiteral("avif")};
// Whether the name ends in one of HeifEndungen, in any case.
bool hatHeifEndung(const QString& pfad);

struct HeifBild {
    QImage Bild;          // upright, RGB32 or ARGB32; null when only the size was asked for
    QSize Groesse;        // the primary image's full upright size
    QString Beschreibung; // its EXIF image description (see bildbeschreibung), or empty
};

enum class HeifUmfang {
    Groesse,  // the size and description from the headers, nothing decoded
    Vorschau, // a picture whose longer side is at least kante where the photo has it: the file's thumbnail where it is large enough
    Voll,     // the full picture
};

// Reads the file pfad. Throws EPaarlixFehler with the file's name and the
// cause: not openable, too large a file, damaged or truncated, no HEIF file,
// too many pixels or tiles, no pixels, no decoder for its coding.
HeifBild leseHeif(const QString& pfad, HeifUmfang umfang, int kante = 0);
