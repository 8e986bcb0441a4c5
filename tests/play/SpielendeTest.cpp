#include "play/Spielende.h"

#include <gtest/gtest.h>

TEST(Spielende, resultNamesTheWinnerATieOrTheMoves)
{
    // Two groups: the winner's points first in words that fit any name, a name of blanks
    // named as an empty one, a tie without a name; one player: the moves.
    const struct {
        Spielausgang ausgang;
        std::array<QString, 2> namen;
        QString satz;
    } faelle[] = {
        {{2, {16, 14}, 0}, {"Anna", "Ben %1"}, QStringLiteral("Gewonnen: Anna, 16 zu 14 Punkte!")},
        {{2, {4, 20}, 0}, {"Kinder", "Eltern"}, QStringLiteral("Gewonnen: Eltern, 20 zu 4 Punkte!")},
        {{2, {0, 2}, 0}, {"Anna", "Ben %1"}, QStringLiteral("Gewonnen: Ben %1, 2 zu 0 Punkte!")},
        {{2, {30, 0}, 0}, {"   ", "Ben"}, QStringLiteral("Gewonnen: Spieler Nr. 1, 30 zu 0 Punkte!")},
        {{2, {0, 30}, 0}, {"Anna", "\t \u3000"}, QStringLiteral("Gewonnen: Spieler Nr. 2, 30 zu 0 Punkte!")},
        {{2, {2, 0}, 0}, {"", ""}, QStringLiteral("Gewonnen: Spieler Nr. 1, 2 zu 0 Punkte!")},
        {{2, {2, 0}, 0}, {" Rot ", ""}, QStringLiteral("Gewonnen:  Rot , 2 zu 0 Punkte!")},
        {{2, {15, 15}, 0}, {"Anna", "Ben"}, QStringLiteral("Unentschieden – 15 zu 15 Punkte!")},
        {{1, {30, 0}, 23}, {"Anna", "Ben"}, QStringLiteral("Geschafft in 23 Zügen!")},
        {{1, {2, 0}, 1}, {"Anna", "Ben"}, QStringLiteral("Geschafft in 1 Zug!")},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ergebnisSatz(f.ausgang, f.namen), f.satz) << qPrintable(f.satz);
}

TEST(Spielende, theEndingLiesOverTheBoardClearOfItsCoordinates)
{
    // At most 480 wide, centred, at least 27 pixels (frame and the 25-pixel strip) inside every
    // edge; on a smaller board the top-left corner stays clear and the panel reaches past.
    const struct {
        const char* fall;
        QRect brett;
        bool best;
        QRect panel;
    } faelle[] = {
        {"wide board", {0, 111, 1016, 736}, false, {268, 392, 480, 173}},
        {"wide board, best result", {10, 20, 1016, 736}, true, {278, 277, 480, 221}},
        {"board 534 wide", {0, 0, 534, 400}, false, {27, 113, 480, 173}},
        {"board 422 wide", {100, 0, 422, 400}, false, {127, 113, 368, 173}},
        {"board narrower than the button", {100, 50, 300, 200}, true, {127, 77, 332, 221}},
    };
    for (const auto& f : faelle) {
        const Spielendelage l = spielendeLage(f.brett, f.best);
        EXPECT_EQ(l.Panel, f.panel) << f.fall;
        const int innen = f.panel.width() - 32;
        EXPECT_EQ(l.Ergebnis, QRect(16, 16, innen, 64)) << f.fall;
        EXPECT_EQ(l.Bestleistung, f.best ? QRect(16, 80, innen, 48) : QRect()) << f.fall;
        EXPECT_EQ(l.Knopf, QRect((f.panel.width() - 300) / 2, f.best ? 144 : 96, 300, 57)) << f.fall;
    }
}

TEST(Spielende, fewerMovesThanTheRememberedBestAreANewBest)
{
    // Only a better result (or the first one) is remembered; an unreadable value counts as none.
    const struct {
        const char* gespeichert;
        int zuege;
        QString text;
        std::optional<int> speichern;
    } faelle[] = {
        {"", 23, QStringLiteral("Neues bestes Ergebnis!"), 23},
        {"19", 23, QStringLiteral("Bisher bestes Ergebnis: 19 Züge"), std::nullopt},
        {" 19 ", 17, QStringLiteral("Neues bestes Ergebnis! Bisher: 19 Züge"), 17},
        {"19", 19, QStringLiteral("So gut wie das bisher beste Ergebnis: 19 Züge"), std::nullopt},
        {"1", 2, QStringLiteral("Bisher bestes Ergebnis: 1 Zug"), std::nullopt},
        {"0", 5, QStringLiteral("Neues bestes Ergebnis!"), 5},
        {"-3", 5, QStringLiteral("Neues bestes Ergebnis!"), 5},
        {"viele", 5, QStringLiteral("Neues bestes Ergebnis!"), 5},
        {"99999999999", 5, QStringLiteral("Neues bestes Ergebnis!"), 5},
    };
    for (const auto& f : faelle) {
        const Bestleistung b = bestleistung(QString::fromUtf8(f.gespeichert), f.zuege);
        EXPECT_EQ(b.Text, f.text) << f.gespeichert << " / " << f.zuege;
        EXPECT_EQ(b.Speichern, f.speichern) << f.gespeichert << " / " << f.zuege;
    }
}
