#pragma once

#include "pictures/Arbeitsbitmap.h"
#include "pictures/Bildzeichnung.h"
#include "pictures/JpegDekodierer.h"

#include <QColor>
#include <QSize>
#include <QString>

#include <vector>

class Bildziel;

// What one picture file becomes for several targets of fresh image controls.
struct Mehrfachdarstellung {
    // One finished picture per target, in the order the targets were given.
    std::vector<NeuesBild> Bilder;
    // The extension is neither JPG nor BMP: each target gets the format warning instead.
    bool FormatFehler = false;
    // What the file says of itself for a screen reader; empty when nothing (always for BMP).
    QString Beschreibung;
};

// A decoder and a source bitmap of its own, reused for every picture: one per
// thread. Renders a file for all its targets from a single decode.
class Bildwerkstatt {
public:
    // The same pictures as one plain rendering per target into a control that
    // held none; with verkleinert, libjpeg decodes at the smallest scale that
    // keeps every target sharp (every rectangle still from the full size).
    // Throws what BildDarstellung throws.
    // The file is looked up in ordner.
    Mehrfachdarstellung darstelle(const QString& dateiname, const std::vector<QSize>& ziele, const QString& modus,
                                  const QColor& randfarbe, bool verkleinert,
                                  const Spieldateien& ordner = Spieldateien());

    const Arbeitsbitmap& quelle() const { return quelle_; }

private:
    JpegDekodierer dekodierer_;
    Arbeitsbitmap quelle_;
};

// Puts a finished picture into a control that held none, with the canvas
// state the plain rendering leaves behind.
void uebernimmBild(Bildziel& ziel, const NeuesBild& bild, const QColor& randfarbe);
