#include "board/Austeiler.h"

#include "board/Bilddateiname.h"

#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

namespace {

// Answers every draw with a rule of (n, call number) and records each n asked for.
class SkriptZufall final : public Zufallsquelle {
public:
    explicit SkriptZufall(std::function<int(int n, int aufruf)> regel) : regel_(std::move(regel)) {}
    int naechste(int n) override
    {
        gefragt.push_back(n);
        return regel_(n, static_cast<int>(gefragt.size()) - 1);
    }
    std::vector<int> gefragt;

private:
    std::function<int(int, int)> regel_;
};

// Counts the draws of a real generator.
class ZaehlenderZufall final : public Zufallsquelle {
public:
    explicit ZaehlenderZufall(std::uint32_t seed) : zufall_(seed) {}
    int naechste(int n) override
    {
        ++anzahl;
        return zufall_.naechste(n);
    }
    int anzahl = 0;

private:
    MersenneZufall zufall_;
};

std::vector<Austeilschritt> alleSchritte(int spalten, int zeilen, Zufallsquelle& zufall)
{
    Austeiler a(spalten, zeilen, zufall);
    std::vector<Austeilschritt> schritte;
    while (!a.fertig())
        schritte.push_back(a.naechster());
    return schritte;
}

} // namespace

// A 2 x 2 board deals 01a, 01b, 02a, 02b with the bar at 25, 50, 75, 100 and asks for 4, 3, 2, 1.
TEST(Austeiler, aTwoByTwoBoardDealsItsFourPicturesWithTheBarAtEachQuarter)
{
    SkriptZufall zufall([](int, int) { return 0; });
    const auto s = alleSchritte(2, 2, zufall);
    ASSERT_EQ(s.size(), 4u);
    const char* namen[] = {"01a.jpg", "01b.jpg", "02a.jpg", "02b.jpg"};
    const Zelle zellen[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    const int balken[] = {25, 50, 75, 100};
    const int paare[] = {1, 1, 2, 2};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(s[k].K, k);
        EXPECT_EQ(s[k].Dateiname, QString::fromLatin1(namen[k])) << k;
        EXPECT_EQ(s[k].Ziel, zellen[k]) << k;
        EXPECT_EQ(s[k].Fortschritt, balken[k]) << k;
        EXPECT_EQ(s[k].PaarNummer, paare[k]) << k;
        EXPECT_EQ(s[k].ZweitesBild, k % 2 == 1) << k;
    }
    EXPECT_EQ(zufall.gefragt, (std::vector<int>{4, 3, 2, 1}));
}

// A draw of N - k - 1 always takes the last free cell in reading order.
TEST(Austeiler, theHighestDrawTakesTheLastFreeCell)
{
    SkriptZufall zufall([](int n, int) { return n - 1; });
    const auto s = alleSchritte(3, 2, zufall);
    const Zelle erwartet[] = {{1, 2}, {1, 1}, {1, 0}, {0, 2}, {0, 1}, {0, 0}};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(s[k].Ziel, erwartet[k]) << k;
}

// Counting skips taken cells: the r-th free cell, not the r-th cell.
TEST(Austeiler, aDrawCountsOnlyTheFreeCells)
{
    // Draws 1, 1, 0, 2, 0, 0 on a 3 x 2 board.
    const int werte[] = {1, 1, 0, 2, 0, 0};
    SkriptZufall zufall([&](int, int i) { return werte[i]; });
    const auto s = alleSchritte(3, 2, zufall);
    const Zelle erwartet[] = {{0, 1}, {0, 2}, {0, 0}, {1, 2}, {1, 0}, {1, 1}};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(s[k].Ziel, erwartet[k]) << k;
    // The "b" picture of pair 1 on cell (0, 2) carries Tag -3.
    EXPECT_EQ(s[1].BildTag(), -3);
    EXPECT_EQ(s[0].BildTag(), 2);
}

// With a real generator every pair stands on exactly two cells, one a and one b, and N numbers are drawn.
TEST(Austeiler, everyPairStandsOnExactlyTwoCells)
{
    for (const std::uint32_t seed : {1u, 42u, 20240501u}) {
        ZaehlenderZufall zufall(seed);
        const auto s = alleSchritte(6, 5, zufall);
        ASSERT_EQ(s.size(), 30u);
        EXPECT_EQ(zufall.anzahl, 30);
        std::set<std::pair<int, int>> belegt;
        std::map<int, std::pair<int, int>> aUndB; // pair -> (a count, b count)
        for (const auto& schritt : s) {
            EXPECT_TRUE(belegt.insert({schritt.Ziel.Zeile, schritt.Ziel.Spalte}).second) << "cell dealt twice";
            ASSERT_GE(schritt.Ziel.Zeile, 0);
            ASSERT_LT(schritt.Ziel.Zeile, 5);
            ASSERT_GE(schritt.Ziel.Spalte, 0);
            ASSERT_LT(schritt.Ziel.Spalte, 6);
            auto& zaehler = aUndB[schritt.PaarNummer];
            (schritt.ZweitesBild ? zaehler.second : zaehler.first)++;
        }
        EXPECT_EQ(aUndB.size(), 15u);
        for (const auto& [paar, zaehler] : aUndB)
            EXPECT_EQ(zaehler, std::make_pair(1, 1)) << "pair " << paar;
    }
}

// The bar of a 6 x 5 board runs 3, 6, 10, 13, 16, 20, ... and ends at 100.
TEST(Austeiler, theBarOfASixByFiveBoardEndsAtAHundred)
{
    MersenneZufall zufall(7);
    const auto s = alleSchritte(6, 5, zufall);
    const int anfang[] = {3, 6, 10, 13, 16, 20};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(s[k].Fortschritt, anfang[k]) << k;
    EXPECT_EQ(s.back().Fortschritt, 100);
    for (std::size_t k = 1; k < s.size(); ++k)
        EXPECT_GE(s[k].Fortschritt, s[k - 1].Fortschritt);
}

// Pair numbers up to 9 get a leading zero; 10 and 100 do not.
TEST(Austeiler, pairNumbersUpToNineGetALeadingZero)
{
    EXPECT_EQ(bilddateiname(1, false), QStringLiteral("01a.jpg"));
    EXPECT_EQ(bilddateiname(9, true), QStringLiteral("09b.jpg"));
    EXPECT_EQ(bilddateiname(10, false), QStringLiteral("10a.jpg"));
    EXPECT_EQ(bilddateiname(100, true), QStringLiteral("100b.jpg"));
    EXPECT_EQ(bilddateiname(5000, true), QStringLiteral("5000b.jpg"));

    MersenneZufall zufall(3);
    const auto s = alleSchritte(20, 10, zufall);
    EXPECT_EQ(s[17].Dateiname, QStringLiteral("09b.jpg"));
    EXPECT_EQ(s[18].Dateiname, QStringLiteral("10a.jpg"));
    EXPECT_EQ(s[198].Dateiname, QStringLiteral("100a.jpg"));
    EXPECT_EQ(s[199].Dateiname, QStringLiteral("100b.jpg"));
    EXPECT_EQ(s[199].PaarNummer, 100);
    // The list the renderers work through names the same files as the steps.
    const QStringList namen = austeilDateinamen(200);
    ASSERT_EQ(namen.size(), 200);
    for (int k = 0; k < 200; ++k)
        EXPECT_EQ(namen[k], s[k].Dateiname) << k;
}

// A random source that breaks its range, or a call after the last picture, is refused.
TEST(Austeiler, aDrawOutOfRangeIsRefused)
{
    SkriptZufall zuGross([](int n, int) { return n; });
    Austeiler a(2, 2, zuGross);
    EXPECT_THROW(a.naechster(), std::out_of_range);

    SkriptZufall null([](int, int) { return 0; });
    Austeiler b(2, 1, null);
    b.naechster();
    b.naechster();
    EXPECT_TRUE(b.fertig());
    EXPECT_THROW(b.naechster(), std::logic_error);
}

// The deal with empty places: the pictures of the given pairs go to the first 2N cells in reading
// order, the rest stay empty (-1); draws of N - k as on a full board.
TEST(Austeiler, pairsFewerThanCellsLeaveTheLastCellsEmpty)
{
    struct Fall {
        const char* name;
        int spalten, zeilen;
        std::vector<int> paare;
        std::function<int(int, int)> regel;
        std::vector<int> bildAnZelle;
        std::vector<int> gefragt;
    };
    const std::vector<Fall> faelle = {
        {"lowest draws", 3, 2, {1, 2}, [](int, int) { return 0; }, {0, 1, 2, 3, -1, -1}, {4, 3, 2, 1}},
        {"highest draws", 3, 2, {5, 9}, [](int n, int) { return n - 1; }, {3, 2, 1, 0, -1, -1}, {4, 3, 2, 1}},
        {"one pair on two rows", 3, 2, {4}, [](int n, int) { return n - 1; }, {1, 0, -1, -1, -1, -1}, {2, 1}},
        {"full board", 2, 2, {1, 2}, [](int n, int) { return n / 2; }, {3, 1, 0, 2}, {4, 3, 2, 1}},
        {"5 pairs on 4 x 3", 4, 3, {1, 2, 3, 4, 5}, [](int, int) { return 0; }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -1},
         {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
    };
    for (const Fall& f : faelle) {
        SkriptZufall zufall(f.regel);
        EXPECT_EQ(austeilen(f.spalten, f.zeilen, f.paare, zufall), f.bildAnZelle) << f.name;
        EXPECT_EQ(zufall.gefragt, f.gefragt) << f.name;
    }
    SkriptZufall zufall([](int, int) { return 0; });
    EXPECT_THROW(Austeiler(3, 2, std::vector<int>{}, zufall), std::invalid_argument);
    EXPECT_THROW(Austeiler(3, 2, std::vector<int>{1, 2, 3, 4}, zufall), std::invalid_argument);
}

// The steps name the drawn pairs' files and count the bar over the dealt pictures.
TEST(Austeiler, aDrawnSubsetDealsItsOwnFiles)
{
    MersenneZufall zufall(11);
    Austeiler teil(4, 2, {3, 12}, zufall);
    EXPECT_EQ(teil.dateinamen(), (QStringList{"03a.jpg", "03b.jpg", "12a.jpg", "12b.jpg"}));
    for (int k = 0; k < 4; ++k) {
        const Austeilschritt s = teil.naechster();
        EXPECT_EQ(s.Dateiname, teil.dateinamen()[k]);
        EXPECT_EQ(s.PaarNummer, k < 2 ? 3 : 12);
        EXPECT_EQ(s.Fortschritt, (k + 1) * 25);
    }
}

// With every pair of the board the steps are today's deal, draw for draw.
TEST(Austeiler, allPairsOfTheBoardDealAsAlways)
{
    MersenneZufall heute(42);
    MersenneZufall mitPaaren(42);
    Austeiler alle(6, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, mitPaaren);
    for (const Austeilschritt& e : alleSchritte(6, 5, heute)) {
        const Austeilschritt s = alle.naechster();
        EXPECT_EQ(std::tuple(s.Ziel.Zeile, s.Ziel.Spalte, s.Dateiname, s.PaarNummer, s.Fortschritt),
                  std::tuple(e.Ziel.Zeile, e.Ziel.Spalte, e.Dateiname, e.PaarNummer, e.Fortschritt)) << e.K;
    }
}
