#include "pictures/Testbilder.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <libheif/heif.h>

namespace testbilder {
namespace {

struct Komprimierer {
    jpeg_compress_struct c {};
    jpeg_error_mgr fehler {};
    unsigned char* puffer = nullptr;
    unsigned long groesse = 0;

    Komprimierer()
    {
        c.err = jpeg_std_error(&fehler);
        jpeg_create_compress(&c);
        jpeg_mem_dest(&c, &puffer, &groesse);
    }
    ~Komprimierer()
    {
        jpeg_destroy_compress(&c);
        std::free(puffer);
    }
    QByteArray ergebnis() const { return QByteArray(reinterpret_cast<const char*>(puffer), qsizetype(groesse)); }
};

void setze16(QByteArray& d, qsizetype i, int v)
{
    d[i] = char((v >> 8) & 0xFF);
    d[i + 1] = char(v & 0xFF);
}

void le16(QByteArray& d, int v)
{
    d.append(char(v & 0xFF));
    d.append(char((v >> 8) & 0xFF));
}

void le32(QByteArray& d, qint64 v)
{
    le16(d, int(v & 0xFFFF));
    le16(d, int((v >> 16) & 0xFFFF));
}

QByteArray bmpKopf(int breite, int hoehe, int bits, int kompression, int palette, qint64 datenGroesse)
{
    QByteArray d;
    const qint64 beginn = 14 + 40 + 4LL * palette;
    d.append("BM");
    le32(d, beginn + datenGroesse);
    le32(d, 0);
    le32(d, beginn);
    le32(d, 40);
    le32(d, breite);
    le32(d, hoehe);
    le16(d, 1);
    le16(d, bits);
    le32(d, kompression);
    le32(d, datenGroesse);
    le32(d, 2835);
    le32(d, 2835);
    le32(d, palette);
    le32(d, 0);
    return d;
}

} // namespace

QByteArray jpegBytes(const QImage& bild, const JpegArt& art)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    Komprimierer k;
    k.c.image_width = JDIMENSION(rgb.width());
    k.c.image_height = JDIMENSION(rgb.height());
    k.c.input_components = 3;
    k.c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&k.c);
    jpeg_set_quality(&k.c, art.qualitaet, TRUE);
    if (art.grau)
        jpeg_set_colorspace(&k.c, JCS_GRAYSCALE);
    if (art.progressiv)
        jpeg_simple_progression(&k.c);
    jpeg_start_compress(&k.c, TRUE);
    while (k.c.next_scanline < k.c.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(rgb.constScanLine(int(k.c.next_scanline)));
        jpeg_write_scanlines(&k.c, &zeile, 1);
    }
    jpeg_finish_compress(&k.c);
    return k.ergebnis();
}

QByteArray cmykJpegBytes(int breite, int hoehe, int c, int m, int y, int kk, bool adobe)
{
    Komprimierer k;
    k.c.image_width = JDIMENSION(breite);
    k.c.image_height = JDIMENSION(hoehe);
    k.c.input_components = 4;
    k.c.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&k.c);
    jpeg_set_quality(&k.c, 95, TRUE);
    jpeg_set_colorspace(&k.c, JCS_CMYK);
    k.c.write_Adobe_marker = adobe ? TRUE : FALSE;
    jpeg_start_compress(&k.c, TRUE);
    std::vector<JSAMPLE> zeile(std::size_t(breite) * 4);
    for (int x = 0; x < breite; ++x) {
        zeile[std::size_t(x) * 4 + 0] = JSAMPLE(c);
        zeile[std::size_t(x) * 4 + 1] = JSAMPLE(m);
        zeile[std::size_t(x) * 4 + 2] = JSAMPLE(y);
        zeile[std::size_t(x) * 4 + 3] = JSAMPLE(kk);
    }
    while (k.c.next_scanline < k.c.image_height) {
        JSAMPROW z = zeile.data();
        jpeg_write_scanlines(&k.c, &z, 1);
    }
    jpeg_finish_compress(&k.c);
    return k.ergebnis();
}

void setzeSofGroesse(QByteArray& jpeg, int breite, int hoehe)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const auto m = quint8(jpeg[i + 1]);
        if (quint8(jpeg[i]) == 0xFF && (m == 0xC0 || m == 0xC1 || m == 0xC2)) {
            setze16(jpeg, i + 5, hoehe);
            setze16(jpeg, i + 7, breite);
            return;
        }
    }
    std::abort();
}

QByteArray wiederholeScans(const QByteArray& jpeg, int mal)
{
    // Scans begin after the first table that follows the frame header and
    // end before the closing EOI marker.
    const qsizetype sof = jpeg.indexOf("\xFF\xC2");
    const qsizetype anfang = jpeg.indexOf("\xFF\xC4", sof);
    const qsizetype ende = jpeg.size() - 2;
    if (sof < 0 || anfang < 0)
        std::abort();
    QByteArray ergebnis = jpeg.left(ende);
    const QByteArray scans = jpeg.mid(anfang, ende - anfang);
    for (int i = 1; i < mal; ++i)
        ergebnis.append(scans);
    ergebnis.append("\xFF\xD9", 2);
    return ergebnis;
}

QByteArray bmp24(const QImage& bild)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    const int zeilenlaenge = (rgb.width() * 3 + 3) / 4 * 4;
    QByteArray d = bmpKopf(rgb.width(), rgb.height(), 24, 0, 0, qint64(zeilenlaenge) * rgb.height());
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* z = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            d.append(char(qBlue(z[x])));
            d.append(char(qGreen(z[x])));
            d.append(char(qRed(z[x])));
        }
        d.append(QByteArray(zeilenlaenge - rgb.width() * 3, '\0'));
    }
    return d;
}

QByteArray bmpRle8(int breite, int hoehe, const QByteArray& codes)
{
    QByteArray d = bmpKopf(breite, hoehe, 8, 1, 256, codes.size());
    for (int i = 0; i < 256; ++i) {
        d.append(char(i));
        d.append(char(i));
        d.append(char(i));
        d.append('\0');
    }
    d.append(codes);
    return d;
}

QByteArray bmp16(int breite, int hoehe, const QList<quint16>& pixel, const QList<quint32>& masken)
{
    const int zeilenlaenge = (breite * 2 + 3) / 4 * 4;
    // The masks take the place of a palette: right behind the 40-byte header.
    QByteArray d = bmpKopf(breite, hoehe, 16, masken.isEmpty() ? 0 : 3, int(masken.size()),
                           qint64(zeilenlaenge) * hoehe);
    for (int b = 0; b < 4; ++b)
        d[46 + b] = '\0';
    for (const quint32 maske : masken)
        le32(d, maske);
    for (int y = hoehe - 1; y >= 0; --y) {
        for (int x = 0; x < breite; ++x)
            le16(d, pixel[y * breite + x]);
        d.append(QByteArray(zeilenlaenge - breite * 2, '\0'));
    }
    return d;
}

void schreibe(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(daten) != daten.size())
        std::abort();
}

QImage muster(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb((x * 7 + y * 3) & 0xFF, (x * 13 + y * 29) & 0xFF, (x + y * 11) & 0xFF));
    return bild;
}

QByteArray mitApp1(const QByteArray& jpeg, const QByteArray& inhalt)
{
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((inhalt.size() + 2) >> 8));
    segment.append(char((inhalt.size() + 2) & 0xFF));
    segment.append(inhalt);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray exifBeschreibung(const QByteArray& text)
{
    // Intel order; the text lies after the IFD, at TIFF offset 8 + 2 + 12 + 4.
    QByteArray wert = text + '\0';
    QByteArray d = exifTiff({{0x010E, 2, quint32(wert.size()), wert.size() <= 4 ? 0u : 26u}});
    if (wert.size() <= 4)
        d.replace(6 + 8 + 2 + 8, wert.size(), wert);
    else
        d.append(wert);
    return d;
}

QByteArray mitKommentar(const QByteArray& jpeg, const QByteArray& text)
{
    QByteArray segment("\xFF\xFE", 2);
    segment.append(char((text.size() + 2) >> 8));
    segment.append(char((text.size() + 2) & 0xFF));
    segment.append(text);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray exifTiff(const QList<ExifEintrag>& eintraege, bool motorola)
{
    const auto u16 = [motorola](QByteArray& d, int v) {
        const char hoch = char((v >> 8) & 0xFF), tief = char(v & 0xFF);
        d.append(motorola ? hoch : tief);
        d.append(motorola ? tief : hoch);
    };
    const auto u32 = [&](QByteArray& d, quint32 v) {
        u16(d, int(motorola ? v >> 16 : v & 0xFFFF));
        u16(d, int(motorola ? v & 0xFFFF : v >> 16));
    };
    QByteArray d("Exif\0\0", 6);
    d.append(motorola ? "MM" : "II");
    u16(d, 42);
    u32(d, 8);
    u16(d, int(eintraege.size()));
    for (const ExifEintrag& e : eintraege) {
        u16(d, e.tag);
        u16(d, e.typ);
        u32(d, e.anzahl);
        // A SHORT value sits left-justified in the four value bytes.
        if (e.typ == 3 && e.anzahl == 1) {
            u16(d, int(e.wert));
            u16(d, 0);
        } else {
            u32(d, e.wert);
        }
    }
    u32(d, 0);
    return d;
}

QByteArray heifBytes(const QImage& bild, bool avif, int drehung, const QByteArray& exif, int vorschau)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    heif_context* kontext = heif_context_alloc();
    heif_image* roh = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &roh);
    heif_image_add_plane(roh, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int zeilenlaenge = 0;
    std::uint8_t* ziel = heif_image_get_plane(roh, heif_channel_interleaved, &zeilenlaenge);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(ziel + std::ptrdiff_t(y) * zeilenlaenge, rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    heif_encoder* kodierer = nullptr;
    heif_context_get_encoder_for_format(kontext, avif ? heif_compression_AV1 : heif_compression_HEVC, &kodierer);
    heif_encoder_set_lossy_quality(kodierer, 90);
    heif_encoding_options* optionen = heif_encoding_options_alloc();
    optionen->image_orientation = heif_orientation(drehung);
    heif_image_handle* haupt = nullptr;
    QByteArray daten;
    if (heif_context_encode_image(kontext, roh, kodierer, optionen, &haupt).code == heif_error_Ok) {
        if (!exif.isEmpty())
            heif_context_add_exif_metadata(kontext, haupt, exif.constData(), int(exif.size()));
        if (vorschau > 0)
            heif_context_encode_thumbnail(kontext, roh, haupt, kodierer, optionen, vorschau, nullptr);
        heif_writer schreiber{};
        schreiber.writer_api_version = 1;
        schreiber.write = [](heif_context*, const void* d, size_t n, void* z) {
            static_cast<QByteArray*>(z)->append(static_cast<const char*>(d), qsizetype(n));
            return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
        };
        heif_context_write(kontext, &schreiber, &daten);
        heif_image_handle_release(haupt);
    }
    heif_encoding_options_free(optionen);
    heif_encoder_release(kodierer);
    heif_image_release(roh);
    heif_context_free(kontext);
    return daten;
}

void setzeHeifGroesse(QByteArray& heif, quint32 breite, quint32 hoehe)
{
    for (qsizetype i = heif.indexOf("ispe"); i >= 0 && i + 16 <= heif.size(); i = heif.indexOf("ispe", i + 4))
        for (int b = 0; b < 4; ++b) {
            heif[i + 8 + b] = char((breite >> (24 - 8 * b)) & 0xFF);
            heif[i + 12 + b] = char((hoehe >> (24 - 8 * b)) & 0xFF);
        }
}

} // namespace testbilder
