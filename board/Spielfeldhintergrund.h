#pragma once

#include "board/Spieleinstellungen.h"

#include <QChar>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

// The board colour 0xB0FFFF (bgr): red 255, green 255, blue 176.
inline constexpr unsigned int Spielfeldfarbe = 0xB0FFFF;

// Arial, 16 point at 96 dpi.
QFont spielfeldSchrift();

// The character of a Windows-1252 code; codes that the code page leaves
// undefined give a blank. 0 <= code <= 255.
QChar windows1252Zeichen(int code);

// Letter above and below column c (0-based): the code 65 + c.
QString spaltenbuchstabe(int spalte);
// Number left and right of row r (0-based from the top): zeilen - r.
QString zeilennummer(int zeile, int zeilen);

// Top-left corner of a column letter of size w x h, above or below the grid,
// in the background bitmap's pixels. The card size in e is already settled.
QPoint spaltenbuchstabePosition(const Spieleinstellungen& e, int spalte, int w, int h, bool unten);
// Top-left corner of a row number of size w x h, left or right of the grid.
QPoint zeilennummerPosition(const Spieleinstellungen& e, int zeile, int w, int h, bool rechts);

// Image3's bitmap (Format_RGB32): the board colour with the column letters
// and row numbers around the grid. The card size in e is already settled;
// a null image if the size is empty or cannot be allocated.
QImage zeichneSpielfeldhintergrund(QSize groesse, const Spieleinstellungen& e);
