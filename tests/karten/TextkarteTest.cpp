#include "karten/Textkarte.h"

#include "board/Brettwahl.h"
#include "neuesspiel/Brettvorschau.h"

#include <QImage>
#include <gtest/gtest.h>

// Sentences get up to five lines in one size, the largest that fits; typed line breaks stay
// (Windows' too, and an empty line); a long word is cut as in names.
TEST(Textkarte, aTextGetsOneSizeInAtMostFiveLinesKeepingTypedBreaks)
{
    struct Fall {
        const char* text;
        QSize groesse;
        int pixel;
        QStringList zeilen;
    };
    const QSize hoch(600, 800), quer(800, 600);
    const Fall faelle[] = {
        {"7", hoch, 120, {"7"}},
        {"3 + 4", quer, 120, {"3 + 4"}},
        {"Hauptstadt von Frankreich?", hoch, 85, {"Hauptstadt", "von", "Frankreich?"}},
        {"Hauptstadt von Frankreich?", quer, 114, {"Hauptstadt", "von", "Frankreich?"}},
        {"Anna Lena Marie Müller", hoch, 120, {"Anna", "Lena", "Marie", "Müller"}},
        {"Wie heißt die Hauptstadt von Frankreich?", quer, 96, {"Wie heißt die", "Hauptstadt", "von", "Frankreich?"}},
        {"Äpfel, Birnen und Pflaumen für Großmütter", quer, 96, {"Äpfel, Birnen", "und Pflaumen", "für", "Großmütter"}},
        {"Welches Tier schläft im Winter und sammelt im Herbst Nüsse?", hoch, 69,
         {"Welches Tier", "schläft im", "Winter und", "sammelt im", "Herbst Nüsse?"}},
        {"Die Donaudampfschifffahrtsgesellschaft fährt auf der Donau", quer, 76,
         {"Die", "Donaudampfschi-", "fffahrtsgesellsch-", "aft fährt auf der", "Donau"}},
        {"Ein sehr langer Satz mit vielen kurzen Wörtern, der über fünf Zeilen gehen würde, wenn er nur lang "
         "genug wäre und noch länger", quer, 46,
         {"Ein sehr langer Satz mit", "vielen kurzen Wörtern, der", "über fünf Zeilen gehen", "würde, wenn er nur lang",
          "genug wäre und noch länger"}},
        {"Hund\ndog", quer, 120, {"Hund", "dog"}},
        {"  Hund\r\ndog\n", quer, 120, {"Hund", "dog"}},
        {"Erste Zeile\n\nDritte Zeile", quer, 117, {"Erste Zeile", "", "Dritte Zeile"}},
        {"Eins\nZwei\nDrei\nVier\nFünf\nSechs", quer, 64, {"Eins", "Zwei", "Drei", "Vier", "Fünf", "Sechs"}},
    };
    for (const Fall& f : faelle) {
        const Namenssatz satz = setzeText(QString::fromUtf8(f.text), f.groesse);
        EXPECT_EQ(satz.Pixel, f.pixel) << f.text;
        EXPECT_EQ(satz.Zeilen, f.zeilen) << f.text << ": " << satz.Zeilen.join('|').toStdString();
        EXPECT_FALSE(setztMindestens(QString::fromUtf8(f.text), f.groesse, f.pixel + 1)) << f.text;
    }
}

// On the reference screen, a board of 15 pairs (a class) shows a sentence of up to 60
// characters at least MinNamenPixel high in every card format.
TEST(Textkarte, aSentenceOfSixtyCharactersStaysReadableOnTheReferenceBoard)
{
    const char* saetze[] = {
        "Welches Tier schläft im Winter und sammelt im Herbst Nüsse?",
        "Wer hat die Glühbirne erfunden? Thomas Alva Edison, 1879",
        "Die Donaudampfschifffahrtsgesellschaft fährt auf der Donau",
        "Wie viele Beine hat eine Spinne, wie viele hat ein Käfer?",
    };
    for (const Kartenformat format : {Kartenformat{3, 4}, Kartenformat{4, 3}, Kartenformat{1, 1}}) {
        const QSize karte = namenskartenGroesse(format);
        const int hoehe = waehleBrettMitLuecken(15, format, Bezugsbildschirm).Karte.height();
        for (const char* satz : saetze) {
            ASSERT_LE(QString::fromUtf8(satz).size(), 60) << satz;
            const int pixel = setzeText(QString::fromUtf8(satz), karte).Pixel * hoehe / karte.height();
            EXPECT_GE(pixel, MinNamenPixel) << format.FormatX << ":" << format.FormatY << " " << satz;
        }
    }
}

// The two sides of text-text pairs: a plain pale background, cool for the first card and warm
// for the second, the same for every pair; the text dark on it. A name card keeps its pair's hue.
TEST(Textkarte, theSidesOfATextPairShowInAPlainBackground)
{
    const QImage erste = zeichneTextkarte(QStringLiteral("3 + 4"), 1, Textseite::Erste, {4, 3, false});
    const QImage zweite = zeichneTextkarte(QStringLiteral("7"), 1, Textseite::Zweite, {4, 3, false});
    const QImage andere = zeichneTextkarte(QStringLiteral("Hund"), 9, Textseite::Erste, {4, 3, false});
    ASSERT_EQ(erste.size(), QSize(800, 600));
    const QRgb kuehl = erste.pixel(5, 5), warm = zweite.pixel(5, 5);
    EXPECT_GT(qBlue(kuehl), qRed(kuehl));
    EXPECT_GT(qRed(warm), qBlue(warm));
    for (const QRgb p : {kuehl, warm})
        EXPECT_GT(qGray(p), 225);
    EXPECT_EQ(erste.pixel(5, 5), erste.pixel(795, 595));
    EXPECT_EQ(andere.pixel(5, 5), kuehl);
    EXPECT_LT(qGray(zweite.pixel(400, 300)), 120);
    EXPECT_NE(zeichneTextkarte(QStringLiteral("Ben"), 1, Textseite::ZuFoto).pixel(5, 5),
              zeichneTextkarte(QStringLiteral("Ben"), 2, Textseite::ZuFoto).pixel(5, 5));
    EXPECT_TRUE(textkartenJpeg(QStringLiteral(" \n "), 1, Textseite::Erste, {}, 90).isEmpty());
}
