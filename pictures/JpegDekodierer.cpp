#include "pictures/JpegDekodierer.h"

#include "pictures/Arbeitsbitmap.h"
#include "pictures/Ausrichtung.h"
#include "pictures/Bildbeschreibung.h"
#include "pictures/Bildfehler.h"
#include "platform/PaarlixFehler.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

// Everything libjpeg touches is plain data, so that a longjmp out of libjpeg
// never skips a destructor.
struct JpegKontext {
    enum Grund { keiner, libjpeg, zuVieleScans };

    jpeg_decompress_struct cinfo;
    jpeg_error_mgr fehler;
    jpeg_progress_mgr fortschritt;
    std::jmp_buf sprung;
    Grund grund = keiner;
    int fehlernummer = 0;
    // The file ended early: libjpeg warned and supplied an end marker.
    bool abgeschnitten = false;
    // The header was read: image_width and image_height belong to this file.
    bool kopfGelesen = false;
    std::FILE* datei = nullptr;
    // The first APP1 block that holds EXIF data; exifLaenge 0 while none.
    unsigned char exif[0xFFFF];
    std::size_t exifLaenge = 0;
    // The first comment (COM) block; kommentarGelesen once one was seen.
    unsigned char kommentar[0xFFFF];
    std::size_t kommentarLaenge = 0;
    bool kommentarGelesen = false;
    // Output of the decoding step.
    JSAMPLE* ausgabe = nullptr;
    std::size_t ausgabeZeilenlaenge = 0;
};

namespace {

JpegKontext* kontextVon(j_common_ptr cinfo)
{
    return static_cast<JpegKontext*>(cinfo->client_data);
}

void fehlerAusgang(j_common_ptr cinfo)
{
    JpegKontext* k = kontextVon(cinfo);
    k->grund = JpegKontext::libjpeg;
    k->fehlernummer = cinfo->err->msg_code;
    std::longjmp(k->sprung, 1);
}

// Warnings (a truncated file, say) do not stop the decode and show nothing.
void meldungStill(j_common_ptr cinfo, int level)
{
    if (level < 0) {
        ++cinfo->err->num_warnings;
        if (cinfo->err->msg_code == JWRN_JPEG_EOF)
            kontextVon(cinfo)->abgeschnitten = true;
    }
}

void fortschrittPruefen(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > JpegDekodierer::erlaubteScans(d->image_width, d->image_height)) {
        JpegKontext* k = kontextVon(cinfo);
        k->grund = JpegKontext::zuVieleScans;
        std::longjmp(k->sprung, 1);
    }
}

// Takes n bytes from the source into ziel, or skips them when ziel is null.
// The stdio source never suspends: at the file's end it supplies an end marker.
void nimmBytes(j_decompress_ptr c, unsigned char* ziel, std::size_t n)
{
    jpeg_source_mgr* quelle = c->src;
    if (!ziel) {
        if (n > 0)
            (*quelle->skip_input_data)(c, long(n));
        return;
    }
    while (n > 0) {
        if (quelle->bytes_in_buffer == 0)
            (*quelle->fill_input_buffer)(c);
        const std::size_t stueck = std::min(n, quelle->bytes_in_buffer);
        std::memcpy(ziel, quelle->next_input_byte, stueck);
        quelle->next_input_byte += stueck;
        quelle->bytes_in_buffer -= stueck;
        ziel += stueck;
        n -= stueck;
    }
}

// Keeps the first APP1 block that holds EXIF data and skips all others, so
// that a file of many such blocks costs no memory.
boolean leseApp1(j_decompress_ptr c)
{
    JpegKontext* k = kontextVon(reinterpret_cast<j_common_ptr>(c));
    unsigned char laenge[2];
    nimmBytes(c, laenge, 2);
    const std::size_t inhalt = std::size_t(std::max((laenge[0] << 8 | laenge[1]) - 2, 0));
    static constexpr unsigned char kennung[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (k->exifLaenge > 0 || inhalt < sizeof kennung) {
        nimmBytes(c, nullptr, inhalt);
        return TRUE;
    }
    nimmBytes(c, k->exif, sizeof kennung);
    if (std::memcmp(k->exif, kennung, sizeof kennung) != 0) {
        nimmBytes(c, nullptr, inhalt - sizeof kennung);
        return TRUE;
    }
    nimmBytes(c, k->exif + sizeof kennung, inhalt - sizeof kennung);
    k->exifLaenge = inhalt;
    return TRUE;
}

// Keeps the first comment block and skips all others.
boolean leseKommentar(j_decompress_ptr c)
{
    JpegKontext* k = kontextVon(reinterpret_cast<j_common_ptr>(c));
    unsigned char laenge[2];
    nimmBytes(c, laenge, 2);
    const std::size_t inhalt = std::size_t(std::max((laenge[0] << 8 | laenge[1]) - 2, 0));
    if (k->kommentarGelesen) {
        nimmBytes(c, nullptr, inhalt);
        return TRUE;
    }
    nimmBytes(c, k->kommentar, inhalt);
    k->kommentarLaenge = inhalt;
    k->kommentarGelesen = true;
    return TRUE;
}

// The steps below run under setjmp: plain data only, no destructors.

void schrittKopf(JpegKontext* k)
{
    jpeg_stdio_src(&k->cinfo, k->datei);
    jpeg_read_header(&k->cinfo, TRUE);
    j_decompress_ptr c = &k->cinfo;
    // CMYK cannot be turned into RGB by libjpeg; we convert it ourselves.
    if (c->jpeg_color_space == JCS_CMYK || c->jpeg_color_space == JCS_YCCK)
        c->out_color_space = JCS_CMYK;
    else
        c->out_color_space = JCS_EXT_BGRX;
    c->scale_num = 8;
    c->scale_denom = 8;
    c->do_block_smoothing = TRUE;
    jpeg_calc_output_dimensions(c);
}

void schrittAbmessungen(JpegKontext* k)
{
    jpeg_calc_output_dimensions(&k->cinfo);
}

void schrittDekodieren(JpegKontext* k)
{
    j_decompress_ptr c = &k->cinfo;
    jpeg_start_decompress(c);
    JSAMPROW zeilen[16];
    while (c->output_scanline < c->output_height) {
        JDIMENSION anzahl = 0;
        for (; anzahl < 16 && c->output_scanline + anzahl < c->output_height; ++anzahl)
            zeilen[anzahl] = k->ausgabe + std::size_t(c->output_scanline + anzahl) * k->ausgabeZeilenlaenge;
        jpeg_read_scanlines(c, zeilen, anzahl);
    }
    jpeg_finish_decompress(c);
}

void schrittAnlegen(JpegKontext* k)
{
    jpeg_create_decompress(&k->cinfo);
    jpeg_set_marker_processor(&k->cinfo, JPEG_APP0 + 1, leseApp1);
    jpeg_set_marker_processor(&k->cinfo, JPEG_COM, leseKommentar);
}

bool geschuetzt(JpegKontext* k, void (*schritt)(JpegKontext*))
{
    if (setjmp(k->sprung))
        return false;
    schritt(k);
    return true;
}

// Adobe writes CMYK inverted (0 = full ink); plain CMYK is 0 = no ink.
void cmykZuBgrx(Arbeitsbitmap& bild, bool invertiert)
{
    for (int y = 0; y < bild.Height(); ++y) {
        auto* p = reinterpret_cast<unsigned char*>(bild.zeile(y));
        for (int x = 0; x < bild.Width(); ++x, p += 4) {
            unsigned c = p[0], m = p[1], ye = p[2], kk = p[3];
            if (!invertiert) {
                c = 255 - c;
                m = 255 - m;
                ye = 255 - ye;
                kk = 255 - kk;
            }
            const unsigned r = (c * kk + 127) / 255;
            const unsigned g = (m * kk + 127) / 255;
            const unsigned b = (ye * kk + 127) / 255;
            p[0] = static_cast<unsigned char>(b);
            p[1] = static_cast<unsigned char>(g);
            p[2] = static_cast<unsigned char>(r);
            p[3] = 0xFF;
        }
    }
}

// Closes the file and returns libjpeg to its idle state however we leave.
class Aufraeumer {
public:
    Aufraeumer(JpegKontext& k, std::FILE* datei) : k_(k), datei_(datei) {}
    ~Aufraeumer()
    {
        jpeg_abort_decompress(&k_.cinfo);
        std::fclose(datei_);
    }
    Aufraeumer(const Aufraeumer&) = delete;
    Aufraeumer& operator=(const Aufraeumer&) = delete;

private:
    JpegKontext& k_;
    std::FILE* datei_;
};

} // namespace

int JpegDekodierer::achtelImSpeicher(long long breite, long long hoehe)
{
    for (int m = 8; m >= 1; --m) {
        // libjpeg rounds scaled sizes up.
        const long long w = (breite * m + 7) / 8;
        const long long h = (hoehe * m + 7) / 8;
        if (w * h * 4 <= maxBildBytes)
            return m;
    }
    return 0;
}

int JpegDekodierer::erlaubteScans(long long breite, long long hoehe)
{
    return int(std::min<long long>(maxScans,
                                   std::max<long long>(minScans, maxScanPixel / std::max(1LL, breite * hoehe))));
}

JpegDekodierer::JpegDekodierer() : k_(std::make_unique<JpegKontext>()), gedreht_(std::make_unique<Arbeitsbitmap>())
{
    JpegKontext& k = *k_;
    k.cinfo.err = jpeg_std_error(&k.fehler);
    k.fehler.error_exit = fehlerAusgang;
    k.fehler.emit_message = meldungStill;
    k.cinfo.client_data = &k;
    // Creating can only fail for lack of memory.
    if (!geschuetzt(&k, schrittAnlegen))
        throw std::bad_alloc();
    k.cinfo.mem->max_memory_to_use = maxLibjpegSpeicher;
    k.fortschritt.progress_monitor = fortschrittPruefen;
    k.cinfo.progress = &k.fortschritt;
}

JpegDekodierer::~JpegDekodierer()
{
    jpeg_destroy_decompress(&k_->cinfo);
}

QSize JpegDekodierer::dekodiere(const QString& dateiname, Arbeitsbitmap& ziel, const Achtelwahl& wahl,
                                const Spieldateien& ordner)
{
    JpegKontext& k = *k_;
    std::FILE* datei = ordner.oeffne(dateiname).alsStream();
    if (!datei)
        throw EPaarlixFehler(textNichtOeffnenbar(dateiname));
    const Aufraeumer aufraeumer(k, datei);

    k.grund = JpegKontext::keiner;
    k.abgeschnitten = false;
    k.kopfGelesen = false;
    k.fehler.num_warnings = 0;
    k.cinfo.mem->max_memory_to_use = maxLibjpegSpeicher;
    k.datei = datei;
    k.exifLaenge = 0;
    k.kommentarLaenge = 0;
    k.kommentarGelesen = false;
    beschreibung_.clear();

    const auto fehlschlag = [&]() {
        if (k.grund == JpegKontext::zuVieleScans)
            return EPaarlixFehler(QStringLiteral("Das Bild \"%1\" hat mehr als %2 Durchgänge und wird nicht dargestellt")
                                      .arg(dateiname, QString::number(erlaubteScans(k.cinfo.image_width,
                                                                                    k.cinfo.image_height))));
        // libjpeg's memory cap: the picture is too large for this program.
        if (k.kopfGelesen && (k.fehlernummer == JERR_OUT_OF_MEMORY || k.fehlernummer == JERR_NO_BACKING_STORE))
            return EPaarlixFehler(textZuGross(dateiname, k.cinfo.image_width, k.cinfo.image_height));
        return EPaarlixFehler(textJpegFehler(dateiname, k.fehlernummer, k.abgeschnitten));
    };

    if (!geschuetzt(&k, schrittKopf))
        throw fehlschlag();
    k.kopfGelesen = true;
    const int ausrichtung = exifAusrichtung(k.exif, k.exifLaenge);
    // Read from the header's blocks now: the decode below may meet more of them.
    const QString beschreibung = bildbeschreibung(
        QByteArray(reinterpret_cast<const char*>(k.kommentar), qsizetype(k.kommentarLaenge)), k.exif, k.exifLaenge);
    const bool vertauscht = vertauschtSeiten(ausrichtung);

    const long long vollBreite = k.cinfo.image_width;
    const long long vollHoehe = k.cinfo.image_height;
    if (vollBreite <= 0 || vollHoehe <= 0)
        throw EPaarlixFehler(textKeinePixel(dateiname, vollBreite, vollHoehe));
    const int speicherAchtel = achtelImSpeicher(vollBreite, vollHoehe);
    if (vollBreite * vollHoehe > maxPixel || speicherAchtel == 0)
        throw EPaarlixFehler(textZuGross(dateiname, vollBreite, vollHoehe));
    const int achtel = std::clamp(!wahl ? 8 : vertauscht ? wahl(int(vollHoehe), int(vollBreite)) : wahl(int(vollBreite), int(vollHoehe)), 1, speicherAchtel);
    k.cinfo.scale_num = unsigned(achtel);
    if (!geschuetzt(&k, schrittAbmessungen))
        throw fehlschlag();
    const long long breite = k.cinfo.output_width;
    const long long hoehe = k.cinfo.output_height;

    // Both BGRX and CMYK are 4 bytes per pixel: libjpeg writes straight into
    // the work bitmap's rows.
    if (k.cinfo.output_components != 4)
        throw EPaarlixFehler(textJpegFehler(dateiname, JERR_CONVERSION_NOTIMPL, false));
    // A picture turned by a quarter is decoded aside and then written upright into ziel.
    Arbeitsbitmap& roh = vertauscht ? *gedreht_ : ziel;
    roh.belegeNeu(int(breite), int(hoehe));
    k.ausgabe = reinterpret_cast<JSAMPLE*>(roh.zeile(0));
    k.ausgabeZeilenlaenge = std::size_t(roh.bytesProZeile());

    const bool cmyk = k.cinfo.out_color_space == JCS_CMYK;
    const bool adobe = k.cinfo.saw_Adobe_marker;
    if (!geschuetzt(&k, schrittDekodieren))
        throw fehlschlag();

    if (cmyk)
        cmykZuBgrx(roh, adobe);
    // Upright before anything sees the picture: fitting and cropping use its upright size.
    if (vertauscht)
        richteAufQuer(roh, ausrichtung, ziel);
    else
        richteAufVorOrt(ziel, ausrichtung);
    beschreibung_ = beschreibung;
    return vertauscht ? QSize(int(vollHoehe), int(vollBreite)) : QSize(int(vollBreite), int(vollHoehe));
}
