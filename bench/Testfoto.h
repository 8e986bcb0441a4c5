#pragma once

#include <QString>

// Writes a baseline JPEG (quality 90) of the given size that compresses like
// a photo: smooth gradients, soft blobs and sensor-like noise.
void schreibeTestfoto(const QString& pfad, int breite, int hoehe, unsigned saat);
