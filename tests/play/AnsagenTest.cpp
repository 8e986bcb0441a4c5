#include "play/Ansagen.h"
#include "play/Gruppentexte.h"

#include <gtest/gtest.h>

namespace {
using namespace Schritt;
const std::array<QString, 2> Namen{QStringLiteral("Anna"), QStringLiteral("Ben")};
// Pair 3 lies at A (its "a" picture) and B; C holds another picture.
constexpr Zelle A{0, 0}, B{1, 1}, C{0, 2};

QString bildtext(Zelle z)
{
    return z == A ? QStringLiteral("Bild 03a") : z == B ? QStringLiteral("Bild 03b") : QStringLiteral("Oma Erna");
}

Ansagestand stand(int aktiv, int p0, int p1, bool ende = false, int gruppen = 2, int zuege = 0)
{
    Ansagestand s;
    s.AktiveGruppe = aktiv;
    s.AnzahlGruppen = gruppen;
    s.Punkte = {p0, p1};
    s.Spielzuege = zuege;
    s.Ende = ende;
    return s;
}

// The steps of a pair of group g turned "b" first, as the rules give them.
Zugschritte paarSchritte(int g, int punkte, bool ende = false)
{
    Zugschritte s{BildDrehen{A}, PaarNehmen{g, B, A}, KarteAblegen{A, 0}, KarteAblegen{B, 1}, PunkteZeigen{g, punkte}};
    if (ende)
        s.push_back(Markieren{g, false});
    return s;
}
} // namespace

TEST(Ansagen, aClickAnnouncesThePairItsEndOrAChangeOfTurnFromItsSteps)
{
    // A taken pair names its pictures "a" first, then the end or whose turn it is now;
    // covering that passes the turn is "Kein Paar."; steps without either say nothing.
    struct Fall {
        const char* was;
        Zugschritte schritte;
        Ansagestand nachher;
        QString ansage;
    };
    const Fall faelle[] = {
        {"a card turned", {HinweisVerbergen{}, RueckseiteDrehen{}, BildDrehen{C}}, stand(0, 2, 0), QString()},
        {"turn passes", {Zudecken{A, C}, Markieren{0, false}, Markieren{1, true}}, stand(1, 2, 0),
         QStringLiteral("Kein Paar. Ben ist an der Reihe.")},
        {"single player covers", {Zudecken{A, C}, Markieren{0, false}}, stand(0, 0, 0, false, 1, 1), QString()},
        {"pair of the second group", paarSchritte(1, 2), stand(1, 2, 2),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b. Ben hat 2 Punkte und ist wieder an der Reihe.")},
        {"pair, and the rules give the turn away", paarSchritte(1, 4), stand(0, 2, 4),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b. Anna ist an der Reihe.")},
        {"last pair", paarSchritte(0, 6, true), stand(0, 6, 6, true),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b. Unentschieden – 6 zu 6 Punkte!")},
        {"a picture that describes itself", {PaarNehmen{0, A, C}, KarteAblegen{C, 0}, KarteAblegen{A, 1}},
         stand(0, 2, 0, false, 1, 2), QStringLiteral("Paar gefunden: Oma Erna und Bild 03a.")},
        {"single player's pair", paarSchritte(0, 2), stand(0, 2, 0, false, 1, 2),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b.")},
        {"single player's last pair", paarSchritte(0, 12, true), stand(0, 12, 0, true, 1, 9),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b. Geschafft in 9 Zügen!")},
    };
    for (const Fall& f : faelle) {
        const QString ansage = ansageZuSchritten(f.schritte, f.nachher, Namen, bildtext);
        EXPECT_EQ(ansage, f.ansage) << f.was << ": " << qPrintable(ansage);
    }
}

TEST(Ansagen, everyTextSaysWhatThePanelsShow)
{
    // Points have no singular, moves have one; a panel's name tells name and points always, the
    // turn only when marked, moves only when counted; the end is the sentence the ending shows; a
    // card's sound by its card's words, else by its file.
    const struct {
        const char* was;
        QString text;
        QString soll;
    } faelle[] = {
        {"no points", punkteText(0), QStringLiteral("0 Punkte")},
        {"one pair's points", punkteText(2), QStringLiteral("2 Punkte")},
        {"one move", zuegeText(1), QStringLiteral("(1 Spielzug)")},
        {"two moves", zuegeText(2), QStringLiteral("(2 Spielzüge)")},
        {"eleven moves", zuegeText(11), QStringLiteral("(11 Spielzüge)")},
        {"marked group", gruppenpanelName(QStringLiteral("Anna"), 4, true, 0),
         QStringLiteral("Anna, 4 Punkte, an der Reihe")},
        {"unmarked group", gruppenpanelName(QStringLiteral("Ben"), 0, false, 0), QStringLiteral("Ben, 0 Punkte")},
        {"single player", gruppenpanelName(QStringLiteral("Einzelspieler"), 2, false, 3),
         QStringLiteral("Einzelspieler, 2 Punkte, 3 Spielzüge")},
        {"single player's first move", gruppenpanelName(QStringLiteral("Einzelspieler"), 0, false, 1),
         QStringLiteral("Einzelspieler, 0 Punkte, 1 Spielzug")},
        {"winner", spielendeAnsage(stand(1, 2, 10, true), Namen), QStringLiteral("Gewonnen: Ben, 10 zu 2 Punkte!")},
        {"single player's end", spielendeAnsage(stand(0, 2, 0, true, 1, 1), Namen),
         QStringLiteral("Geschafft in 1 Zug!")},
        {"sound named by its card", tonAnsage(QStringLiteral("Hund"), QStringLiteral("03b")),
         QStringLiteral("Ton: Hund")},
        {"sound named by its file", tonAnsage({}, QStringLiteral("03b")), QStringLiteral("Ton: 03b")},
        {"no sound", tonAnsage(QStringLiteral("Hund"), {}), QString()},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f.text, f.soll) << f.was;
}
