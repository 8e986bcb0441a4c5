#pragma once

#include "platform/Uhr.h"
#include "widgets/Klangausgabe.h"
#include "widgets/Tonstrom.h"

#include <atomic>
#include <memory>
#include <optional>

class QAudioSink;
class QObject;
class QThread;
class Mischquelle;

// The sounds through one endless Qt Multimedia output stream (QAudioSink),
// mixed in memory, silence between sounds; nothing is written to disk. The
// stream has a thread of its own because the card animations keep the window's
// thread from its event loop. Nothing happens until the first sound or
// bereiteVor(); without a device the game stays silent and says nothing. A
// failed stream or a missing device is tried again on the default device at
// most every TonstromNeuversuchAbstand seconds, sounds meanwhile dropped.
// Qt Multimedia 6.4 reconnects to PulseAudio only once, three seconds after
// the server left, so a server back later stays unheard until the next start.
// Create and destroy on the window's thread; an application object must exist.
class Lautsprecher final : public Klangausgabe {
public:
    Lautsprecher();
    ~Lautsprecher() override;
    Lautsprecher(const Lautsprecher&) = delete;
    Lautsprecher& operator=(const Lautsprecher&) = delete;

    void bereiteVor() override;
    void spiele(Klang klang) override;
    void spieleKartenton(const Kartenklang& klang) override;
    void verstummeKartentoene() override;

private:
    void starte();
    // Whether a sound asked for now is to go into the mix (see tonstromHoerbar).
    bool hoerbar();
    void oeffneWennFaellig();
    // On thread_: a new stream on the default device in place of the current one.
    void oeffne();
    void merke(Tonstromlage lage);

    // The one thread outside the worker queue (platform/Arbeitsschlange.h): the audio
    // stream lives on it for the whole game, an event loop of its own, not a job.
    std::unique_ptr<QThread> thread_;
    QObject* arbeiter_ = nullptr;  // lives on thread_, parent of the stream
    Mischquelle* quelle_ = nullptr; // lives on thread_; spiele() only through its lock
    QAudioSink* ausgabe_ = nullptr; // used on thread_ only
    std::atomic<Tonstromlage> lage_{};  // written on thread_, and here before an open is asked
    std::optional<double> letzterVersuch_; // seconds; window's thread only
    MonotoneUhr uhr_;
};
