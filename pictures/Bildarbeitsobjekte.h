#pragma once

#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Spieldateien.h"

#include <QImage>

// The picture work objects: created once, reused by every rendering and
// kept with whatever their last use left until the program ends.
struct Bildarbeitsobjekte {
    Arbeitsbitmap QuellBitmap;    // decoded source picture of the current call
    Arbeitsbitmap ZielBitmap;     // work surface of the target's size
    QImage RueckseitenMuster;     // card-back pattern
    QImage KartentextBitmap;      // card-back overlay and finished card back
    JpegDekodierer JpegDecoder;   // reads and decodes JPEG files
    Spieldateien Ordner;          // where the pictures are looked up; unlisted: names are paths
};
