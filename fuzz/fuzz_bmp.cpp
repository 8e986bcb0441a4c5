// Feeds arbitrary bytes to the BMP reader as a file, twice: once with fresh
// heap memory filled with one byte, once with another.
#include "fuzz/FuzzUmgebung.h"
#include "pictures/BmpLeser.h"
#include "platform/PaarlixFehler.h"

#include <QImage>

#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

struct Ergebnis {
    QImage bild;
    QString fehler;
};

// glibc fills fresh blocks with fuellung ^ 0xFF. Without effect where
// another allocator serves malloc (AddressSanitizer).
Ergebnis lies(const QString& pfad, int fuellung)
{
    mallopt(M_PERTURB, fuellung);
    Ergebnis e;
    try {
        e.bild = leseBmp(pfad);
    } catch (const EPaarlixFehler& fehler) {
        e.fehler = fehler.text();
    } catch (const std::bad_alloc&) {
        e.fehler = QStringLiteral("out of memory");
    }
    mallopt(M_PERTURB, 0);
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    const QString pfad = schreibeEingabe(QStringLiteral("eingabe.bmp"), data, size);
    const Ergebnis erstes = lies(pfad, 0x55);
    const Ergebnis zweites = lies(pfad, 0xAA);
    if (!erstes.fehler.isEmpty()) {
        berichte(erstes.fehler);
    } else {
        // The reader promises one of two formats and never an empty success.
        const QImage& bild = erstes.bild;
        if (bild.isNull()
            || (bild.format() != QImage::Format_RGB32 && bild.format() != QImage::Format_ARGB32))
            std::abort();
        berichte(QStringLiteral("read %1 x %2").arg(bild.width()).arg(bild.height()));
    }
    // Pixels that nobody wrote show the fill bytes, so the two readings differ.
    if (erstes.fehler != zweites.fehler || erstes.bild != zweites.bild) {
        berichte(QStringLiteral("the two readings differ"));
        std::abort();
    }
    return 0;
}
