#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// A high-quality reference scaler and a distance for comparing renderings.
namespace bildvergleich {

// The part `ausschnitt` of bild, scaled to groesse with a Lanczos-3 filter
// widened by the shrink ratio (Format_RGB32).
QImage lanczos(const QImage& bild, const QRect& ausschnitt, QSize groesse);

// Peak signal-to-noise ratio in dB over the colour channels of two pictures
// of the same size; 99 for identical pictures.
double psnr(const QImage& a, const QImage& b);

} // namespace bildvergleich
