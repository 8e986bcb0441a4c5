// Feeds arbitrary bytes to the JPEG decoder as a file.
#include "fuzz/FuzzUmgebung.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/PaarlixFehler.h"

#include <cstddef>
#include <cstdint>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    // Kept across inputs as the program keeps them: one decoder, a growing bitmap.
    static JpegDekodierer dekodierer;
    static Arbeitsbitmap ziel;
    const QString pfad = schreibeEingabe(QStringLiteral("eingabe.jpg"), data, size);
    try {
        dekodierer.dekodiere(pfad, ziel);
        berichte(QStringLiteral("decoded %1 x %2").arg(ziel.Width()).arg(ziel.Height()));
    } catch (const EPaarlixFehler& fehler) {
        berichte(fehler.text());
    } catch (const std::bad_alloc&) {
        berichte(QStringLiteral("out of memory"));
    }
    return 0;
}
