#pragma once

#include <QByteArray>
#include <QSize>

#include <memory>

class Arbeitsbitmap;

// Photos larger than any screen needs are made smaller for sharing: a long
// edge over this many pixels becomes exactly this many.
inline constexpr int WeitergabeKante = 2048;

// The eighths (1 .. 8) of its size a photo with this long edge is decoded at:
// the smallest scale that still leaves at least WeitergabeKante pixels, so
// that only the last step averages. langeKante > WeitergabeKante.
int verkleinerungsAchtel(int langeKante);

// The upright size a photo of upright size `aufrecht` is shared at: the long
// edge WeitergabeKante, the short one in proportion (rounded half to even,
// at least 1). Larger than WeitergabeKante on its long edge.
QSize verkleinerteGroesse(QSize aufrecht);

// Makes a card file ready for sharing, with buffers kept from one photo to
// the next. One per thread.
class Fotoverkleinerer {
public:
    Fotoverkleinerer();
    ~Fotoverkleinerer();
    Fotoverkleinerer(const Fotoverkleinerer&) = delete;
    Fotoverkleinerer& operator=(const Fotoverkleinerer&) = delete;

    // datei: a card file's bytes. A JPEG whose long edge is over
    // WeitergabeKante comes back reduced to verkleinerteGroesse, upright, as
    // a baseline JPEG of the writer's quality with all its comments and its
    // EXIF block (the orientation set to upright). Anything else comes back
    // unchanged: small photos, name and text cards, BMP files, and JPEGs this
    // cannot decode (CMYK, damaged), which the game then reads as before.
    QByteArray verkleinere(const QByteArray& datei);

private:
    std::unique_ptr<Arbeitsbitmap> roh_;
    std::unique_ptr<Arbeitsbitmap> aufrecht_;
};
