#pragma once

#include <QRect>

// The keyboard focus frame: dark blue (bgr), red 0, green 0, blue 160, which
// stands out on the light yellow board and on the group panels' colours.
inline constexpr unsigned int Fokusrahmenfarbe = 0xA00000;

// A frame around a card that lies outside the card, in the gap to its
// neighbours: its outer rectangle and the width of its left/right and
// top/bottom bands. It takes half a gap, at least 2 and at most 4 pixels.
struct Fokusrahmen {
    QRect Aussen;
    int DickeX = 0;
    int DickeY = 0;
    friend bool operator==(const Fokusrahmen&, const Fokusrahmen&) = default;
};

// karte: the card's rectangle; the gaps between cards (0 or more).
Fokusrahmen fokusrahmen(const QRect& karte, int abstandX, int abstandY);
