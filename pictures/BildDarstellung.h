#pragma once

#include <QString>

class Bildziel;
class Meldungen;
struct Bildarbeitsobjekte;

// Renders a JPEG or BMP file into image: taken over at the same size,
// centred unscaled (mode "n"), cropped ("m", "o", "u", "l", "r") or fitted
// with button-face margins. An unknown extension shows a warning and leaves
// everything untouched; decoding errors throw EPaarlixFehler with image
// unchanged. Calls must not overlap: the work objects are shared.
void BildDarstellung(Bildziel& image, const QString& dateiname, const QString& schnittmodus,
                     Bildarbeitsobjekte& arbeit, Meldungen& meldungen);

// The extension from the last full stop of the file part, full stop
// included; empty when there is none.
QString dateiendung(const QString& dateiname);
