#include "play/Kartentonfolge.h"
#include "play/Klangsynthese.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

TEST(Klangsynthese, everySoundStaysWithinItsBounds)
{
    // Every sound stays within bounds: length in bounds, peak a third of full scale, enough energy
    // to hear, no sample at the limits, silence at both ends (no click), and a few kilobytes.
    const struct {
        Klang klang;
        double kuerzeste, laengste; // seconds
    } faelle[] = {
        {Klang::KarteDreht, 0.04, 0.1},
        {Klang::PaarGefunden, 0.25, 0.6},
        {Klang::KeinPaar, 0.25, 0.6},
        {Klang::Spielende, 0.6, 1.2},
    };
    std::set<std::vector<std::int16_t>> verschieden;
    for (const auto& f : faelle) {
        SCOPED_TRACE(int(f.klang));
        const std::vector<std::int16_t> p = klangProben(f.klang);
        const double dauer = double(p.size()) / Klangrate;
        EXPECT_GE(dauer, f.kuerzeste);
        EXPECT_LE(dauer, f.laengste);
        int spitze = 0;
        double energie = 0;
        for (const std::int16_t v : p) {
            spitze = std::max(spitze, std::abs(int(v)));
            energie += double(v) * v;
        }
        EXPECT_GT(spitze, 32767 * 0.2);
        EXPECT_LT(spitze, 32767 * 0.5);
        EXPECT_GT(std::sqrt(energie / double(p.size())), 32767 * 0.03) << "audible on average";
        EXPECT_LT(std::abs(int(p.front())), 300);
        EXPECT_LT(std::abs(int(p.back())), 300);
        EXPECT_LE(p.size() * 2, 24u * 1024) << "a few kilobytes in memory";
        verschieden.insert(p);
    }
    EXPECT_EQ(verschieden.size(), 4u);
}

TEST(Klangmischer, aSoundIsMixedInFromTheNextTake)
{
    // A sound asked for plays whole from the next take on, added to what plays (clipped at full
    // scale); silence while none plays.
    const std::vector<std::int16_t> tippen = klangProben(Klang::KarteDreht);
    const std::vector<std::int16_t> paar = klangProben(Klang::PaarGefunden);
    ASSERT_LT(tippen.size(), paar.size());
    Klangmischer m;
    std::vector<std::int16_t> strom(paar.size() + 300, 1);
    m.mische(strom.data(), 100);
    m.spiele(Klang::PaarGefunden);
    m.mische(strom.data() + 100, 7);
    for (int i = 0; i < 4; ++i)
        m.spiele(Klang::KarteDreht);
    m.mische(strom.data() + 107, strom.size() - 107);
    EXPECT_EQ(m.stimmen(), 0u);
    std::vector<std::int16_t> erwartet(strom.size(), 0);
    for (std::size_t i = 0; i < paar.size(); ++i)
        erwartet[100 + i] = paar[i];
    for (std::size_t i = 0; i < tippen.size(); ++i)
        erwartet[107 + i] = std::int16_t(std::clamp(erwartet[107 + i] + 4 * tippen[i], -32768, 32767));
    EXPECT_EQ(strom, erwartet);
    EXPECT_TRUE(std::any_of(tippen.begin(), tippen.end(), [](std::int16_t v) { return std::abs(4 * v) > 32767; }))
        << "the four taps together reach the clipping";
}

TEST(Klangmischer, theOldestSoundGivesWayBeyondTheLimit)
{
    // One more than the limit asked at once: the first one asked is dropped.
    Klangmischer m;
    m.spiele(Klang::Spielende);
    for (std::size_t i = 0; i < Klangmischer::HoechstensStimmen; ++i)
        m.spiele(Klang::KarteDreht);
    EXPECT_EQ(m.stimmen(), Klangmischer::HoechstensStimmen);
    std::vector<std::int16_t> strom(klangProben(Klang::KarteDreht).size());
    m.mische(strom.data(), strom.size());
    EXPECT_EQ(m.stimmen(), 0u) << "only the taps were left";
}

TEST(Kartentonfolge, theOrderOfTheCardsSounds)
{
    // A script: a letter queues that card's sound (A = 1 1 1, B = 10 10, C = 100, D = 1000),
    // a digit takes that many samples, M silences; what the takes hold, in order.
    const struct {
        const char* was;
        const char* skript;
        std::vector<std::int32_t> soll;
    } faelle[] = {
        {"the first plays to its end, the second follows", "AB7", {1, 1, 1, 10, 10, 0, 0}},
        {"one asked mid-sound waits for its end", "A1B4", {1, 1, 1, 10, 10}},
        {"one after the queue ran dry starts at once", "2A4B3", {0, 0, 1, 1, 1, 0, 10, 10, 0}},
        {"M drops the one playing and those waiting", "AB1M3C2", {1, 0, 0, 0, 100, 0}},
        {"beyond the limit the oldest waiting gives way", "ABCD6", {1, 1, 1, 100, 1000, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        Kartentonfolge folge;
        std::vector<std::int32_t> strom;
        for (const char* c = f.skript; *c; ++c) {
            const int n = *c - '0';
            if (*c == 'M')
                folge.verstumme();
            else if (n > 9)
                folge.spiele(std::make_shared<const std::vector<std::int16_t>>(
                    std::size_t(std::max(1, 'D' - *c)), std::int16_t(std::pow(10, *c - 'A'))));
            else
                strom.resize(strom.size() + std::size_t(n), 0), folge.mische(strom.data() + strom.size() - n, n);
        }
        EXPECT_EQ(strom, f.soll);
        EXPECT_EQ(folge.laenge(), 0u);
    }
}
