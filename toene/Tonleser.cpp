#include "toene/Tonleser.h"

#include "platform/Lesedatei.h"
#include "toene/Sndfilesperre.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Bytes in memory as a file for libsndfile: it reads, seeks and asks the size.
struct Speicherdatei {
    const QByteArray* daten = nullptr;
    sf_count_t stelle = 0;
};

sf_count_t speicherLaenge(void* nutzer)
{
    return static_cast<Speicherdatei*>(nutzer)->daten->size();
}

sf_count_t speicherSuche(sf_count_t abstand, int woher, void* nutzer)
{
    auto* d = static_cast<Speicherdatei*>(nutzer);
    const sf_count_t laenge = d->daten->size();
    const sf_count_t basis = woher == SEEK_CUR ? d->stelle : woher == SEEK_END ? laenge : 0;
    // Checked before adding, so a hostile offset cannot overflow.
    if (abstand > laenge - basis || abstand < -basis)
        return -1;
    const sf_count_t neu = basis + abstand;
    d->stelle = neu;
    return neu;
}

sf_count_t speicherLies(void* ziel, sf_count_t anzahl, void* nutzer)
{
    auto* d = static_cast<Speicherdatei*>(nutzer);
    const sf_count_t laenge = d->daten->size();
    const sf_count_t n = d->stelle >= laenge ? 0 : std::min(anzahl, laenge - d->stelle);
    if (n > 0)
        std::memcpy(ziel, d->daten->constData() + d->stelle, size_t(n));
    d->stelle += n;
    return n;
}

sf_count_t speicherSchreib(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t speicherStelle(void* nutzer)
{
    return static_cast<Speicherdatei*>(nutzer)->stelle;
}

struct SndSchliesser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndDatei = std::unique_ptr<SNDFILE, SndSchliesser>;

Tonergebnis fehler(const QString& grund)
{
    Tonergebnis e;
    e.Fehler = grund;
    return e;
}

Tonergebnis fehler(const char* grund)
{
    return fehler(QString::fromUtf8(grund));
}

Tonergebnis zuLang()
{
    return fehler(QString::fromUtf8("ist länger als %1 Sekunden").arg(LaengsteTondatei));
}

Tonergebnis oeffnungsfehler()
{
    // sf_error(nullptr) is the error of the last failed open on this thread.
    const int nummer = sf_error(nullptr);
    if (nummer == SF_ERR_UNRECOGNISED_FORMAT || nummer == SF_ERR_UNSUPPORTED_ENCODING)
        return fehler("ist keine Tondatei");
    return fehler("ist beschädigt");
}

// A float sample to 16 bits; NaN and overshoot (float files) are kept in range.
std::int16_t alsProbe(float wert)
{
    if (!(wert == wert))
        return 0;
    return std::int16_t(std::lround(std::clamp(wert, -1.0f, 1.0f) * 32767.0f));
}

Tonergebnis liesAus(SNDFILE* roh, const SF_INFO& info)
{
    const SndDatei datei(roh);
    if (info.channels < 1 || info.channels > HoechsteKanalzahl)
        return fehler("hat zu viele Kanäle");
    if (info.samplerate < NiedrigsteRate || info.samplerate > HoechsteRate)
        return fehler("hat eine ungewöhnliche Abtastrate");
    // Formats that know their length are refused before anything is read;
    // the others stop at the limit while reading.
    const sf_count_t hoechstens = sf_count_t(LaengsteTondatei) * info.samplerate;
    if (info.frames > hoechstens && info.frames != SF_COUNT_MAX)
        return zuLang();
    if (info.frames == 0)
        return fehler("enthält keinen Ton");

    Tonproben ton;
    ton.Rate = info.samplerate;
    // Reserve only what a sane header promises; a lying one costs nothing.
    if (info.frames > 0 && info.frames != SF_COUNT_MAX)
        ton.Proben.reserve(std::size_t(std::min<sf_count_t>(info.frames, hoechstens)));
    constexpr sf_count_t Stueck = 4096;
    std::vector<float> puffer(std::size_t(Stueck * info.channels));
    while (true) {
        const sf_count_t gelesen = sf_readf_float(datei.get(), puffer.data(), Stueck);
        if (gelesen <= 0)
            break;
        if (sf_count_t(ton.Proben.size()) + gelesen > hoechstens)
            return zuLang();
        for (sf_count_t i = 0; i < gelesen; ++i) {
            float summe = 0;
            for (int k = 0; k < info.channels; ++k)
                summe += puffer[std::size_t(i * info.channels + k)];
            ton.Proben.push_back(alsProbe(summe / float(info.channels)));
        }
    }
    if (sf_error(datei.get()) != SF_ERR_NO_ERROR)
        return fehler("ist beschädigt");
    if (ton.Proben.empty())
        return fehler("enthält keinen Ton");
    Tonergebnis ergebnis;
    ergebnis.Ton = std::move(ton);
    return ergebnis;
}

} // namespace

Tonergebnis leseTon(const QString& pfad)
{
    // Only a regular file is opened, and without blocking, so a FIFO or a
    // folder under a sound's name is refused at once.
    Lesedatei datei(pfad);
    if (!datei.offen())
        return fehler("kann nicht gelesen werden");
    if (datei.groesse() == 0)
        return fehler("ist leer");
    std::FILE* stream = datei.alsStream();
    if (!stream)
        return fehler("kann nicht gelesen werden");
    SF_INFO info {};
    std::unique_lock sperre(sndfileOeffnung());
    // libsndfile works on the descriptor alone; the stream is only its owner.
    SNDFILE* roh = sf_open_fd(fileno(stream), SFM_READ, &info, SF_FALSE);
    if (!roh) {
        const Tonergebnis fehlschlag = oeffnungsfehler();
        std::fclose(stream);
        return fehlschlag;
    }
    sperre.unlock();
    Tonergebnis ergebnis = liesAus(roh, info);
    std::fclose(stream);
    return ergebnis;
}

Tonergebnis leseTonAusDaten(const QByteArray& daten)
{
    if (daten.isEmpty())
        return fehler("ist leer");
    Speicherdatei speicher {&daten, 0};
    SF_VIRTUAL_IO io {speicherLaenge, speicherSuche, speicherLies, speicherSchreib, speicherStelle};
    SF_INFO info {};
    std::unique_lock sperre(sndfileOeffnung());
    SNDFILE* roh = sf_open_virtual(&io, SFM_READ, &info, &speicher);
    if (!roh)
        return oeffnungsfehler();
    sperre.unlock();
    return liesAus(roh, info);
}
