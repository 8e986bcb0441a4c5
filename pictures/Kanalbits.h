#pragma once

#include <QImage>

#include <array>
#include <cstdint>

// The masks of a file's pixel channels: red, green, blue, alpha (0: none).
using Kanalmasken = std::array<std::uint32_t, 4>;

// Qt widens a channel of n < 8 bits by shifting, so that white in a 16-bit
// file comes out as (248, 252, 248). White must stay white: this repeats the
// channel's bits downwards instead, taking its top n bits as the value.
// bild is Format_RGB32 or Format_ARGB32; alpha only counts in the latter.
void wiederholeKanalbits(QImage& bild, const Kanalmasken& masken);
