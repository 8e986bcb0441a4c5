#include "platform/Hintergrundarbeit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <QTest>

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

namespace {

struct Antwort {
    QString text;
    std::thread::id thread;
};

// The jobs' input is written before starte() and read on the pool thread; the
// result is made there and read here. Under ThreadSanitizer both cross unseen
// by Qt's locks, so this also shows that the hand-overs are marked.
TEST(Hintergrundarbeit, aResultComesBackOnTheOwnersThreadAndTheNextJobMayStartFromIt)
{
    std::vector<Antwort> antworten;
    std::unique_ptr<Hintergrundarbeit<Antwort>> arbeit;
    const auto job = [](QString eingabe) {
        return [eingabe] { return Antwort{eingabe + QStringLiteral(" fertig"), std::this_thread::get_id()}; };
    };
    arbeit = std::make_unique<Hintergrundarbeit<Antwort>>([&](Antwort a) {
        EXPECT_FALSE(arbeit->laeuft());
        antworten.push_back(a);
        if (antworten.size() == 1)
            arbeit->starte(job(QStringLiteral("zweite")));
    });
    arbeit->starte(job(QStringLiteral("erste")));
    EXPECT_TRUE(arbeit->laeuft());
    ASSERT_TRUE(QTest::qWaitFor([&] { return antworten.size() == 2; }, 10000));
    EXPECT_EQ(antworten[0].text, QStringLiteral("erste fertig"));
    EXPECT_EQ(antworten[1].text, QStringLiteral("zweite fertig"));
    EXPECT_NE(antworten[0].thread, std::this_thread::get_id());
    EXPECT_FALSE(arbeit->laeuft());
}

// Forgotten by vergiss(), by starting another job, or by going away: each waits
// for the running job, and its result never arrives.
TEST(Hintergrundarbeit, aForgottenJobIsWaitedForAndItsResultNeverArrives)
{
    enum Weg { Vergiss, Starte, Ende };
    for (const Weg weg : {Vergiss, Starte, Ende}) {
        SCOPED_TRACE(int(weg));
        std::vector<int> ergebnisse;
        std::atomic<bool> los{false};
        std::atomic<bool> beendet{false};
        std::atomic<bool> weiter{false};
        std::optional<Hintergrundarbeit<int>> arbeit;
        arbeit.emplace([&](int n) { ergebnisse.push_back(n); });
        arbeit->starte([&] {
            while (!los)
                std::this_thread::yield();
            beendet = true;
            return 1;
        });
        std::thread freigabe([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            los = true;
        });
        // The second job holds until the first one's late signal had its chance.
        if (weg == Starte)
            arbeit->starte([&] {
                while (!weiter)
                    std::this_thread::yield();
                return 2;
            });
        else if (weg == Vergiss)
            arbeit->vergiss();
        else
            arbeit.reset();
        // Set free only by the other thread: ended here only when it was waited for.
        EXPECT_TRUE(beendet);
        freigabe.join();
        EXPECT_EQ(arbeit && arbeit->laeuft(), weg == Starte);
        QTest::qWait(100);
        EXPECT_TRUE(ergebnisse.empty());
        weiter = true;
        if (weg == Starte) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !ergebnisse.empty(); }, 10000));
        }
        EXPECT_EQ(ergebnisse, weg == Starte ? std::vector<int>{2} : std::vector<int>{});
    }
}

} // namespace
