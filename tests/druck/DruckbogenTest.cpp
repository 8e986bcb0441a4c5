#include "druck/Druckbogen.h"

#include <gtest/gtest.h>

namespace {

void erwarteRechteck(const QRectF& ist, const QRectF& soll)
{
    EXPECT_NEAR(ist.x(), soll.x(), 1e-9);
    EXPECT_NEAR(ist.y(), soll.y(), 1e-9);
    EXPECT_NEAR(ist.width(), soll.width(), 1e-9);
    EXPECT_NEAR(ist.height(), soll.height(), 1e-9);
}

void erwarteLinie(const QLineF& ist, const QLineF& soll)
{
    erwarteRechteck(QRectF(ist.p1(), ist.p2()), QRectF(soll.p1(), soll.p2()));
}

Druckoptionen optionen(QPageSize::PageSizeId seite, int mm, bool nebeneinander = false, bool ohneRuecken = false)
{
    Druckoptionen o;
    o.Seite = QPageSize(seite);
    o.LangeSeiteMm = mm;
    o.PaareNebeneinander = nebeneinander;
    o.OhneRueckseiten = ohneRuecken;
    return o;
}

} // namespace

TEST(Druckbogen, cardsLieEdgeToEdgeOnBothSidesOfASheet)
{
    // Cards of the game's format at the chosen size, edge to edge inside 10 mm margins and centred; a
    // back page after each front page holding the same pictures mirrored for a flip on the long edge.
    struct Karte {
        int seite;
        int index;
        QRectF rechteck;
        int paar;
        bool zweites;
    };
    struct Fall {
        const char* name;
        int paare, fx, fy;
        Druckoptionen o;
        int spalten, zeilen;
        std::vector<int> kartenJeSeite;
        std::vector<Karte> karten;
    };
    const Fall faelle[] = {
        {"A4 3:4 60 mm, a cards then b cards", 8, 3, 4, optionen(QPageSize::A4, 60), 4, 4, {16, 16},
         {{0, 0, {15, 28.5, 45, 60}, 1, false},
          {0, 7, {150, 88.5, 45, 60}, 8, false},
          {0, 8, {15, 148.5, 45, 60}, 1, true},
          {0, 15, {150, 208.5, 45, 60}, 8, true},
          {1, 0, {150, 28.5, 45, 60}, 1, false},
          {1, 15, {15, 208.5, 45, 60}, 8, true}}},
        {"pairs side by side", 8, 3, 4, optionen(QPageSize::A4, 60, true), 4, 4, {16, 16},
         {{0, 1, {60, 28.5, 45, 60}, 1, true}, {0, 2, {105, 28.5, 45, 60}, 2, false}, {1, 1, {105, 28.5, 45, 60}, 1, true}}},
        {"4:3 over three sheets, the last one part full", 25, 4, 3, optionen(QPageSize::A4, 60), 3, 6,
         {18, 18, 18, 18, 14, 14},
         {{0, 0, {15, 13.5, 60, 45}, 1, false},
          {2, 0, {15, 13.5, 60, 45}, 19, false},
          {2, 6, {15, 103.5, 60, 45}, 25, false},
          {2, 7, {75, 103.5, 60, 45}, 1, true},
          {4, 13, {75, 193.5, 60, 45}, 25, true},
          {5, 13, {75, 193.5, 60, 45}, 25, true},
          {5, 12, {135, 193.5, 60, 45}, 24, true}}},
        {"without backs", 25, 4, 3, optionen(QPageSize::A4, 60, false, true), 3, 6, {18, 18, 14},
         {{1, 0, {15, 13.5, 60, 45}, 19, false}}},
        {"Letter", 8, 3, 4, optionen(QPageSize::Letter, 60), 4, 4, {16, 16},
         {{0, 0, {17.95, 19.7, 45, 60}, 1, false}, {1, 0, {152.95, 19.7, 45, 60}, 1, false}}},
        {"1:1 at 90 mm", 3, 1, 1, optionen(QPageSize::A4, 90), 2, 3, {6, 6},
         {{0, 5, {105, 193.5, 90, 90}, 3, true}, {1, 5, {15, 193.5, 90, 90}, 3, true}}},
        {"above 90 mm is 90 mm", 3, 1, 1, optionen(QPageSize::A4, 120), 2, 3, {6, 6}, {}},
        {"below 40 mm is 40 mm", 1, 3, 4, optionen(QPageSize::A4, 10), 6, 6, {2, 2},
         {{0, 0, {15, 28.5, 30, 40}, 1, false}, {1, 0, {165, 28.5, 30, 40}, 1, false}}},
        {"no pairs, no pages", 0, 3, 4, optionen(QPageSize::A4, 60), 4, 4, {}, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Druckbogen b = planeDruckbogen(f.paare, f.fx, f.fy, f.o);
        EXPECT_TRUE(b.Fehler.isEmpty());
        EXPECT_EQ(b.Spalten, f.spalten);
        EXPECT_EQ(b.Zeilen, f.zeilen);
        ASSERT_EQ(b.Seiten.size(), f.kartenJeSeite.size());
        for (std::size_t s = 0; s < b.Seiten.size(); ++s) {
            EXPECT_EQ(int(b.Seiten[s].Karten.size()), f.kartenJeSeite[s]);
            EXPECT_EQ(b.Seiten[s].Rueckseite, !f.o.OhneRueckseiten && s % 2 == 1);
        }
        for (const Karte& k : f.karten) {
            SCOPED_TRACE(testing::Message() << "Seite " << k.seite << " Karte " << k.index);
            const Druckkarte& c = b.Seiten[std::size_t(k.seite)].Karten[std::size_t(k.index)];
            erwarteRechteck(c.Rechteck, k.rechteck);
            EXPECT_EQ(c.Paar, k.paar);
            EXPECT_EQ(c.ZweitesBild, k.zweites);
        }
    }
}

// A card larger than the page inside its margins cannot be printed.
TEST(Druckbogen, aCardLargerThanThePageIsRefused)
{
    const Druckbogen b = planeDruckbogen(4, 3, 4, optionen(QPageSize::A7, 90));
    EXPECT_EQ(b.Fehler, QStringLiteral("Eine Karte von 67.5 × 90 mm passt nicht auf die Seite A7."));
    EXPECT_TRUE(b.Seiten.empty());
}

TEST(Druckbogen, cutLinesRunAlongThePrintedCardsOnly)
{
    // Cut lines run along every edge of the printed cards only, crop marks in the margin continue
    // them; the back page has them mirrored.
    // 9 pairs of 3:4 on A4: the second sheet holds 2 cards of a grid of 4 x 4.
    const Druckbogen b = planeDruckbogen(9, 3, 4, optionen(QPageSize::A4, 60));
    ASSERT_EQ(b.Seiten.size(), 4u);
    const Druckseite& vorne = b.Seiten[2];
    const std::vector<QLineF> linien = {{15, 28.5, 105, 28.5}, {15, 88.5, 105, 88.5}, {15, 28.5, 15, 88.5},
                                        {60, 28.5, 60, 88.5}, {105, 28.5, 105, 88.5}};
    ASSERT_EQ(vorne.Schnittlinien.size(), linien.size());
    for (std::size_t i = 0; i < linien.size(); ++i)
        erwarteLinie(vorne.Schnittlinien[i], linien[i]);
    ASSERT_EQ(vorne.Schnittmarken.size(), 10u);
    erwarteLinie(vorne.Schnittmarken[0], {15, 21.5, 15, 26.5});
    erwarteLinie(vorne.Schnittmarken[1], {15, 90.5, 15, 95.5});
    erwarteLinie(vorne.Schnittmarken[7], {107, 28.5, 112, 28.5});
    const Druckseite& hinten = b.Seiten[3];
    ASSERT_EQ(hinten.Schnittlinien.size(), linien.size());
    erwarteLinie(hinten.Schnittlinien[0], {195, 28.5, 105, 28.5});
    erwarteLinie(hinten.Schnittmarken[7], {103, 28.5, 98, 28.5});

    // A full row and a part row: the lower edge and the right columns stop where the cards do.
    const Druckbogen teils = planeDruckbogen(3, 3, 4, optionen(QPageSize::A4, 60));
    const Druckseite& voll = teils.Seiten[0];
    ASSERT_EQ(voll.Schnittlinien.size(), 8u);
    erwarteLinie(voll.Schnittlinien[2], {15, 148.5, 105, 148.5});
    erwarteLinie(voll.Schnittlinien[5], {105, 28.5, 105, 148.5});
    erwarteLinie(voll.Schnittlinien[7], {195, 28.5, 195, 88.5});
}
