#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <list>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

// A job's outcome as its owner gets it.
template <typename Ergebnis>
struct Lieferung {
    std::uint64_t Nummer = 0;     // as given to stelle()
    std::optional<Ergebnis> Wert; // unless the job threw
    std::exception_ptr Fehler;    // what it threw

    // The value, or the job's error rethrown.
    Ergebnis nimm()
    {
        if (Fehler)
            std::rethrow_exception(Fehler);
        return std::move(*Wert);
    }
};

// The worker state of a queue whose jobs need none.
struct OhneWerkzeug {};

// Wakes its owner's thread from the event loop; reads nothing of the event.
class Schlangenwecker : public QObject {
public:
    explicit Schlangenwecker(std::function<void()> geweckt) : geweckt_(std::move(geweckt)) {}
    void wecke() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }

protected:
    void customEvent(QEvent*) override { geweckt_(); }

private:
    const std::function<void()> geweckt_;
};

// The one way work leaves the thread that owns it: N worker threads take jobs in
// the order queued and put their results into an inbox. The owner takes them out
// of it in one place, under the queue's mutex, either from its event loop (given
// fertig) or waiting in hole(). Qt's event only wakes the owner; job and result
// cross under the std::mutex, which ThreadSanitizer sees.
//
// Rounds: neueRunde() drops the jobs not started and every result not handed over
// yet; jobs still running finish unseen. A job that throws ends its round too: its
// error is handed over, and no later job of that round starts.
//
// Each worker has a Werkzeug of its own, made on its thread before its first job
// (by einrichtung, else default-made) and destroyed there; when making it throws,
// every job that worker takes fails with that error.
//
// Make, use and destroy on one thread. Going away drops the jobs not started and
// waits for the running ones; nothing is handed over after that.
template <typename Ergebnis, typename Werkzeug = OhneWerkzeug>
class Arbeitsschlange {
public:
    using Arbeit = std::function<Ergebnis(Werkzeug&)>;
    using Fertig = std::function<void(Lieferung<Ergebnis>)>;
    using Einrichtung = std::function<Werkzeug()>;

    // arbeiter >= 1 threads, all started here. fertig may queue or forget jobs.
    // einrichtung is needed when Werkzeug cannot be default-made.
    explicit Arbeitsschlange(int arbeiter, Fertig fertig = {}, Einrichtung einrichtung = {})
        : fertig_(std::move(fertig)), einrichtung_(mitVorgabe(std::move(einrichtung)))
    {
        if (fertig_)
            wecker_.emplace([this] { uebergib(); });
        const int anzahl = std::max(arbeiter, 1);
        threads_.reserve(std::size_t(anzahl));
        try {
            for (int i = 0; i < anzahl; ++i)
                threads_.emplace_back([this] { arbeite(); });
        } catch (...) {
            stoppe(); // threads that did start must not outlive us
            throw;
        }
    }
    ~Arbeitsschlange() { stoppe(); }
    Arbeitsschlange(const Arbeitsschlange&) = delete;
    Arbeitsschlange& operator=(const Arbeitsschlange&) = delete;

    // Queued behind the others; dropped when its round already failed.
    void stelle(std::uint64_t nummer, Arbeit arbeit)
    {
        std::list<Auftrag> neu; // allocated before the lock, spliced under it
        neu.push_back({nummer, std::move(arbeit), 0});
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            if (gescheitert_)
                return;
            neu.front().Runde = runde_;
            offen_.splice(offen_.end(), neu);
            ++inRunde_;
        }
        arbeitDa_.notify_one();
    }

    void neueRunde()
    {
        std::list<Auftrag> weg; // the jobs' captures go outside the lock
        const std::lock_guard<std::mutex> sperre(mutex_);
        ++runde_;
        gescheitert_ = false;
        inRunde_ = 0;
        weg.splice(weg.end(), offen_);
    }

    // A new round that waits until no job runs: nothing a job reads may go before it ends.
    void vergiss()
    {
        neueRunde();
        std::unique_lock<std::mutex> sperre(mutex_);
        ruhig_.wait(sperre, [this] { return laufend_ == 0; });
    }

    // Latest wins: forgets everything before, then queues this one.
    void ersetze(std::uint64_t nummer, Arbeit arbeit)
    {
        vergiss();
        stelle(nummer, std::move(arbeit));
    }

    // Only from a job of this queue, and only with fertig: meldung runs on the owner's
    // thread in order with the results, unless the job's round is over by then.
    void melde(std::function<void()> meldung)
    {
        std::list<Eintrag> neu;
        neu.push_back({std::nullopt, std::move(meldung), rundeDiesesThreads_});
        const std::lock_guard<std::mutex> sperre(mutex_);
        if (!wecker_)
            return;
        bereit_.splice(bereit_.end(), neu);
        wecke();
    }

    // A job of this round is queued, running or not handed over yet.
    bool laeuft() const
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        return inRunde_ > 0;
    }

    // Without fertig: waits for results of this round and takes all there are;
    // empty when none can come any more.
    std::vector<Lieferung<Ergebnis>> hole()
    {
        std::vector<Lieferung<Ergebnis>> genommen;
        std::list<Eintrag> jetzt;
        std::unique_lock<std::mutex> sperre(mutex_);
        while (genommen.empty()) {
            ergebnisDa_.wait(sperre, [this] { return !bereit_.empty() || inRunde_ == 0; });
            if (bereit_.empty())
                break;
            jetzt.splice(jetzt.end(), bereit_);
            for (Eintrag& e : jetzt)
                if (e.Runde == runde_) {
                    --inRunde_;
                    genommen.push_back(std::move(*e.Ware));
                }
            jetzt.clear();
        }
        return genommen;
    }

private:
    struct Auftrag {
        std::uint64_t Nummer;
        Arbeit Aufgabe;
        std::uint64_t Runde;
    };
    struct Eintrag {
        std::optional<Lieferung<Ergebnis>> Ware; // a result, else a report
        std::function<void()> Bericht;
        std::uint64_t Runde;
    };

    static Einrichtung mitVorgabe(Einrichtung einrichtung)
    {
        if constexpr (std::is_default_constructible_v<Werkzeug>)
            if (!einrichtung)
                return [] { return Werkzeug(); };
        return einrichtung;
    }

    void stoppe()
    {
        std::list<Auftrag> weg;
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            halt_ = true;
            weg.splice(weg.end(), offen_);
        }
        arbeitDa_.notify_all();
        for (std::thread& t : threads_)
            if (t.joinable())
                t.join();
        threads_.clear();
    }

    // On a worker thread.
    void arbeite()
    {
        std::optional<Werkzeug> werkzeug;
        std::exception_ptr ohneWerkzeug;
        try {
            werkzeug.emplace(einrichtung_());
        } catch (...) {
            ohneWerkzeug = std::current_exception();
        }
        std::list<Auftrag> auftrag;
        std::list<Eintrag> fertig;
        std::list<Auftrag> weg;
        std::unique_lock<std::mutex> sperre(mutex_);
        while (true) {
            arbeitDa_.wait(sperre, [this] { return halt_ || !offen_.empty(); });
            if (halt_)
                return;
            auftrag.splice(auftrag.end(), offen_, offen_.begin());
            ++laufend_;
            sperre.unlock();

            fertig.clear();
            weg.clear();
            std::exception_ptr fehler;
            try {
                fertig.push_back({Lieferung<Ergebnis>{auftrag.front().Nummer, std::nullopt, nullptr}, {},
                                  auftrag.front().Runde});
                rundeDiesesThreads_ = auftrag.front().Runde;
                if (ohneWerkzeug)
                    std::rethrow_exception(ohneWerkzeug);
                fertig.back().Ware->Wert.emplace(auftrag.front().Aufgabe(*werkzeug));
            } catch (...) {
                fehler = std::current_exception();
            }
            const std::uint64_t runde = auftrag.front().Runde;
            auftrag.clear();
            // Only moved: this thread keeps no reference to an error the owner may free.
            if (!fertig.empty())
                fertig.back().Ware->Fehler = std::move(fehler);

            sperre.lock();
            --laufend_;
            if (laufend_ == 0)
                ruhig_.notify_all();
            if (runde != runde_)
                continue;
            if (fertig.empty()) {
                --inRunde_; // no room for the result: it is lost, as if forgotten
                continue;
            }
            if (fertig.back().Ware->Fehler) {
                gescheitert_ = true;
                inRunde_ -= int(offen_.size());
                weg.splice(weg.end(), offen_);
            }
            bereit_.splice(bereit_.end(), fertig);
            wecke();
            ergebnisDa_.notify_all();
        }
    }

    // Under mutex_: one event on its way at a time.
    void wecke()
    {
        if (wecker_ && !geweckt_) {
            geweckt_ = true;
            wecker_->wecke();
        }
    }

    // On the owner's thread, from its event loop. Takes one result at a time, so
    // that fertig may queue or forget jobs, and results it leaves are not lost.
    void uebergib()
    {
        std::unique_lock<std::mutex> sperre(mutex_);
        geweckt_ = false;
        std::list<Eintrag> jetzt;
        while (!bereit_.empty()) {
            jetzt.clear();
            jetzt.splice(jetzt.end(), bereit_, bereit_.begin());
            Eintrag& e = jetzt.front();
            if (e.Runde != runde_)
                continue;
            if (e.Ware)
                --inRunde_;
            sperre.unlock();
            try {
                if (e.Ware)
                    fertig_(std::move(*e.Ware));
                else
                    e.Bericht();
            } catch (...) {
                sperre.lock();
                if (!bereit_.empty())
                    wecke();
                throw;
            }
            sperre.lock();
        }
    }

    const Fertig fertig_;
    const Einrichtung einrichtung_;
    mutable std::mutex mutex_;
    std::condition_variable arbeitDa_;
    std::condition_variable ergebnisDa_;
    std::condition_variable ruhig_;
    // All below under mutex_.
    std::list<Auftrag> offen_;  // queued, of this round
    std::list<Eintrag> bereit_; // the inbox
    std::uint64_t runde_ = 0;
    bool gescheitert_ = false; // a job of this round threw
    int inRunde_ = 0;          // jobs of this round queued, running or in the inbox
    int laufend_ = 0;          // jobs running, of any round
    bool geweckt_ = false;     // an event is on its way to wecker_
    bool halt_ = false;
    std::vector<std::thread> threads_;
    // The round of the job a worker runs; none on other threads.
    static inline thread_local std::uint64_t rundeDiesesThreads_ = UINT64_MAX;
    // Goes first: an event posted to it goes with it.
    std::optional<Schlangenwecker> wecker_;
};

// Threads as many as the machine has cores, at least one.
inline int rechenkerne()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}
