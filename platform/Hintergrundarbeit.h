#pragma once

#include "platform/Arbeitsschlange.h"

#include <functional>
#include <utility>

// One job at a time on a worker of its own, the latest one winning; its result
// is handed back on the thread that owns this object, from its event loop. A
// window's work that must not freeze it (a board preview, writing a game) runs here.
// Create, use and destroy on one thread; going away waits for a running job.
// The job must not touch this object but for melde().
template <typename Ergebnis>
class Hintergrundarbeit {
public:
    using Fertig = std::function<void(Ergebnis)>;

    // fertig gets each job's result unless the job was forgotten first. It may
    // start the next job. A job that threw rethrows there instead.
    explicit Hintergrundarbeit(Fertig fertig)
        : schlange_(1, [weiter = std::move(fertig)](Lieferung<Ergebnis> l) { weiter(l.nimm()); })
    {
    }
    // A job still running is waited for and forgotten first.
    void starte(std::function<Ergebnis()> arbeit)
    {
        schlange_.ersetze(0, [arbeit = std::move(arbeit)](OhneWerkzeug&) { return arbeit(); });
    }

    // The job may call this one: meldung runs on the owner's thread before the
    // job's result, unless the job is forgotten first.
    void melde(std::function<void()> meldung) { schlange_.melde(std::move(meldung)); }

    // True from starte() until the result is handed to fertig or forgotten.
    bool laeuft() const { return schlange_.laeuft(); }

    // Waits for the running job, if any; its result is dropped unseen.
    void vergiss() { schlange_.vergiss(); }

private:
    Arbeitsschlange<Ergebnis> schlange_;
};
