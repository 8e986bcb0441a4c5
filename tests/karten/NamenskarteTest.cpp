#include "karten/Namenskarte.h"

#include "Neuspielbilder.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One font size per card, the largest at which the name fits in three lines broken at blanks and
// after hyphens; a word too long even for 83 pixels is cut with a hyphen. Names of up to 20
// characters stay at least 12 pixels high on a card shown 87 x 116 pixels.
TEST(Namenskarte, aNameGetsTheLargestSizeAtWhichItFitsInThreeLines)
{
    struct Fall {
        const char* name;
        int pixel;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"Ben", 120, {"Ben"}},
        {"Oma Erna", 120, {"Oma", "Erna"}},
        {"Maximilian Schneider", 92, {"Maximilian", "Schneider"}},
        {"Konstantin Oberhuber", 91, {"Konstantin", "Oberhuber"}},
        {"Anna-Lena Wunderlich", 88, {"Anna-Lena", "Wunderlich"}},
        {"Kindergartenfreundin", 120, {"Kinder-", "gartenf-", "reundin"}},
        {"Anna-Lena Müller-Lüdenscheidt", 74, {"Anna-Lena", "Müller-", "Lüdenscheidt"}},
        {"Bartholomäus Zimmermann", 71, {"Bartholomäus", "Zimmermann"}},
        {"Donaudampfschifffahrtsgesellschaftskapitän", 64, {"Donaudampfsc-", "hifffahrtsgesel-", "lschaftskapitän"}},
    };
    for (const Fall& f : faelle) {
        const QString name = QString::fromUtf8(f.name);
        const Namenssatz satz = setzeNamen(name, QSize(600, 800));
        EXPECT_EQ(satz.Pixel, f.pixel) << f.name;
        EXPECT_EQ(satz.Zeilen, f.zeilen) << f.name << ": " << satz.Zeilen.join('|').toStdString();
        if (name.size() <= 20) {
            EXPECT_GE(satz.Pixel * 116 / 800, 12) << f.name;
        }
    }
    // A cut leaves no line of one or two letters.
    EXPECT_EQ(setzeNamen(QStringLiteral("Kindergartenfreundin"), QSize(800, 600)).Zeilen,
              (QStringList{"Kindergar-", "tenfreun-", "din"}));
    EXPECT_EQ(namenskartenGroesse({4, 3, false}), QSize(800, 600));
    EXPECT_EQ(namenskartenGroesse({1, 1, true}), QSize(800, 800));
}

// The name card's JPEG carries the name as its comment, where Qt's reader finds it too.
TEST(Namenskarte, theJpegCarriesTheNameAsComment)
{
    const QString name = QStringLiteral("Oma Erna – die Älteste");
    QByteArray jpeg = jpegMitKommentar(zeichneNamenskarte(name, 3, {4, 3, true}), name, 90);
    QBuffer puffer(&jpeg);
    QImageReader leser(&puffer, "jpeg");
    const QImage bild = leser.read();
    EXPECT_EQ(bild.size(), QSize(800, 600));
    EXPECT_TRUE(jpeg.contains(name.toUtf8()));
    EXPECT_EQ(bild.text(QStringLiteral("Description")), name);
}

// The game's own decode of a name or text card gives the screen reader its text, on one line.
TEST(Namenskarte, theGameReadsTheNameAsThePicturesDescription)
{
    struct Fall {
        QByteArray jpeg;
        const char* beschreibung;
    };
    const QString name = QStringLiteral("Oma Erna – die Älteste");
    const Fall faelle[] = {
        {jpegMitKommentar(zeichneNamenskarte(name, 1, {3, 4, false}), name, 90), "Oma Erna – die Älteste"},
        {textkartenJpeg(QStringLiteral("Hauptstadt von\nFrankreich?"), 2, Textseite::Erste, {4, 3, false}, 90),
         "Hauptstadt von Frankreich?"},
        {textkartenJpeg(QStringLiteral("Paris"), 2, Textseite::Zweite, {1, 1, false}, 90), "Paris"},
    };
    QTemporaryDir ordner;
    for (const Fall& f : faelle) {
        const QString pfad = ordner.filePath(QStringLiteral("01b.jpg"));
        neuspielbilder::schreibe(pfad, f.jpeg);
        JpegDekodierer dekodierer;
        Arbeitsbitmap bild;
        dekodierer.dekodiere(pfad, bild);
        EXPECT_EQ(dekodierer.beschreibung(), QString::fromUtf8(f.beschreibung));
    }
}
