#pragma once

#include "pictures/JpegDekodierer.h"

#include <QColor>
#include <QSize>
#include <QString>

class Arbeitsbitmap;
class Bildziel;
class Meldungen;
struct Bildarbeitsobjekte;

// Renders a JPEG or BMP file into image: taken over at the same size,
// centred unscaled (mode "n"), cropped ("m", "o", "u", "l", "r") or fitted
// with button-face margins. An unknown extension shows a warning and leaves
// everything untouched; decoding errors and a lack of memory throw
// EPaarlixFehler naming the file, with image unchanged. Calls must not
// overlap: the work objects are shared.
void BildDarstellung(Bildziel& image, const QString& dateiname, const QString& schnittmodus,
                     Bildarbeitsobjekte& arbeit, Meldungen& meldungen);

// The extension from the last full stop of the file part, full stop
// included; empty when there is none.
QString dateiendung(const QString& dateiname);

enum class Bildformat { Jpeg, Bmp, Unbekannt };
// By the extension alone, compared ignoring the case of A to Z.
Bildformat bildformatVon(const QString& dateiname);
// The warning for a name whose extension is neither JPG nor BMP.
QString formatMeldung(const QString& dateiname);

// Decodes a JPEG (at the scale wahl chooses) or a BMP file into ziel and
// returns the picture's full size. Throws as BildDarstellung does.
QSize dekodiereNachName(const QString& dateiname, bool bmp, JpegDekodierer& dekodierer, Arbeitsbitmap& ziel,
                        const JpegDekodierer::Achtelwahl& wahl = {}, const Spieldateien& ordner = Spieldateien());

// Leaves the target's canvas as every rendering does (a thin pen and an empty
// brush in the margin colour) and reports the drawing as finished.
void schliesseDarstellungAb(Bildziel& ziel, const QColor& randfarbe);
