#include "bench/Benchhilfen.h"

#include <QFile>
#include <QImage>

#include <algorithm>
#include <cstdio>

#include <jpeglib.h>

void rohDekodieren(const QString& pfad, std::vector<unsigned char>& puffer, QSize ziel)
{
    std::FILE* datei = std::fopen(QFile::encodeName(pfad).constData(), "rb");
    jpeg_decompress_struct c {};
    jpeg_error_mgr fehler {};
    c.err = jpeg_std_error(&fehler);
    jpeg_create_decompress(&c);
    jpeg_stdio_src(&c, datei);
    jpeg_read_header(&c, TRUE);
    c.out_color_space = JCS_EXT_BGRX;
    if (!ziel.isEmpty())
        for (unsigned d = 8; d > 1; d /= 2)
            if (c.image_width / d >= unsigned(ziel.width()) && c.image_height / d >= unsigned(ziel.height())) {
                c.scale_num = 1;
                c.scale_denom = d;
                break;
            }
    jpeg_start_decompress(&c);
    const std::size_t zeilenlaenge = std::size_t(c.output_width) * 4;
    puffer.resize(zeilenlaenge * c.output_height);
    while (c.output_scanline < c.output_height) {
        JSAMPROW z = puffer.data() + zeilenlaenge * c.output_scanline;
        jpeg_read_scanlines(&c, &z, 1);
    }
    jpeg_finish_decompress(&c);
    jpeg_destroy_decompress(&c);
    std::fclose(datei);
}

void schreibeSpiel(const QString& ordner, const QList<QByteArray>& werte)
{
    QFile f(ordner + QStringLiteral("/Paarlix.ini"));
    if (!f.open(QIODevice::WriteOnly))
        return;
    for (const QByteArray& w : werte)
        f.write("# Einstellung\n" + w + "\n");
    QImage rueckseite(200, 200, QImage::Format_RGB32);
    rueckseite.fill(Qt::white);
    rueckseite.save(ordner + QStringLiteral("/Kartentext.bmp"), "BMP");
}

void ohneBildschirm()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

double median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    const std::size_t mitte = werte.size() / 2;
    return werte.size() % 2 ? werte[mitte] : (werte[mitte - 1] + werte[mitte]) / 2;
}
