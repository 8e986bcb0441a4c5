#pragma once

#include <QSize>

class QPainter;

// Paints a photo-like background over the whole of `groesse`: a diagonal
// gradient in the hue `farbton` (0..359), soft light spots placed by `saat`,
// and darker corners. `umgekehrt` runs the gradient along the other diagonal,
// so the two pictures of a pair differ but clearly match.
void maleHintergrund(QPainter& maler, QSize groesse, int farbton, bool umgekehrt,
                     unsigned saat);
