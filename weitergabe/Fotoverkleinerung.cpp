#include "weitergabe/Fotoverkleinerung.h"

#include "karten/Fotokarte.h"
#include "karten/JpegKopf.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/Ausrichtung.h"
#include "pictures/JpegDekodierer.h"

#include <QImage>
#include <QList>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace {

// libjpeg leaves by longjmp; the steps below touch plain data only, so that
// no destructor is skipped.
struct Fehlerziel {
    jpeg_error_mgr mgr;
    std::jmp_buf sprung;
};

[[noreturn]] void springe(j_common_ptr c) { std::longjmp(static_cast<Fehlerziel*>(c->client_data)->sprung, 1); }

void still(j_common_ptr, int) {}

// The game refuses a file of too many scans: it stays as it is.
void scansPruefen(j_common_ptr c)
{
    const auto* d = reinterpret_cast<j_decompress_ptr>(c);
    if (d->input_scan_number > JpegDekodierer::erlaubteScans(d->image_width, d->image_height))
        springe(c);
}

template <typename Schritt>
bool geschuetzt(Fehlerziel& fehler, Schritt schritt)
{
    if (setjmp(fehler.sprung))
        return false;
    schritt();
    return true;
}

void richteEin(Fehlerziel& fehler, j_common_ptr c)
{
    c->err = jpeg_std_error(&fehler.mgr);
    fehler.mgr.error_exit = springe;
    fehler.mgr.emit_message = still;
    c->client_data = &fehler;
}

struct Entpacker {
    jpeg_decompress_struct cinfo{};
    Fehlerziel fehler{};
    jpeg_progress_mgr fortschritt{};
    bool angelegt = false;
    ~Entpacker()
    {
        if (angelegt)
            jpeg_destroy_decompress(&cinfo);
    }
};

struct Packer {
    jpeg_compress_struct cinfo{};
    Fehlerziel fehler{};
    unsigned char* ausgabe = nullptr;
    unsigned long laenge = 0;
    bool angelegt = false;
    ~Packer()
    {
        if (angelegt)
            jpeg_destroy_compress(&cinfo);
        std::free(ausgabe);
    }
};

bool istExif(const QByteArray& block) { return block.startsWith(QByteArrayLiteral("Exif\0\0")); }

// Sets the orientation of the EXIF block's first picture (IFD0) to upright
// and leaves every other byte as it was, the description among them.
void setzeAufrecht(QByteArray& exif)
{
    constexpr qsizetype tiff = 6; // after "Exif\0\0"
    const qsizetype n = exif.size();
    if (n < tiff + 8)
        return;
    auto* d = reinterpret_cast<unsigned char*>(exif.data());
    const bool motorola = d[tiff] == 'M';
    const auto wort = [&](qsizetype i) -> quint32 {
        return motorola ? quint32(d[i]) << 8 | d[i + 1] : quint32(d[i + 1]) << 8 | d[i];
    };
    const auto langwort = [&](qsizetype i) -> quint32 {
        return motorola ? wort(i) << 16 | wort(i + 2) : wort(i + 2) << 16 | wort(i);
    };
    const qsizetype ifd = tiff + qsizetype(langwort(tiff + 4));
    if (ifd + 2 > n)
        return;
    const quint32 eintraege = wort(ifd);
    for (quint32 k = 0; k < eintraege; ++k) {
        const qsizetype e = ifd + 2 + 12 * qsizetype(k);
        if (e + 12 > n)
            return;
        if (wort(e) == 0x0112 && wort(e + 2) == 3) { // SHORT: the value sits in the entry
            d[e + 8] = motorola ? 0 : 1;
            d[e + 9] = motorola ? 1 : 0;
        }
    }
}

// The picture as a baseline JPEG, the EXIF block first and then the comments.
QByteArray packe(const QImage& bild, const QByteArray& exif, const QList<QByteArray>& kommentare)
{
    Packer p;
    richteEin(p.fehler, reinterpret_cast<j_common_ptr>(&p.cinfo));
    if (!geschuetzt(p.fehler, [&] { jpeg_create_compress(&p.cinfo); }))
        return {};
    p.angelegt = true;
    const bool gepackt = geschuetzt(p.fehler, [&] {
        jpeg_mem_dest(&p.cinfo, &p.ausgabe, &p.laenge);
        p.cinfo.image_width = JDIMENSION(bild.width());
        p.cinfo.image_height = JDIMENSION(bild.height());
        p.cinfo.input_components = 4;
        p.cinfo.in_color_space = JCS_EXT_BGRX;
        jpeg_set_defaults(&p.cinfo);
        jpeg_set_quality(&p.cinfo, KartenJpegQualitaet, TRUE);
        // An EXIF file has no JFIF block; readers look for EXIF right after the start.
        p.cinfo.write_JFIF_header = exif.isEmpty() ? TRUE : FALSE;
        jpeg_start_compress(&p.cinfo, TRUE);
        if (!exif.isEmpty())
            jpeg_write_marker(&p.cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.constData()),
                              unsigned(exif.size()));
        for (const QByteArray& k : kommentare)
            jpeg_write_marker(&p.cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(k.constData()), unsigned(k.size()));
        while (p.cinfo.next_scanline < p.cinfo.image_height) {
            auto* zeile = const_cast<JSAMPLE*>(bild.constScanLine(int(p.cinfo.next_scanline)));
            jpeg_write_scanlines(&p.cinfo, &zeile, 1);
        }
        jpeg_finish_compress(&p.cinfo);
    });
    if (!gepackt)
        return {};
    return QByteArray(reinterpret_cast<const char*>(p.ausgabe), qsizetype(p.laenge));
}

} // namespace

int verkleinerungsAchtel(int langeKante)
{
    for (int m = 1; m < 8; ++m)
        // libjpeg rounds scaled sizes up.
        if ((static_cast<long long>(langeKante) * m + 7) / 8 >= WeitergabeKante)
            return m;
    return 8;
}

QSize verkleinerteGroesse(QSize aufrecht)
{
    const bool hoch = aufrecht.height() > aufrecht.width();
    const double lang = std::max(aufrecht.width(), aufrecht.height());
    const double kurz = std::min(aufrecht.width(), aufrecht.height());
    const int k = std::max(1, int(std::nearbyint(kurz * WeitergabeKante / lang)));
    return hoch ? QSize(k, WeitergabeKante) : QSize(WeitergabeKante, k);
}

Fotoverkleinerer::Fotoverkleinerer()
    : roh_(std::make_unique<Arbeitsbitmap>()), aufrecht_(std::make_unique<Arbeitsbitmap>())
{
}

Fotoverkleinerer::~Fotoverkleinerer() = default;

QByteArray Fotoverkleinerer::verkleinere(const QByteArray& datei)
{
    // The frame header tells the size without libjpeg: most cards stop here.
    const JpegKopf kopf = leseJpegKopf(datei);
    if (!kopf.Gefunden || std::max(kopf.Breite, kopf.Hoehe) <= WeitergabeKante)
        return datei;

    Entpacker e;
    j_decompress_ptr c = &e.cinfo;
    richteEin(e.fehler, reinterpret_cast<j_common_ptr>(c));
    if (!geschuetzt(e.fehler, [&] { jpeg_create_decompress(c); }))
        return datei;
    e.angelegt = true;
    c->mem->max_memory_to_use = JpegDekodierer::maxLibjpegSpeicher;
    e.fortschritt.progress_monitor = scansPruefen;
    c->progress = &e.fortschritt;
    const bool kopfGelesen = geschuetzt(e.fehler, [&] {
        jpeg_mem_src(c, reinterpret_cast<const unsigned char*>(datei.constData()), (unsigned long)datei.size());
        jpeg_save_markers(c, JPEG_COM, 0xFFFF);
        jpeg_save_markers(c, JPEG_APP0 + 1, 0xFFFF);
        jpeg_read_header(c, TRUE);
    });
    const long long breite = kopfGelesen ? c->image_width : 0;
    const long long hoehe = kopfGelesen ? c->image_height : 0;
    // CMYK needs the game's own conversion; such a photo is shared as it is.
    if (!kopfGelesen || c->jpeg_color_space == JCS_CMYK || c->jpeg_color_space == JCS_YCCK ||
        std::max(breite, hoehe) <= WeitergabeKante || breite * hoehe > JpegDekodierer::maxPixel)
        return datei;

    // Copied now: decoding frees libjpeg's copies.
    QByteArray exif;
    QList<QByteArray> kommentare;
    for (jpeg_saved_marker_ptr m = c->marker_list; m; m = m->next) {
        const QByteArray block(reinterpret_cast<const char*>(m->data), qsizetype(m->data_length));
        if (m->marker == JPEG_COM)
            kommentare += block;
        else if (exif.isEmpty() && istExif(block))
            exif = block;
    }

    c->out_color_space = JCS_EXT_BGRX;
    c->scale_num = unsigned(verkleinerungsAchtel(int(std::max(breite, hoehe))));
    c->scale_denom = 8;
    c->do_block_smoothing = TRUE;
    if (!geschuetzt(e.fehler, [&] { jpeg_calc_output_dimensions(c); }) || c->output_components != 4)
        return datei;
    Arbeitsbitmap& roh = *roh_;
    roh.belegeNeu(int(c->output_width), int(c->output_height));
    auto* ausgabe = reinterpret_cast<JSAMPLE*>(roh.zeile(0));
    const std::size_t zeilenlaenge = std::size_t(roh.bytesProZeile());
    const bool dekodiert = geschuetzt(e.fehler, [&] {
        jpeg_start_decompress(c);
        while (c->output_scanline < c->output_height) {
            JSAMPROW zeile = ausgabe + std::size_t(c->output_scanline) * zeilenlaenge;
            jpeg_read_scanlines(c, &zeile, 1);
        }
        jpeg_finish_decompress(c);
    });
    if (!dekodiert)
        return datei;

    const int ausrichtung = exifAusrichtung(reinterpret_cast<const unsigned char*>(exif.constData()),
                                            std::size_t(exif.size()));
    const bool vertauscht = vertauschtSeiten(ausrichtung);
    if (vertauscht)
        richteAufQuer(roh, ausrichtung, *aufrecht_);
    else
        richteAufVorOrt(roh, ausrichtung);
    const Arbeitsbitmap& aufrecht = vertauscht ? *aufrecht_ : roh;
    const QSize ziel = verkleinerteGroesse(vertauscht ? QSize(int(hoehe), int(breite)) : QSize(int(breite), int(hoehe)));
    QImage bild = aufrecht.ansicht();
    if (bild.size() != ziel)
        bild = bild.scaled(ziel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (bild.format() != QImage::Format_RGB32)
        bild = bild.convertToFormat(QImage::Format_RGB32);
    // Upright now: a viewer must not turn it again.
    setzeAufrecht(exif);
    const QByteArray verkleinert = packe(bild, exif, kommentare);
    return verkleinert.isEmpty() ? datei : verkleinert;
}
