// Feeds arbitrary bytes to the BMP reader, once as a file and once as data.
#include "fuzz/FuzzUmgebung.h"
#include "pictures/BmpLeser.h"
#include "platform/PaarlixFehler.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    const QString pfad = schreibeEingabe(QStringLiteral("eingabe.bmp"), data, size);
    try {
        const QImage bild = leseBmp(pfad);
        // The reader promises one of two formats and never an empty success.
        if (bild.isNull()
            || (bild.format() != QImage::Format_RGB32 && bild.format() != QImage::Format_ARGB32))
            std::abort();
        berichte(QStringLiteral("read %1 x %2").arg(bild.width()).arg(bild.height()));
    } catch (const EPaarlixFehler& fehler) {
        berichte(fehler.text());
    } catch (const std::bad_alloc&) {
        berichte(QStringLiteral("out of memory"));
    }
    return 0;
}
