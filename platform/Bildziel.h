#pragma once

#include "platform/Leinwand.h"

#include <QImage>

// Something a picture can be rendered into: an image control on screen or a
// picture holder that is never shown. Its size is fixed by the caller.
class Bildziel {
public:
    virtual ~Bildziel() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // The held picture; null while the target holds none.
    virtual const QImage& bild() const = 0;
    // The picture becomes (a shared copy of) img.
    virtual void setzeBild(const QImage& img) = 0;
    // The bitmap to draw into. A target without a picture gets a new white
    // bitmap of exactly Width() x Height() (Format_RGB32) first.
    virtual QImage& zeichenbitmap() = 0;
    // Tells the target that zeichenbitmap() was drawn into.
    virtual void gezeichnet() {}

    virtual Leinwand& leinwand() = 0;
};

// White bitmap of the given size, as a fresh drawing surface gets it.
inline QImage neueWeisseBitmap(int breite, int hoehe)
{
    QImage img(qMax(breite, 0), qMax(hoehe, 0), QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}
