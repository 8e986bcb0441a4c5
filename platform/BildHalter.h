#pragma once

#include "platform/Bildziel.h"

// A picture holder that is never shown: it keeps a cell's large picture,
// ready to be copied into a visible image control.
class TBildHalter final : public Bildziel {
public:
    TBildHalter(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    const QImage& bild() const override { return bild_; }
    void setzeBild(const QImage& img) override { bild_ = img; }
    QImage& zeichenbitmap() override
    {
        if (bild_.isNull())
            bild_ = neueWeisseBitmap(width_, height_);
        return bild_;
    }
    Leinwand& leinwand() override { return leinwand_; }

    int Tag = 0;

private:
    int width_;
    int height_;
    QImage bild_;
    Leinwand leinwand_;
};
