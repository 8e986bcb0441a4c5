#pragma once

#include "neuesspiel/Kartenformat.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

// A name card's size: the card format with a long side of 800 pixels
// (600 x 800 for 3:4, 800 x 600 for 4:3, 800 x 800 for 1:1).
QSize namenskartenGroesse(const Kartenformat& format);

// A name set on a card: one font size for all lines.
struct Namenssatz {
    int Pixel = 0;
    QStringList Zeilen;
};

// The largest font size at which `name` fits on a card of `groesse` in at
// most three lines, broken at blanks and after hyphens. A word too long for a
// line is broken with a hyphen only when the name would otherwise be set
// smaller than 12 pixels on a card shown 116 pixels high (83 on 800), and
// the cut gains a tenth in size.
// groesse not empty
Namenssatz setzeNamen(const QString& name, QSize groesse);

// Draws `name` in the demo's lettering on the demo's background, in a hue of
// its own for pair `paar`. Format_RGB32. paar >= 1
// The two layers of that card over 0, 0 .. groesse: the background of
// pair paar, and the name over it as paths, so that a printer gets it sharp
// at any size. paar >= 1
void maleNamenskartenHintergrund(QPainter& maler, QSize groesse, int paar);
void maleNamen(QPainter& maler, QSize groesse, const QString& name, int paar);

QImage zeichneNamenskarte(const QString& name, int paar, const Kartenformat& format = {});

// `bild` as a JPEG of quality `qualitaet` whose comment (COM segment, UTF-8)
// is `kommentar`, so the game can read the name out for a screen reader.
// Empty when it cannot be encoded. kommentar's UTF-8 at most 65533 bytes
QByteArray jpegMitKommentar(const QImage& bild, const QString& kommentar, int qualitaet);
