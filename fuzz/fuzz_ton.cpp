// Feeds arbitrary bytes as a sound file to the reader, and what it accepts to
// the trimming of a card's sound.
#include "fuzz/FuzzUmgebung.h"
#include "toene/Tonaufbereitung.h"
#include "toene/Tonleser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    try {
        const Tonergebnis ton =
            leseTonAusDaten(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
        if (!ton) {
            berichte(QStringLiteral("refused: %1").arg(ton.Fehler));
            // A refusal always says why.
            if (ton.Fehler.isEmpty())
                std::abort();
            return 0;
        }
        // An accepted sound is within the limits the reader promises.
        if (ton.Ton->Proben.empty() || ton.Ton->Rate < NiedrigsteRate || ton.Ton->Rate > HoechsteRate
            || ton.Ton->sekunden() > LaengsteTondatei)
            std::abort();
        const Tonergebnis karte = bereiteKartentonAuf(*ton.Ton);
        berichte(QStringLiteral("%1 samples at %2 Hz, card: %3")
                     .arg(ton.Ton->Proben.size())
                     .arg(ton.Ton->Rate)
                     .arg(karte ? QString::number(karte.Ton->sekunden()) : karte.Fehler));
        if (karte && (karte.Ton->Rate != Kartentonrate || karte.Ton->Proben.empty()
                      || karte.Ton->sekunden() > LaengsterKartenton + 0.1))
            std::abort();
        if (!karte && karte.Fehler.isEmpty())
            std::abort();
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
