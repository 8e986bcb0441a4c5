#pragma once

#include "druck/Druckbogen.h"

#include <QString>

class Meldungen;
class QPrinter;
class QWidget;

// The choices before printing: card size, order of the cards and backs.
// Returns false when the person cancels. Needs the application object.
bool frageDruckoptionen(Druckoptionen& optionen, QWidget* eltern);

// Draws the game of `ordner` onto the printer with a progress window and
// "Abbrechen"; the paper is the printer's. A fault is shown in a message
// box of meldungen. Returns true when every page was drawn.
bool druckeAufDrucker(const QString& ordner, const Druckoptionen& optionen, QPrinter& drucker, Meldungen& meldungen,
                      QWidget* eltern);

// "Drucken…": asks for the options, shows the pages in a preview, and
// prints them through the print dialog (or into a PDF file where no
// printer is set up); Ctrl+P prints from the preview and Tab reaches its
// buttons. A PDF file written is named with its folder, faults go to
// meldungen. Returns true when printed.
bool druckeMitDialog(const QString& ordner, const Druckoptionen& vorgabe, Meldungen& meldungen, QWidget* eltern);
