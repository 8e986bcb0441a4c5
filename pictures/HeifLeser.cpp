#include "pictures/HeifLeser.h"

#include "pictures/Bildbeschreibung.h"
#include "pictures/Bildfehler.h"
#include "platform/Lesedatei.h"
#include "platform/PaarlixFehler.h"

#include <libheif/heif.h>

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

void bereiteVor()
{
    // Loads the decoder plugins once; never undone, other threads may still decode.
    static const bool bereit = [] {
        heif_init(nullptr);
        return true;
    }();
    (void)bereit;
}

[[noreturn]] void lehneAb(const QString& text) { throw EPaarlixFehler(text); }

[[noreturn]] void beschaedigt(const QString& pfad)
{
    lehneAb(QStringLiteral("Die Datei \"%1\" ist kein lesbares HEIF- oder AVIF-Bild: Sie ist beschädigt oder unvollständig")
                .arg(pfad));
}

[[noreturn]] void ohneDecoder(const QString& pfad)
{
    lehneAb(QStringLiteral("Für das Bild \"%1\" ist kein Decoder installiert (HEIC braucht libde265, AVIF dav1d oder libaom)")
                .arg(pfad));
}

// libheif's error as the game's message; groesse where the headers gave one.
[[noreturn]] void wirf(const QString& pfad, const heif_error& fehler, QSize groesse = {})
{
    if (fehler.code == heif_error_Memory_allocation_error || fehler.subcode == heif_suberror_Security_limit_exceeded) {
        if (groesse.isValid())
            lehneAb(textZuGross(pfad, groesse.width(), groesse.height()));
        lehneAb(QStringLiteral("Das Bild \"%1\" überschreitet die Grenzen, die für HEIF-Bilder gelten").arg(pfad));
    }
    if (fehler.code == heif_error_Unsupported_filetype)
        lehneAb(QStringLiteral("Die Datei \"%1\" ist kein HEIF- oder AVIF-Bild").arg(pfad));
    if (fehler.code == heif_error_Unsupported_feature && fehler.subcode == heif_suberror_Unsupported_codec)
        ohneDecoder(pfad);
    if (fehler.code == heif_error_Unsupported_feature)
        lehneAb(QStringLiteral("Das Bild \"%1\" nutzt eine HEIF-Eigenschaft, die nicht gelesen werden kann").arg(pfad));
    beschaedigt(pfad);
}

void pruefe(const QString& pfad, const heif_error& fehler, QSize groesse = {})
{
    if (fehler.code != heif_error_Ok)
        wirf(pfad, fehler, groesse);
}

std::uint32_t gross32(const unsigned char* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// One ISO box: its type and contents.
struct Box {
    char Typ[4];
    const unsigned char* Inhalt;
    std::size_t Laenge;
};

// The boxes in [p, ende); stops at the first that does not fit.
std::vector<Box> boxenIn(const unsigned char* p, const unsigned char* ende)
{
    std::vector<Box> boxen;
    while (ende - p >= 8 && boxen.size() < 10000) {
        std::uint64_t groesse = gross32(p);
        std::size_t kopf = 8;
        if (groesse == 1) {
            if (ende - p < 16)
                break;
            groesse = std::uint64_t(gross32(p + 8)) << 32 | gross32(p + 12);
            kopf = 16;
        } else if (groesse == 0) {
            groesse = std::uint64_t(ende - p);
        }
        if (groesse < kopf || groesse > std::uint64_t(ende - p))
            break;
        Box b;
        std::memcpy(b.Typ, p + 4, 4);
        b.Inhalt = p + kopf;
        b.Laenge = std::size_t(groesse - kopf);
        boxen.push_back(b);
        p += groesse;
    }
    return boxen;
}

const Box* finde(const std::vector<Box>& boxen, const char* typ)
{
    for (const Box& b : boxen)
        if (std::memcmp(b.Typ, typ, 4) == 0)
            return &b;
    return nullptr;
}

// The boxes inside the file's meta box; empty without one.
std::vector<Box> metaboxen(const QByteArray& daten)
{
    const auto* anfang = reinterpret_cast<const unsigned char*>(daten.constData());
    const std::vector<Box> oben = boxenIn(anfang, anfang + daten.size());
    const Box* meta = finde(oben, "meta");
    if (!meta || meta->Laenge < 4)
        return {};
    return boxenIn(meta->Inhalt + 4, meta->Inhalt + meta->Laenge);
}

// An item number of 16 bits, or of 32 with `lang`; moves p past it.
std::uint32_t nummer(const unsigned char*& p, bool lang)
{
    const std::uint32_t n = lang ? gross32(p) : std::uint32_t(p[0]) << 8 | p[1];
    p += lang ? 4 : 2;
    return n;
}

// The primary item's number, from pitm.
std::optional<std::uint32_t> hauptbild(const std::vector<Box>& inMeta)
{
    const Box* pitm = finde(inMeta, "pitm");
    if (!pitm || pitm->Laenge < 6 || (pitm->Inhalt[0] != 0 && pitm->Laenge < 8))
        return std::nullopt;
    const unsigned char* p = pitm->Inhalt + 4;
    return nummer(p, pitm->Inhalt[0] != 0);
}

// Calls teile(anzahl, erste, ende, lang) for each "dimg" reference from item
// `von`: the count it declares and where its item numbers begin and end.
template <typename Teile>
void fuerBildteile(const std::vector<Box>& inMeta, std::uint32_t von, Teile teile)
{
    const Box* iref = finde(inMeta, "iref");
    if (!iref || iref->Laenge < 4)
        return;
    const bool lang = iref->Inhalt[0] != 0;
    for (const Box& verweis : boxenIn(iref->Inhalt + 4, iref->Inhalt + iref->Laenge)) {
        if (std::memcmp(verweis.Typ, "dimg", 4) != 0 || verweis.Laenge < (lang ? 6u : 4u))
            continue;
        const unsigned char* q = verweis.Inhalt;
        if (nummer(q, lang) == von)
            teile(unsigned(q[0]) << 8 | q[1], q + 2, verweis.Inhalt + verweis.Laenge, lang);
    }
}

// The number of pictures the primary item is made of (tiles of a grid,
// layers of an overlay); 0 for a plain picture or headers libheif will refuse.
// libheif decodes every tile, and its limits allow tens of thousands.
long long kachelnDesHauptbilds(const QByteArray& daten)
{
    const std::vector<Box> inMeta = metaboxen(daten);
    const std::optional<std::uint32_t> haupt = hauptbild(inMeta);
    long long kacheln = 0;
    if (haupt)
        fuerBildteile(inMeta, *haupt, [&](unsigned anzahl, const unsigned char*, const unsigned char*, bool) {
            kacheln += anzahl;
        });
    return kacheln;
}

// The item types the primary picture is coded in: its own, or its tiles' for a
// grid or an overlay. Empty where the headers do not tell; libheif then judges.
std::vector<std::string> kodierungenDesHauptbilds(const QByteArray& daten)
{
    const std::vector<Box> inMeta = metaboxen(daten);
    const std::optional<std::uint32_t> haupt = hauptbild(inMeta);
    const Box* iinf = finde(inMeta, "iinf");
    const std::size_t zaehler = iinf && iinf->Laenge >= 4 && iinf->Inhalt[0] == 0 ? 2 : 4;
    if (!haupt || !iinf || iinf->Laenge < 4 + zaehler)
        return {};
    // infe version 2 and 3: item number (16 or 32 bits), protection index, item type.
    std::map<std::uint32_t, std::string> typen;
    for (const Box& infe : boxenIn(iinf->Inhalt + 4 + zaehler, iinf->Inhalt + iinf->Laenge)) {
        if (std::memcmp(infe.Typ, "infe", 4) != 0 || infe.Laenge < 4 || infe.Inhalt[0] < 2)
            continue;
        const bool lang = infe.Inhalt[0] >= 3;
        if (infe.Laenge < (lang ? 14u : 12u))
            continue;
        const unsigned char* q = infe.Inhalt + 4;
        const std::uint32_t kennung = nummer(q, lang);
        typen[kennung] = std::string(reinterpret_cast<const char*>(q + 2), 4);
    }
    const auto typ = typen.find(*haupt);
    if (typ == typen.end())
        return {};
    if (typ->second != "grid" && typ->second != "iovl" && typ->second != "iden")
        return {typ->second};
    std::vector<std::string> kodierungen;
    fuerBildteile(inMeta, *haupt, [&](unsigned anzahl, const unsigned char* q, const unsigned char* ende, bool lang) {
        // The first few tiles tell the codecs; a grid has one.
        for (unsigned i = 0; i < anzahl && ende - q >= (lang ? 4 : 2) && i < 16; ++i)
            if (const auto t = typen.find(nummer(q, lang));
                t != typen.end() && std::find(kodierungen.begin(), kodierungen.end(), t->second) == kodierungen.end())
                kodierungen.push_back(t->second);
    });
    return kodierungen;
}

// Whether libheif has a decoder for pictures coded as `typ`.
bool hatDecoder(const std::string& typ)
{
    if (typ == "hvc1" || typ == "hev1")
        return heif_have_decoder_for_format(heif_compression_HEVC);
    if (typ == "av01")
        return heif_have_decoder_for_format(heif_compression_AV1);
    if (typ == "jpeg")
        return heif_have_decoder_for_format(heif_compression_JPEG);
    return false;
}

// The image description from the picture's EXIF block, if it has one.
QString exifBeschreibung(const heif_image_handle* bild)
{
    heif_item_id kennung = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(bild, "Exif", &kennung, 1) < 1)
        return {};
    const std::size_t laenge = heif_image_handle_get_metadata_size(bild, kennung);
    if (laenge < 4 || laenge > (1u << 20))
        return {};
    QByteArray roh(qsizetype(laenge), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(bild, kennung, roh.data()).code != heif_error_Ok)
        return {};
    // HEIF puts the TIFF header's offset before the block, not JPEG's "Exif\0\0".
    const std::uint32_t versatz = gross32(reinterpret_cast<const unsigned char*>(roh.constData()));
    if (versatz > laenge - 4)
        return {};
    const QByteArray exif = QByteArray("Exif\0\0", 6) + roh.mid(qsizetype(4 + versatz));
    return bildbeschreibung({}, reinterpret_cast<const unsigned char*>(exif.constData()), std::size_t(exif.size()));
}

struct Freigabe {
    void operator()(heif_context* k) const { heif_context_free(k); }
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};

// The thumbnail of bild whose longer side reaches kante, the smallest such; null if none.
std::unique_ptr<heif_image_handle, Freigabe> passendesVorschaubild(const heif_image_handle* bild, int kante)
{
    heif_item_id kennungen[8];
    const int anzahl = heif_image_handle_get_list_of_thumbnail_IDs(bild, kennungen, 8);
    std::unique_ptr<heif_image_handle, Freigabe> bestes;
    long long besteSeite = 0;
    for (int i = 0; i < anzahl; ++i) {
        heif_image_handle* h = nullptr;
        if (heif_image_handle_get_thumbnail(bild, kennungen[i], &h).code != heif_error_Ok)
            continue;
        std::unique_ptr<heif_image_handle, Freigabe> vorschau(h);
        const long long seite = std::max(heif_image_handle_get_width(h), heif_image_handle_get_height(h));
        if (seite >= kante && seite <= 4096 && (!bestes || seite < besteSeite)) {
            bestes = std::move(vorschau);
            besteSeite = seite;
        }
    }
    return bestes;
}

QImage dekodiere(const QString& pfad, const heif_image_handle* bild, QSize groesse)
{
    const bool alpha = heif_image_handle_has_alpha_channel(bild);
    std::unique_ptr<heif_decoding_options, Freigabe> optionen(heif_decoding_options_alloc());
    // Phones' 10-bit photos come out as 8 bits, like every other picture.
    optionen->convert_hdr_to_8bit = 1;
    heif_image* roh = nullptr;
    pruefe(pfad,
           heif_decode_image(bild, &roh, heif_colorspace_RGB,
                             alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, optionen.get()),
           groesse);
    int zeilenlaenge = 0;
    const std::uint8_t* pixel = heif_image_get_plane_readonly(roh, heif_channel_interleaved, &zeilenlaenge);
    const int breite = heif_image_get_width(roh, heif_channel_interleaved);
    const int hoehe = heif_image_get_height(roh, heif_channel_interleaved);
    if (!pixel || breite <= 0 || hoehe <= 0) {
        heif_image_release(roh);
        beschaedigt(pfad);
    }
    // The picture keeps libheif's pixels and frees them with itself.
    return QImage(
        pixel, breite, hoehe, zeilenlaenge, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
        [](void* r) { heif_image_release(static_cast<heif_image*>(r)); }, roh);
}

} // namespace

bool istHeifKopf(const unsigned char* kopf, std::size_t laenge)
{
    return laenge >= 12 && heif_check_filetype(kopf, int(std::min<std::size_t>(laenge, 1 << 16))) != heif_filetype_no;
}

bool hatHeifEndung(const QString& pfad)
{
    return HeifEndungen.contains(QFileInfo(pfad).suffix(), Qt::CaseInsensitive);
}

HeifBild leseHeif(const QString& pfad, HeifUmfang umfang, int kante)
{
    bereiteVor();
    Lesedatei datei(pfad);
    if (!datei.offen())
        lehneAb(textNichtOeffnenbar(pfad));
    QByteArray daten;
    switch (datei.liesAlles(daten, GroessteHeifDatei)) {
    case Lesedatei::Lesen::Gelesen:
        break;
    case Lesedatei::Lesen::ZuGross:
        lehneAb(textDateiZuGross(pfad, GroessteHeifDatei));
    case Lesedatei::Lesen::Fehler:
        lehneAb(textNichtOeffnenbar(pfad));
    }
    if (!istHeifKopf(reinterpret_cast<const unsigned char*>(daten.constData()), std::size_t(daten.size())))
        lehneAb(QStringLiteral("Die Datei \"%1\" ist kein HEIF- oder AVIF-Bild").arg(pfad));
    // Before libheif reads the headers, which it does for every tile.
    if (const long long kacheln = kachelnDesHauptbilds(daten); kacheln > maxHeifKacheln)
        lehneAb(QStringLiteral("Das Bild \"%1\" besteht aus %2 Kacheln; mehr als %3 werden nicht gelesen")
                    .arg(pfad, QString::number(kacheln), QString::number(maxHeifKacheln)));

    std::unique_ptr<heif_context, Freigabe> kontext(heif_context_alloc());
    if (!kontext)
        lehneAb(textOhneSpeicher(pfad));
    // libheif's own bound is per side and far beyond what is decoded here.
    heif_context_set_maximum_image_size_limit(kontext.get(), 1 << 15);
    pruefe(pfad, heif_context_read_from_memory_without_copy(kontext.get(), daten.constData(), std::size_t(daten.size()),
                                                             nullptr));
    heif_image_handle* h = nullptr;
    pruefe(pfad, heif_context_get_primary_image_handle(kontext.get(), &h));
    std::unique_ptr<heif_image_handle, Freigabe> haupt(h);

    HeifBild ergebnis;
    // Sides after the file's rotation.
    const long long breite = heif_image_handle_get_width(h);
    const long long hoehe = heif_image_handle_get_height(h);
    if (breite <= 0 || hoehe <= 0)
        lehneAb(textKeinePixel(pfad, breite, hoehe));
    if (breite * hoehe > maxHeifPixel)
        lehneAb(textZuGross(pfad, breite, hoehe));
    ergebnis.Groesse = QSize(int(breite), int(hoehe));
    ergebnis.Beschreibung = exifBeschreibung(h);
    if (umfang == HeifUmfang::Groesse)
        return ergebnis;
    for (const std::string& typ : kodierungenDesHauptbilds(daten))
        if (!hatDecoder(typ))
            ohneDecoder(pfad);

    if (umfang == HeifUmfang::Vorschau)
        if (const auto vorschau = passendesVorschaubild(h, kante)) {
            try {
                ergebnis.Bild = dekodiere(pfad, vorschau.get(), ergebnis.Groesse);
                // A thumbnail stored unturned while the photo is turned would show sideways.
                if ((ergebnis.Bild.width() > ergebnis.Bild.height()) == (breite > hoehe))
                    return ergebnis;
            } catch (const EPaarlixFehler&) {
                // The photo itself may still be readable.
            }
        }
    ergebnis.Bild = dekodiere(pfad, h, ergebnis.Groesse);
    if (ergebnis.Bild.size() != ergebnis.Groesse)
        beschaedigt(pfad);
    return ergebnis;
}
