#pragma once

#include <QColor>
#include <QImage>

#include <cstdlib>

// The colour in the middle of a picture; invalid for no picture.
inline QColor mittelfarbe(const QImage& bild)
{
    return bild.isNull() ? QColor() : bild.pixelColor(bild.width() / 2, bild.height() / 2);
}

// Two colours that differ only by the noise of JPEG compression.
inline bool aehnlich(const QColor& a, const QColor& b, int toleranz = 8)
{
    return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) <= toleranz
           && std::abs(a.green() - b.green()) <= toleranz && std::abs(a.blue() - b.blue()) <= toleranz;
}
