// Writes small valid files as starting corpora for the fuzz targets:
//   fuzz_seeds <folder>
// makes <folder>/einstellungen, bmp, jpeg, bilddarstellung, paarliste,
// kartenkommentar, ton and paarlixarchiv.
#include "fuzz/Bilddarstellungseingabe.h"
#include "fuzz/Paarlisteneingabe.h"
#include "karten/Textkarte.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <zip.h>

namespace {

void schreibe(const QString& pfad, const QByteArray& daten)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
        std::exit(1);
    }
}

// ---- settings files ----

QByteArray einstellungen(const QList<QByteArray>& werte, const QByteArray& zeilenende)
{
    QByteArray text;
    for (int i = 0; i < werte.size(); ++i) {
        if (i != 10)
            text += "# Einstellung " + QByteArray::number(i + 1) + zeilenende + "# Erklaerung" + zeilenende;
        text += werte[i] + zeilenende;
    }
    return text;
}

// ---- JPEG files, written with libjpeg ----

struct JpegArt {
    int breite = 16;
    int hoehe = 12;
    J_COLOR_SPACE farben = JCS_RGB;
    bool progressiv = false;
    int neustartZeilen = 0;
};

QByteArray jpeg(const JpegArt& art)
{
    jpeg_compress_struct c {};
    jpeg_error_mgr fehler {};
    c.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&c);
    unsigned char* puffer = nullptr;
    unsigned long laenge = 0;
    jpeg_mem_dest(&c, &puffer, &laenge);
    c.image_width = JDIMENSION(art.breite);
    c.image_height = JDIMENSION(art.hoehe);
    c.in_color_space = art.farben;
    c.input_components = art.farben == JCS_GRAYSCALE ? 1 : art.farben == JCS_CMYK ? 4 : 3;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 75, TRUE);
    if (art.progressiv)
        jpeg_simple_progression(&c);
    c.restart_in_rows = art.neustartZeilen;
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> zeile(std::size_t(art.breite) * std::size_t(c.input_components));
    while (c.next_scanline < c.image_height) {
        for (std::size_t i = 0; i < zeile.size(); ++i)
            zeile[i] = JSAMPLE((i * 37 + c.next_scanline * 11) & 0xFF);
        JSAMPROW z = zeile.data();
        jpeg_write_scanlines(&c, &z, 1);
    }
    jpeg_finish_compress(&c);
    const QByteArray daten(reinterpret_cast<const char*>(puffer), qsizetype(laenge));
    jpeg_destroy_compress(&c);
    std::free(puffer);
    return daten;
}

// ---- BMP files, built byte by byte ----

void u16(QByteArray& d, unsigned v)
{
    d += char(v & 0xFF);
    d += char((v >> 8) & 0xFF);
}

void u32(QByteArray& d, unsigned v)
{
    u16(d, v & 0xFFFF);
    u16(d, v >> 16);
}

struct BmpArt {
    int breite = 5;
    int hoehe = 3; // negative: top-down
    int bits = 24;
    unsigned kompression = 0;
    bool os2Kopf = false;
    QByteArray pixel; // empty: a pattern of uncompressed rows
};

QByteArray bmp(const BmpArt& art)
{
    const int farben = art.bits <= 8 ? 1 << art.bits : 0;
    const int kopf = art.os2Kopf ? 12 : 40;
    const int maskenBytes = art.kompression == 3 ? 12 : 0;
    const int eintrag = art.os2Kopf ? 3 : 4;
    const unsigned beginn = unsigned(14 + kopf + maskenBytes + farben * eintrag);

    QByteArray pixel = art.pixel;
    if (pixel.isEmpty()) {
        const int zeilenlaenge = (art.breite * art.bits + 31) / 32 * 4;
        const int zeilen = art.hoehe < 0 ? -art.hoehe : art.hoehe;
        for (int y = 0; y < zeilen; ++y)
            for (int i = 0; i < zeilenlaenge; ++i)
                pixel += char((y * 29 + i * 7) & 0xFF);
    }

    QByteArray d = "BM";
    u32(d, beginn + unsigned(pixel.size()));
    u32(d, 0);
    u32(d, beginn);
    u32(d, unsigned(kopf));
    if (art.os2Kopf) {
        u16(d, unsigned(art.breite));
        u16(d, unsigned(art.hoehe));
        u16(d, 1);
        u16(d, unsigned(art.bits));
    } else {
        u32(d, unsigned(art.breite));
        u32(d, unsigned(art.hoehe));
        u16(d, 1);
        u16(d, unsigned(art.bits));
        u32(d, art.kompression);
        u32(d, unsigned(pixel.size()));
        u32(d, 2835);
        u32(d, 2835);
        u32(d, unsigned(farben));
        u32(d, 0);
    }
    if (art.kompression == 3) {
        if (art.bits == 16) {
            u32(d, 0xF800);
            u32(d, 0x07E0);
            u32(d, 0x001F);
        } else {
            u32(d, 0x00FF0000);
            u32(d, 0x0000FF00);
            u32(d, 0x000000FF);
        }
    }
    for (int i = 0; i < farben; ++i) {
        const int grau = farben > 1 ? i * 255 / (farben - 1) : 0;
        d += char(grau);
        d += char(255 - grau);
        d += char(i * 53 & 0xFF);
        if (eintrag == 4)
            d += char(0);
    }
    return d + pixel;
}

QByteArray rle8()
{
    // 4 x 2: a run, an absolute run, each row closed, then end of bitmap.
    return QByteArray::fromHex("0410" "0000"
                               "0004" "01020304" "0000"
                               "0001");
}

QByteArray rle4()
{
    return QByteArray::fromHex("0412" "0000" "0312" "0101" "0000" "0001");
}

// A grey progressive file whose AC scans hold no data: libjpeg still walks
// every block once per scan, so the scan limits are exercised.
QByteArray leereScans(int breite, int hoehe, int scans)
{
    const auto segment = [](unsigned char marker, const QByteArray& inhalt) {
        QByteArray d;
        d += char(0xFF);
        d += char(marker);
        d += char((inhalt.size() + 2) >> 8);
        d += char((inhalt.size() + 2) & 0xFF);
        return d + inhalt;
    };
    QByteArray d = QByteArray::fromHex("FFD8");
    d += segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01'));
    d += segment(0xC2, QByteArray::fromHex("08") + char(hoehe >> 8) + char(hoehe & 0xFF) + char(breite >> 8)
                           + char(breite & 0xFF) + QByteArray::fromHex("01011100"));
    d += segment(0xC4, QByteArray::fromHex("1001") + QByteArray(15, '\0') + QByteArray::fromHex("E0"));
    for (int i = 0; i < scans; ++i)
        d += segment(0xDA, QByteArray::fromHex("010100013F00"));
    return d + QByteArray::fromHex("FFD9");
}

// ---- cards with comments, as the game writes them ----

// The file up to the end of its first scan header: the comment reader stops
// there, so the picture data would only make the seed larger.
QByteArray bisZumScan(const QByteArray& jpeg)
{
    qsizetype i = 2;
    while (i + 4 <= jpeg.size() && uchar(jpeg[i]) == 0xFF) {
        const int marker = uchar(jpeg[i + 1]);
        i += 2 + ((uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]));
        if (marker == 0xDA)
            return jpeg.left(i);
    }
    std::fprintf(stderr, "no scan in a written card\n");
    std::exit(1);
}

QByteArray karte(QSize groesse, const QList<QByteArray>& kommentare)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(qRgb(230, 220, 200));
    const QByteArray jpeg = jpegMitKommentaren(bild, kommentare, 50);
    if (jpeg.isEmpty()) {
        std::fprintf(stderr, "cannot write a card\n");
        std::exit(1);
    }
    return bisZumScan(jpeg);
}

// ---- .paarlix archives, written with libzip ----

struct Archiveintrag {
    const char* name;
    QByteArray daten;
    bool gepackt = false;
    zip_uint32_t unixArt = S_IFREG;
};

void schreibeArchiv(const QString& pfad, const std::vector<Archiveintrag>& eintraege)
{
    int fehler = 0;
    zip_t* z = zip_open(QFile::encodeName(pfad).constData(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    bool gut = z != nullptr;
    for (const Archiveintrag& e : eintraege) {
        if (!gut)
            break;
        const QByteArray name(e.name);
        // A folder takes no data: a source made for it would never be freed.
        const zip_int64_t i = name.endsWith('/')
            ? zip_dir_add(z, name.chopped(1).constData(), 0)
            : zip_file_add(z, name.constData(), zip_source_buffer(z, e.daten.constData(), zip_uint64_t(e.daten.size()), 0), 0);
        gut = i >= 0 && zip_set_file_compression(z, zip_uint64_t(i), e.gepackt ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) == 0
              && zip_file_set_external_attributes(z, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, (e.unixArt | 0644) << 16) == 0;
    }
    if (!gut || zip_close(z) != 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
        std::exit(1);
    }
}

QByteArray mitKopf(std::uint8_t art, int breite, int hoehe, const QByteArray& datei)
{
    QByteArray d;
    d += char(art);
    d += char(breite);
    d += char(hoehe);
    return d + datei;
}

// ---- sound files, written with libsndfile ----

// A 440 Hz tone of `frames` frames after as many of silence, louder in the
// first channel than in the others.
void tondatei(const QString& pfad, int format, int rate, int kanaele, int frames)
{
    SF_INFO info {0, rate, kanaele, format, 0, 0};
    SNDFILE* datei = sf_open(QFile::encodeName(pfad).constData(), SFM_WRITE, &info);
    if (!datei) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(pfad), sf_strerror(nullptr));
        std::exit(1);
    }
    std::vector<float> proben(std::size_t(2 * frames * kanaele));
    for (int i = frames; i < 2 * frames; ++i)
        for (int k = 0; k < kanaele; ++k)
            proben[std::size_t(i * kanaele + k)] = float(std::sin(i * 440.0 * 6.2831853 / rate) / (k + 2));
    sf_writef_float(datei, proben.data(), 2 * frames);
    sf_close(datei);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir wurzel(QString::fromLocal8Bit(argv[1]));
    for (const char* unterordner : {"einstellungen", "bmp", "jpeg", "bilddarstellung", "paarliste", "kartenkommentar",
                                    "ton", "paarlixarchiv"}) {
        if (!wurzel.mkpath(QString::fromLatin1(unterordner))) {
            std::fprintf(stderr, "cannot make %s\n", unterordner);
            return 1;
        }
    }
    const auto pfad = [&](const char* ordner, const char* name) {
        return wurzel.filePath(QString::fromLatin1(ordner) + u'/' + QString::fromLatin1(name));
    };

    const QList<QByteArray> standard = {"max", "4:3", "6,4", "auto", "5,5", "400", "0", "0", "2", "Anna", "Bernd", "0"};
    schreibe(pfad("einstellungen", "standard.ini"), einstellungen(standard, "\n"));
    schreibe(pfad("einstellungen", "fenster_crlf.ini"),
             einstellungen({"800, 600", "16:9", "10,10", "90,120", "0,3", "250,5", "1", "1", "1", "", "", "1"}, "\r\n"));
    schreibe(pfad("einstellungen", "utf8_bom.ini"),
             "\xEF\xBB\xBF" + einstellungen({"max", "3:4", "2,1", "auto", "1,1", "1e3", "0", "0", "1",
                                             "J\xC3\xBCrgen", "\xC3\x84nne", "0"},
                                            "\r"));
    schreibe(pfad("einstellungen", "fehler.ini"),
             einstellungen({"max", "4:3", "7,3", "auto", "5,5", "400", "0", "0", "2", "A", "B", "0"}, "\n"));

    const QByteArray bmp24 = bmp({});
    schreibe(pfad("bmp", "rgb24.bmp"), bmp24);
    schreibe(pfad("bmp", "rgb32_oben.bmp"), bmp({7, -4, 32, 0, false, {}}));
    schreibe(pfad("bmp", "bitfelder16.bmp"), bmp({6, 3, 16, 3, false, {}}));
    schreibe(pfad("bmp", "palette8.bmp"), bmp({9, 2, 8, 0, false, {}}));
    schreibe(pfad("bmp", "palette4.bmp"), bmp({7, 3, 4, 0, false, {}}));
    schreibe(pfad("bmp", "palette1.bmp"), bmp({13, 2, 1, 0, false, {}}));
    schreibe(pfad("bmp", "rle8.bmp"), bmp({4, 2, 8, 1, false, rle8()}));
    schreibe(pfad("bmp", "rle4.bmp"), bmp({4, 2, 4, 2, false, rle4()}));
    schreibe(pfad("bmp", "os2.bmp"), bmp({5, 2, 24, 0, true, {}}));

    const QByteArray jpegFarbe = jpeg({});
    const QByteArray jpegProgressiv = jpeg({20, 8, JCS_RGB, true, 0});
    schreibe(pfad("jpeg", "baseline.jpg"), jpegFarbe);
    schreibe(pfad("jpeg", "progressiv.jpg"), jpegProgressiv);
    schreibe(pfad("jpeg", "grau.jpg"), jpeg({9, 7, JCS_GRAYSCALE, false, 0}));
    schreibe(pfad("jpeg", "cmyk.jpg"), jpeg({8, 8, JCS_CMYK, false, 0}));
    schreibe(pfad("jpeg", "neustart.jpg"), jpeg({24, 24, JCS_RGB, false, 1}));
    schreibe(pfad("jpeg", "leere_scans.jpg"), leereScans(64, 48, 20));

    namespace e = bilddarstellungseingabe;
    // Mode index in bits 0-2; targets taller, wider and equal to the pictures.
    schreibe(pfad("bilddarstellung", "jpeg_n.bin"), mitKopf(0, 30, 30, jpegFarbe));
    schreibe(pfad("bilddarstellung", "jpeg_m.bin"), mitKopf(1, 8, 20, jpegFarbe));
    schreibe(pfad("bilddarstellung", "jpeg_l.bin"), mitKopf(4, 20, 5, jpegProgressiv));
    schreibe(pfad("bilddarstellung", "jpeg_gleich.bin"), mitKopf(6, 16, 12, jpegFarbe));
    schreibe(pfad("bilddarstellung", "bmp_o.bin"), mitKopf(e::bmpBit | 2, 4, 9, bmp24));
    schreibe(pfad("bilddarstellung", "bmp_r.bin"), mitKopf(e::bmpBit | 5, 11, 2, bmp24));
    schreibe(pfad("bilddarstellung", "bmp_passen.bin"), mitKopf(e::bmpBit | 7, 17, 40, bmp24));

    // Lists read against the folder of Paarlisteneingabe.h.
    namespace p = paarlisteneingabe;
    const QByteArray png(p::fotoPng);
    const QByteArray bmpFoto(p::fotoBmp);
    schreibe(pfad("paarliste", "semikolon.csv"),
             "# Paare\n" + png + ";Sonne\nHund;Chien\n" + bmpFoto + ";\n\n;;\n");
    schreibe(pfad("paarliste", "tab_crlf_bom.tsv"),
             "\xEF\xBB\xBF" "Erste\tZweite\r\n\"Ein \"\"Zitat\"\"\"\tZwei\r\n" + png + "\t" + bmpFoto + "\r\n");
    schreibe(pfad("paarliste", "komma_umbruch.csv"),
             "\"Zeile eins\nZeile zwei\",drei\n  vier , f\xC3\xBCnf ,,\n\"a,b\",\"\"\"c\"\"\"");
    schreibe(pfad("paarliste", "cr.csv"), "eins;zwei\r# drei;vier\r" + png + ";Bild\r");
    schreibe(pfad("paarliste", "fehler.csv"),
             png + ";" + png + "\nnur Text\na;b;c\nfehlt.jpg;x\n" + p::kaputt + ";" + p::notiz + "\n" + p::ordner
                 + ";Y\nHund;Katze\n hund ;Maus\n;z\n\xFF;q\n");
    schreibe(pfad("paarliste", "offen.csv"), "a;b\n\"offen;c\nd;e\n");

    // Text cards (text, then the mark), a name card from before the mark
    // (its size alone), a photo's comment, a camera's default.
    const QSize hochkant = QSize(600, 800);
    schreibe(pfad("kartenkommentar", "textkarte.jpg"),
             karte(hochkant, {"Zwei\nZeilen \xC3\xA4", textkartenMarke(Textseite::Erste)}));
    schreibe(pfad("kartenkommentar", "namenskarte.jpg"), karte(hochkant, {"Anna", textkartenMarke(Textseite::ZuFoto)}));
    schreibe(pfad("kartenkommentar", "namenskarte_alt.jpg"), karte(QSize(800, 600), {"Bernd"}));
    schreibe(pfad("kartenkommentar", "foto.jpg"), karte(QSize(16, 12), {"Description: Strand", "zweiter"}));
    schreibe(pfad("kartenkommentar", "kamera.jpg"), karte(QSize(8, 8), {"OLYMPUS DIGITAL CAMERA"}));

    // Each container and codec the reader meets; small, as the fuzzer copies them often.
    tondatei(pfad("ton", "stereo16.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 2, 200);
    tondatei(pfad("ton", "float.wav"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 11025, 1, 100);
    tondatei(pfad("ton", "ulaw.aiff"), SF_FORMAT_AIFF | SF_FORMAT_ULAW, 8000, 3, 100);
    tondatei(pfad("ton", "ton.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8000, 1, 300);
    tondatei(pfad("ton", "ton.ogg"), SF_FORMAT_OGG | SF_FORMAT_VORBIS, 8000, 1, 400);
    tondatei(pfad("ton", "ton.opus"), SF_FORMAT_OGG | SF_FORMAT_OPUS, 8000, 1, 400);
    tondatei(pfad("ton", "ton.mp3"), SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 8000, 1, 600);
    // A game as it is shared (stored pictures), one with files left out and
    // a packed settings file, and one with sounds and names in other cases.
    const QByteArray ini = einstellungen(standard, "\n");
    schreibeArchiv(pfad("paarlixarchiv", "spiel.paarlix"),
                   {{"Spiel/", {}, false, S_IFDIR}, {"Spiel/Paarlix.ini", ini}, {"Spiel/Kartentext.bmp", bmp24},
                    {"Spiel/01a.jpg", jpegFarbe}, {"Spiel/01b.jpg", jpegProgressiv}});
    schreibeArchiv(pfad("paarlixarchiv", "ausgelassen.paarlix"),
                   {{"Familie/Paarlix.ini", ini, true}, {"Familie/notiz.txt", "Hallo", true},
                    {"Familie/bilder/02a.jpg", jpegFarbe}, {"Familie/01a.jpg", jpegFarbe}});
    schreibeArchiv(pfad("paarlixarchiv", "toene.paarlix"),
                   {{"Tiere/PAARLIX.INI", ini}, {"Tiere/01A.JPEG", jpegFarbe}, {"Tiere/01a.ogg", "OggS", true},
                    {"Tiere/100b.opus", "OggS"}});
    return 0;
}
