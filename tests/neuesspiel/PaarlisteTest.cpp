#include "neuesspiel/Paarliste.h"

#include "Neuspielbilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void schreibe(const QString& pfad, const QByteArray& daten)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    neuspielbilder::schreibe(pfad, daten);
}

std::string s(const QStringList& l) { return l.join(" | ").toStdString(); }

// The list's files relative to `basis`.
QStringList relativ(const QStringList& pfade, const QString& basis)
{
    QStringList r;
    for (const QString& p : pfade)
        r += QDir(basis).relativeFilePath(p);
    return r;
}

QStringList ausgelassen(const std::vector<Ausgelassen>& liste)
{
    QStringList r;
    for (const Ausgelassen& a : liste)
        r += QFileInfo(a.Pfad).fileName() + " (" + a.Grund + ")";
    return r;
}

QStringList hinweise(const Paarliste& liste)
{
    QStringList r;
    for (int i = 0; i < liste.anzahl(); ++i)
        r += liste.hinweis(i) + (liste.doppelt(i) ? "*" : "");
    return r;
}

} // namespace

// Files and folders come in the order given, a folder's pictures as a file manager sorts them;
// a file already in the list (also under another name) or missing is left out with its reason.
TEST(Paarliste, filesAndFoldersComeInOrderWithoutRepeats)
{
    QTemporaryDir tmp;
    for (const char* datei : {"a.jpg", "B.jpg", "IMG_2041.jpg", "Ordner/Bild 10.png", "Ordner/Bild 9.jpg",
                              "Ordner/notiz.txt", "Leer/notiz.txt"})
        schreibe(tmp.filePath(datei), "x");
    ASSERT_TRUE(QFile::link(tmp.filePath("a.jpg"), tmp.filePath("Ordner/Verweis auf a.jpg")));
    const struct {
        QStringList hinzu;
        const char* fotos;
        const char* namen;
        const char* ausgelassen;
    } schritte[] = {
        {{"a.jpg", "IMG_2041.jpg", "a.jpg"}, "a.jpg | IMG_2041.jpg", "a | ", "a.jpg (schon in der Liste)"},
        {{"Ordner", "fehlt.jpg", "Leer", "./B.jpg"}, "a.jpg | IMG_2041.jpg | Ordner/Bild 9.jpg | Ordner/Bild 10.png | B.jpg",
         "a |  | Bild 9 | Bild 10 | B",
         "Leer (keine Bilder darin) | Ordner/Verweis auf a.jpg (schon in der Liste) | fehlt.jpg (gibt es nicht)"},
        {{}, "a.jpg | IMG_2041.jpg | Ordner/Bild 9.jpg | Ordner/Bild 10.png | B.jpg", "a |  | Bild 9 | Bild 10 | B", ""},
    };
    Paarliste liste;
    for (const auto& schritt : schritte) {
        QStringList pfade;
        for (const QString& p : schritt.hinzu)
            pfade += tmp.filePath(p);
        SCOPED_TRACE(s(schritt.hinzu));
        const std::vector<Ausgelassen> aus = liste.fuegeHinzu(pfade);
        EXPECT_EQ(s(relativ(liste.fotos(), tmp.path())), schritt.fotos);
        EXPECT_EQ(s(liste.namen()), schritt.namen);
        QStringList erwartet = QString::fromUtf8(schritt.ausgelassen).split(" | ", Qt::SkipEmptyParts);
        for (QString& e : erwartet)
            e = QFileInfo(e).fileName();
        EXPECT_EQ(s(ausgelassen(aus)), s(erwartet));
    }
    EXPECT_EQ(liste.ausgelassen().size(), 4u) << "every left-out file is kept";
    EXPECT_EQ(liste.offeneVorschauen(), 5);
    // A removed photo may come again.
    liste.entferne(0);
    EXPECT_TRUE(liste.fuegeHinzu({tmp.filePath("Ordner/Verweis auf a.jpg")}).empty());
}

// Rows are renamed, moved, read, refused and removed; the hints, the rows of the photos'
// numbers and the count of thumbnails still open follow every step.
TEST(Paarliste, rowsMoveAndRemoveWithTheirHintsAndNumbers)
{
    QTemporaryDir tmp;
    QStringList pfade;
    for (const char* datei : {"Anna.jpg", "Ben.jpg", "IMG_0001.jpg", "anna .jpg"}) {
        schreibe(tmp.filePath(datei), "x");
        pfade += tmp.filePath(datei);
    }
    Paarliste liste;
    liste.fuegeHinzu(pfade);
    const std::uint64_t nummerBen = liste.zeile(1).Nummer;
    const std::uint64_t nummerImg = liste.zeile(2).Nummer;
    const std::uint64_t nummerUwe = liste.zeile(3).Nummer;
    const std::function<void()> mitNamen = [&] { liste.setzeMitNamen(true); };
    // "*": the name is marked as another row's.
    const struct {
        const char* schritt;
        std::function<void()> tu;
        const char* namen;
        const char* hinweise;
        int zeileBen;
        int zeileUwe;
        int offen;
    } schritte[] = {
        {"names off: no hints", [] {}, "Anna | Ben |  | anna", " |  |  | ", 1, 3, 4},
        {"names on", mitNamen, "Anna | Ben |  | anna", "Name doppelt* |  | Name fehlt | Name doppelt*", 1, 3, 4},
        {"Ben up", [&] { liste.verschiebe(1, -1); }, "Ben | Anna |  | anna",
         " | Name doppelt* | Name fehlt | Name doppelt*", 0, 3, 4},
        {"no row below the last", [&] { EXPECT_FALSE(liste.verschiebe(3, +1)); }, "Ben | Anna |  | anna",
         " | Name doppelt* | Name fehlt | Name doppelt*", 0, 3, 4},
        {"Ben read", [&] { EXPECT_EQ(liste.vorschauFertig(nummerBen, QSize(40, 30)), 0); }, "Ben | Anna |  | anna",
         " | Name doppelt* | Name fehlt | Name doppelt*", 0, 3, 3},
        {"a name typed", [&] { liste.setzeName(3, "Uwe"); }, "Ben | Anna |  | Uwe", " |  | Name fehlt | ", 0, 3, 3},
        {"the camera photo cannot be read", [&] { EXPECT_EQ(liste.nichtLesbar(nummerImg, "kaputt.\n\nDatei: x"), 2); },
         "Ben | Anna | Uwe", " |  | ", 0, 2, 2},
        {"the first row removed", [&] { liste.entferne(0); }, "Anna | Uwe", " | ", -1, 1, 2},
        {"names off again", [&] { liste.setzeName(1, "anna"); liste.setzeMitNamen(false); }, "Anna | anna", " | ", -1, 1, 2},
    };
    for (const auto& schritt : schritte) {
        SCOPED_TRACE(schritt.schritt);
        schritt.tu();
        EXPECT_EQ(s(liste.namen()), schritt.namen);
        EXPECT_EQ(s(hinweise(liste)), schritt.hinweise);
        EXPECT_EQ(liste.zeileVon(nummerBen), schritt.zeileBen);
        EXPECT_EQ(liste.zeileVon(nummerUwe), schritt.zeileUwe);
        EXPECT_EQ(liste.offeneVorschauen(), schritt.offen);
    }
    EXPECT_EQ(liste.zeileVon(nummerImg), -1);
    EXPECT_EQ(liste.ausgelassenKurz(3).toStdString(), "Nicht aufgenommen: IMG_0001.jpg (kaputt. Datei: x)") << "one line";
    EXPECT_EQ(liste.vorschauFertig(nummerImg, QSize(1, 1)), -1) << "a thumbnail of a row that is gone";
    EXPECT_EQ(liste.zeile(1).ausrichtung(), Ausrichtung::Unbekannt);
}

// The game goes into a new or empty folder whose name can be a folder's; nothing is said about
// the name before the first photo. The list can be written when every photo is read, the board
// is good and the target free; "Nicht aufgenommen" shows three lines and counts the rest.
TEST(Paarliste, targetWritingAndLeftOutFilesAreAnswered)
{
    QTemporaryDir tmp;
    schreibe(tmp.filePath("Spiele/Voll/a.txt"), "x");
    schreibe(tmp.filePath("Spiele/Datei"), "x");
    schreibe(tmp.filePath("Spiele/Versteckt/.entwurf"), "x");
    QDir().mkpath(tmp.filePath("Spiele/Leer"));
    const QString spiele = tmp.filePath("Spiele");
    const struct {
        const char* name;
        bool mitFoto;
        bool geht;
        QString text;
    } ziele[] = {
        {"", false, false, ""},
        {"", true, false, "Bitte einen Namen für das Spiel eingeben."},
        {"a/b", false, false, "Der Name „a/b“ geht nicht als Ordnername (kein „/“ und kein Punkt am Anfang)."},
        {"Neu ", false, true, "Das Spiel wird angelegt in „" + spiele + "/Neu“."},
        {"Leer", false, true, "Das Spiel wird angelegt in „" + spiele + "/Leer“."},
        {"Voll", false, false, "„" + spiele + "/Voll“ gibt es schon. Bitte einen anderen Namen für das Spiel wählen."},
        {"Datei", false, false, "„" + spiele + "/Datei“ gibt es schon. Bitte einen anderen Namen für das Spiel wählen."},
        {"Versteckt", false, false, "„" + spiele + "/Versteckt“ gibt es schon. Bitte einen anderen Namen für das Spiel wählen."},
    };
    schreibe(tmp.filePath("a.jpg"), "x");
    Paarliste leer;
    Paarliste eins;
    eins.fuegeHinzu({tmp.filePath("a.jpg")});
    for (const auto& z : ziele) {
        SCOPED_TRACE(z.name);
        const Zielpruefung p = (z.mitFoto ? eins : leer).pruefeZiel(spiele, QString::fromUtf8(z.name));
        EXPECT_EQ(p.Geht, z.geht);
        EXPECT_EQ(p.Text.toStdString(), z.text.toStdString());
    }

    const Brettvorschau gut{true, 2, 2, {}, {}};
    const Zielpruefung frei{true, {}, {}};
    EXPECT_FALSE(eins.schreibbar(gut, frei)) << "a thumbnail is still open";
    eins.vorschauFertig(eins.zeile(0).Nummer, QSize(4, 3));
    EXPECT_TRUE(eins.schreibbar(gut, frei));
    EXPECT_FALSE(eins.schreibbar(Brettvorschau{}, frei));
    EXPECT_FALSE(eins.schreibbar(gut, Zielpruefung{}));

    const struct {
        int fehlend;
        const char* kurz;
    } ausgelassen[] = {
        {0, ""},
        {1, "Nicht aufgenommen: 1.jpg (gibt es nicht)"},
        {4, "Nicht aufgenommen: 1.jpg (gibt es nicht)\n2.jpg (gibt es nicht)\n3.jpg (gibt es nicht)\n4.jpg (gibt es nicht)"},
        {41, "Nicht aufgenommen: 1.jpg (gibt es nicht)\n2.jpg (gibt es nicht)\n3.jpg (gibt es nicht)\n… und 38 weitere"},
    };
    for (const auto& a : ausgelassen) {
        SCOPED_TRACE(a.fehlend);
        Paarliste liste;
        QStringList pfade;
        for (int i = 1; i <= a.fehlend; ++i)
            pfade += tmp.filePath(QStringLiteral("%1.jpg").arg(i));
        liste.fuegeHinzu(pfade);
        EXPECT_EQ(liste.ausgelassenKurz(3).toStdString(), a.kurz);
        EXPECT_EQ(liste.ausgelassenAlle().count('\n'), std::max(0, a.fehlend - 1));
    }
}

// The board line as the list sees it: the count of rows and the card format of the photos read
// so far decide it, on the screen given.
TEST(Paarliste, theBoardFollowsTheRowsAndTheirOrientation)
{
    QTemporaryDir tmp;
    const struct {
        const char* fall;
        int quer;
        int hoch;
        int offen;
        const char* text;
    } faelle[] = {
        {"six landscape photos: 4:3 cards", 6, 0, 0, "6 Paare → 3 × 4 Karten, je 200 × 150 Pixel auf diesem Bildschirm"},
        {"six portrait photos: 3:4 cards", 0, 6, 0, "6 Paare → 4 × 3 Karten, je 150 × 200 Pixel auf diesem Bildschirm"},
        {"half and half: square cards", 3, 3, 0, "6 Paare → 3 × 4 Karten, je 171 × 171 Pixel auf diesem Bildschirm"},
        {"photos not read yet do not count", 4, 1, 1, "6 Paare → 3 × 4 Karten, je 200 × 150 Pixel auf diesem Bildschirm"},
        {"a count without a good board", 17, 0, 0, "17 Fotos ergeben 34 Karten"},
        {"one photo", 1, 0, 0, "1 Foto – für ein Spiel werden mindestens 2 gebraucht."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        Paarliste liste;
        QStringList pfade;
        for (int i = 0; i < f.quer + f.hoch + f.offen; ++i) {
            pfade += tmp.filePath(QStringLiteral("%1.jpg").arg(i));
            schreibe(pfade.last(), "x");
        }
        liste.fuegeHinzu(pfade);
        for (int i = 0; i < f.quer + f.hoch; ++i)
            liste.vorschauFertig(liste.zeile(i).Nummer, i < f.quer ? QSize(4000, 3000) : QSize(3000, 4000));
        const Brettvorschau b = brettvorschau(liste.brettfrage(QSize(1366, 768)));
        EXPECT_TRUE(b.Text.startsWith(QString::fromUtf8(f.text))) << b.Text.toStdString();
    }
}
