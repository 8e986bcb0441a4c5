#pragma once

#include "platform/Threaduebergabe.h"

#include <QFutureInterface>
#include <QFutureWatcher>
#include <QRunnable>
#include <QThreadPool>

#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

// One job at a time on Qt's global thread pool, its result handed back on the
// thread that owns this object, through that thread's event loop. A window's
// work that must not freeze it (a board preview, writing a game) runs here.
//
// The job goes in and its result comes out through a box of our own: the job
// is marked as handed over before the pool sees it, and the result crosses
// under a std::mutex. Qt's pool and result store lock inside Qt's libraries,
// where ThreadSanitizer cannot see it; this way a race in the job's own code
// is still reported, and the hand-overs are not.
//
// Create, use and destroy on one thread. The job must not touch this object.
template <typename Ergebnis>
class Hintergrundarbeit {
public:
    using Fertig = std::function<void(Ergebnis)>;

    // fertig gets each job's result unless the job was forgotten first. It may
    // start the next job. A job that threw rethrows there instead.
    explicit Hintergrundarbeit(Fertig fertig) : fertig_(std::move(fertig))
    {
        QObject::connect(&beobachter_, &QFutureWatcherBase::finished, &beobachter_, [this] { liefere(); });
    }
    // Waits for a running job: nothing it reads may go before it ends.
    ~Hintergrundarbeit() { vergiss(); }
    Hintergrundarbeit(const Hintergrundarbeit&) = delete;
    Hintergrundarbeit& operator=(const Hintergrundarbeit&) = delete;

    // A job still running is waited for and forgotten first.
    void starte(std::function<Ergebnis()> arbeit)
    {
        vergiss();
        auto kasten = std::make_shared<Kasten>();
        kasten->Arbeit = std::move(arbeit);
        auto* lauf = new Lauf(kasten);
        lauf->Fortgang.reportStarted();
        beobachter_.setFuture(lauf->Fortgang.future());
        kasten_ = std::move(kasten);
        uebergabeVor(lauf);
        QThreadPool::globalInstance()->start(lauf);
    }

    // True from starte() until the result is handed to fertig or forgotten.
    bool laeuft() const { return kasten_ != nullptr; }

    // Waits for the running job, if any; its result is dropped unseen.
    void vergiss()
    {
        if (!kasten_)
            return;
        beobachter_.waitForFinished();
        kasten_.reset();
    }

private:
    struct Kasten {
        std::function<Ergebnis()> Arbeit;
        std::mutex Sperre;
        bool Fertig = false; // under Sperre, as are the two below
        std::optional<Ergebnis> Wert;
        std::exception_ptr Fehler;
    };

    class Lauf : public QRunnable {
    public:
        explicit Lauf(std::shared_ptr<Kasten> kasten) : kasten_(std::move(kasten)) {}
        void run() override
        {
            uebergabeNach(this);
            std::optional<Ergebnis> wert;
            std::exception_ptr fehler;
            try {
                wert.emplace(kasten_->Arbeit());
            } catch (...) {
                fehler = std::current_exception();
            }
            {
                const std::lock_guard<std::mutex> sperre(kasten_->Sperre);
                kasten_->Wert = std::move(wert);
                kasten_->Fehler = fehler;
                kasten_->Fertig = true;
            }
            Fortgang.reportFinished();
        }
        QFutureInterface<void> Fortgang;

    private:
        const std::shared_ptr<Kasten> kasten_;
    };

    void liefere()
    {
        // A late signal of a job forgotten meanwhile finds another box, or none.
        if (!kasten_)
            return;
        std::optional<Ergebnis> wert;
        std::exception_ptr fehler;
        {
            const std::lock_guard<std::mutex> sperre(kasten_->Sperre);
            if (!kasten_->Fertig)
                return;
            wert = std::move(kasten_->Wert);
            fehler = kasten_->Fehler;
        }
        kasten_.reset();
        if (fehler)
            std::rethrow_exception(fehler);
        fertig_(std::move(*wert));
    }

    Fertig fertig_;
    QFutureWatcher<void> beobachter_;
    std::shared_ptr<Kasten> kasten_;
};
