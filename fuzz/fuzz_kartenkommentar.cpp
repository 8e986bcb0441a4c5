// Feeds arbitrary bytes as a .jpg file to the reader of a card's comment.
#include "fuzz/FuzzUmgebung.h"
#include "karten/Kartenkommentar.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    const QString pfad = schreibeEingabe(QStringLiteral("karte.jpg"), data, size);
    try {
        const Kartenkommentar k = leseKartenkommentar(pfad);
        berichte(k.Textkarte ? QStringLiteral("text card %1: %2").arg(int(*k.Textkarte)).arg(k.Text)
                             : QStringLiteral("comment: %1").arg(k.Text));
        // A text card shows its text: it cannot be empty or blank.
        if (k.Textkarte && k.Text.trimmed().isEmpty())
            std::abort();
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
