#pragma once

#include <QImage>

// The 36 x 36 picture of the start button: a small grid of cards with
// checkered backs and two faces, one frowning and one smiling, and a red
// emblem; drawn in 16 colours, its magenta background made transparent.
QImage losGehtsBild();

// The window's 16 x 16 icon: a face-down card and a turned one.
QImage fenstersymbol();
