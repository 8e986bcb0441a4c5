#pragma once

#include "karten/Textkarte.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

// A photo's name card: the text card beside its photo (Textseite::ZuFoto).

// setzeText: a name of up to three words in at most three lines.
Namenssatz setzeNamen(const QString& name, QSize groesse);

// The demo's background in a hue of its own for pair `paar`, and the name
// over it as paths. paar >= 1
void maleNamenskartenHintergrund(QPainter& maler, QSize groesse, int paar);
void maleNamen(QPainter& maler, QSize groesse, const QString& name, int paar);

// Format_RGB32. paar >= 1
QImage zeichneNamenskarte(const QString& name, int paar, const Kartenformat& format = {});

// `bild` as a JPEG of quality `qualitaet` whose comment (COM segment, UTF-8)
// is `kommentar`, so the game can read the name out for a screen reader.
// Empty when it cannot be encoded. kommentar's UTF-8 at most 65533 bytes
QByteArray jpegMitKommentar(const QImage& bild, const QString& kommentar, int qualitaet);
