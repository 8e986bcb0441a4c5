#include "pictures/Ausrichtung.h"

#include "pictures/Arbeitsbitmap.h"

#include <algorithm>
#include <cstdint>

#include <libexif/exif-data.h>

namespace {

// Tiles keep both the rows read and the columns written in the cache.
constexpr int Kachel = 64;

// Writes stored pixel (x, y) of a w x h picture to the upright position
// that O gives, tile by tile.
template <int O>
void quer(const Arbeitsbitmap& quelle, Arbeitsbitmap& ziel)
{
    const int w = quelle.Width();
    const int h = quelle.Height();
    for (int y0 = 0; y0 < h; y0 += Kachel)
        for (int x0 = 0; x0 < w; x0 += Kachel)
            for (int y = y0; y < std::min(h, y0 + Kachel); ++y) {
                const std::uint32_t* von = quelle.zeile(y);
                // Stored row y becomes upright column zx; stored column x upright row zy.
                const int zx = (O == 5 || O == 8) ? y : h - 1 - y;
                for (int x = x0; x < std::min(w, x0 + Kachel); ++x) {
                    const int zy = (O == 5 || O == 6) ? x : w - 1 - x;
                    ziel.zeile(zy)[zx] = von[x];
                }
            }
}

} // namespace

int exifAusrichtung(const unsigned char* daten, std::size_t laenge)
{
    if (!daten || laenge == 0 || laenge > 0xFFFF)
        return 1;
    ExifData* exif = exif_data_new();
    if (!exif)
        return 1;
    // Only read: nothing is to be completed or corrected.
    exif_data_unset_option(exif, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(exif, daten, static_cast<unsigned int>(laenge));
    int wert = 1;
    const ExifEntry* eintrag = exif_content_get_entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (eintrag && eintrag->format == EXIF_FORMAT_SHORT && eintrag->components >= 1 && eintrag->data
        && eintrag->size >= 2)
        wert = exif_get_short(eintrag->data, exif_data_get_byte_order(exif));
    exif_data_unref(exif);
    return wert >= 1 && wert <= 8 ? wert : 1;
}

bool vertauschtSeiten(int ausrichtung)
{
    return ausrichtung >= 5 && ausrichtung <= 8;
}

void richteAufVorOrt(Arbeitsbitmap& bild, int ausrichtung)
{
    const int w = bild.Width();
    const int h = bild.Height();
    if (w <= 0 || h <= 0)
        return;
    switch (ausrichtung) {
    case 2:
        for (int y = 0; y < h; ++y)
            std::reverse(bild.zeile(y), bild.zeile(y) + w);
        break;
    case 3:
        // Rows lie back to back: turning by half is reversing all pixels.
        std::reverse(bild.zeile(0), bild.zeile(h - 1) + w);
        break;
    case 4:
        for (int y = 0; y < h / 2; ++y)
            std::swap_ranges(bild.zeile(y), bild.zeile(y) + w, bild.zeile(h - 1 - y));
        break;
    default:
        break;
    }
}

void richteAufQuer(const Arbeitsbitmap& quelle, int ausrichtung, Arbeitsbitmap& ziel)
{
    ziel.belegeNeu(quelle.Height(), quelle.Width());
    switch (ausrichtung) {
    case 5:
        quer<5>(quelle, ziel);
        break;
    case 6:
        quer<6>(quelle, ziel);
        break;
    case 7:
        quer<7>(quelle, ziel);
        break;
    case 8:
        quer<8>(quelle, ziel);
        break;
    default:
        break;
    }
}
