// Play through the main window: turning, pairs, covering, the two halves of the
// screen, collected cards and the turning animation, clicked like a player.
#include "Spieltisch.h"

#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"

#include <QRect>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Which of the four big panels a player sees.
struct Haelften {
    bool Karten;          // PKarten, the board (left)
    bool BildLinks;       // PBildLinks (left)
    bool BekommeneKarten; // PBekommeneKarten, the group panels (right)
    bool BildRechts;      // PBildRechts (right)
    bool operator==(const Haelften&) const = default;
};

void PrintTo(const Haelften& h, std::ostream* os)
{
    *os << "{Karten " << h.Karten << ", BildLinks " << h.BildLinks << ", BekommeneKarten " << h.BekommeneKarten
        << ", BildRechts " << h.BildRechts << "}";
}

Haelften haelften(const TForm1& f)
{
    return {f.PKarten->isVisible(), f.PBildLinks->isVisible(), f.PBekommeneKarten->isVisible(),
            f.PBildRechts->isVisible()};
}

constexpr Haelften Ruhe{true, false, true, false};          // no card open
constexpr Haelften KarteOffen{true, false, false, true};    // one or two cards open
constexpr Haelften PaarGezeigt{false, true, false, true};   // a pair's two large pictures
constexpr Haelften SammelkarteGross{false, true, true, false}; // a collected card shown large

Tischvorgaben zweiGruppenSofort(int startgruppe)
{
    Tischvorgaben v;
    v.Abfragen = QStringLiteral("0");
    v.Gruppen = QStringLiteral("2");
    v.Startgruppe = startgruppe;
    return v;
}

// The place of every card back before anything was clicked.
std::vector<QRect> rueckenPlaetze(const Spieltisch& t)
{
    std::vector<QRect> plaetze;
    for (const Zelle z : t.zellen())
        plaetze.push_back(t.ruecken(z)->geometry());
    return plaetze;
}

} // namespace

TEST(Einzelspiel, wholeGameFromTheButtonToTheLastPair)
{
    // One player: full-height panel, move counter, failed moves keep the turn,
    // pairs laid out row by row with the "a" picture first, all collected at the end.
    Spieltisch t;
    TForm1& f = *t.form;
    ASSERT_TRUE(f.PAnfangsEinstellungen->isVisible());
    // The first group was drawn to begin and is highlighted until the choice is made.
    ASSERT_EQ(f.GruppenPanels[0]->farbe(), markierungsfarbe());
    t.losGehts();

    EXPECT_FALSE(f.PAnfangsEinstellungen->isVisible());
    EXPECT_TRUE(f.PKarten->isEnabled());
    EXPECT_EQ(haelften(f), Ruhe);
    TPanel* panel = f.GruppenPanels[0];
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(f.GruppenPanels[1]->isVisible());
    EXPECT_EQ(panel->y(), 2);
    EXPECT_EQ(panel->height(), f.PBekommeneKarten->height() - 4);
    EXPECT_EQ(panel->farbe(), std::nullopt);
    EXPECT_EQ(f.NamensLabel[0]->text(), QStringLiteral("Einzelspieler"));
    EXPECT_FALSE(f.AnDerReiheLabel->isVisible());
    EXPECT_TRUE(f.ZuegeLabel->isVisible());
    EXPECT_EQ(f.ZuegeLabel->text(), QString());
    EXPECT_EQ(f.ZuegeLabel->geometry().bottom() + 1, panel->height() - 4);

    // A failed move: the cards stay open until the next click, then the same player goes on.
    const auto [x, y] = t.deckeKeinPaarAuf();
    EXPECT_EQ(f.ZuegeLabel->text(), QStringLiteral("(1 Spielzug)"));
    EXPECT_TRUE(t.liegtOffen(x));
    EXPECT_TRUE(t.liegtOffen(y));
    t.klicke(f.Image1);
    EXPECT_TRUE(t.liegtVerdeckt(x));
    EXPECT_TRUE(t.liegtVerdeckt(y));
    EXPECT_EQ(haelften(f), Ruhe);
    EXPECT_EQ(panel->farbe(), std::nullopt);
    EXPECT_EQ(f.Zug.aktiveGruppe(), 0);

    const int kb = f.Einstellungen.KartenBreite;
    const int kh = f.Einstellungen.KartenHoehe;
    const int n = f.Einstellungen.Spalten * f.Einstellungen.Zeilen;
    int zuege = 1;
    int gesammelt = 0;
    for (const int p : t.offenePaare()) {
        const bool erstesA = p % 2 == 0; // half of the pairs are turned "b" first
        t.deckePaarAuf(p, erstesA);
        ++zuege;
        EXPECT_EQ(f.ZuegeLabel->text(), QStringLiteral("(%1 Spielzüge)").arg(zuege));
        EXPECT_EQ(haelften(f), PaarGezeigt) << "pair " << p;
        EXPECT_EQ(f.PunkteLabel[0]->text(), QStringLiteral("%1 Punkte").arg(gesammelt + 2));

        const auto [a, b] = t.paar(p);
        TImage* bildA = t.bild(a)->Tag > 0 ? t.bild(a) : t.bild(b);
        TImage* bildB = bildA == t.bild(a) ? t.bild(b) : t.bild(a);
        for (const auto& [karte, c] : {std::pair{bildA, gesammelt}, std::pair{bildB, gesammelt + 1}}) {
            EXPECT_EQ(karte->parentWidget(), panel) << "pair " << p;
            EXPECT_TRUE(karte->isVisibleTo(panel));
            EXPECT_EQ(karte->geometry(),
                      QRect((c % f.KartenProReihe) * (kb + 1) + 10, (c / f.KartenProReihe) * (kh + 1) + 36, kb, kh))
                << "card " << c;
            EXPECT_TRUE(t.ruecken(a)->isHidden());
        }
        gesammelt += 2;
        if (gesammelt < n) {
            EXPECT_EQ(panel->farbe(), std::nullopt);
            t.klicke(p % 3 == 0 ? f.Image1 : f.Image2);
            EXPECT_EQ(haelften(f), Ruhe);
        }
    }
    // The last row ends 10 pixels before the panel's right edge.
    const TImage* zeilenEnde = nullptr;
    for (const Zelle z : t.zellen())
        if (t.bild(z)->x() > (zeilenEnde ? zeilenEnde->x() : -1))
            zeilenEnde = t.bild(z);
    ASSERT_NE(zeilenEnde, nullptr);
    EXPECT_EQ(panel->width() - (zeilenEnde->geometry().right() + 1), 10);

    // The end: every card in the panel, the large pictures stay until clicked.
    EXPECT_EQ(gesammelt, n);
    EXPECT_EQ(f.PunkteLabel[0]->text(), QStringLiteral("%1 Punkte").arg(n));
    EXPECT_EQ(panel->farbe(), std::nullopt);
    EXPECT_EQ(haelften(f), PaarGezeigt);
    for (const Zelle z : t.zellen()) {
        EXPECT_EQ(t.bild(z)->parentWidget(), panel);
        EXPECT_TRUE(t.ruecken(z)->isHidden());
    }
    t.klicke(f.Image2);
    EXPECT_EQ(haelften(f), Ruhe);
    EXPECT_TRUE(t.meldungen.eintraege.empty());
}

TEST(Spielzug, boardIgnoresClicksBeforeTheStart)
{
    // While the player-selection panel is up the board is disabled: a click turns nothing.
    Spieltisch t;
    TForm1& f = *t.form;
    const Zelle z{1, 2};
    t.klicke(t.ruecken(z));
    EXPECT_TRUE(t.liegtVerdeckt(z));
    EXPECT_FALSE(f.PBildRechts->isVisible());
    EXPECT_TRUE(f.Image1->bild().isNull());

    t.losGehts();
    t.klicke(t.ruecken(z));
    EXPECT_TRUE(t.liegtOffen(z));
    EXPECT_TRUE(aehnlich(mittelfarbe(f.Image1), t.bildfarbeVon(z)));
}

namespace {
enum class Klickziel { DritteKarte, ErsteOffeneKarte, ZweiteOffeneKarte, GrossesBild };
}

TEST(Spielzug, anyClickWhileTwoUnmatchedCardsAreOpenCoversThemAndPassesTheTurn)
{
    // A third card back, either open card and the large picture all cover the two
    // cards alike; the third card stays covered and the other group moves next.
    const struct {
        Klickziel Ziel;
        const char* Name;
    } faelle[] = {{Klickziel::DritteKarte, "third card back"},
                  {Klickziel::ErsteOffeneKarte, "first open card"},
                  {Klickziel::ZweiteOffeneKarte, "second open card"},
                  {Klickziel::GrossesBild, "large picture"}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        Spieltisch t(zweiGruppenSofort(1));
        TForm1& f = *t.form;
        const std::vector<QRect> vorher = rueckenPlaetze(t);
        const std::vector<int> offen = t.offenePaare();
        const Zelle dritte = t.paar(offen.at(2)).first;

        const auto [a, b] = t.deckeKeinPaarAuf();
        EXPECT_EQ(haelften(f), KarteOffen);
        EXPECT_EQ(t.markierteGruppe(), 1);
        switch (fall.Ziel) {
        case Klickziel::DritteKarte: t.klicke(t.ruecken(dritte)); break;
        case Klickziel::ErsteOffeneKarte: t.klicke(t.bild(a)); break;
        case Klickziel::ZweiteOffeneKarte: t.klicke(t.bild(b)); break;
        case Klickziel::GrossesBild: t.klicke(f.Image1); break;
        }

        for (const Zelle z : {a, b, dritte})
            EXPECT_TRUE(t.liegtVerdeckt(z));
        EXPECT_EQ(rueckenPlaetze(t), vorher);
        EXPECT_EQ(haelften(f), Ruhe);
        EXPECT_EQ(t.markierteGruppe(), 0);
        EXPECT_EQ(f.Zug.aufgedeckteKarten(), 0);
        EXPECT_TRUE(t.meldungen.eintraege.empty());

        // The next click on a card back turns it as the first card of a new move.
        t.klicke(t.ruecken(dritte));
        EXPECT_TRUE(t.liegtOffen(dritte));
        EXPECT_EQ(haelften(f), KarteOffen);
        EXPECT_TRUE(aehnlich(mittelfarbe(f.Image1), t.bildfarbeVon(dritte)));
    }
}

TEST(Spielzug, clickOnTheOneOpenCardAsksForAnotherAndChangesNothing)
{
    // In state 1 the open card's picture answers with a message; the move goes on.
    Spieltisch t(zweiGruppenSofort(0));
    TForm1& f = *t.form;
    const auto [a, b] = t.keinPaar();
    t.klicke(t.ruecken(a));
    t.klicke(t.bild(a));

    ASSERT_EQ(t.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(t.meldungen.eintraege[0].art, QStringLiteral("hinweis"));
    EXPECT_EQ(t.meldungen.eintraege[0].text, QStringLiteral("Bitte eine weitere Karte auswählen."));
    EXPECT_TRUE(t.liegtOffen(a));
    EXPECT_EQ(haelften(f), KarteOffen);

    t.klicke(t.ruecken(b));
    EXPECT_TRUE(t.liegtOffen(b));
    EXPECT_TRUE(aehnlich(mittelfarbe(f.Image1), t.bildfarbeVon(b)));
    EXPECT_EQ(f.Zug.aufgedeckteKarten(), 2);
}

TEST(Spielzug, clickOnTheLargePictureWithOneCardOpenChangesNothing)
{
    // Image1 in state 1: the card stays open, the picture stays, the move goes on.
    Spieltisch t(zweiGruppenSofort(0));
    TForm1& f = *t.form;
    const auto [a, b] = t.keinPaar();
    t.klicke(t.ruecken(a));
    t.klicke(f.Image1);

    EXPECT_TRUE(t.liegtOffen(a));
    EXPECT_EQ(haelften(f), KarteOffen);
    EXPECT_TRUE(aehnlich(mittelfarbe(f.Image1), t.bildfarbeVon(a)));
    EXPECT_EQ(t.markierteGruppe(), 0);
    EXPECT_TRUE(t.meldungen.eintraege.empty());

    t.klicke(t.ruecken(b));
    EXPECT_EQ(f.Zug.aufgedeckteKarten(), 2);
}

TEST(Bildschirmhaelften, eachStateShowsItsPanelsAndPictures)
{
    // Left: board or left picture; right: group panels or right picture, by move state.
    for (const bool mitImage2 : {false, true}) {
        SCOPED_TRACE(mitImage2 ? "back with Image2" : "back with Image1");
        Spieltisch t(zweiGruppenSofort(1));
        TForm1& f = *t.form;
        EXPECT_EQ(haelften(f), Ruhe);

        const auto [a, b] = t.keinPaar();
        t.klicke(t.ruecken(a));
        EXPECT_EQ(haelften(f), KarteOffen);
        EXPECT_TRUE(aehnlich(mittelfarbe(f.Image1), t.bildfarbeVon(a)));
        t.klicke(t.ruecken(b));
        EXPECT_EQ(haelften(f), KarteOffen);
        EXPECT_TRUE(aehnlich(mittelfarbe(f.Image1), t.bildfarbeVon(b)));
        t.klicke(f.Image1);
        EXPECT_EQ(haelften(f), Ruhe);
        EXPECT_EQ(t.markierteGruppe(), 0);

        // A pair turned "b" first: the second card left, the first card right.
        const int p = t.offenePaare().back();
        t.deckePaarAuf(p, false);
        const auto [p1, p2] = t.paar(p);
        const Zelle erste = t.bild(p1)->Tag < 0 ? p1 : p2;
        const Zelle zweite = erste == p1 ? p2 : p1;
        EXPECT_EQ(haelften(f), PaarGezeigt);
        EXPECT_TRUE(aehnlich(mittelfarbe(f.Image1), t.bildfarbeVon(erste)));
        EXPECT_TRUE(aehnlich(mittelfarbe(f.Image2), t.bildfarbeVon(zweite)));
        EXPECT_FALSE(aehnlich(t.bildfarbeVon(erste), t.bildfarbeVon(zweite)));

        t.klicke(mitImage2 ? f.Image2 : f.Image1);
        EXPECT_EQ(haelften(f), Ruhe);
        EXPECT_EQ(t.markierteGruppe(), 0) << "the group that found the pair moves again";
        EXPECT_EQ(f.Zug.aufgedeckteKarten(), 0);
        EXPECT_TRUE(t.meldungen.eintraege.empty());
    }
}

TEST(GesammelteKarte, clickShowsItLargeUntilTheLargePictureIsClicked)
{
    // A collected card replaces the board by its large picture; the move state stays 0.
    Spieltisch t(zweiGruppenSofort(0));
    TForm1& f = *t.form;
    const int p = t.offenePaare().front();
    t.deckePaarAuf(p);
    t.klicke(f.Image1);
    const auto [a, b] = t.paar(p);
    ASSERT_EQ(t.bild(a)->parentWidget(), f.GruppenPanels[0]);

    t.klicke(t.bild(a));
    EXPECT_EQ(haelften(f), SammelkarteGross);
    EXPECT_TRUE(aehnlich(mittelfarbe(f.Image2), t.bildfarbeVon(a)));
    EXPECT_EQ(f.Zug.aufgedeckteKarten(), 0);

    t.klicke(t.bild(b));
    EXPECT_EQ(haelften(f), SammelkarteGross);
    EXPECT_TRUE(aehnlich(mittelfarbe(f.Image2), t.bildfarbeVon(b)));

    t.klicke(f.Image2);
    EXPECT_EQ(haelften(f), Ruhe);
    EXPECT_EQ(f.Zug.aufgedeckteKarten(), 0);
    EXPECT_EQ(t.markierteGruppe(), 0);

    // Play goes on as before.
    const auto [c, d] = t.keinPaar();
    t.klicke(t.ruecken(c));
    EXPECT_TRUE(t.liegtOffen(c));
    EXPECT_EQ(haelften(f), KarteOffen);
    EXPECT_TRUE(t.meldungen.eintraege.empty());
}

TEST(Drehung, aTurnedCardEndsAtFullWidthAtItsCellsPlace)
{
    // After the turn the picture covers exactly the place the back had; the back is hidden.
    Spieltisch t(zweiGruppenSofort(0));
    const Zelle z{2, 3};
    const QRect platz = t.ruecken(z)->geometry();
    t.klicke(t.ruecken(z));
    EXPECT_EQ(t.bild(z)->geometry(), platz);
    EXPECT_FALSE(t.bild(z)->isHidden());
    EXPECT_TRUE(t.ruecken(z)->isHidden());
}

TEST(Drehung, coveringTurnsBothCardsInStep)
{
    // Two cards being covered have equal widths at every step, each centred on its cell,
    // and end as backs at full width at their places.
    Spieltisch t(zweiGruppenSofort(0));
    TForm1& f = *t.form;
    const int kb = f.Einstellungen.KartenBreite;

    // Two cards of different pairs in different rows and columns.
    Zelle a{-1, -1}, b{-1, -1};
    for (const Zelle x : t.zellen())
        for (const Zelle y : t.zellen())
            if (a.Zeile < 0 && x.Zeile != y.Zeile && x.Spalte != y.Spalte
                && f.PaarNummern[x.Zeile][x.Spalte] != f.PaarNummern[y.Zeile][y.Spalte]) {
                a = x;
                b = y;
            }
    ASSERT_GE(a.Zeile, 0);
    const QRect platzA = t.ruecken(a)->geometry();
    const QRect platzB = t.ruecken(b)->geometry();
    t.klicke(t.ruecken(a));
    t.klicke(t.ruecken(b));
    ASSERT_TRUE(t.liegtOffen(a));
    ASSERT_TRUE(t.liegtOffen(b));

    struct Stand {
        bool Sichtbar[2];
        QRect Platz[2];
    };
    std::vector<Stand> bilder, ruecken;
    t.uhr.beiLesung = [&] {
        bilder.push_back({{!t.bild(a)->isHidden(), !t.bild(b)->isHidden()},
                          {t.bild(a)->geometry(), t.bild(b)->geometry()}});
        ruecken.push_back({{!t.ruecken(a)->isHidden(), !t.ruecken(b)->isHidden()},
                           {t.ruecken(a)->geometry(), t.ruecken(b)->geometry()}});
    };
    t.klicke(f.Image1);
    t.uhr.beiLesung = nullptr;

    int schmaler = 0, breiter = 0;
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        for (const auto* s : {&bilder[i], &ruecken[i]}) {
            if (!s->Sichtbar[0] || !s->Sichtbar[1])
                continue;
            const int w = s->Platz[0].width();
            EXPECT_EQ(s->Platz[1].width(), w) << "reading " << i;
            EXPECT_EQ(s->Platz[0].x(), platzA.x() + (kb - w) / 2) << "reading " << i;
            EXPECT_EQ(s->Platz[1].x(), platzB.x() + (kb - w) / 2) << "reading " << i;
            if (w > 0 && w < kb)
                ++(s == &bilder[i] ? schmaler : breiter);
        }
    }
    EXPECT_GE(schmaler, 2) << "the pictures narrow in steps";
    EXPECT_GE(breiter, 2) << "the backs widen in steps";

    EXPECT_EQ(t.ruecken(a)->geometry(), platzA);
    EXPECT_EQ(t.ruecken(b)->geometry(), platzB);
    EXPECT_TRUE(t.liegtVerdeckt(a));
    EXPECT_TRUE(t.liegtVerdeckt(b));

    // Turned again, the picture grows from nothing at the cell's centre to its place.
    std::vector<QRect> wachsen;
    t.uhr.beiLesung = [&] {
        if (!t.bild(a)->isHidden())
            wachsen.push_back(t.bild(a)->geometry());
    };
    t.klicke(t.ruecken(a));
    t.uhr.beiLesung = nullptr;
    ASSERT_GE(wachsen.size(), 2u);
    for (std::size_t i = 1; i < wachsen.size(); ++i)
        EXPECT_GE(wachsen[i].width(), wachsen[i - 1].width());
    EXPECT_LT(wachsen[1].width(), kb / 2);
    EXPECT_EQ(t.bild(a)->geometry(), platzA);
}
