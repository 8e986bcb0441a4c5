#include "play/Zugzustand.h"

#include "play/Klangwahl.h"
#include "play/Paarablage.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

namespace {
// A board of 2 rows and 3 columns: pair 0 at (0,0) and (1,1), pair 1 at (0,1) and
// (1,0), pair 2 at (0,2) and (1,2), whose small pictures wrongly carry the same Tag.
constexpr int Paare[2][3] = {{0, 1, 2}, {1, 0, 2}};
constexpr int BildTags[2][3] = {{1, 2, 3}, {-101, -102, 3}};
const Kartenauskunft Karten{[](Zelle z) { return Paare[z.Zeile][z.Spalte]; },
                            [](Zelle z) { return BildTags[z.Zeile][z.Spalte]; }};

enum class Art { Ruecken, Offen, Gross, Gesammelt };
struct Klick {
    Art art;
    int tag = 0; // of the card back or collected card
};
constexpr Klick R(int tag) { return {Art::Ruecken, tag}; }
constexpr Klick O{Art::Offen};
constexpr Klick G{Art::Gross};
constexpr Klick E(int tag) { return {Art::Gesammelt, tag}; }

Zugschritte klicke(Zugzustand& z, Klick k)
{
    switch (k.art) {
    case Art::Ruecken:
        return z.rueckseiteGeklickt(k.tag, Karten);
    case Art::Offen:
        return z.offeneKarteGeklickt();
    case Art::Gross:
        return z.grossbildGeklickt();
    case Art::Gesammelt:
        return z.gesammelteKarteGeklickt(k.tag);
    }
    return {};
}

// Collected cards lie five to a row, one pixel apart, from (10, 36) in their panel.
const Ablageraster Ablage{5, 99, 79, 10, 36};

QString zelle(Zelle z)
{
    return QStringLiteral("%1,%2").arg(z.Zeile).arg(z.Spalte);
}

QString haelften(Bildschirmhaelften h)
{
    return QString(h.Links == LinkeHaelfte::Karten ? "board" : "left") + "|"
           + (h.Rechts == RechteHaelfte::BekommeneKarten ? "groups" : "right");
}

// One short line per step, so that a table row reads like the window's work.
QString beschreibe(const Zugschritte& schritte)
{
    QStringList zeilen;
    for (const Zugschritt& s : schritte) {
        using namespace Schritt;
        if (std::get_if<HinweisVerbergen>(&s))
            zeilen << "hint off";
        else if (std::get_if<RueckseiteDrehen>(&s))
            zeilen << "back";
        else if (auto* b = std::get_if<BildDrehen>(&s))
            zeilen << "picture " + zelle(b->Zelle);
        else if (auto* g = std::get_if<Grossbild>(&s))
            zeilen << (g->Seite == Grossbildseite::Rechts ? "right " : "left ") + zelle(g->Zelle);
        else if (auto* h = std::get_if<Haelften>(&s))
            zeilen << haelften(h->Zeigen);
        else if (auto* m = std::get_if<Meldung>(&s))
            zeilen << "say " + m->Text;
        else if (auto* d = std::get_if<Zudecken>(&s))
            zeilen << "cover " + zelle(d->Erste) + " " + zelle(d->Zweite);
        else if (auto* n = std::get_if<ZuegeZeigen>(&s))
            zeilen << QStringLiteral("moves %1").arg(n->Zuege);
        else if (auto* p = std::get_if<PaarNehmen>(&s))
            zeilen << QStringLiteral("take to %1 ").arg(p->Gruppe) + zelle(p->Erste) + " " + zelle(p->Zweite);
        else if (auto* a = std::get_if<KarteAblegen>(&s))
            zeilen << QStringLiteral("lay %1 #%2 at %3,%4")
                          .arg(zelle(a->Zelle))
                          .arg(a->Nummer)
                          .arg(kartenPlatz(a->Nummer, Ablage).x())
                          .arg(kartenPlatz(a->Nummer, Ablage).y());
        else if (auto* pu = std::get_if<PunkteZeigen>(&s))
            zeilen << QStringLiteral("points %1: %2").arg(pu->Gruppe).arg(pu->Punkte);
        else if (auto* w = std::get_if<PanelsWachsen>(&s))
            zeilen << QStringLiteral("grow %1 (%2,%3)").arg(w->Gruppe).arg(w->GesammelteKarten[0]).arg(
                          w->GesammelteKarten[1]);
        else if (auto* mk = std::get_if<Markieren>(&s))
            zeilen << QStringLiteral("mark %1 %2").arg(mk->Gruppe).arg(mk->Markiert ? "on" : "off");
        else if (std::get_if<KeinPaar>(&s))
            zeilen << "no pair";
        else if (std::get_if<Spielende>(&s))
            zeilen << "end";
    }
    return zeilen.join(QStringLiteral("; "));
}

// The sounds the steps ask for, in order.
QString klaenge(const Zugschritte& schritte)
{
    QStringList namen;
    for (const Zugschritt& s : schritte) {
        if (const std::optional<Klang> k = klangZu(s))
            namen << QStringList{"turn", "pair", "no pair", "end"}.at(int(*k));
    }
    return namen.join(QStringLiteral(", "));
}

// Every cell's place and each group's collected cards.
QString brett(const Brettstand& b)
{
    QString text;
    for (const Zelle z : {Zelle{0, 0}, Zelle{0, 1}, Zelle{0, 2}, Zelle{1, 0}, Zelle{1, 1}, Zelle{1, 2}})
        text += QString::number(int(b.lage(z)));
    for (int g = 0; g < 2; ++g)
        for (const Zelle z : b.gesammelt(g))
            text += QStringLiteral(" %1:").arg(g) + zelle(z);
    return text;
}
} // namespace

TEST(Zugzustand, everyClickInEveryStateAnswersWithTheWindowsStepsInOrder)
{
    // The move: turn two cards, keep a pair and the turn, cover a failed pair and pass the turn.
    // Turning and covering cards tap, a pair and no pair have their notes, the end its own;
    // the board follows the steps. A pair scores 2 points and is laid "a" picture first, each
    // group numbering its own cards from 0, row by row in its panel.
    const struct {
        const char* fall;
        int gruppen;
        std::vector<Klick> vorher;
        Klick klick;
        const char* schritte;
        int offen;  // open cards after the click
        int gruppe; // whose turn it is after the click
        bool ergebnis;
        const char* klaenge;
    } faelle[] = {
        {"0: back", 2, {}, R(1), "hint off; back; picture 0,0; right 0,0; board|right", 1, 1, false, "turn"},
        {"0: back without cell code", 2, {}, R(0), "hint off; back; say Tag ist Null!", 0, 1, false, ""},
        {"1: back, no pair", 2, {R(1)}, R(2), "hint off; back; picture 0,1; board|right; right 0,1; no pair", 2, 1,
         false, "turn, no pair"},
        {"1: back, no pair, one player", 1, {R(1)}, R(2),
         "hint off; back; picture 0,1; board|right; moves 1; right 0,1; no pair", 2, 0, false, "turn, no pair"},
        {"1: back, pair", 2, {R(1)}, R(102),
         "hint off; back; picture 1,1; board|right; left 1,1; left|right; take to 1 0,0 1,1; lay 0,0 #0 at 10,36; "
         "lay 1,1 #1 at 110,36; points 1: 2; grow 1 (0,2)",
         3, 1, false, "turn, pair"},
        {"1: back, pair b first", 2, {R(102)}, R(1),
         "hint off; back; picture 0,0; board|right; left 0,0; left|right; take to 1 1,1 0,0; lay 0,0 #0 at 10,36; "
         "lay 1,1 #1 at 110,36; points 1: 2; grow 1 (0,2)",
         3, 1, false, "turn, pair"},
        {"1: back, last pair with equal Tags, one player", 1, {R(1), R(102), G, R(2), R(101), G, R(3)}, R(103),
         "hint off; back; picture 1,2; board|right; moves 3; left 1,2; left|right; take to 0 0,2 1,2; "
         "say Fehler: Beide Bilder haben gleichen Tag.; lay 0,2 #4 at 410,36; lay 1,2 #5 at 10,116; points 0: 6; "
         "mark 0 off",
         3, 0, false, "turn, pair"},
        {"1: back, the other group's first pair", 2, {R(1), R(102), G, R(2), R(3), O, R(2)}, R(101),
         "hint off; back; picture 1,0; board|right; left 1,0; left|right; take to 0 0,1 1,0; lay 0,1 #0 at 10,36; "
         "lay 1,0 #1 at 110,36; points 0: 2; grow 0 (2,2)",
         3, 0, false, "turn, pair"},
        {"1: open card", 2, {R(1)}, O, "say Bitte eine weitere Karte auswählen.", 1, 1, false, ""},
        {"1: large picture", 2, {R(1)}, G, "", 1, 1, false, ""},
        {"1: collected card", 2, {R(1), R(102), G, R(2)}, E(1), "", 1, 1, false, ""},
        {"2: back", 2, {R(1), R(2)}, R(3), "hint off; cover 0,0 0,1; board|groups; mark 1 off; mark 0 on", 0, 0, false,
         "turn"},
        {"2: open card", 2, {R(1), R(2)}, O, "cover 0,0 0,1; board|groups; mark 1 off; mark 0 on", 0, 0, false, "turn"},
        {"2: large picture, one player", 1, {R(1), R(2)}, G, "cover 0,0 0,1; board|groups; mark 0 off", 0, 0, false,
         "turn"},
        {"3: large picture", 2, {R(1), R(102)}, G, "board|groups", 0, 1, false, ""},
        {"3: large picture of the last pair", 1, {R(1), R(102), G, R(2), R(101), G, R(3), R(103)}, G,
         "board|groups; end", 0, 0, false, "end"},
        {"3: back", 2, {R(1), R(102)}, R(2), "", 3, 1, false, ""},
        {"0: collected card", 2, {R(1), R(102), G}, E(-102), "left|groups; left 1,1", 0, 1, true, ""},
        {"0 with result: collected card", 2, {R(1), R(102), G, E(1)}, E(-102), "left|groups; left 1,1", 0, 1, true, ""},
        {"0 with result: large picture", 2, {R(1), R(102), G, E(1)}, G, "board|groups", 0, 1, false, ""},
        {"0 with result: back", 2, {R(1), R(102), G, E(1)}, R(2), "", 0, 1, true, ""},
    };
    for (const auto& f : faelle) {
        Zugzustand z;
        z.gruppenAufbauen(1, 3, 2);
        z.spielBeginnen(f.gruppen);
        Brettstand b;
        b.neuesSpiel(3, 2);
        for (const Klick k : f.vorher)
            b.fuehreAus(klicke(z, k));
        const Zugschritte schritte = klicke(z, f.klick);
        b.fuehreAus(schritte);
        EXPECT_EQ(beschreibe(schritte).toStdString(), f.schritte) << f.fall;
        EXPECT_EQ(klaenge(schritte).toStdString(), f.klaenge) << f.fall;
        EXPECT_EQ(z.aufgedeckteKarten(), f.offen) << f.fall;
        EXPECT_EQ(z.aktiveGruppe(), f.gruppe) << f.fall;
        EXPECT_EQ(z.ergebnisAnzeige(), f.ergebnis) << f.fall;
        EXPECT_EQ(brett(z.brett()), brett(b)) << f.fall;
        EXPECT_EQ(z.spielZuEnde(), b.alleGesammelt()) << f.fall;
    }
}
