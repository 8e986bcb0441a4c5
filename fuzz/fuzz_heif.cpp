// Feeds arbitrary bytes to the HEIF reader as a .heic file, for its size
// alone, for a thumbnail and in full.
#include "fuzz/FuzzUmgebung.h"
#include "pictures/HeifLeser.h"
#include "platform/PaarlixFehler.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    const QString pfad = schreibeEingabe(QStringLiteral("eingabe.heic"), data, size);
    for (const HeifUmfang umfang : {HeifUmfang::Groesse, HeifUmfang::Vorschau, HeifUmfang::Voll}) {
        try {
            const HeifBild bild = leseHeif(pfad, umfang, 64);
            // A picture read has pixels and stays within the limit; a size alone has no picture.
            const long long pixel = (long long)bild.Groesse.width() * bild.Groesse.height();
            if (bild.Groesse.isEmpty() || pixel > maxHeifPixel || (umfang == HeifUmfang::Groesse) != bild.Bild.isNull())
                std::abort();
            if (umfang == HeifUmfang::Voll && bild.Bild.size() != bild.Groesse)
                std::abort();
            berichte(QStringLiteral("read %1 x %2").arg(bild.Groesse.width()).arg(bild.Groesse.height()));
        } catch (const EPaarlixFehler& fehler) {
            // Every refusal names the file.
            if (!fehler.text().contains(pfad))
                std::abort();
            berichte(fehler.text());
        } catch (const std::bad_alloc&) {
            berichte(QStringLiteral("out of memory"));
        }
    }
    return 0;
}
