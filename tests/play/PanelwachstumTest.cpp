#include "play/Panelwachstum.h"

#include <gtest/gtest.h>

namespace {

// Cards 99 high (a row is 100), header 36; the panels as built for a PBekommeneKarten of 996.
Wachstumslage lage(int aktiv, int gesammelt0, int gesammelt1, int proReihe = 6)
{
    Wachstumslage l;
    l.Masse = {495, 499, 495, 996};
    l.GesammelteKarten = {gesammelt0, gesammelt1};
    l.KartenProReihe = proReihe;
    l.KartenHoehe = 99;
    l.KopfHoehe = 36;
    l.AktiveGruppe = aktiv;
    return l;
}

void expectMasse(const Panelmasse& ist, const Panelmasse& soll, const char* name)
{
    EXPECT_EQ(ist.Hoehe0, soll.Hoehe0) << name;
    EXPECT_EQ(ist.Oben1, soll.Oben1) << name;
    EXPECT_EQ(ist.Hoehe1, soll.Hoehe1) << name;
    EXPECT_EQ(ist.HoeheBekommene, soll.HoeheBekommene) << name;
}

struct Fall {
    const char* name;
    Wachstumslage lage;
    Panelmasse erwartet;
};

Wachstumslage mitMasse(Wachstumslage l, Panelmasse m)
{
    l.Masse = m;
    return l;
}

} // namespace

TEST(Panelwachstum, growsOnlyWhenTheNewCardsReachPastTheActivePanel)
{
    // Four rows of 100 below the 36 header end at 436 <= 495: nothing changes; the fifth row does not fit.
    // The other panel gives a row when it keeps its own need (rows * 100 + 37); otherwise both
    // panels take their exact need, panel 1 moves by panel 0's change, PBekommeneKarten by the sum.
    const Fall faelle[] = {
        {"upper panel, fourth row still fits", lage(0, 24, 0), {495, 499, 495, 996}},
        {"lower panel, fourth row still fits", lage(1, 0, 24), {495, 499, 495, 996}},
        {"upper panel full, lower one gives a row", lage(0, 26, 0), {595, 599, 395, 996}},
        {"lower panel full, upper one gives a row", lage(1, 6, 26), {395, 399, 595, 996}},
        {"lower panel has exactly one spare row", mitMasse(lage(0, 26, 6), {495, 499, 237, 738}),
         {595, 599, 137, 738}},
        {"lower panel one pixel short of a spare row: refit, PBekommeneKarten shrinks",
         mitMasse(lage(0, 26, 6), {495, 499, 236, 737}), {537, 541, 137, 680}},
        {"lower panel full, upper one has no spare row: refit", lage(1, 24, 26), {437, 441, 537, 980}},
        {"both panels full: refit, PBekommeneKarten grows", lage(0, 26, 30), {537, 541, 537, 1080}},
    };
    for (const Fall& f : faelle) {
        const Panelmasse m = panelWachstum(f.lage);
        expectMasse(m, f.erwartet, f.name);
        EXPECT_EQ(m.Oben1 - (2 + m.Hoehe0), 2) << f.name << ": gap between the panels";
    }
}

TEST(Panelwachstum, aPairSplitOverTwoRowsGrowsForItsLowerCard)
{
    // With 5 per row cards 19 and 20 lie in rows 3 and 4; the lower one must not be cut off.
    expectMasse(panelWachstum(lage(0, 21, 0, 5)), {595, 599, 395, 996}, "pair split over rows 3 and 4");
    // The next pair then lies in the grown row 4 and needs nothing more.
    expectMasse(panelWachstum(mitMasse(lage(0, 23, 0, 5), {595, 599, 395, 996})), {595, 599, 395, 996},
                "next pair in row 4");
}

TEST(Panelwachstum, oneCardPerRowTakesTwoRowsAtOnce)
{
    // Both cards of a pair open a row each, so the other panel gives two rows.
    expectMasse(panelWachstum(lage(0, 6, 0, 1)), {695, 699, 295, 996}, "two new rows");
}
