#pragma once

#include "pictures/Passgeometrie.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <vector>

class Arbeitsbitmap;

// Rendering from a decoded picture that may hold a reduced scale of the file:
// every rectangle is computed from the full size and only mapped onto the
// decoded pixels at the end.

// The fewest eighths (1, 2, 4 or 8) of a W x H picture at which the part
// each geometry uses stays at least twice its destination in each direction, so that shrinking it loses no visible detail; 8 where a
// picture is drawn unscaled or not shrunk that much. W, H >= 1.
int achtelFuerZiele(int W, int H, const std::vector<Passgeometrie>& geometrien);

// The part vollAusschnitt of the full-size picture, scaled smoothly to groesse
// (Format_RGB32). quelle holds the picture at full size or a reduced scale.
QImage skaliereAusschnitt(const Arbeitsbitmap& quelle, QSize voll, const QRect& vollAusschnitt, QSize groesse);

// Paints the margins of a picture placed at ziel into bild, in farbe.
void maleRaender(QImage& bild, const QRect& ziel, const QColor& farbe);

// The finished picture of a target of TW x TH that held no picture yet, as
// the plain rendering leaves it: taken over, centred, cropped or fitted, with
// margins in farbe. Scales straight into the result where the picture fills it.
// GleicheGroesse tells the take-over path (canvas untouched) from the others.
struct NeuesBild {
    QImage Bild;
    bool GleicheGroesse = false;
};
NeuesBild zeichneNeu(const Arbeitsbitmap& quelle, QSize voll, int TW, int TH, const Passgeometrie& g,
                     const QColor& farbe);
