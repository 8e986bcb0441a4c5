#include "pictures/BmpLeser.h"

#include "pictures/Bildfehler.h"
#include "platform/PaarlixFehler.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::uint32_t bmpUnkomprimiert = 0;
constexpr std::uint32_t bmpRle8 = 1;
constexpr std::uint32_t bmpRle4 = 2;
constexpr std::uint32_t bmpBitfelder = 3;

[[noreturn]] void ungueltig()
{
    throw EPaarlixFehler(QStringLiteral("Bitmap ist ungültig"));
}

std::uint32_t u16(const QByteArray& d, qsizetype i)
{
    return std::uint32_t(quint8(d[i])) | std::uint32_t(quint8(d[i + 1])) << 8;
}

std::uint32_t u32(const QByteArray& d, qsizetype i)
{
    return u16(d, i) | u16(d, i + 2) << 16;
}

// Walks an RLE stream and demands that it sets every pixel before it ends:
// Qt leaves skipped (delta, early end) and missing pixels uninitialised.
void pruefeRle(const QByteArray& d, qsizetype pos, long long breite, long long hoehe, bool vierBit)
{
    long long x = 0;
    long long y = 0;
    const qsizetype ende = d.size();
    while (true) {
        if (pos + 2 > ende)
            ungueltig();
        const unsigned anzahl = quint8(d[pos]);
        const unsigned wert = quint8(d[pos + 1]);
        pos += 2;
        if (anzahl > 0) {
            x += anzahl;
            continue;
        }
        if (wert == 0) { // end of line
            if (x < breite)
                ungueltig();
            x = 0;
            ++y;
        } else if (wert == 1) { // end of bitmap
            if (x != 0 && x >= breite) {
                x = 0;
                ++y;
            }
            if (y < hoehe)
                ungueltig();
            return;
        } else if (wert == 2) { // delta: skips pixels
            ungueltig();
        } else { // absolute run of `wert` pixels, padded to 16 bits
            const qsizetype bytes = vierBit ? (wert + 1) / 2 : wert;
            pos += (bytes + 1) & ~qsizetype(1);
            if (pos > ende)
                ungueltig();
            x += wert;
        }
        if (y >= hoehe)
            return;
    }
}

} // namespace

void pruefeBmpDaten(const QByteArray& d, const QString& dateiname)
{
    const qsizetype laenge = d.size();
    if (laenge < 18 || d[0] != 'B' || d[1] != 'M')
        ungueltig();
    const std::uint32_t datenBeginn = u32(d, 10);
    const std::uint32_t kopfGroesse = u32(d, 14);

    long long breite = 0;
    long long hoehe = 0;
    std::uint32_t bits = 0;
    std::uint32_t kompression = bmpUnkomprimiert;
    if (kopfGroesse == 12) {
        if (laenge < 14 + 12)
            ungueltig();
        breite = u16(d, 18);
        hoehe = u16(d, 20);
        bits = u16(d, 24);
    } else if (kopfGroesse >= 40 && kopfGroesse <= 124) {
        if (laenge < 14 + 40)
            ungueltig();
        breite = std::int32_t(u32(d, 18));
        hoehe = std::int32_t(u32(d, 22));
        bits = u16(d, 28);
        kompression = u32(d, 30);
    } else {
        ungueltig();
    }

    // Pixel data must start after the headers and inside the file.
    if (datenBeginn < 14 + kopfGroesse || datenBeginn > std::uint64_t(laenge))
        ungueltig();
    if (breite == 0 || hoehe == 0)
        throw EPaarlixFehler(textKeinePixel(dateiname, breite, hoehe));
    if (breite < 0)
        ungueltig();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        ungueltig();

    const long long zeilen = std::llabs(hoehe);
    // Qt's reader refuses what exceeds its allocation limit; say so clearly.
    // Both sides below 2^31: the pixel count fits, four bytes each may not.
    const long long grenze = std::min<long long>(1LL << 30, QImageReader::allocationLimit() * 1024LL * 1024LL);
    if (breite * zeilen > grenze / 4)
        throw EPaarlixFehler(textZuGross(dateiname, breite, zeilen));

    switch (kompression) {
    case bmpUnkomprimiert:
    case bmpBitfelder: {
        if (kompression == bmpBitfelder && bits != 16 && bits != 32)
            ungueltig();
        const long long zeilenlaenge = (breite * bits + 31) / 32 * 4;
        if (datenBeginn + zeilenlaenge * zeilen > laenge)
            ungueltig();
        return;
    }
    case bmpRle8:
    case bmpRle4:
        if (hoehe < 0 || bits != (kompression == bmpRle8 ? 8u : 4u))
            ungueltig();
        pruefeRle(d, datenBeginn, breite, hoehe, kompression == bmpRle4);
        return;
    default:
        ungueltig();
    }
}

QImage leseBmp(const QString& dateiname)
{
    QFile datei(dateiname);
    if (!datei.open(QIODevice::ReadOnly))
        throw EPaarlixFehler(textNichtOeffnenbar(dateiname));
    QByteArray daten = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw EPaarlixFehler(textNichtOeffnenbar(dateiname));
    datei.close();

    pruefeBmpDaten(daten, dateiname);

    QBuffer puffer(&daten);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, "bmp");
    leser.setDecideFormatFromContent(false);
    QImage bild = leser.read();
    if (bild.isNull())
        ungueltig();
    const QImage::Format format = bild.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (bild.format() != format)
        bild.convertTo(format);
    return bild;
}
