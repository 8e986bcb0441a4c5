#include "play/Spielende.h"

#include <gtest/gtest.h>

namespace {
const std::array<QString, 2> Namen{QStringLiteral("Anna"), QStringLiteral("Ben %1")};
} // namespace

TEST(Spielende, resultNamesTheWinnerATieOrTheMoves)
{
    // Two groups: the winner's points first, a tie without a name; one player: the moves.
    const struct {
        Spielausgang ausgang;
        QString satz;
    } faelle[] = {
        {{2, {16, 14}, 0}, QStringLiteral("Anna gewinnt mit 16 zu 14 Punkten!")},
        {{2, {12, 18}, 0}, QStringLiteral("Ben %1 gewinnt mit 18 zu 12 Punkten!")},
        {{2, {15, 15}, 0}, QStringLiteral("Unentschieden – 15 zu 15 Punkte!")},
        {{2, {0, 2}, 0}, QStringLiteral("Ben %1 gewinnt mit 2 zu 0 Punkten!")},
        {{1, {30, 0}, 23}, QStringLiteral("Geschafft in 23 Zügen!")},
        {{1, {2, 0}, 1}, QStringLiteral("Geschafft in 1 Zug!")},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ergebnisSatz(f.ausgang, Namen), f.satz) << qPrintable(f.satz);
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
