#include "karten/JpegKopf.h"

namespace {

int byteAn(const QByteArray& d, qsizetype i) { return static_cast<unsigned char>(d[i]); }

int wortAn(const QByteArray& d, qsizetype i) { return byteAn(d, i) << 8 | byteAn(d, i + 1); }

bool istSof(int marker)
{
    // C0..CF are frame headers except C4 (Huffman tables), C8 (reserved) and CC (arithmetic).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

JpegKopf leseJpegKopf(const QByteArray& datei)
{
    JpegKopf kopf;
    const qsizetype n = datei.size();
    if (n < 4 || byteAn(datei, 0) != 0xFF || byteAn(datei, 1) != 0xD8)
        return kopf;
    qsizetype i = 2;
    while (i + 4 <= n) {
        if (byteAn(datei, i) != 0xFF)
            return kopf;
        const int marker = byteAn(datei, i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        const int laenge = wortAn(datei, i + 2);
        if (laenge < 2 || i + 2 + laenge > n)
            return kopf;
        if (istSof(marker)) {
            if (laenge < 8)
                return kopf;
            kopf.Gefunden = true;
            kopf.SofTyp = marker - 0xC0;
            kopf.BitsProWert = byteAn(datei, i + 4);
            kopf.Hoehe = wortAn(datei, i + 5);
            kopf.Breite = wortAn(datei, i + 7);
            kopf.Komponenten = byteAn(datei, i + 9);
            return kopf;
        }
        if (marker == 0xDA) // scan before any frame header
            return kopf;
        i += 2 + laenge;
    }
    return kopf;
}
