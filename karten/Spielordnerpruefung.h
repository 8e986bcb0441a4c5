#pragma once

#include "board/Kartenformat.h"

#include <QSize>
#include <QString>
#include <QStringList>

// Each check reads a written file back and returns what is wrong with it, as
// lines of text naming the file; an empty list means the file is right.

// The settings file is valid UTF-8 and the program's reader takes the demo's
// values from it, with a board of `spalten` x `zeilen` cards, `format` and
// `paareJeRunde` (0: none given).
QStringList pruefeEinstellungsdatei(const QString& pfad, int spalten = 6, int zeilen = 5,
                                    const Kartenformat& format = {}, int paareJeRunde = 0);

// The overlay is an uncompressed 24-bit BMP of the overlay's size that Qt
// reads, with pure white (see-through) and coloured pixels.
QStringList pruefeKartentext(const QString& pfad);

// The picture is a baseline JPEG of 8-bit colour (three components) and of
// size `groesse`, which Qt's reader decodes.
QStringList pruefeJpeg(const QString& pfad, QSize groesse);
