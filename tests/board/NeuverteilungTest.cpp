#include "board/Neuverteilung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <numeric>

namespace {
// Hands out the given numbers, then zeros; counts the draws.
class Zahlenfolge final : public Zufallsquelle {
public:
    explicit Zahlenfolge(std::deque<int> zahlen) : zahlen_(std::move(zahlen)) {}
    int naechste(int n) override
    {
        ++anzahl;
        const int z = zahlen_.empty() ? 0 : zahlen_.front();
        if (!zahlen_.empty())
            zahlen_.pop_front();
        return z % n;
    }
    int anzahl = 0;

private:
    std::deque<int> zahlen_;
};
} // namespace

TEST(Neuverteilung, picturesGoWhereTheDealWouldPutThem)
{
    // Picture k lands on the cell the first deal's draws give it; the cell takes the
    // pictures of the cell that held k. One draw per card, as in the first deal.
    const struct {
        const char* fall;
        std::vector<int> bildAnZelle;
        std::deque<int> zahlen;
        std::vector<int> quelle;
    } faelle[] = {
        // Draws 0: picture k to cell k, so cell k takes the cell that held k.
        {"all first free cells", {3, 0, 2, 1}, {0, 0, 0, 0}, {1, 3, 2, 0}},
        // Picture 0 to the last free cell (3), picture 1 to cell 2, 2 to 1, 3 to 0.
        {"all last free cells", {0, 1, 2, 3}, {3, 2, 1, 0}, {3, 2, 1, 0}},
        {"from a shuffled board", {2, 3, 0, 1}, {1, 0, 1, 0}, {3, 2, 1, 0}},
        // Empty places (-1) stay empty and go to the end; one draw per dealt card.
        {"two empty places", {1, 0, -1, -1}, {1, 0}, {0, 1, -1, -1}},
        {"empty places in between", {-1, 0, 1, -1}, {0, 0}, {1, 2, -1, -1}},
    };
    for (const auto& f : faelle) {
        Zahlenfolge zufall(f.zahlen);
        EXPECT_EQ(neuVerteilen(f.bildAnZelle, 2, 2, zufall), f.quelle) << f.fall;
        EXPECT_EQ(zufall.anzahl, std::count_if(f.bildAnZelle.begin(), f.bildAnZelle.end(), [](int k) { return k >= 0; }))
            << f.fall;
    }
}

TEST(Neuverteilung, aRandomNewDealIsAPermutationOfTheCells)
{
    // Every cell gives its pictures to exactly one cell, on a large board too.
    std::vector<int> bildAnZelle(100 * 100);
    std::iota(bildAnZelle.rbegin(), bildAnZelle.rend(), 0);
    MersenneZufall zufall(42);
    std::vector<int> quelle = neuVerteilen(bildAnZelle, 100, 100, zufall);
    EXPECT_NE(quelle, bildAnZelle);
    std::sort(quelle.begin(), quelle.end());
    std::vector<int> alle(quelle.size());
    std::iota(alle.begin(), alle.end(), 0);
    EXPECT_EQ(quelle, alle);
}

TEST(Neuverteilung, aBoardThatIsNoPermutationIsRefused)
{
    // Too few or too many entries, a picture twice or out of range: an error, not a broken board.
    MersenneZufall zufall(1);
    EXPECT_THROW(neuVerteilen({0, 1, 2}, 2, 2, zufall), std::invalid_argument);
    EXPECT_THROW(neuVerteilen({0, 1, 1, 3}, 2, 2, zufall), std::invalid_argument);
    EXPECT_THROW(neuVerteilen({0, 1, 2, 4}, 2, 2, zufall), std::invalid_argument);
    EXPECT_THROW(neuVerteilen({0, 1, 2, -1}, 2, 2, zufall), std::invalid_argument);
    EXPECT_THROW(neuVerteilen({0, 2, -1, -1}, 2, 2, zufall), std::invalid_argument);
    EXPECT_THROW(neuVerteilen({-1, -1, -1, -1}, 2, 2, zufall), std::invalid_argument);
}
