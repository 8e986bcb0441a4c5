#pragma once

#include <optional>

// What the sound output stream last reported, without Qt Multimedia's types.
enum class Tonstromzustand {
    Keiner, // none open: not yet asked, being opened, or no device found
    Aktiv,
    Angehalten,
    Leerlauf,
    Gestoppt,
};

struct Tonstromlage {
    Tonstromzustand Zustand = Tonstromzustand::Keiner;
    // The stream reported an error (the server gone, say), or no device was found.
    bool Fehler = false;
};

// While no sound server answers, a new stream is tried at most this often (seconds):
// a server restarted by the desktop is back within that, and trying costs the sound
// thread a connection attempt each time.
constexpr double TonstromNeuversuchAbstand = 2.0;

// Whether the stream has failed: no device found, or stopped or idle with an
// error. One still running gets over a passing error (an underrun) itself.
bool tonstromGestoert(Tonstromlage lage);

// Whether a new stream on the default device is to be opened now, given what the
// current one reported and when (seconds, monotonic) the last one was asked for.
// One not yet asked for is opened at once, a failed one at most every interval.
bool tonstromNeuOeffnen(Tonstromlage lage, std::optional<double> letzterVersuch, double jetzt);

// Whether a sound asked for now can be heard: one asked while the stream has
// failed is dropped, not kept to sound all at once when a server is back.
inline bool tonstromHoerbar(Tonstromlage lage) { return !tonstromGestoert(lage); }
