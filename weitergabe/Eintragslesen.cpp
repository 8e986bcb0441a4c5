#include "weitergabe/Eintragslesen.h"

#include "platform/Dateiname.h"
#include "weitergabe/Archivpruefung.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <zip.h>

namespace {

// Large enough that a stored photo goes through in a few system calls.
constexpr qint64 Stueck = 1 << 20;

struct Eintragsschliesser {
    void operator()(zip_file_t* datei) const { zip_fclose(datei); }
};

Eintragslesung abgelehnt(const Archiveintrag& eintrag, const QString& was)
{
    Eintragslesung e;
    e.Grund = QStringLiteral("der Eintrag „%1“ %2").arg(sichtbar(eintrag.Pfad), was);
    return e;
}

Eintragslesung lesefehler(const Archiveintrag& eintrag, const zip_error_t* fehler, qint64 gelesen)
{
    const int art = zip_error_code_zip(fehler);
    if (art == ZIP_ER_READ || art == ZIP_ER_SEEK || art == ZIP_ER_MEMORY) {
        Eintragslesung e;
        e.Systemfehler = art == ZIP_ER_MEMORY ? ENOMEM : zip_error_code_system(fehler);
        return e;
    }
    if (art == ZIP_ER_CRC)
        return abgelehnt(eintrag, QStringLiteral("ist beschädigt (falsche Prüfsumme)"));
    if (gelesen < eintrag.Groesse)
        return abgelehnt(eintrag, QStringLiteral("ist kürzer als angegeben"));
    if (art == ZIP_ER_INCONS)
        return abgelehnt(eintrag, QStringLiteral("ist länger als angegeben"));
    return abgelehnt(eintrag, QStringLiteral("ist beschädigt"));
}

} // namespace

Eintragslesung liesEintrag(zip* archiv, const Archiveintrag& eintrag, const Eintragsziel& ziel)
{
    const std::unique_ptr<zip_file_t, Eintragsschliesser> datei(zip_fopen_index(archiv, eintrag.Index, 0));
    if (!datei)
        return lesefehler(eintrag, zip_get_error(archiv), eintrag.Groesse);
    const auto puffer = std::make_unique<char[]>(std::size_t(Stueck));
    qint64 gelesen = 0;
    for (;;) {
        // One byte more than declared is asked for, so that a longer entry shows itself.
        const qint64 wunsch = std::min(Stueck, eintrag.Groesse - gelesen + 1);
        const zip_int64_t n = zip_fread(datei.get(), puffer.get(), zip_uint64_t(wunsch));
        if (n < 0)
            return lesefehler(eintrag, zip_file_get_error(datei.get()), gelesen);
        if (n == 0)
            break;
        gelesen += n;
        if (gelesen > eintrag.Groesse)
            return abgelehnt(eintrag, QStringLiteral("ist länger als angegeben"));
        if (const int f = ziel(puffer.get(), n)) {
            Eintragslesung e;
            e.Systemfehler = f;
            return e;
        }
    }
    if (gelesen < eintrag.Groesse)
        return abgelehnt(eintrag, QStringLiteral("ist kürzer als angegeben"));
    return {};
}
