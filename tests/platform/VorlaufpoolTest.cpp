#include "platform/Vorlaufpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// What the scripted jobs saw, written from the worker threads.
struct Beobachtung {
    std::mutex mutex;
    std::vector<int> gestartet;
    std::atomic<int> angefordert{0};   // results the caller has asked for, raised before it asks
    std::atomic<int> ueberVorlauf{0};  // jobs started beyond the look-ahead bound
    std::atomic<int> laufend{0};
    std::atomic<int> eingerichtet{0};  // workers set up
    std::atomic<int> abgebaut{0};      // workers whose state is gone

    std::vector<int> gestartetKopie()
    {
        const std::lock_guard<std::mutex> sperre(mutex);
        return gestartet;
    }
};

// A worker's own state: its end shows that the worker's thread is done with it.
struct Arbeiterzustand {
    explicit Arbeiterzustand(Beobachtung& beobachtung) : b(beobachtung) { ++b.eingerichtet; }
    ~Arbeiterzustand() { ++b.abgebaut; }
    Arbeiterzustand(const Arbeiterzustand&) = delete;
    Arbeiterzustand& operator=(const Arbeiterzustand&) = delete;
    Beobachtung& b;
};

struct Skript {
    const char* name;
    int anzahl, arbeiter, vorlauf;
    int (*dauerMs)(int k);
    std::set<int> scheitert;      // these jobs throw "Job k" after their time
    int nehmen;                   // results asked for before the pool goes; -1: all
    bool warteAufVorlauf;         // before each take, wait until the look-ahead is full
    bool einrichtungScheitert;
    int ersterFehler;             // the result that must come as an error, -1: none
    const char* fehlertext;
};

int sofort(int) { return 0; }
int kurz(int) { return 2; }
int lang(int) { return 30; }
int jederDritteLang(int k) { return k % 3 == 0 ? 15 : 1; }
int fuenfLangsam(int k) { return k == 5 ? 60 : 1; }
int zweiSofort(int k) { return k == 2 ? 0 : 30; }

} // namespace

// Rule: results come in job order whatever order the jobs end in; no job starts more than vorlauf
// jobs beyond the last one taken and the look-ahead fills up to that bound; the first failure in job
// order is handed over as its job's error, later failures are not, and once a failure is known no job
// starts; every worker thread is set up once and ends when the pool goes, also while jobs run, after
// a failure, or with results left untaken.
TEST(Vorlaufpool, HandsOverInOrderWithinTheLookAheadStopsAtTheFirstFailureAndJoinsEveryThread)
{
    const Skript skripte[] = {
        {"later jobs end first", 12, 3, 4, jederDritteLang, {}, -1, false, false, -1, ""},
        {"look-ahead fills to its bound", 10, 2, 3, sofort, {}, -1, true, false, -1, ""},
        {"one worker stops at its failure", 8, 1, 5, kurz, {2}, -1, false, false, 2, "Job 2"},
        {"first failure in order, not in time", 12, 2, 6, fuenfLangsam, {5, 7}, -1, false, false, 5, "Job 5"},
        {"failure while others run, then destroyed", 12, 2, 6, zweiSofort, {2}, -1, false, false, 2, "Job 2"},
        {"destroyed while jobs run", 20, 2, 4, lang, {}, 0, false, false, -1, ""},
        {"destroyed with results untaken", 20, 3, 5, kurz, {}, 4, false, false, -1, ""},
        {"a worker cannot be set up", 5, 2, 2, kurz, {}, -1, false, true, 0, "Einrichtung"},
        {"more workers than jobs", 2, 4, 1, kurz, {}, -1, false, false, -1, ""},
        {"no jobs", 0, 2, 2, kurz, {}, -1, false, false, -1, ""},
    };
    for (const Skript& s : skripte) {
        SCOPED_TRACE(s.name);
        Beobachtung b;
        const auto einrichtung = [&]() -> Vorlaufpool<int>::Arbeit {
            if (s.einrichtungScheitert)
                throw std::runtime_error("Einrichtung");
            auto zustand = std::make_shared<Arbeiterzustand>(b);
            return [&, zustand](int k) {
                {
                    const std::lock_guard<std::mutex> sperre(b.mutex);
                    b.gestartet.push_back(k);
                }
                b.ueberVorlauf += k >= b.angefordert + s.vorlauf;
                ++b.laufend;
                std::this_thread::sleep_for(std::chrono::milliseconds(s.dauerMs(k)));
                --b.laufend;
                if (s.scheitert.count(k))
                    throw std::runtime_error("Job " + std::to_string(k));
                return k * k;
            };
        };

        std::optional<Vorlaufpool<int>> pool;
        pool.emplace(s.anzahl, s.arbeiter, s.vorlauf, einrichtung);
        const int nehmen = s.nehmen < 0 ? s.anzahl : s.nehmen;
        std::vector<int> ergebnisse;
        int fehlerBei = -1;
        std::string fehlertext;
        std::vector<int> gestartetBeimFehler;
        for (int i = 0; i < nehmen; ++i) {
            if (s.warteAufVorlauf) {
                const std::size_t voll = std::size_t(std::min(s.anzahl, i + s.vorlauf));
                for (int warten = 0; warten < 500 && b.gestartetKopie().size() < voll; ++warten)
                    std::this_thread::sleep_for(10ms);
                std::this_thread::sleep_for(10ms);
                EXPECT_EQ(b.gestartetKopie().size(), voll) << "before result " << i;
            }
            b.angefordert = i + 1;
            try {
                ergebnisse.push_back(pool->hole());
            } catch (const std::runtime_error& e) {
                fehlerBei = i;
                fehlertext = e.what();
                gestartetBeimFehler = b.gestartetKopie();
                break;
            }
        }
        if (s.nehmen < 0) {
            EXPECT_THROW(pool->hole(), std::logic_error); // past the end or after the failure
        }
        pool.reset();

        const int genommen = fehlerBei >= 0 ? fehlerBei : nehmen;
        std::vector<int> erwartet;
        for (int k = 0; k < genommen; ++k)
            erwartet.push_back(k * k);
        EXPECT_EQ(ergebnisse, erwartet);
        EXPECT_EQ(fehlerBei, s.ersterFehler);
        EXPECT_EQ(fehlertext, s.fehlertext);
        EXPECT_EQ(b.ueberVorlauf, 0);
        if (fehlerBei >= 0) {
            // Nothing started after the caller learnt of the failure.
            EXPECT_EQ(b.gestartetKopie(), gestartetBeimFehler);
            if (s.arbeiter == 1) {
                EXPECT_EQ(gestartetBeimFehler.back(), fehlerBei);
            }
        }
        EXPECT_EQ(b.laufend, 0);
        EXPECT_EQ(b.eingerichtet, s.einrichtungScheitert ? 0 : std::min(s.anzahl, s.arbeiter));
        EXPECT_EQ(b.abgebaut, b.eingerichtet);
    }
}
