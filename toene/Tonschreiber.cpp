#include "toene/Tonschreiber.h"

#include "platform/Ersatzdatei.h"
#include "platform/Systemfehler.h"
#include "toene/Sndfilesperre.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace {

// A growing file in memory: the Vorbis writer seeks back, and the finished
// bytes then go to the disk in one piece.
struct Speicherziel {
    QByteArray daten;
    sf_count_t stelle = 0;
};

sf_count_t zielLaenge(void* nutzer)
{
    return static_cast<Speicherziel*>(nutzer)->daten.size();
}

sf_count_t zielSuche(sf_count_t abstand, int woher, void* nutzer)
{
    auto* z = static_cast<Speicherziel*>(nutzer);
    const sf_count_t basis = woher == SEEK_CUR ? z->stelle : woher == SEEK_END ? z->daten.size() : 0;
    if (basis + abstand < 0)
        return -1;
    z->stelle = basis + abstand;
    return z->stelle;
}

sf_count_t zielLies(void* ziel, sf_count_t anzahl, void* nutzer)
{
    auto* z = static_cast<Speicherziel*>(nutzer);
    const sf_count_t n = std::clamp<sf_count_t>(z->daten.size() - z->stelle, 0, anzahl);
    std::memcpy(ziel, z->daten.constData() + z->stelle, std::size_t(n));
    z->stelle += n;
    return n;
}

sf_count_t zielSchreib(const void* quelle, sf_count_t anzahl, void* nutzer)
{
    auto* z = static_cast<Speicherziel*>(nutzer);
    if (z->stelle + anzahl > z->daten.size())
        z->daten.resize(qsizetype(z->stelle + anzahl));
    std::memcpy(z->daten.data() + z->stelle, quelle, std::size_t(anzahl));
    z->stelle += anzahl;
    return anzahl;
}

sf_count_t zielStelle(void* nutzer)
{
    return static_cast<Speicherziel*>(nutzer)->stelle;
}

QString alsOggVorbis(const Tonproben& ton, QByteArray& daten)
{
    Speicherziel ziel;
    SF_VIRTUAL_IO io {zielLaenge, zielSuche, zielLies, zielSchreib, zielStelle};
    SF_INFO info {};
    info.samplerate = ton.Rate;
    info.channels = 1;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    std::unique_lock sperre(sndfileOeffnung());
    SNDFILE* datei = sf_open_virtual(&io, SFM_WRITE, &info, &ziel);
    if (!datei)
        return QString::fromUtf8("Ogg Vorbis kann nicht geschrieben werden: %1").arg(QString::fromUtf8(sf_strerror(nullptr)));
    sperre.unlock();
    // Quality 0.4 (about 64 kbit/s at this rate): speech and voices stay clear.
    double qualitaet = 0.4;
    sf_command(datei, SFC_SET_VBR_ENCODING_QUALITY, &qualitaet, sizeof qualitaet);
    const auto anzahl = sf_count_t(ton.Proben.size());
    const bool geschrieben = sf_write_short(datei, ton.Proben.data(), anzahl) == anzahl;
    const QString grund = QString::fromUtf8(sf_strerror(datei));
    if (sf_close(datei) != 0 || !geschrieben)
        return QString::fromUtf8("Ogg Vorbis kann nicht geschrieben werden: %1").arg(grund);
    daten = std::move(ziel.daten);
    return {};
}

} // namespace

QString schreibeKartenton(const Tonproben& ton, const QString& ziel)
{
    if (ton.Rate <= 0 || ton.Proben.empty())
        return QString::fromUtf8("enthält keinen Ton");
    QByteArray daten;
    if (const QString fehler = alsOggVorbis(ton, daten); !fehler.isEmpty())
        return fehler;
    Ersatzdatei datei(ziel);
    if (datei.fehler() == 0)
        datei.write(daten);
    if (datei.fehler() != 0 || !datei.uebernehme())
        return systemfehlerText(datei.fehler());
    return {};
}
