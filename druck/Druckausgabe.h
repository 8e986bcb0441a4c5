#pragma once

#include "board/Spieleinstellungen.h"
#include "druck/Druckbogen.h"
#include "platform/Spieldateien.h"

#include <QSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;

// The embedded pictures' resolution at most, in dots per inch.
inline constexpr int DruckDpi = 300;

// A game folder as it is printed: its settings, read as the game reads them,
// and its pairs: those a round deals, and further ones as long as both
// pictures of the next pair are there.
struct Druckspiel {
    QString Ordner;
    Spieldateien Dateien;
    Spieleinstellungen Werte;
    int Paare = 0;
};

// Throws EPaarlixFehler with the game's own message when the settings
// cannot be read.
Druckspiel leseDruckspiel(const QString& ordner);

// The pixels a picture of a card of kartenMm gets: DruckDpi, rounded down.
QSize druckPixel(QSizeF kartenMm);

// The eighths (1 .. 8) at which a picture of W x H is decoded, the fewest
// whose part that the card shows still has the card's pixels.
int druckAchtel(int W, int H, QSize karte, bool schneiden);

// Called after each card drawn with the cards done and the cards in all;
// false cancels the print.
using Druckfortschritt = std::function<bool(int fertig, int gesamt)>;

// Draws the game onto geraet, page after page: the pictures fitted or cropped
// as the game's setting says, name and text cards as text in their side's look, the game's card back
// behind them. Sets the device's page size from the options and its margins
// to none. The pictures are decoded at reduced scale on every core. Returns
// false when fortschritt cancelled. Throws EPaarlixFehler naming a picture
// that cannot be read, or when the cards do not fit on the page.
bool zeichneDruck(const Druckspiel& spiel, const Druckoptionen& optionen, QPagedPaintDevice& geraet,
                  const Druckfortschritt& fortschritt = {});

// Writes the game as a PDF file at pdfPfad: into a temporary file beside it,
// which becomes pdfPfad only when complete, and is removed after any fault
// or a cancel; a link at pdfPfad is replaced, not written through. Returns
// false when cancelled. Throws EPaarlixFehler naming the folder that cannot
// be written, a full disk, the write's own error, or what zeichneDruck throws.
bool schreibeDruckPdf(const QString& ordner, const Druckoptionen& optionen, const QString& pdfPfad,
                      const Druckfortschritt& fortschritt = {});
