#pragma once

#include <QString>

#include <cstddef>

// Which reader a photo goes to, by its first bytes.
enum class Bildart { Jpeg, Bmp, Heif, Andere };

// kopf: the file's first bytes (32 tell every kind). A file named as a HEIF
// picture that starts as no JPEG or BMP counts as HEIF, so that libheif says
// what is wrong with a damaged one.
Bildart bildart(const unsigned char* kopf, std::size_t laenge, const QString& pfad);

// The same for the file at pfad; Andere when it cannot be read.
Bildart bildartDerDatei(const QString& pfad);
