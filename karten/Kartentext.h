#pragma once

#include <QImage>

// The card-back overlay is 200 x 200: as large as the short side of the
// card pattern, so it fills the pattern's width on portrait cards.
inline constexpr int KartentextGroesse = 200;

// Draws the overlay: "Paarlix" in coloured letters on a banner, stars above
// and below, a ring of diamonds around. Everything else is pure white, where
// the card's pattern shows through. Drawn without antialiasing, so that no
// near-white edge pixels hide the pattern. Format_RGB888.
QImage zeichneKartentext();
