#pragma once

#include "platform/Arbeitsschlange.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

// Runs jobs 0 .. anzahl - 1 on the worker queue while the caller takes the
// results strictly in this order. Job k is queued only once result k - vorlauf
// was taken, so memory holds no more results than vorlauf. The first job in
// order that fails is handed over as its error; no job is started once a
// failure is known. Every thread is joined when the pool goes, also while jobs
// run or results are left untaken. Make, use and destroy on one thread.
template <typename Ergebnis>
class Vorlaufpool {
public:
    // Job k, run on a worker thread.
    using Arbeit = std::function<Ergebnis(int k)>;
    // Called once on each worker thread (concurrently) before its first job,
    // so that each worker can have state of its own. When it throws, every
    // job that worker takes fails with that error.
    using Einrichtung = std::function<Arbeit()>;

    // arbeiter >= 1 threads (no more than there are jobs); vorlauf >= 1.
    Vorlaufpool(int anzahl, int arbeiter, int vorlauf, Einrichtung einrichtung)
        : anzahl_(std::max(anzahl, 0)), vorlauf_(std::max(vorlauf, 1))
    {
        if (anzahl_ == 0)
            return;
        schlange_.emplace(std::min(std::max(arbeiter, 1), anzahl_), nullptr, std::move(einrichtung));
        for (int k = 0; k < std::min(anzahl_, vorlauf_); ++k)
            stelle(k);
    }

    int anzahl() const { return anzahl_; }
    // Results taken so far: the index of the next one.
    int genommen() const { return genommen_; }

    // The next result in order; waits until it is ready and rethrows its
    // job's error. Asking past the end or after a failure is a caller's fault.
    Ergebnis hole()
    {
        if (genommen_ >= anzahl_)
            throw std::logic_error("Vorlaufpool: alle Ergebnisse sind schon abgeholt");
        if (gescheitert_)
            throw std::logic_error("Vorlaufpool: Ergebnis nach einem Fehler verlangt");
        const int k = genommen_;
        while (vorrat_.count(k) == 0) {
            auto neu = schlange_->hole();
            if (neu.empty())
                throw std::logic_error("Vorlaufpool: ein Ergebnis ging verloren");
            for (Lieferung<Ergebnis>& l : neu)
                vorrat_.emplace(int(l.Nummer), std::move(l));
        }
        Lieferung<Ergebnis> l = std::move(vorrat_.extract(k).mapped());
        genommen_ = k + 1;
        gescheitert_ = l.Fehler != nullptr;
        if (!gescheitert_ && k + vorlauf_ < anzahl_)
            stelle(k + vorlauf_);
        return l.nimm();
    }

private:
    using Schlange = Arbeitsschlange<Ergebnis, Arbeit>;

    void stelle(int k)
    {
        schlange_->stelle(std::uint64_t(k), [k](Arbeit& arbeit) { return arbeit(k); });
    }

    const int anzahl_;
    const int vorlauf_;
    int genommen_ = 0;
    bool gescheitert_ = false;
    std::map<int, Lieferung<Ergebnis>> vorrat_; // taken from the queue, not yet in order
    std::optional<Schlange> schlange_;          // none without jobs
};
