#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

// A grid of cells that a screen reader sees as buttons, one per cell, though
// no widget stands for a cell all the time (a card's back, its picture, or
// nothing shows at its place). The panel answers for its cells; the hidden
// controls inside it are not shown to the screen reader at all.
struct Zellraster {
    std::function<QSize()> Groesse;                          // columns x rows; empty before the cells exist
    // The cells that exist, the first in reading order; the places after them are
    // left out. Unset: every cell of Groesse.
    std::function<int()> Anzahl;
    std::function<QString(int zeile, int spalte)> Name;
    std::function<QString(int zeile, int spalte)> Beschreibung;
    std::function<bool(int zeile, int spalte)> Anklickbar;   // something lies there to click
    std::function<QRect(int zeile, int spalte)> Rechteck;    // in the panel's coordinates
    std::function<QPoint()> Fokus;                           // (column, row) of the keyboard focus
    std::function<void(int zeile, int spalte)> Klicken;      // what a click on the cell does
};

// The panel answers for the cells of raster from now on. Call it before the
// panel is shown.
void meldeZellraster(QWidget* panel, Zellraster raster);

// Tells a screen reader of every cell whose name or state has changed since it
// last asked (cells it never asked about need no telling).
void zellrasterAktualisieren(QWidget* panel);

// Tells a screen reader that the keyboard focus is on the raster's focus cell,
// if the panel has the focus.
void zellrasterFokusMelden(QWidget* panel);
