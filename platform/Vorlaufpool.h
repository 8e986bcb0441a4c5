#pragma once

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

// Runs jobs 0 .. anzahl - 1 on worker threads while the caller takes the
// results strictly in this order. Workers stay at most vorlauf jobs ahead
// of the last result taken, so memory holds no more results than that. The
// first job in order that fails is handed over as its error; no job is
// started once a failure is known. Every thread is joined when the pool
// goes, also while jobs run or results are left untaken.
template <typename Ergebnis>
class Vorlaufpool {
    // A finished worker stores its result under the lock: moving it must not throw.
    static_assert(std::is_nothrow_move_constructible_v<Ergebnis>);

public:
    // Job k, run on a worker thread.
    using Arbeit = std::function<Ergebnis(int k)>;
    // Called once on each worker thread (concurrently) before its first job,
    // so that each worker can have state of its own. When it throws, every
    // job that worker takes fails with that error.
    using Einrichtung = std::function<Arbeit()>;

    // arbeiter >= 1 threads (no more than there are jobs); vorlauf >= 1.
    Vorlaufpool(int anzahl, int arbeiter, int vorlauf, Einrichtung einrichtung)
        : einrichtung_(std::move(einrichtung)), vorlauf_(std::max(vorlauf, 1)), ersterFehler_(std::max(anzahl, 0)),
          fertig_(std::size_t(std::max(anzahl, 0)))
    {
        const int threads = std::min(std::max(arbeiter, 1), int(fertig_.size()));
        threads_.reserve(std::size_t(threads));
        try {
            for (int i = 0; i < threads; ++i)
                threads_.emplace_back([this] { arbeite(); });
        } catch (...) {
            // Threads that did start must not outlive us.
            stoppe();
            throw;
        }
    }

    ~Vorlaufpool() { stoppe(); }
    Vorlaufpool(const Vorlaufpool&) = delete;
    Vorlaufpool& operator=(const Vorlaufpool&) = delete;

    int anzahl() const { return int(fertig_.size()); }
    // Results taken so far: the index of the next one.
    int genommen() const
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        return genommen_;
    }

    // The next result in order; waits until it is ready and rethrows its
    // job's error. Asking past the end or after a failure is a caller's fault.
    Ergebnis hole()
    {
        std::unique_lock<std::mutex> sperre(mutex_);
        const int k = genommen_;
        if (k >= int(fertig_.size()))
            throw std::logic_error("Vorlaufpool: alle Ergebnisse sind schon abgeholt");
        std::optional<Platz>& platz = fertig_[std::size_t(k)];
        ergebnisDa_.wait(sperre, [&] { return platz.has_value() || k >= ersterFehler_; });
        // Nothing after a failed job is handed over, even when it was finished before.
        if (k >= ersterFehler_)
            throw std::logic_error("Vorlaufpool: Ergebnis nach einem Fehler verlangt");
        Platz p = std::move(*platz);
        platz.reset();
        genommen_ = k + 1;
        sperre.unlock();
        arbeitFrei_.notify_all();
        if (p.fehler)
            std::rethrow_exception(p.fehler);
        return std::move(*p.ergebnis);
    }

private:
    struct Platz {
        std::optional<Ergebnis> ergebnis;
        std::exception_ptr fehler;
    };

    void stoppe()
    {
        {
            const std::lock_guard<std::mutex> sperre(mutex_);
            halt_ = true;
        }
        arbeitFrei_.notify_all();
        for (std::thread& t : threads_)
            if (t.joinable())
                t.join();
        threads_.clear();
    }

    void arbeite()
    {
        // Nothing may leave a thread: a worker that cannot be set up fails each job it takes.
        Arbeit arbeit;
        std::exception_ptr ohneEinrichtung;
        try {
            arbeit = einrichtung_();
        } catch (...) {
            ohneEinrichtung = std::current_exception();
        }
        std::unique_lock<std::mutex> sperre(mutex_);
        while (true) {
            arbeitFrei_.wait(sperre, [this] {
                return halt_ || naechster_ >= ersterFehler_ || naechster_ < genommen_ + vorlauf_;
            });
            if (halt_ || naechster_ >= ersterFehler_)
                return;
            const int k = naechster_++;
            sperre.unlock();

            Platz p;
            try {
                if (ohneEinrichtung)
                    std::rethrow_exception(ohneEinrichtung);
                p.ergebnis.emplace(arbeit(k));
            } catch (...) {
                p.fehler = std::current_exception();
            }

            sperre.lock();
            if (p.fehler)
                ersterFehler_ = std::min(ersterFehler_, k + 1);
            fertig_[std::size_t(k)].emplace(std::move(p));
            ergebnisDa_.notify_all();
        }
    }

    const Einrichtung einrichtung_;
    const int vorlauf_;
    mutable std::mutex mutex_;
    std::condition_variable arbeitFrei_;
    std::condition_variable ergebnisDa_;
    int naechster_ = 0;  // next job a worker starts
    int genommen_ = 0;   // results the caller has taken
    int ersterFehler_;   // one past the first failed job known: none from here on is started
    bool halt_ = false;
    // One slot per job, so that a finished worker never allocates under the lock.
    std::vector<std::optional<Platz>> fertig_;
    std::vector<std::thread> threads_;
};

// Threads as many as the machine has cores, at least one.
inline int rechenkerne()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}
