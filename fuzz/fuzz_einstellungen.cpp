// Feeds arbitrary bytes to the settings reader as the contents of "Paarlix.ini".
#include "board/Einstellungsleser.h"
#include "fuzz/FuzzUmgebung.h"

#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// A file the reader accepts must give values the game can play with; an
// error must come with its message. Anything else is a reader fault.
void pruefe(const Einstellungsergebnis& e)
{
    berichte(e.EinstellungsFehler ? e.Meldung : QStringLiteral("settings read"));
    if (e.EinstellungsFehler) {
        if (e.Meldung.isEmpty() || e.Meldungsart == Einstellungsergebnis::Meldungsform::Keine)
            std::abort();
        return;
    }
    const Spieleinstellungen& w = e.Werte;
    const bool ok = e.Meldungsart == Einstellungsergebnis::Meldungsform::Keine
        && e.Fenster != Einstellungsergebnis::Fensterzustand::NichtGelesen
        && (e.Fenster != Einstellungsergebnis::Fensterzustand::Normal || (e.FensterBreite > 0 && e.FensterHoehe > 0))
        && w.FormatX > 0 && w.FormatY > 0 && w.Spalten >= 1 && w.Spalten <= 100 && w.Zeilen >= 1
        && w.Zeilen <= 100 && (w.Spalten * w.Zeilen) % 2 == 0
        && (w.KartenBreite == AutoKartenBreite || (w.KartenBreite > 0 && w.KartenHoehe > 0))
        && w.AbstandX >= 0 && w.AbstandY >= 0 && std::isfinite(w.HalbeDrehZeit) && w.HalbeDrehZeit > 0
        && (w.SpielerAbfragen || e.Gruppen == 1 || e.Gruppen == 2);
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    const QByteArray inhalt(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        // Both decimal separators the reader may meet.
        pruefe(leseEinstellungen(inhalt, QLocale::c()));
        pruefe(leseEinstellungen(inhalt, QLocale(QLocale::German, QLocale::Germany)));
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
