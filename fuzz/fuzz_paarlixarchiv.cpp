// Feeds arbitrary bytes as a .paarlix file to the archive checker, in
// memory, and reads every game file it accepts, as unpacking would.
#include "fuzz/FuzzUmgebung.h"
#include "weitergabe/Archivpruefung.h"
#include "weitergabe/Eintragslesen.h"
#include "weitergabe/Spieldateiauswahl.h"
#include "weitergabe/Ziparchiv.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Ziparchivoeffnung oeffnung = oeffneZippuffer(data, size);
    if (!oeffnung.Archiv) {
        // A buffer cannot fail to be read: every refusal has its cause.
        if (oeffnung.Grund.isEmpty() && oeffnung.Systemfehler != ENOMEM)
            std::abort();
        berichte(oeffnung.Grund);
        return 0;
    }
    const Archivinhalt inhalt = pruefeArchiv(oeffnung.Archiv.get());
    if (inhalt.abgelehnt()) {
        berichte(inhalt.Grund);
        return 0;
    }
    // An accepted archive has one game with its settings, nothing but the game's files, within the limits.
    if (inhalt.Spielname.isEmpty() || inhalt.Bytes > GroessteAuspackung)
        std::abort();
    bool einstellungen = false;
    for (const Archiveintrag& eintrag : inhalt.Dateien) {
        if (!liestDasSpiel(eintrag.Name) || !eintrag.Pfad.startsWith(inhalt.Spielname + QLatin1Char('/')))
            std::abort();
        einstellungen = einstellungen || istEinstellungsdatei(eintrag.Name);
        qint64 bytes = 0;
        const Eintragslesung lesung = liesEintrag(oeffnung.Archiv.get(), eintrag, [&bytes](const char*, qint64 n) {
            bytes += n;
            return 0;
        });
        // Nothing past the declared size ever reaches the target; what is read whole has exactly that size.
        if (bytes > eintrag.Groesse || (lesung.gelungen() && bytes != eintrag.Groesse))
            std::abort();
        berichte(lesung.gelungen() ? eintrag.Name : lesung.Grund);
    }
    if (!einstellungen)
        std::abort();
    return 0;
}
