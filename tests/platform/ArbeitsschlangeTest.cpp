#include "platform/Arbeitsschlange.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <limits>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

struct Beobachtung {
    // The gate: a job passes once its number is at most this. Opening it only for the
    // jobs already started keeps a later job from finishing while the test waits.
    std::atomic<int> freigabe{0};
    std::atomic<int> hoechste{0}; // the highest number of a started job
    std::atomic<int> laufend{0}, gleichzeitig{0}, gestartet{0}, beendet{0};
};

using Schlange = Arbeitsschlange<QString>;

struct Fall {
    const char* name;
    int arbeiter;
    bool mitFertig; // handed over from the event loop, else taken with hole()
    // Steps: jN queue job N, fN one that throws, mN one that reports before it returns, sN wait
    // until N jobs started, l open the gate, r new round, v forget, eN latest wins with job N, nN
    // the next result's handler queues job N, w take everything of the round, p pause without
    // the event loop, x go away. v, e and x open the gate from another thread a while later,
    // for the jobs started by then.
    const char* ablauf;
    QStringList ankommen; // in the order handed over
    int gleichzeitig;
    int gestartet;
};

} // namespace

// Rule: N workers run the queue's jobs at once, their results come to the owner's thread,
// a new round drops what is queued and what was not handed over, forgetting and going away
// wait for running jobs, latest wins with one worker, and a failure ends its round.
TEST(Arbeitsschlange, runsRoundsOnNWorkersAndHandsOverOnTheOwnersThreadOnly)
{
    const Fall faelle[] = {
        {"N workers share the jobs", 3, true, "j1 j2 j3 j4 j5 j6 s3 l w", {"1", "2", "3", "4", "5", "6"}, 3, 6},
        {"taken with hole()", 2, false, "j1 j2 j3 s2 l w", {"1", "2", "3"}, 2, 3},
        {"a new round drops queued and running jobs' results", 2, true, "j1 j2 j3 j4 s2 r j5 l w", {"5"}, 2, 3},
        {"a new round drops results waiting in the inbox", 2, true, "j1 j2 s2 l p r j3 w", {"3"}, 2, 3},
        {"forgetting waits for running jobs", 1, true, "j1 j2 s1 v j3 l w", {"3"}, 1, 2},
        {"latest wins with one worker", 1, true, "j1 s1 e2 s2 e3 l w", {"3"}, 1, 3},
        {"the handler queues the next job", 1, true, "n7 j1 l w", {"1", "7"}, 1, 2},
        {"a job's report comes before its result", 1, true, "m1 l w", {"Meldung 1", "1"}, 1, 1},
        {"a forgotten job's report never arrives", 1, true, "m1 s1 v w", {}, 1, 1},
        {"a failure ends its round", 1, true, "f1 j2 j3 s1 l w j4 w r j5 w", {"Job 1 scheitert", "5"}, 1, 2},
        {"failures taken with hole()", 2, false, "f1 f2 j3 s2 l w", {"Job 1 scheitert", "Job 2 scheitert"}, 2, 2},
        {"going away while jobs run", 2, true, "j1 j2 j3 s2 x", {}, 2, 2},
        {"going away with results not handed over", 2, true, "j1 j2 s2 l p x", {}, 2, 2},
    };
    const std::thread::id besitzer = std::this_thread::get_id();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Beobachtung b;
        QStringList ankommen;
        int folge = 0;
        std::unique_ptr<Schlange> schlange;
        const auto job = [&](int n, bool scheitert, bool meldet = false) {
            return [&, n, scheitert, meldet](OhneWerkzeug&) {
                for (int bisher = b.hoechste; n > bisher;)
                    b.hoechste.compare_exchange_weak(bisher, n);
                ++b.gestartet;
                for (int jetzt = ++b.laufend, bisher = b.gleichzeitig; jetzt > bisher;)
                    b.gleichzeitig.compare_exchange_weak(bisher, jetzt);
                while (n > b.freigabe)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                --b.laufend;
                ++b.beendet;
                if (meldet)
                    schlange->melde([&, n] { ankommen << QStringLiteral("Meldung %1").arg(n); });
                if (scheitert)
                    throw std::runtime_error("Job " + std::to_string(n) + " scheitert");
                return QString::number(n);
            };
        };
        const auto nimm = [&](Lieferung<QString> l) {
            EXPECT_EQ(std::this_thread::get_id(), besitzer);
            try {
                ankommen << l.nimm();
            } catch (const std::runtime_error& e) {
                ankommen << QString::fromStdString(e.what());
            }
            if (const int naechster = std::exchange(folge, 0); naechster > 0)
                schlange->stelle(std::uint64_t(naechster), job(naechster, false));
        };
        schlange = std::make_unique<Schlange>(f.arbeiter, f.mitFertig ? Schlange::Fertig(nimm) : nullptr);
        // Opens the gate a while later, from another thread.
        const auto spaeter = [&](auto schritt) {
            std::thread oeffner([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                b.freigabe = std::max(b.freigabe.load(), b.hoechste.load());
            });
            const int vorher = b.gestartet;
            schritt();
            EXPECT_GE(b.beendet, vorher);
            oeffner.join();
        };
        for (const QString& schritt : QString::fromLatin1(f.ablauf).split(' ')) {
            const QChar art = schritt[0];
            const int n = schritt.mid(1).toInt();
            if (art == 'j' || art == 'f' || art == 'm')
                schlange->stelle(std::uint64_t(n), job(n, art == 'f', art == 'm'));
            else if (art == 's')
                EXPECT_TRUE(QTest::qWaitFor([&] { return b.gestartet >= n; }, 10000));
            else if (art == 'l')
                b.freigabe = std::numeric_limits<int>::max();
            else if (art == 'r')
                schlange->neueRunde();
            else if (art == 'v')
                spaeter([&] { schlange->vergiss(); });
            else if (art == 'e')
                spaeter([&] { schlange->ersetze(std::uint64_t(n), job(n, false)); });
            else if (art == 'n')
                folge = n;
            else if (art == 'p')
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            else if (art == 'x')
                spaeter([&] { schlange.reset(); });
            else if (f.mitFertig)
                EXPECT_TRUE(QTest::qWaitFor([&] { return !schlange->laeuft(); }, 10000));
            else
                for (auto neu = schlange->hole(); !neu.empty(); neu = schlange->hole())
                    for (Lieferung<QString>& l : neu)
                        nimm(std::move(l));
        }
        QTest::qWait(50); // nothing stale arrives late
        if (f.arbeiter > 1)
            ankommen.sort();
        EXPECT_EQ(ankommen, f.ankommen);
        EXPECT_EQ(b.gleichzeitig, f.gleichzeitig);
        EXPECT_EQ(b.gestartet, f.gestartet);
    }
}
