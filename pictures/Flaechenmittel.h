#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

// Scales the part von of quelle (in its pixels, fractional edges allowed)
// into the rectangle nach of ziel: every destination pixel becomes the mean
// of the source area it covers, partly covered source pixels weighted by
// their share. Only the pixels of nach change. Both Format_RGB32; nach lies
// inside ziel and von has a positive size.
void mittleFlaeche(const QImage& quelle, const QRectF& von, QImage& ziel, const QRect& nach);
