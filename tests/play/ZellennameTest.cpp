#include "play/Zellenname.h"

#include <gtest/gtest.h>

TEST(Zellenname, placeIsNamedAsTheBoardLabelsIt)
{
    // The board's column letter, then its row number counted from the bottom.
    struct Fall {
        int zeile, spalte, zeilen;
        const char* koordinate;
    };
    const Fall faelle[] = {
        {0, 0, 3, "A3"}, {2, 0, 3, "A1"}, {1, 1, 3, "B2"}, {0, 25, 1, "Z1"}, {9, 3, 10, "D1"}, {0, 2, 12, "C12"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(zellenKoordinate(f.zeile, f.spalte, f.zeilen), QString::fromLatin1(f.koordinate))
            << f.zeile << "," << f.spalte << " of " << f.zeilen << " rows";
}

TEST(Zellenname, onlyAnOpenCardNamesItsPicture)
{
    // Face down: place and "verdeckt"; open: place and picture; collected: "gesammelt".
    const QString bild = QStringLiteral("Bild 07a");
    EXPECT_EQ(zellenName(QStringLiteral("B3"), Kartenlage::Verdeckt, bild), QStringLiteral("B3, verdeckt"));
    EXPECT_EQ(zellenName(QStringLiteral("B3"), Kartenlage::Aufgedeckt, bild), QStringLiteral("B3, aufgedeckt, Bild 07a"));
    EXPECT_EQ(zellenName(QStringLiteral("B3"), Kartenlage::Aufgedeckt, QStringLiteral("Oma Erna")),
              QStringLiteral("B3, aufgedeckt, Oma Erna"));
    EXPECT_EQ(zellenName(QStringLiteral("B3"), Kartenlage::Gesammelt, bild), QStringLiteral("gesammelt"));
    EXPECT_EQ(zellenName(QStringLiteral("B3"), Kartenlage::Leer, bild), QStringLiteral("gesammelt"));
}

TEST(Zellenname, pictureIsItsFileNameWithoutExtension)
{
    // Pair number with a leading zero below 10, and a or b.
    EXPECT_EQ(bildname(7, false), QStringLiteral("07a"));
    EXPECT_EQ(bildname(7, true), QStringLiteral("07b"));
    EXPECT_EQ(bildname(12, true), QStringLiteral("12b"));
    EXPECT_EQ(bildname(100, false), QStringLiteral("100a"));
    EXPECT_EQ(bildText(QStringLiteral("12b")), QStringLiteral("Bild 12b"));
    // A picture that describes itself is named by its description.
    EXPECT_EQ(bildText(QStringLiteral("12b"), QStringLiteral("Oma Erna")), QStringLiteral("Oma Erna"));
}
