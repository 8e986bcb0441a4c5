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

// The sounds through one Qt Multimedia output stream (QAudioSink) on a thread
// of its own, mixed in memory and fed without a pause, silence between sounds.
// The thread: the card animations run on the window's thread without returning
// to its event loop. One endless stream: a stream per sound (QSoundEffect)
// ended with its last samples written, and card taps, shorter than what the
// server holds back, came cut or not at all. Nothing is written to disk.
// Nothing happens until the first sound or bereiteVor(): then the sound server
// is asked for a device. Without one the sounds stay silent, and nothing is said
// about it. When the stream fails (the server died or restarted) or no device
// was found, the next sound or bereiteVor() opens a new stream on the default
// device, at most every TonstromNeuversuchAbstand seconds; sounds asked for
// until one plays are dropped. Qt Multimedia 6.4 itself tries to connect to
// PulseAudio again only once, three seconds after the server left, and gives up
// for the process if no socket answers then (measured); so a server back later,
// or first there after the start, stays unheard. A socket kept open by systemd
// across a restart, as desktops start PulseAudio and PipeWire, should answer.
// Create and destroy on the window's thread; an application object must exist.
class Lautsprecher final : public Klangausgabe {
public:
    Lautsprecher();
    ~Lautsprecher() override;
    Lautsprecher(const Lautsprecher&) = delete;
    Lautsprecher& operator=(const Lautsprecher&) = delete;

    void bereiteVor() override;
    void spiele(Klang klang) override;

private:
    void starte();
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
