#include "board/Speicherbedarf.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

// Every cell keeps a card-size and a large picture at 4 bytes per pixel, counted in 64 bits.
TEST(Speicherbedarf, everyCellKeepsTwoPicturesOfFourBytesPerPixel)
{
    EXPECT_EQ(bilderSpeicherbedarf(30, QSize(66, 88), QSize(504, 672)), 30LL * (66 * 88 + 504 * 672) * 4);
    EXPECT_EQ(bilderSpeicherbedarf(10000, QSize(600, 800), QSize(3000, 4000)),
              10000LL * (600 * 800 + 3000LL * 4000) * 4);
    EXPECT_EQ(bilderSpeicherbedarf(10000, QSize(INT_MAX, INT_MAX), QSize(INT_MAX, INT_MAX)), INT64_MAX)
        << "saturates instead of overflowing";
    EXPECT_EQ(bilderSpeicherbedarf(4, QSize(-5, 10), QSize(2, 2)), 4 * 4 * 4);
}

namespace {

// The 6 x 5 board of 66 x 88 cards in a 1016 x 734 window.
Brettmasse standardBrett()
{
    Brettmasse m;
    m.Fenster = QSize(1016, 734);
    m.Hintergrund = QSize(507, 734);
    m.Muster = QSize(200, 267);
    m.Karte = QSize(66, 88);
    m.Gross = QSize(504, 672);
    m.Zellen = 30;
    return m;
}

} // namespace

// Everything that grows with a setting is counted: the window and its background, the card-back
// pattern, the card-size pictures with two for the card back, the large pictures with two work bitmaps.
TEST(Speicherbedarf, everyItemIsCounted)
{
    const Speicherposten p = speicherposten(standardBrett());
    EXPECT_EQ(p.Fenster, (1016LL * 734 + 507 * 734) * 4);
    EXPECT_EQ(p.Muster, 200LL * 267 * 4);
    EXPECT_EQ(p.Kartenbilder, 32LL * 66 * 88 * 4);
    EXPECT_EQ(p.GrosseBilder, (30LL + 2) * 504 * 672 * 4);
    EXPECT_EQ(p.summe(), p.Fenster + p.Muster + p.Kartenbilder + p.GrosseBilder);

    Brettmasse parallel = standardBrett();
    parallel.Darsteller = 3;
    EXPECT_EQ(speicherposten(parallel).GrosseBilder, (30LL + 3 * 2) * 504 * 672 * 4)
        << "every rendering that runs at once has two work bitmaps";

    Brettmasse riesig = standardBrett();
    riesig.Karte = riesig.Gross = riesig.Muster = QSize(INT_MAX, INT_MAX);
    riesig.Zellen = 10000;
    EXPECT_EQ(speicherposten(riesig).summe(), INT64_MAX) << "saturates instead of overflowing";
}

// A board that fits leaves the message empty, also at exactly 80 % of the available memory.
TEST(Speicherbedarf, aBoardThatFitsGivesNoMessage)
{
    const std::int64_t bedarf = speicherposten(standardBrett()).summe();
    EXPECT_EQ(pruefeArbeitsspeicher(standardBrett(), 1'000'000'000), QString());
    EXPECT_EQ(pruefeArbeitsspeicher(standardBrett(), bedarf / 4 * 5), QString());
    EXPECT_NE(pruefeArbeitsspeicher(standardBrett(), bedarf / 4 * 5 - 5), QString());
    EXPECT_EQ(pruefeArbeitsspeicher(standardBrett(), std::nullopt), QString())
        << "an unknown amount does not stop the game";
}

// A board too large for the memory gets the usual first line, the need, the usable amount, the
// largest item and the settings that make that item smaller.
TEST(Speicherbedarf, aBoardTooLargeNamesItsLargestItemAndTheSetting)
{
    Brettmasse vieleKarten = standardBrett();
    vieleKarten.Zellen = 10000;
    EXPECT_EQ(pruefeArbeitsspeicher(vieleKarten, 4'000'000'000).toStdString(),
              std::string("Nicht genügend Arbeitsspeicher.\n\rMit diesen Einstellungen braucht das Spiel "
                             "etwa 13,8 GB, verfügbar sind etwa 3,2 GB. Der größte Posten: die 10000 großen "
                             "Bilder (504 x 672 Pixel) mit etwa 13,6 GB.\n\rBitte in der Datei \"Paarlix.ini\" "
                             "weniger Karten (Einstellung 3) oder ein kleineres Fenster (Einstellung 1) "
                             "eintragen."));

    Brettmasse grossesFenster = standardBrett();
    grossesFenster.Fenster = QSize(32767, 32767);
    Brettmasse grosseKarten = standardBrett();
    grosseKarten.Karte = QSize(20000, 20000);
    grosseKarten.Zellen = 2;
    Brettmasse langesMuster = standardBrett();
    langesMuster.Muster = QSize(200, 2'000'000);
    struct Fall {
        const char* name;
        Brettmasse m;
        QString teil;
    };
    const Fall faelle[] = {
        {"window", grossesFenster, QStringLiteral("das Fenster mit dem Spielfeldhintergrund mit etwa 4,3 GB.\n\r"
                                                  "Bitte in der Datei \"Paarlix.ini\" ein kleineres Fenster (Einstellung 1) eintragen.")},
        {"cards", grosseKarten, QStringLiteral("die 2 Bilder in Kartengröße (20000 x 20000 Pixel) mit etwa 6,4 GB.\n\r"
                                               "Bitte in der Datei \"Paarlix.ini\" weniger Karten (Einstellung 3) "
                                               "oder kleinere Karten (Einstellung 4) eintragen.")},
        {"pattern", langesMuster, QStringLiteral("das Muster der Kartenrückseite (200 x 2000000 Pixel) mit etwa 1,6 GB.\n\r"
                                                 "Bitte in der Datei \"Paarlix.ini\" ein Seitenverhältnis näher an 1:1 "
                                                 "(Einstellung 2) eintragen.")},
    };
    for (const Fall& f : faelle) {
        const QString text = pruefeArbeitsspeicher(f.m, 1'000'000'000);
        EXPECT_TRUE(text.startsWith(QStringLiteral("Nicht genügend Arbeitsspeicher.\n\r"))) << f.name;
        EXPECT_TRUE(text.endsWith(f.teil)) << f.name << ": " << qPrintable(text);
    }
}
