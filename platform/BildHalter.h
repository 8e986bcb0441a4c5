#pragma once

#include "platform/Bildziel.h"

// A picture holder that is never shown: it keeps a cell's large picture,
// ready to be copied into a visible image control.
class TBildHalter final : public Bildziel {
public:
    TBildHalter(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    const QImage& Picture() const override { return picture_; }
    void setPicture(const QImage& img) override { picture_ = img; }
    QImage& Zeichenbitmap() override
    {
        if (picture_.isNull())
            picture_ = neueWeisseBitmap(width_, height_);
        return picture_;
    }
    Leinwand& Canvas() override { return canvas_; }

    int Tag = 0;

private:
    int width_;
    int height_;
    QImage picture_;
    Leinwand canvas_;
};
