#pragma once

#include <QIcon>
#include <QImage>

// The 36 x 36 picture of the start button: a small grid of cards with
// checkered backs and two faces, one frowning and one smiling, and a red
// emblem; drawn in 16 colours, its magenta background made transparent.
QImage losGehtsBild();

// The window's icon, 16 x 16 first: the desktop icon's picture (a face-down card and
// a turned one) in the sizes rendered from its SVG at build time.
QIcon fenstersymbol();
