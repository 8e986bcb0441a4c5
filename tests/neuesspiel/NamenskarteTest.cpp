#include "neuesspiel/Namenskarte.h"

#include "Neuspielbilder.h"
#include "neuesspiel/Brettwahl.h"
#include "neuesspiel/Fotoliste.h"
#include "neuesspiel/Kartenkommentar.h"
#include "neuesspiel/Textkarte.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

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

// The text and side read back from a card's comments without decoding it: marked text cards of
// each side (line breaks kept), name cards written before the mark by their size in any format,
// photos with a comment as none, and damaged, cut and unopenable files without a fault.
TEST(Textkarte, theTextAndSideAreReadBackFromTheComments)
{
    using neuspielbilder::jpeg;
    const QString frage = QStringLiteral("Hauptstadt von\nFrankreich?");
    const QByteArray erste = textkartenJpeg(frage, 3, Textseite::Erste, {3, 4, false}, 90);
    const QByteArray foto = jpeg(Qt::red, 800, 600);
    const QImage fotoBild = QImage::fromData(foto);
    // A start marker, fill bytes, a comment, then a segment cut short.
    const QByteArray kaputt = QByteArray("\xFF\xD8\xFF\xFF\xFE\x00\x05Oma\xFF\xE1\x10\x00Exif", 18);
    struct Fall {
        const char* was;
        QByteArray datei;
        QString text;
        std::optional<Textseite> seite;
    };
    const std::vector<Fall> faelle = {
        {"first card", erste, frage, Textseite::Erste},
        {"second card", textkartenJpeg(QStringLiteral("Paris"), 3, Textseite::Zweite, {4, 3, false}, 90),
         QStringLiteral("Paris"), Textseite::Zweite},
        {"name card", textkartenJpeg(QStringLiteral("Oma Erna"), 1, Textseite::ZuFoto, {1, 1, true}, 90),
         QStringLiteral("Oma Erna"), Textseite::ZuFoto},
        {"text card of another size", jpegMitKommentaren(fotoBild.scaled(300, 200), {"Ä\nB", textkartenMarke(Textseite::Zweite)}, 90),
         QStringLiteral("Ä\nB"), Textseite::Zweite},
        {"old name card 3:4", jpegMitKommentar(zeichneNamenskarte("Ben", 1, {3, 4, false}), "Ben", 90), "Ben",
         Textseite::ZuFoto},
        {"old name card 4:3", jpegMitKommentar(fotoBild, QStringLiteral("Oma"), 90), "Oma", Textseite::ZuFoto},
        {"old name card 1:1", jpegMitKommentar(fotoBild.scaled(800, 800), QStringLiteral("Opa"), 90), "Opa",
         Textseite::ZuFoto},
        {"photo with a comment", jpegMitKommentar(fotoBild.scaled(801, 600), QStringLiteral("Oma"), 90), "Oma", {}},
        {"photo with Qt's comment", jpegMitKommentar(fotoBild.scaled(640, 480), QStringLiteral("Description: Ostsee"), 90),
         "Ostsee", {}},
        {"camera default at card size", jpegMitKommentar(fotoBild, QStringLiteral("SONY DSC"), 90), "", {}},
        {"photo at card size without comment", foto, "", {}},
        {"a lone mark", jpegMitKommentar(fotoBild.scaled(300, 200), textkartenMarke(Textseite::Erste), 90),
         QString::fromLatin1(textkartenMarke(Textseite::Erste)), {}},
        {"a wrong mark", jpegMitKommentaren(fotoBild.scaled(300, 200), {"Oma", "Paarlix-Textkarte: 3"}, 90), "Oma", {}},
        {"cut before the mark", erste.left(erste.indexOf("Paarlix-Textkarte") + 5), frage.simplified(), {}},
        {"cut after the mark", erste.left(erste.indexOf("Paarlix-Textkarte") + 20), frage, Textseite::Erste},
        {"damaged", kaputt, "Oma", {}},
        {"no JPEG", QByteArray("GIF89a"), "", {}},
        {"empty", QByteArray(), "", {}},
    };
    QTemporaryDir ordner;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const QString pfad = ordner.filePath(QStringLiteral("karte.jpg"));
        neuspielbilder::schreibe(pfad, f.datei);
        const Kartenkommentar k = leseKartenkommentar(pfad);
        EXPECT_EQ(k.Text, f.text);
        EXPECT_EQ(k.Textkarte, f.seite);
    }
    // Every cut through a card's markers is read without a fault.
    for (qsizetype n = 0; n < erste.indexOf("Paarlix-Textkarte") + 80; ++n) {
        neuspielbilder::schreibe(ordner.filePath(QStringLiteral("kurz.jpg")), erste.left(n));
        const Kartenkommentar k = leseKartenkommentar(ordner.filePath(QStringLiteral("kurz.jpg")));
        EXPECT_TRUE(!k.Textkarte || k.Text == frage) << n;
    }
    // Neither a missing file, a folder nor a FIFO (which would block a plain open) gives anything.
    const QString fifo = ordner.filePath(QStringLiteral("fifo.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& pfad : {ordner.filePath(QStringLiteral("fehlt.jpg")), ordner.path(), fifo})
        EXPECT_EQ(leseKartenkommentar(pfad), Kartenkommentar()) << pfad.toStdString();
}
