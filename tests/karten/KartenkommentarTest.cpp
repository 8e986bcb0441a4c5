#include "karten/Kartenkommentar.h"

#include "Neuspielbilder.h"
#include "karten/Namenskarte.h"
#include "karten/Tonkarte.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

// The text and side read back from a card's comments without decoding it: marked text cards of
// each side (line breaks kept), name cards written before the mark by their size in any format,
// photos with a comment as none, and damaged, cut and unopenable files without a fault.
TEST(Kartenkommentar, theTextAndSideAreReadBackFromTheComments)
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
        bool ton = false;
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
        {"a blank text before the mark",
         jpegMitKommentaren(fotoBild.scaled(300, 200), {" \n ", textkartenMarke(Textseite::Erste)}, 90), "", {}},
        {"a wrong mark", jpegMitKommentaren(fotoBild.scaled(300, 200), {"Oma", "Paarlix-Textkarte: 3"}, 90), "Oma", {}},
        {"cut before the mark", erste.left(erste.indexOf("Paarlix-Textkarte") + 5), frage.simplified(), {}},
        {"cut after the mark", erste.left(erste.indexOf("Paarlix-Textkarte") + 20), frage, Textseite::Erste},
        {"sound card", tonkartenJpeg(QStringLiteral("Hund bellt"), 2, Textseite::Erste, {3, 4, false}, 90),
         QStringLiteral("Hund bellt"), {}, true},
        {"sound card at a name card's size", tonkartenJpeg(QStringLiteral("Oma"), 1, Textseite::ZuFoto, {4, 3, false}, 90),
         "Oma", {}, true},
        {"a lone sound mark", jpegMitKommentar(fotoBild.scaled(300, 200), tonkartenMarke(), 90), "Paarlix-Tonkarte", {}},
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
        EXPECT_EQ(k.Tonkarte, f.ton);
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
