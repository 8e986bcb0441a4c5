#include "pictures/BmpLeser.h"

#include "pictures/Bildfehler.h"
#include "pictures/Kanalbits.h"
#include "platform/PaarlixFehler.h"

#include <QBuffer>
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

// The masks of a bit-field file, from behind the 40-byte header or inside a
// longer one. Masks that are all zero or share bits describe no colours.
Kanalmasken pruefeMasken(const QByteArray& d, std::uint32_t kopfGroesse, std::uint32_t datenBeginn,
                        std::uint32_t bits)
{
    if (bits != 16 && bits != 32)
        ungueltig();
    const std::uint32_t maskenEnde = 14 + 40 + 12;
    if (d.size() < maskenEnde || datenBeginn < maskenEnde)
        ungueltig();
    Kanalmasken f{};
    for (int k = 0; k < 3; ++k)
        f[k] = u32(d, 54 + 4 * k);
    if (kopfGroesse >= 56)
        f[3] = u32(d, 66);
    if ((f[0] | f[1] | f[2]) == 0)
        ungueltig();
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            if ((f[a] & f[b]) != 0)
                ungueltig();
    return f;
}

// What the checks learnt about the pixels' channels; empty masks for files
// whose channels are whole bytes or palette entries.
Kanalmasken pruefeKopf(const QByteArray& d, const QString& dateiname)
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

    Kanalmasken masken{};
    switch (kompression) {
    case bmpUnkomprimiert:
    case bmpBitfelder: {
        if (kompression == bmpBitfelder)
            masken = pruefeMasken(d, kopfGroesse, datenBeginn, bits);
        else if (bits == 16)
            masken = {0x7C00, 0x03E0, 0x001F, 0};
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

} // namespace

void pruefeBmpDaten(const QByteArray& d, const QString& dateiname)
{
    pruefeKopf(d, dateiname);
}

QImage leseBmp(const QString& dateiname, const Spieldateien& ordner)
{
    Lesedatei datei = ordner.oeffne(dateiname);
    if (!datei.offen())
        throw EPaarlixFehler(textNichtOeffnenbar(dateiname));
    QByteArray daten;
    switch (datei.liesAlles(daten, GroessteBmpDatei)) {
    case Lesedatei::Lesen::Gelesen:
        break;
    case Lesedatei::Lesen::ZuGross:
        throw EPaarlixFehler(textDateiZuGross(dateiname, GroessteBmpDatei));
    case Lesedatei::Lesen::Fehler:
        throw EPaarlixFehler(textNichtOeffnenbar(dateiname));
    }

    const Kanalmasken masken = pruefeKopf(daten, dateiname);

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
