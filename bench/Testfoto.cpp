#include "bench/Testfoto.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include <jpeglib.h>

// Smooth gradients with a few soft blobs and sensor-like noise, so that the
// entropy data looks like a photo's rather than a flat test card's.
void schreibeTestfoto(const QString& pfad, int breite, int hoehe, unsigned saat)
{
    std::FILE* datei = std::fopen(QFile::encodeName(pfad).constData(), "wb");
    if (!datei) {
        std::perror("fopen");
        std::exit(1);
    }
    jpeg_compress_struct c {};
    jpeg_error_mgr fehler {};
    c.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, datei);
    c.image_width = JDIMENSION(breite);
    c.image_height = JDIMENSION(hoehe);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    jpeg_start_compress(&c, TRUE);

    std::mt19937 zufall(saat);
    std::normal_distribution<float> rauschen(0.0f, 6.0f);
    std::uniform_real_distribution<float> ort(0.0f, 1.0f);
    struct Fleck {
        float x, y, r, staerke[3];
    };
    std::vector<Fleck> flecken(12);
    for (Fleck& f : flecken)
        f = {ort(zufall) * breite, ort(zufall) * hoehe, (0.05f + ort(zufall) * 0.2f) * breite,
             {ort(zufall) * 160 - 80, ort(zufall) * 160 - 80, ort(zufall) * 160 - 80}};

    // A blob's weight exp(-(dx² + dy²) / r²) splits into a column and a row
    // factor: precomputing the column factors keeps large photos quick to write.
    std::vector<float> spaltenFaktor(flecken.size() * std::size_t(breite));
    for (std::size_t f = 0; f < flecken.size(); ++f)
        for (int x = 0; x < breite; ++x) {
            const float dx = x - flecken[f].x;
            spaltenFaktor[f * breite + x] = std::exp(-dx * dx / (flecken[f].r * flecken[f].r));
        }
    std::vector<JSAMPLE> zeile(std::size_t(breite) * 3);
    std::vector<float> zeilenFaktor(flecken.size());
    while (c.next_scanline < c.image_height) {
        const int y = int(c.next_scanline);
        for (std::size_t f = 0; f < flecken.size(); ++f) {
            const float dy = y - flecken[f].y;
            zeilenFaktor[f] = std::exp(-dy * dy / (flecken[f].r * flecken[f].r));
        }
        for (int x = 0; x < breite; ++x) {
            float kanal[3] = {60.0f + 120.0f * x / breite, 80.0f + 100.0f * y / hoehe,
                              180.0f - 90.0f * (x + y) / (breite + hoehe)};
            for (std::size_t f = 0; f < flecken.size(); ++f) {
                const float w = zeilenFaktor[f] * spaltenFaktor[f * breite + x];
                for (int k = 0; k < 3; ++k)
                    kanal[k] += flecken[f].staerke[k] * w;
            }
            for (int k = 0; k < 3; ++k)
                zeile[std::size_t(x) * 3 + k] = JSAMPLE(std::clamp(kanal[k] + rauschen(zufall), 0.0f, 255.0f));
        }
        JSAMPROW z = zeile.data();
        jpeg_write_scanlines(&c, &z, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(datei);
}

QStringList schreibeTestfotos(const QString& ordner, int anzahl)
{
    constexpr int Verschiedene = 6;
    QStringList fotos;
    for (int k = 0; k < anzahl; ++k) {
        fotos << QDir(ordner).filePath(QStringLiteral("foto%1.jpg").arg(k));
        if (k < Verschiedene)
            schreibeTestfoto(fotos.last(), 4000, 3000, unsigned(k + 1));
        else
            QFile::copy(fotos[k % Verschiedene], fotos.last());
    }
    return fotos;
}
