#pragma once

#include <cstddef>
#include <cstdint>

// How fuzz_bilddarstellung reads its input: three bytes that choose the
// rendering, then the picture file itself.
namespace bilddarstellungseingabe {

constexpr std::size_t kopfLaenge = 3;

// Byte 0, bits 0-2: the cutting mode; "" and "x" stand for unknown modes.
constexpr const char* modi[8] = {"n", "m", "o", "u", "l", "r", "", "x"};
// Byte 0, bit 3: the file is a BMP (else a JPEG).
constexpr std::uint8_t bmpBit = 0x08;
// Bytes 1 and 2: target width and height, each modulo this (0 included).
constexpr int zielGroessenBereich = 97;

} // namespace bilddarstellungseingabe
