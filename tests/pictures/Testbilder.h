#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

// Test pictures written with libjpeg's compressor or built byte by byte.
namespace testbilder {

struct JpegArt {
    int qualitaet = 95;
    bool progressiv = false;
    bool grau = false;
};

QByteArray jpegBytes(const QImage& bild, const JpegArt& art = {});
// Every pixel stored as (c, m, y, k); adobe writes the Adobe marker, which
// tells readers the values are inverted.
QByteArray cmykJpegBytes(int breite, int hoehe, int c, int m, int y, int k, bool adobe);

// Overwrites width and height in the frame header.
void setzeSofGroesse(QByteArray& jpeg, int breite, int hoehe);
// Repeats the scans (with their tables) so that the file holds about
// `mal` times as many scans.
QByteArray wiederholeScans(const QByteArray& jpeg, int mal);

// A 24-bit uncompressed BMP, bottom-up.
QByteArray bmp24(const QImage& bild);
// An 8-bit RLE BMP (grey palette) from raw RLE codes.
QByteArray bmpRle8(int breite, int hoehe, const QByteArray& codes);

// A 16-bit BMP, bottom-up, from pixel values given row by row from the top;
// with three masks (red, green, blue) a bit-field file, else 5-5-5.
QByteArray bmp16(int breite, int hoehe, const QList<quint16>& pixel, const QList<quint32>& masken = {});

// One IFD entry of an EXIF block: tag, TIFF type (3 SHORT, 4 LONG), count
// and the value field (the value itself, or an offset).
struct ExifEintrag {
    int tag = 0x0112;
    int typ = 3;
    quint32 anzahl = 1;
    quint32 wert = 1;
};
// An APP1 block's data: "Exif\0\0", a TIFF header and one IFD holding eintraege.
QByteArray exifTiff(const QList<ExifEintrag>& eintraege, bool motorola = false);
// The JPEG with an APP1 segment of this content right after its start marker.
QByteArray mitApp1(const QByteArray& jpeg, const QByteArray& inhalt);
// An APP1 block's data whose IFD holds only the image description (ASCII, zero-terminated).
QByteArray exifBeschreibung(const QByteArray& text);
// The JPEG with a comment (COM) segment of this content right after its start marker.
QByteArray mitKommentar(const QByteArray& jpeg, const QByteArray& text);

// bild as a HEIC, or with avif an AVIF, from libheif's encoder (quality 90);
// drehung, an EXIF orientation, is stored as the file's turn and mirroring
// (bild is then the picture as stored); exif (an APP1 block's data) goes
// along; with vorschau > 0 a thumbnail within vorschau x vorschau.
QByteArray heifBytes(const QImage& bild, bool avif = false, int drehung = 1, const QByteArray& exif = {},
                     int vorschau = 0);
// Overwrites every size box (ispe) of a HEIF file with breite x hoehe.
void setzeHeifGroesse(QByteArray& heif, quint32 breite, quint32 hoehe);

void schreibe(const QString& pfad, const QByteArray& daten);

// A picture whose every pixel differs from its neighbours, so that
// a shifted or scaled copy is told apart from the original.
QImage muster(int breite, int hoehe);

} // namespace testbilder
