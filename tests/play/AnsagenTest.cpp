#include "play/Ansagen.h"

#include <gtest/gtest.h>

namespace {
const std::array<QString, 2> Namen{QStringLiteral("Anna"), QStringLiteral("Ben")};
const GefundenesPaar Paar{QStringLiteral("03a"), QStringLiteral("03b")};

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
} // namespace

TEST(Ansagen, aClickAnnouncesAPairTheEndOrAChangeOfTurn)
{
    // A pair beats a change of turn; the last pair announces the end; nothing else is said.
    struct Fall {
        const char* was;
        Ansagestand vorher, nachher;
        QString ansage;
    };
    const Fall faelle[] = {
        {"nothing changed", stand(0, 2, 0), stand(0, 2, 0), QString()},
        {"turn passes", stand(0, 2, 0), stand(1, 2, 0), QStringLiteral("Kein Paar. Ben ist an der Reihe.")},
        {"pair of the second group", stand(1, 2, 0), stand(1, 2, 2),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b. Ben hat 2 Punkte und ist wieder an der Reihe.")},
        {"last pair", stand(0, 4, 6), stand(0, 6, 6, true),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b. Unentschieden – 6 zu 6 Punkte!")},
        {"single player keeps the turn", stand(0, 0, 0, false, 1, 1), stand(0, 0, 0, false, 1, 2), QString()},
        {"single player's pair", stand(0, 0, 0, false, 1, 1), stand(0, 2, 0, false, 1, 2),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b.")},
        {"single player's last pair", stand(0, 10, 0, false, 1, 8), stand(0, 12, 0, true, 1, 9),
         QStringLiteral("Paar gefunden: Bild 03a und Bild 03b. Geschafft in 9 Zügen!")},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ansageNachKlick(f.vorher, f.nachher, Namen, Paar), f.ansage)
            << f.was << ": " << qPrintable(ansageNachKlick(f.vorher, f.nachher, Namen, Paar));
}

TEST(Ansagen, endSaysTheSentenceTheEndingShows)
{
    // The winner with both groups' points, or the single player's moves.
    EXPECT_EQ(spielendeAnsage(stand(1, 2, 10, true), Namen), QStringLiteral("Ben gewinnt mit 10 zu 2 Punkten!"));
    EXPECT_EQ(spielendeAnsage(stand(0, 2, 0, true, 1, 1), Namen), QStringLiteral("Geschafft in 1 Zug!"));
}

TEST(Ansagen, groupPanelTellsNamePointsTurnAndMoves)
{
    // Name and points always; the turn only when marked; moves only when counted.
    EXPECT_EQ(gruppenpanelName(QStringLiteral("Anna"), 4, true, 0), QStringLiteral("Anna, 4 Punkte, an der Reihe"));
    EXPECT_EQ(gruppenpanelName(QStringLiteral("Ben"), 0, false, 0), QStringLiteral("Ben, 0 Punkte"));
    EXPECT_EQ(gruppenpanelName(QStringLiteral("Einzelspieler"), 2, false, 3),
              QStringLiteral("Einzelspieler, 2 Punkte, 3 Spielzüge"));
}
