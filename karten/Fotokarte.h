#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

class Arbeitsbitmap;
class JpegDekodierer;

// A photo as a card file: a JPEG is taken as it is once the game's own
// decoder reads it, any other picture is converted.

// JPEG quality of the card pictures the writer makes.
inline constexpr int KartenJpegQualitaet = 90;

// Whether the file starts like a JPEG.
bool istJpegDatei(const QString& pfad);

// The upright size from the picture's header, without decoding it; empty
// when the header does not tell (the writing then names the fault).
QSize aufrechteGroesse(const QString& pfad);

// Why the game's decoder cannot read the JPEG `quelle`, in one line without
// the file's name (the caller's message gives it); empty when it can.
QString jpegLesefehler(const QString& quelle, JpegDekodierer& dekodierer, Arbeitsbitmap& probe);

// Any other picture Qt (or, for BMP, the game's reader, for HEIC and AVIF
// libheif) reads, as a JPEG in `jpeg`; transparency turns white. A HEIC's
// EXIF description goes along as the JPEG's comment. Returns why it cannot, or empty.
QString wandleInJpegUm(const QString& quelle, QByteArray& jpeg);
