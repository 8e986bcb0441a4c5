#pragma once

#include <QImage>
#include <QString>

// Every demo picture is a 600 x 800 portrait, the 3:4 of the demo's settings.
inline constexpr int DemoBildBreite = 600;
inline constexpr int DemoBildHoehe = 800;

// The demo board is 6 x 5 cards: 15 pairs.
inline constexpr int DemoPaare = 15;


// Draws picture a or b of a pair. Pairs 1 to 10: a numeral with its word, and
// as many dots. Pairs 11 to 15: a coloured shape, and its name with the
// colour's name. 1 <= paar <= DemoPaare; buchstabe is 'a' or 'b'
QImage zeichneDemoBild(int paar, char buchstabe);
