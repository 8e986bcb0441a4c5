// Renders an arbitrary JPEG or BMP file into a small picture holder in a
// chosen cutting mode; see Bilddarstellungseingabe.h for the input layout.
#include "fuzz/Bilddarstellungseingabe.h"
#include "fuzz/FuzzUmgebung.h"
#include "pictures/Bildarbeitsobjekte.h"
#include "pictures/BildDarstellung.h"
#include "platform/BildHalter.h"
#include "platform/Meldungen.h"
#include "platform/PaarlixFehler.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// A warning would mean the name was not taken for a picture: never expected here.
class KeineMeldungen final : public Meldungen {
public:
    void fehler(const QString&) override { std::abort(); }
    void warnung(const QString&) override { std::abort(); }
    void hinweis(const QString&) override { std::abort(); }
    void programmfehler(const QString&) override { std::abort(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace e = bilddarstellungseingabe;
    if (size < e::kopfLaenge)
        return 0;
    sichereAnwendung();
    // Shared by every rendering, as in the program, so leftovers of one input meet the next.
    static Bildarbeitsobjekte arbeit;
    KeineMeldungen meldungen;

    const bool bmp = (data[0] & e::bmpBit) != 0;
    const QString modus = QString::fromLatin1(e::modi[data[0] & 7]);
    const int breite = data[1] % e::zielGroessenBereich;
    const int hoehe = data[2] % e::zielGroessenBereich;
    const QString pfad = schreibeEingabe(bmp ? QStringLiteral("eingabe.bmp") : QStringLiteral("eingabe.jpg"),
                                         data + e::kopfLaenge, size - e::kopfLaenge);

    TBildHalter ziel(breite, hoehe);
    try {
        BildDarstellung(ziel, pfad, modus, arbeit, meldungen);
        // A finished rendering leaves a picture of exactly the target's size.
        const QImage& bild = ziel.bild();
        if (breite > 0 && hoehe > 0 && (bild.width() != breite || bild.height() != hoehe))
            std::abort();
        berichte(QStringLiteral("rendered into %1 x %2, mode \"%3\"").arg(breite).arg(hoehe).arg(modus));
    } catch (const EPaarlixFehler& fehler) {
        berichte(fehler.text());
    } catch (const std::bad_alloc&) {
        berichte(QStringLiteral("out of memory"));
    }
    return 0;
}
