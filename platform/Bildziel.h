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
    virtual const QImage& Picture() const = 0;
    // The picture becomes (a shared copy of) img.
    virtual void setPicture(const QImage& img) = 0;
    // The bitmap to draw into. A target without a picture gets a new white
    // bitmap of exactly Width() x Height() (Format_RGB32) first.
    virtual QImage& Zeichenbitmap() = 0;
    // Tells the target that Zeichenbitmap() was drawn into.
    virtual void Gezeichnet() {}

    virtual Leinwand& Canvas() = 0;
};

// White bitmap of the given size, as a fresh drawing surface gets it.
inline QImage neueWeisseBitmap(int width, int height)
{
    QImage img(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}
