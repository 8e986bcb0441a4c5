#include "pictures/Kanalbits.h"

#include <bit>

void wiederholeKanalbits(QImage& bild, const Kanalmasken& masken)
{
    const int verschiebung[4] = {16, 8, 0, 24};
    std::uint8_t tabelle[4][256];
    bool noetig = false;
    for (int k = 0; k < 4; ++k) {
        const int n = std::popcount(masken[k]);
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

