#include "pictures/BmpLeser.h"

#include "pictures/Bildfehler.h"
#include "platform/PaarlixFehler.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <bit>
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

// Walks an RLE stream and demands that it sets every pixel exactly once
// before it ends, inside its row: Qt cuts a run at the row's end and reads
// the rest of its bytes as codes, and leaves skipped (delta, early end) and
// missing pixels uninitialised.
void pruefeRle(const QByteArray& d, qsizetype pos, long long breite, long long hoehe, bool vierBit)
{
    long long x = 0;
    long long y = 0;
    const qsizetype ende = d.size();
    while (y < hoehe) {
        if (pos + 2 > ende)
            ungueltig();
        const unsigned anzahl = quint8(d[pos]);
        const unsigned wert = quint8(d[pos + 1]);
        pos += 2;
        if (anzahl > 0) {
            x += anzahl;
            if (x > breite)
                ungueltig();
            continue;
        }
        if (wert == 0) { // end of line
            if (x < breite)
                ungueltig();
            x = 0;
            ++y;
        } else if (wert == 1) { // end of bitmap: only after the last pixel
            if (y != hoehe - 1 || x < breite)
                ungueltig();
            return;
        } else if (wert == 2) { // delta: skips pixels
            ungueltig();
        } else { // absolute run of `wert` pixels, padded to 16 bits
            const qsizetype bytes = vierBit ? (wert + 1) / 2 : wert;
            pos += (bytes + 1) & ~qsizetype(1);
            x += wert;
            if (pos > ende || x > breite)
                ungueltig();
        }
    }
}

// Colour masks of a file whose pixels are bit fields: red, green, blue, alpha.
struct Farbmasken {
    std::uint32_t m[4] = {0, 0, 0, 0};
};

// The masks of a bit-field file, from behind the 40-byte header or inside a
// longer one. Masks that are all zero or share bits describe no colours.
Farbmasken pruefeMasken(const QByteArray& d, std::uint32_t kopfGroesse, std::uint32_t datenBeginn,
                        std::uint32_t bits)
{
    if (bits != 16 && bits != 32)
        ungueltig();
    const std::uint32_t maskenEnde = 14 + 40 + 12;
    if (d.size() < maskenEnde || datenBeginn < maskenEnde)
        ungueltig();
    Farbmasken f;
    for (int k = 0; k < 3; ++k)
        f.m[k] = u32(d, 54 + 4 * k);
    if (kopfGroesse >= 56)
        f.m[3] = u32(d, 66);
    if ((f.m[0] | f.m[1] | f.m[2]) == 0)
        ungueltig();
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            if ((f.m[a] & f.m[b]) != 0)
                ungueltig();
    return f;
}

// What the checks learnt about the pixels' channels; empty masks for files
// whose channels are whole bytes or palette entries.
Farbmasken pruefeKopf(const QByteArray& d, const QString& dateiname)
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

    Farbmasken masken;
    switch (kompression) {
    case bmpUnkomprimiert:
    case bmpBitfelder: {
        if (kompression == bmpBitfelder)
            masken = pruefeMasken(d, kopfGroesse, datenBeginn, bits);
        else if (bits == 16)
            masken = {{0x7C00, 0x03E0, 0x001F, 0}};
        const long long zeilenlaenge = (breite * bits + 31) / 32 * 4;
        if (datenBeginn + zeilenlaenge * zeilen > laenge)
            ungueltig();
        return masken;
    }
    case bmpRle8:
    case bmpRle4:
        if (hoehe < 0 || bits != (kompression == bmpRle8 ? 8u : 4u))
            ungueltig();
        pruefeRle(d, datenBeginn, breite, hoehe, kompression == bmpRle4);
        return masken;
    default:
        ungueltig();
    }
}

// Qt widens a channel of n < 8 bits by shifting, so that white in a 16-bit
// file comes out as (248, 252, 248). White must stay white: repeat the
// channel's bits downwards instead, as if its top bits were the whole value.
void wiederholeKanalbits(QImage& bild, const Farbmasken& masken)
{
    const int verschiebung[4] = {16, 8, 0, 24};
    std::uint8_t tabelle[4][256];
    bool noetig = false;
    for (int k = 0; k < 4; ++k) {
        const int n = std::popcount(masken.m[k]);
        for (int v = 0; v < 256; ++v) {
            int neu = v;
            if (n > 0 && n < 8) {
                const int wert = v >> (8 - n);
                neu = 0;
                for (int s = 8 - n; s > -n; s -= n)
                    neu |= s >= 0 ? wert << s : wert >> -s;
            }
            tabelle[k][v] = std::uint8_t(neu);
        }
        noetig = noetig || (n > 0 && n < 8);
    }
    if (!noetig)
        return;
    const int kanaele = bild.hasAlphaChannel() ? 4 : 3;
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            QRgb p = zeile[x];
            for (int k = 0; k < kanaele; ++k) {
                const std::uint32_t alt = (p >> verschiebung[k]) & 0xFF;
                p = (p & ~(0xFFu << verschiebung[k])) | std::uint32_t(tabelle[k][alt]) << verschiebung[k];
            }
            zeile[x] = p;
        }
    }
}

} // namespace

void pruefeBmpDaten(const QByteArray& d, const QString& dateiname)
{
    pruefeKopf(d, dateiname);
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

    const Farbmasken masken = pruefeKopf(daten, dateiname);

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
    wiederholeKanalbits(bild, masken);
    return bild;
}
