#pragma once

#include <functional>

class Uhr;

// Half of a card turn: the visible face narrows to nothing, or the other face
// widens from nothing.
enum class Drehrichtung { Schmaler, Breiter };

// Width of the turning control at fraction b of the half turn (b not clamped):
// round((1 - b) * w) when narrowing, round(w * b) when widening, ties to even.
int drehBreite(double b, int w, Drehrichtung r);

// Left edge that keeps a control of the given width centred on a cell of width w
// whose left edge is x: x + (w - breite) div 2.
int drehLinks(int x, int w, int breite);

// Runs one half turn, driven by the clock alone, without processing events.
// Each step calls schritt with the new width; the caller sets the width and the
// left edge (drehLinks) of its one or two controls and repaints them at once.
// The last step is made with b >= 1, so a narrowing ends at width <= 0 and a
// widening may end above w; the caller sets the final sizes afterwards.
// A turning time that is not positive makes the half turn a single final step.
void halbeDrehung(Uhr& uhr, double halbeDrehZeit, int w, Drehrichtung r,
                  const std::function<void(int breite)>& schritt);
