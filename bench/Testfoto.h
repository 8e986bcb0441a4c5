#pragma once

#include <QString>
#include <QStringList>

// Writes a baseline JPEG (quality 90) of the given size that compresses like
// a photo: smooth gradients, soft blobs and sensor-like noise.
void schreibeTestfoto(const QString& pfad, int breite, int hoehe, unsigned saat);

// anzahl 12-megapixel photos foto0.jpg, foto1.jpg, ... in ordner: six distinct
// ones, the rest copies of them, which decode just as long. Their paths.
QStringList schreibeTestfotos(const QString& ordner, int anzahl);
