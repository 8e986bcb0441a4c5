#include "play/Gruppentexte.h"

#include <gtest/gtest.h>

TEST(Gruppentexte, pointsHaveNoSingular)
{
    // "<points> Punkte", also for 2 points.
    EXPECT_EQ(punkteText(0), QStringLiteral("0 Punkte"));
    EXPECT_EQ(punkteText(2), QStringLiteral("2 Punkte"));
    EXPECT_EQ(punkteText(6), QStringLiteral("6 Punkte"));
}

TEST(Gruppentexte, moveCounterUsesSingularForOneMove)
{
    // "(1 Spielzug)", otherwise "(<n> Spielzüge)".
    EXPECT_EQ(zuegeText(1), QStringLiteral("(1 Spielzug)"));
    EXPECT_EQ(zuegeText(2).toUtf8(), QByteArray("(2 Spielz\xc3\xbcge)"));
    EXPECT_EQ(zuegeText(11).toUtf8(), QByteArray("(11 Spielz\xc3\xbcge)"));
}
