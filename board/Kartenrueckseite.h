#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

// The checkerboard colour 0xFF9491 (bgr): red 145, green 148, blue 255.
inline constexpr unsigned int Musterfarbe = 0xFF9491;

// Size of the pattern: 200 on the shorter side, the longer one in the
// pictures' proportions, rounded half to even. formatX, formatY > 0.
QSize musterGroesse(int formatX, int formatY);

// Start offsets x0, y0 of the checkerboard for a pattern of this size.
QPoint musterStart(QSize muster);

// Where the overlay's top-left corner goes on the pattern. formatX, formatY > 0.
QPoint overlayEcke(int formatX, int formatY, QSize muster);

// Draws the card back: rueckseitenMuster becomes the checkerboard of the
// pictures' proportions with the overlay on it (exact white left out), and
// kartentextBitmap the smooth reduction of the whole pattern to the card size.
// formatX, formatY, kartenBreite, kartenHoehe > 0.
// Throws EPaarlixFehler if the bitmaps cannot be allocated.
void zeichneKartenrueckseite(const QImage& overlay, int formatX, int formatY, int kartenBreite,
                             int kartenHoehe, QImage& rueckseitenMuster, QImage& kartentextBitmap);
