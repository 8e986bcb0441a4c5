#pragma once

#include <QImage>
#include <QString>

// A name card is a 600 x 800 portrait, the 3:4 of the demo's settings.
inline constexpr int NamenskarteBreite = 600;
inline constexpr int NamenskarteHoehe = 800;

// Draws `name` in the demo's lettering on the demo's background, in a hue
// of its own for pair `paar`; long names are broken at blanks into up to
// four lines. Format_RGB32. paar >= 1
QImage zeichneNamenskarte(const QString& name, int paar);
