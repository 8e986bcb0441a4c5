#include "neuesspiel/Spielschreiber.h"

#include "Neuspielbilder.h"
#include "board/Bildschirmaufteilung.h"
#include "board/Einstellungsleser.h"
#include "board/Einstellungsvorlage.h"
#include "neuesspiel/Entwurf.h"
#include "neuesspiel/Paarliste.h"
#include "karten/Kartenkommentar.h"
#include "karten/Tonkarte.h"
#include "toene/Tonleser.h"
#include "neuesspiel/Spielleser.h"
#include "pictures/Bildbeschreibung.h"
#include "pictures/Testbilder.h"
#include "support/Bildvergleich.h"
#include "support/Farben.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace neuspielbilder;

void PrintTo(Schreibergebnis::Ausgang art, std::ostream* os)
{
    static const char* const namen[] = {"Geschrieben", "Abgelehnt", "Abgebrochen", "Fehlgeschlagen"};
    *os << namen[int(art)];
}

namespace {

using Ausgang = Schreibergebnis::Ausgang;

struct Lauf {
    Ausgang art = Ausgang::Fehlgeschlagen;
    int status = -1;
    QStringList ausgabe;
    QString fehler;
};

Lauf schreibe(const NeuesSpiel& auftrag)
{
    const Schreibergebnis e = schreibeNeuesSpiel(auftrag);
    return {e.Art, e.status(), e.Zusammenfassung, e.Meldung};
}

Lauf schreibe(const QString& ziel, const QStringList& bilder, bool mitNamen = false,
             std::function<bool()> abgebrochen = {}, std::function<void(int, int, const QString&)> fortschritt = {})
{
    return schreibe({ziel, bilder, mitNamen, QStringLiteral("paarlix"), abgebrochen, fortschritt});
}

ino_t inode(const QString& pfad)
{
    struct stat info {};
    return stat(pfad.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
}

QStringList inhalt(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Every file below `ordner` with its bytes.
QMap<QString, QByteArray> schnappschuss(const QString& ordner)
{
    QMap<QString, QByteArray> dateien;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        dateien.insert(pfad.mid(ordner.size()), lies(pfad));
    }
    return dateien;
}

Kartenangabe foto(const QString& pfad, const QString& herkunft = {})
{
    return {pfad, {}, {}, herkunft};
}

Kartenangabe text(const QString& t, const QString& herkunft = {})
{
    return {{}, t, {}, herkunft};
}

Kartenangabe mitTon(Kartenangabe karte, const QString& ton, const QString& name = {})
{
    karte.Ton = ton;
    karte.Tonname = name;
    return karte;
}

// What leseSpiel gives for a pair written as `paar` in `ziel` as pair `k`.
Paarangabe gelesen(const Paarangabe& paar, const QString& ziel, int k)
{
    const auto karte = [&](const Kartenangabe& c, char seite) {
        const QString datei = ziel + QStringLiteral("/%1%2.").arg(k, 2, 10, QLatin1Char('0')).arg(seite);
        if (c.istNurTon())
            return mitTon({}, datei + "ogg", tonkartenName(c.Ton, c.Tonname));
        const Kartenangabe k = c.istFoto() ? foto(datei + "jpg") : text(ohneFormatzeichen(c.Text).trimmed());
        return c.Ton.isEmpty() ? k : mitTon(k, datei + "ogg");
    };
    const bool einFoto = paar.Zweite.leer() || (paar.Zweite.istFoto() && QDir::cleanPath(paar.Zweite.Foto) == QDir::cleanPath(paar.Erste.Foto));
    return {karte(paar.Erste, 'a'), einFoto ? Kartenangabe{} : karte(paar.Zweite, 'b')};
}

} // namespace

// JPEG files are copied byte for byte, with or without an orientation tag; a PNG becomes a JPEG
// with its transparent part white; both cards of a pair are one file linked twice; the folder
// holds the settings for the chosen board and card format (two landscape photos and one turned
// upright by its tag: 4:3, fitted), the card-back overlay and the pictures, and nothing is left
// beside it.
TEST(Spielschreiber, writesACompleteGameFromJpegAndPng)
{
    QTemporaryDir tmp;
    const QString quellen = tmp.filePath(QStringLiteral("fotos"));
    QDir().mkpath(quellen);
    const QByteArray rot = jpeg(Qt::red, 40, 30);
    const QByteArray gedreht = jpeg(Qt::green, 40, 30, 6);
    schreibe(quellen + "/Oma Erna.jpg", rot);
    schreibe(quellen + "/Opa.JPEG", gedreht);
    schreibe(quellen + "/Katze.png", pngHalbDurchsichtig(Qt::blue, 40, 30));
    const QString ziel = tmp.filePath(QStringLiteral("spiel"));
    QDir().mkdir(ziel); // an empty folder may be the target, and stays the same folder
    struct stat vorher {};
    ASSERT_EQ(stat(ziel.toLocal8Bit().constData(), &vorher), 0);

    const Lauf lauf = schreibe(ziel, {quellen + "/Oma Erna.jpg", quellen + "/Opa.JPEG", quellen + "/Katze.png"});
    ASSERT_EQ(lauf.art, Ausgang::Geschrieben) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.status, 0);
    EXPECT_TRUE(lauf.fehler.isEmpty());
    EXPECT_EQ(inhalt(tmp.path()), (QStringList{"fotos", "spiel"}));
    struct stat nachher {};
    ASSERT_EQ(stat(ziel.toLocal8Bit().constData(), &nachher), 0);
    EXPECT_EQ(nachher.st_ino, vorher.st_ino);
    EXPECT_EQ(inhalt(ziel), (QStringList{"01a.jpg", "01b.jpg", "02a.jpg", "02b.jpg", "03a.jpg", "03b.jpg",
                                         "Kartentext.bmp", "Paarlix.ini"}));
    EXPECT_EQ(lies(ziel + "/01a.jpg"), rot);
    EXPECT_EQ(lies(ziel + "/01b.jpg"), rot);
    EXPECT_EQ(lies(ziel + "/02a.jpg"), gedreht);
    EXPECT_EQ(lies(ziel + "/02b.jpg"), gedreht);
    for (const char* paar : {"/01", "/02", "/03"})
        EXPECT_EQ(inode(ziel + paar + "a.jpg"), inode(ziel + paar + "b.jpg")) << paar;
    for (const char* name : {"/03a.jpg", "/03b.jpg"}) {
        const QByteArray daten = lies(ziel + name);
        EXPECT_TRUE(daten.startsWith("\xFF\xD8\xFF")) << name;
        const QImage bild = QImage::fromData(daten, "JPG");
        ASSERT_EQ(bild.size(), QSize(40, 30)) << name;
        EXPECT_TRUE(aehnlich(bild.pixelColor(30, 15), Qt::blue, 10)) << name;
        EXPECT_TRUE(aehnlich(bild.pixelColor(5, 15), Qt::white, 10)) << name;
    }
    const Einstellungsergebnis e = leseEinstellungen(lies(ziel + "/Paarlix.ini"));
    EXPECT_FALSE(e.EinstellungsFehler);
    EXPECT_EQ(e.Werte.Spalten, 2);
    EXPECT_EQ(e.Werte.Zeilen, 3);
    EXPECT_EQ(e.Werte.FormatX, 4);
    EXPECT_EQ(e.Werte.FormatY, 3);
    EXPECT_FALSE(e.Werte.BilderSchneiden);
    EXPECT_FALSE(QImage(ziel + "/Kartentext.bmp", "BMP").isNull());

    ASSERT_EQ(lauf.ausgabe.size(), 4);
    EXPECT_EQ(lauf.ausgabe[0], quellen + "/Oma Erna.jpg → 01a.jpg und 01b.jpg");
    EXPECT_EQ(lauf.ausgabe[2], quellen + "/Katze.png → 03a.jpg und 03b.jpg (in JPEG umgewandelt)");
    EXPECT_EQ(lauf.ausgabe[3], QStringLiteral("Fertig: 3 Paare auf 2 × 3 Karten (je 308 × 231 Pixel auf einem "
                                              "Bildschirm von 1366 × 768), Querformat 4:3, ganz gezeigt, in „%1“. "
                                              "Starten mit: paarlix %1")
                                   .arg(ziel))
        << lauf.ausgabe[3].toStdString();
}

// With names, the second picture of a pair is a card with the name in the photos' format (4:3
// here), not the photo, that carries the name as its JPEG comment for a screen reader; a target
// with a blank in its name is quoted for the shell in the last line.
TEST(Spielschreiber, withNamesTheSecondPictureIsANameCard)
{
    QTemporaryDir tmp;
    const QByteArray foto = jpeg(Qt::red, 40, 30);
    schreibe(tmp.filePath("Oma Erna.jpg"), foto);
    schreibe(tmp.filePath("Ben.jpg"), jpeg(Qt::yellow, 40, 30));
    const QString ziel = tmp.filePath(QStringLiteral("Unser Spiel"));

    const Lauf lauf = schreibe(ziel, {tmp.filePath("Oma Erna.jpg"), tmp.filePath("Ben.jpg")}, true);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lies(ziel + "/01a.jpg"), foto);
    const QImage karte(ziel + "/01b.jpg", "JPG");
    EXPECT_EQ(karte.size(), QSize(800, 600));
    EXPECT_TRUE(lies(ziel + "/01b.jpg").contains(QByteArray("\xFF\xFE\x00\x0A" "Oma Erna", 12)));
    EXPECT_NE(karte, QImage(ziel + "/02b.jpg", "JPG"));
    EXPECT_EQ(lauf.ausgabe.value(0), tmp.filePath("Oma Erna.jpg") + QStringLiteral(" → 01a.jpg, Namenskarte „Oma Erna“ → 01b.jpg"));
    EXPECT_TRUE(lauf.ausgabe.value(2).endsWith(QStringLiteral("Starten mit: paarlix '%1'").arg(ziel)));
    // Opened for editing, the name cards are the rows' names, the quick setting on: a photo added
    // later gets its name card too.
    const Spielinhalt gelesen = leseSpiel(ziel);
    EXPECT_TRUE(gelesen.MitNamen);
    Paarliste liste;
    liste.setzeMitNamen(gelesen.MitNamen);
    liste.fuegeSpielHinzu(gelesen.Paare);
    liste.fuegeHinzu({tmp.filePath("Ben.jpg")});
    ASSERT_EQ(liste.anzahl(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(liste.zeile(i).Zweite, Zweitart::Name) << i;
    EXPECT_EQ(liste.namen(), (QStringList{"Oma Erna", "Ben", "Ben"}));

    // Names typed in the new-game window replace the file names.
    NeuesSpiel auftrag{tmp.filePath("Getippt"), {tmp.filePath("Oma Erna.jpg"), tmp.filePath("Ben.jpg")}, true};
    auftrag.Namen = QStringList{" Oma ", "Benjamin"};
    const Lauf getippt = schreibe(auftrag);
    ASSERT_EQ(getippt.status, 0) << getippt.fehler.toStdString();
    EXPECT_TRUE(getippt.ausgabe.value(0).endsWith(QStringLiteral("Namenskarte „Oma“ → 01b.jpg")));
    EXPECT_TRUE(getippt.ausgabe.value(1).endsWith(QStringLiteral("Namenskarte „Benjamin“ → 02b.jpg")));
}

// From 20 pictures on, every line counts how far the writing has come; the progress callback
// hears of each picture with its line.
TEST(Spielschreiber, manyPicturesShowAProgressCount)
{
    QTemporaryDir tmp;
    QStringList bilder;
    for (int i = 1; i <= 20; ++i) {
        bilder += tmp.filePath(QStringLiteral("b%1.jpg").arg(i));
        schreibe(bilder.last(), jpeg(QColor::fromHsv(i * 17, 200, 200), 8, 8));
    }
    QList<QPair<int, int>> gemeldet;
    QStringList zeilen;
    NeuesSpiel auftrag{tmp.filePath("spiel"), bilder};
    auftrag.Fortschritt = [&](int erledigt, int gesamt, const QString& zeile) {
        gemeldet.append({erledigt, gesamt});
        zeilen += zeile;
    };
    const Lauf lauf = schreibe(auftrag);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    ASSERT_EQ(gemeldet.size(), 20);
    EXPECT_EQ(gemeldet.first(), qMakePair(1, 20));
    EXPECT_EQ(gemeldet.last(), qMakePair(20, 20));
    ASSERT_EQ(lauf.ausgabe.size(), 21);
    EXPECT_EQ(zeilen, lauf.ausgabe.mid(0, 20));
    EXPECT_TRUE(lauf.ausgabe[0].startsWith("[ 1/20] ")) << lauf.ausgabe[0].toStdString();
    EXPECT_TRUE(lauf.ausgabe[19].startsWith("[20/20] ")) << lauf.ausgabe[19].toStdString();
    EXPECT_TRUE(lauf.ausgabe[20].startsWith("Fertig: 20 Paare auf 6 × 7 Feldern, 2 bleiben frei (je 93 × 93 Pixel"))
        << lauf.ausgabe[20].toStdString();
    EXPECT_TRUE(lauf.ausgabe[20].contains("quadratisch 1:1, zugeschnitten"));
}

// Every count fits: the board with the largest cards, its empty places left at the end by the
// twelfth setting; above the largest count, or when asked, each round draws some of all pairs,
// all of which are written. A count that fills the board writes the eleven settings alone. The
// card size printed is the one the game's layout gives the written settings.
TEST(Spielschreiber, everyCountGetsABoardAndPairsPerRoundWhereNeeded)
{
    QTemporaryDir tmp;
    QStringList hoch;
    for (int i = 1; i <= 79; ++i) {
        hoch += tmp.filePath(QStringLiteral("h%1.jpg").arg(i));
        schreibe(hoch.last(), jpeg(QColor::fromHsv(i * 4, 200, 200), 6, 8));
    }
    const struct {
        int bilder, jeRunde, spalten, zeilen, setting12;
        const char* zusammenfassung;
    } faelle[] = {
        {24, 0, 8, 6, 0, "Fertig: 24 Paare auf 8 × 6 Karten (je 69 × 92 Pixel"},
        {25, 0, 8, 7, 25, "Fertig: 25 Paare auf 8 × 7 Feldern, 6 bleiben frei (je 69 × 92 Pixel"},
        {25, 8, 4, 4, 8, "Fertig: je Runde 8 von 25 Paaren auf 4 × 4 Karten (je 126 × 168 Pixel"},
        {24, 24, 8, 6, 0, "Fertig: 24 Paare auf 8 × 6 Karten (je 69 × 92 Pixel"},
        {79, 0, 13, 12, 78, "Fertig: je Runde 78 von 79 Paaren auf 13 × 12 Karten (je 36 × 48 Pixel"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zusammenfassung);
        const QString ziel = tmp.filePath(QStringLiteral("spiel%1-%2").arg(f.bilder).arg(f.jeRunde));
        NeuesSpiel auftrag{ziel, hoch.mid(0, f.bilder)};
        auftrag.JeRunde = f.jeRunde;
        const Lauf lauf = schreibe(auftrag);
        ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
        const QByteArray ini = lies(ziel + "/Paarlix.ini");
        EXPECT_EQ(ini.contains("# 12."), f.setting12 > 0);
        const Einstellungsergebnis e = leseEinstellungen(ini);
        EXPECT_FALSE(e.EinstellungsFehler) << e.Meldung.toStdString();
        EXPECT_EQ(e.Werte.Spalten, f.spalten);
        EXPECT_EQ(e.Werte.Zeilen, f.zeilen);
        EXPECT_EQ(e.Werte.PaareJeRunde, f.setting12);
        EXPECT_TRUE(QFileInfo::exists(ziel + QStringLiteral("/%1b.jpg").arg(f.bilder, 2, 10, QLatin1Char('0'))));
        const Bildschirmaufteilung a = berechneBildschirmaufteilung(1366, 768, e.Werte);
        ASSERT_TRUE(a.Passt);
        const QString letzte = lauf.ausgabe.value(f.bilder);
        EXPECT_TRUE(letzte.startsWith(QString::fromUtf8(f.zusammenfassung))) << letzte.toStdString();
        EXPECT_TRUE(letzte.contains(QStringLiteral("(je %1 × %2 Pixel").arg(a.KartenBreite).arg(a.KartenHoehe)))
            << letzte.toStdString();
        if (f.bilder == 25 && f.jeRunde == 0) {
            EXPECT_GE(a.KartenHoehe, 90);
        }
    }
}

// Every refusal names its reason (a path once, control characters made visible), ends with
// status 1 and writes nothing: no target folder, no folder made above it and no half-written
// folder beside it.
TEST(Spielschreiber, refusalsWriteNothing)
{
    QTemporaryDir tmp;
    const QString gut = tmp.filePath("gut.jpg");
    const QString gut2 = tmp.filePath("gut2.jpg");
    schreibe(gut, jpeg(Qt::red, 16, 16));
    schreibe(gut2, jpeg(Qt::blue, 16, 16));
    schreibe(tmp.filePath("kaputt.jpg"), QByteArray("\xFF\xD8\xFF\xE0 kein JPEG", 15));
    schreibe(tmp.filePath("text.png"), "nur Text");
    QDir().mkdir(tmp.filePath("voll"));
    schreibe(tmp.filePath("voll/notiz.txt"), "x");
    QDir().mkdir(tmp.filePath("a"));
    QDir().mkdir(tmp.filePath("b"));
    schreibe(tmp.filePath("a/Oma.jpg"), jpeg(Qt::red, 16, 16));
    schreibe(tmp.filePath("b/Oma.jpg"), jpeg(Qt::blue, 16, 16));
    QStringList viele;
    for (int i = 0; i < 80; ++i) {
        viele += tmp.filePath(QStringLiteral("a/%1.jpg").arg(i));
        schreibe(viele.last(), jpeg(QColor::fromHsv(i * 4, 200, 200), 8, 8));
    }
    ASSERT_EQ(mkfifo(tmp.filePath("rohr.jpg").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(tmp.filePath("schleife.jpg"), tmp.filePath("schleife.jpg")));
    const QString ziel = tmp.filePath("spiel");
    schreibe(tmp.filePath("lang.wav"), neuspielbilder::wav(12));
    schreibe(tmp.filePath("kein.wav"), "kein Ton");

    // Qt's reader would leave pixels of these unset.
    const QByteArray bmp = testbilder::bmp24(testbilder::muster(8, 8));
    schreibe(tmp.filePath("halb.bmp"), bmp.left(54 + (bmp.size() - 54) / 2));
    QByteArray weit = bmp;
    qToLittleEndian(quint32(bmp.size() + 1), weit.data() + 10);
    schreibe(tmp.filePath("weit.bmp"), weit);
    schreibe(tmp.filePath("rle.bmp"), testbilder::bmpRle8(4, 2, QByteArray("\x04\x10\x00\x00", 4)));
    const QByteArray heic = testbilder::heifBytes(testbilder::muster(64, 48));
    schreibe(tmp.filePath("halb.heic"), heic.left(heic.size() / 2));
    QByteArray riesig = heic;
    testbilder::setzeHeifGroesse(riesig, 20000, 20000);
    schreibe(tmp.filePath("riesig.heic"), riesig);

    struct Fall {
        const char* name;
        QString ziel;
        QStringList bilder;
        QString meldung;
        Ausgang art = Ausgang::Abgelehnt;
        bool mitNamen = false;
        int jeRunde = 0;
        Paarangaben paare = {};
        bool ersetzen = false;
    };
    const Fall faelle[] = {
        {"one picture", ziel, {gut}, "Für ein Spiel werden mindestens 2 Bilder gebraucht, angegeben ist 1."},
        {"more pairs per round than fit the screen", ziel, viele,
         "67 Paare haben auf einem Bildschirm von 1366 × 768 Pixeln nicht auf einmal Platz; je Runde passen "
         "höchstens 66. Es wurde nichts geschrieben.", Ausgang::Abgelehnt, false, 67},
        {"more pairs per round than pictures", ziel, {gut, gut2},
         "Je Runde können 1 bis 2 Paare gespielt werden, so viele, wie es Fotos sind; angegeben 3.",
         Ausgang::Abgelehnt, false, 3},
        {"target not empty", tmp.filePath("voll"), {gut, gut2},
         "Der Zielordner „" + tmp.filePath("voll") + "“ ist nicht leer. Bitte einen neuen oder leeren Ordner angeben."},
        {"target is a file", gut2, {gut, tmp.filePath("kaputt.jpg")}, "„" + gut2 + "“ ist eine Datei und kein Ordner."},
        {"a file above the target", tmp.filePath("gut.jpg/spiel"), {gut, gut2},
         "Der Zielordner „" + tmp.filePath("gut.jpg/spiel") + "“ kann nicht benutzt werden: Ein Teil des Pfades ist "
         "kein Ordner."},
        {"missing picture", ziel, {gut, tmp.filePath("weg.jpg")},
         "Das Bild „" + tmp.filePath("weg.jpg") + "“ gibt es nicht. Es wurde nichts geschrieben."},
        {"a pattern the shell did not expand", ziel, {tmp.filePath("Bilder/*.jpg")},
         "Zum Suchmuster „" + tmp.filePath("Bilder/*.jpg") + "“ gibt es keine Datei. Es wurde nichts geschrieben."},
        {"control characters in a name", ziel, {gut, tmp.filePath("\x1B]0;Titel\x07weg.jpg")},
         "Das Bild „" + tmp.filePath("\\x1B]0;Titel\\x07weg.jpg") + "“ gibt es nicht."},
        {"symlink loop", ziel, {gut, tmp.filePath("schleife.jpg")},
         "Das Bild „" + tmp.filePath("schleife.jpg") + "“ kann nicht gelesen werden: Die symbolischen Verknüpfungen "
         "bilden eine Schleife. Es wurde nichts geschrieben."},
        {"pipe as picture", ziel, {gut, tmp.filePath("rohr.jpg")},
         "Das Bild „" + tmp.filePath("rohr.jpg") + "“ kann nicht gelesen werden: keine Bilddatei. Es wurde nichts geschrieben."},
        {"picture given twice", ziel, {gut, gut2, tmp.filePath("./gut.jpg")},
         "Das Bild „" + tmp.filePath("./gut.jpg") + "“ ist doppelt angegeben. Es wurde nichts geschrieben."},
        {"two equal name cards", ziel, {tmp.filePath("a/Oma.jpg"), gut, tmp.filePath("b/Oma.jpg")},
         "Die Bilder „" + tmp.filePath("a/Oma.jpg") + "“ und „" + tmp.filePath("b/Oma.jpg")
             + "“ ergeben dieselbe Namenskarte „Oma“",
         Ausgang::Abgelehnt, true},
        {"broken JPEG below missing folders", tmp.filePath("neu/tief/spiel"), {gut, tmp.filePath("kaputt.jpg")},
         "Das Bild „" + tmp.filePath("kaputt.jpg") + "“ kann nicht gelesen werden: JPEG-Fehlernr. "},
        {"not a picture", ziel, {gut, tmp.filePath("text.png")},
         "Das Bild „" + tmp.filePath("text.png") + "“ kann nicht gelesen werden: kein bekanntes Bildformat. "
         "Es wurde nichts geschrieben."},
        {"BMP cut in half", ziel, {gut, tmp.filePath("halb.bmp")},
         "Das Bild „" + tmp.filePath("halb.bmp") + "“ kann nicht gelesen werden: Bitmap ist ungültig. "
         "Es wurde nichts geschrieben."},
        {"BMP pixels past its end", ziel, {gut, tmp.filePath("weit.bmp")},
         "Das Bild „" + tmp.filePath("weit.bmp") + "“ kann nicht gelesen werden: Bitmap ist ungültig."},
        {"BMP with a cut RLE stream", ziel, {gut, tmp.filePath("rle.bmp")},
         "Das Bild „" + tmp.filePath("rle.bmp") + "“ kann nicht gelesen werden: Bitmap ist ungültig."},
        {"HEIC cut in half", ziel, {gut, tmp.filePath("halb.heic")},
         "Das Bild „" + tmp.filePath("halb.heic") + "“ kann nicht gelesen werden: Die Datei ist kein lesbares HEIF- "
         "oder AVIF-Bild: Sie ist beschädigt oder unvollständig. Es wurde nichts geschrieben."},
        {"HEIC declaring a huge size", ziel, {gut, tmp.filePath("riesig.heic")},
         "Das Bild „" + tmp.filePath("riesig.heic") + "“ kann nicht gelesen werden: Das Bild ist mit 20000 x 20000 "
         "Pixeln zu groß. Es wurde nichts geschrieben."},
        {"target not writable", "/proc/paarlix-spiel", {gut, gut2},
         "In den Ordner „/proc“ kann nicht geschrieben werden: ", Ausgang::Fehlgeschlagen},
        {"a text with nothing beside it", ziel, {}, "Zeile 2, Spalte 1: Zum Text „Hund“ fehlt die zweite Karte.",
         Ausgang::Abgelehnt, false, 0, {{foto(gut), {}}, {text("Hund", "Zeile 2, Spalte 1"), {}}}},
        {"equal texts on two pairs", ziel, {},
         "Zeile 3, Spalte 2: Die Karten „Hund“ (Zeile 2, Spalte 2) und „HUND“ (Zeile 3, Spalte 2) zeigen denselben "
         "Text; zwei gleiche Karten ließen sich nicht gerecht zuordnen. Bitte einen der Texte ändern. Es wurde "
         "nichts geschrieben.",
         Ausgang::Abgelehnt, false, 0,
         {{text("Katze", "Zeile 2, Spalte 1"), text("Hund", "Zeile 2, Spalte 2")},
          {text("dog", "Zeile 3, Spalte 1"), text(" HUND ", "Zeile 3, Spalte 2")}}},
        {"equal name cards without a place", ziel, {},
         "Die Bilder „" + gut + "“ und „" + gut2 + "“ ergeben dieselbe Namenskarte „oma“", Ausgang::Abgelehnt, true,
         0, {{foto(gut), text("Oma")}, {foto(gut2), text("oma")}}},
        {"a photo in two pairs", ziel, {},
         "Zeile 3, Spalte 1: Das Bild „" + tmp.filePath("./gut.jpg") + "“ ist doppelt angegeben.",
         Ausgang::Abgelehnt, false, 0,
         {{foto(gut), foto(gut2)}, {text("x"), text("y")}, {foto(tmp.filePath("./gut.jpg"), "Zeile 3, Spalte 1"), {}}}},
        {"a missing photo named by its place", ziel, {},
         "Zeile 2, Spalte 2: Das Bild „" + tmp.filePath("weg.jpg") + "“ gibt es nicht. Es wurde nichts geschrieben.",
         Ausgang::Abgelehnt, false, 0, {{foto(gut), {}}, {text("x"), foto(tmp.filePath("weg.jpg"), "Zeile 2, Spalte 2")}}},
        {"an unreadable photo named by its place", ziel, {},
         "Zeile 2, Spalte 1: Das Bild „" + tmp.filePath("text.png") + "“ kann nicht gelesen werden: kein bekanntes "
         "Bildformat.",
         Ausgang::Abgelehnt, false, 0, {{foto(gut), {}}, {foto(tmp.filePath("text.png"), "Zeile 2, Spalte 1"), {}}}},
        {"a text too long for a card", ziel, {}, "Zeile 2, Spalte 2: Der Text „" + QString(30, 'x') + "…“ ist für eine Karte zu lang.",
         Ausgang::Abgelehnt, false, 0, {{foto(gut), {}}, {text("y"), text(QString(70000, 'x'), "Zeile 2, Spalte 2")}}},
        {"a text too long to read on any card", ziel, {}, "Paar 2: Der Text „Wort Wort Wort Wort Wort Wort…“ wäre auch "
         "auf der größten Karte weniger als 10 Pixel hoch und nicht zu lesen; bitte kürzen.",
         Ausgang::Abgelehnt, false, 0, {{foto(gut), {}}, {text("y"), text(QString("Wort ").repeated(1000))}}},
        {"a sound too long", ziel, {},
         "Zeile 2, Spalte 2: Der Ton „" + tmp.filePath("lang.wav") + "“ ist länger als 10 Sekunden. Es wurde nichts geschrieben.",
         Ausgang::Abgelehnt, false, 0, {{foto(gut), {}}, {text("y"), mitTon(foto({}, "Zeile 2, Spalte 2"), tmp.filePath("lang.wav"))}}},
        {"not a sound", ziel, {}, "Der Ton „" + tmp.filePath("kein.wav") + "“ ist keine Tondatei.",
         Ausgang::Abgelehnt, false, 0, {{mitTon(foto(gut), tmp.filePath("kein.wav")), {}}, {text("x"), text("y")}}},
        {"every refused sound of a list, at its own place and as written", ziel, {},
         "Zeile 1, Spalte 3: Der Ton „lang.wav“ ist länger als 10 Sekunden.\nZeile 2, Spalte 1: Der Ton „kein.wav“ "
         "ist keine Tondatei. Es wurde nichts geschrieben.",
         Ausgang::Abgelehnt, false, 0,
         {{text("x"), Kartenangabe{.Text = "y", .Herkunft = "Zeile 1, Spalte 2", .Ton = tmp.filePath("lang.wav"),
                                   .TonHerkunft = "Zeile 1, Spalte 3", .Tonanzeigename = "lang.wav"}},
          {{.Anzeigename = "kein.wav", .Herkunft = "Zeile 2, Spalte 1", .Ton = tmp.filePath("kein.wav"),
            .Tonanzeigename = "kein.wav"}, {}}}},
        {"editing a game that is not there", ziel, {}, "Das Spiel „" + ziel + "“ gibt es nicht.",
         Ausgang::Abgelehnt, false, 0, {{foto(gut), {}}, {foto(gut2), {}}}, true},
    };
    const QStringList vorher = inhalt(tmp.path());
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        NeuesSpiel auftrag{f.ziel, f.bilder, f.mitNamen};
        auftrag.JeRunde = f.jeRunde;
        auftrag.Paare = f.paare;
        auftrag.Ersetzen = f.ersetzen;
        const Lauf lauf = schreibe(auftrag);
        EXPECT_EQ(lauf.art, f.art);
        EXPECT_EQ(lauf.status, 1);
        EXPECT_TRUE(lauf.fehler.startsWith(f.meldung)) << lauf.fehler.toStdString();
        EXPECT_FALSE(lauf.fehler.contains('\r')) << lauf.fehler.toStdString();
        EXPECT_LE(lauf.fehler.count(tmp.path()), f.mitNamen ? 2 : 1) << lauf.fehler.toStdString();
        EXPECT_TRUE(lauf.ausgabe.isEmpty() || !lauf.ausgabe.last().startsWith("Fertig"));
        EXPECT_EQ(inhalt(tmp.path()), vorher);
        EXPECT_EQ(inhalt(tmp.filePath("voll")), QStringList{"notiz.txt"});
    }
}

// Missing folders above the target are made, and a draft left beside the target by a killed run
// (its lock free) is removed, while the draft of a running writer and other hidden folders stay.
TEST(Spielschreiber, missingFoldersAreMadeAndDraftsOfKilledRunsRemoved)
{
    QTemporaryDir tmp;
    schreibe(tmp.filePath("a.jpg"), jpeg(Qt::red, 16, 16));
    schreibe(tmp.filePath("b.jpg"), jpeg(Qt::blue, 16, 16));
    QDir().mkpath(tmp.filePath("neu/.fotos-Ab12Cd"));
    schreibe(tmp.filePath("neu/.fotos-Ab12Cd/01a.jpg"), "halb");
    schreibe(tmp.filePath("neu/.fotos-Ab12Cd/") + Entwurfssperre, "");
    QDir().mkpath(tmp.filePath("neu/.spiel-behalten"));
    Entwurf laeuft;
    ASSERT_EQ(laeuft.legeAn(tmp.filePath("neu"), "anderes"), 0);
    const Lauf ersterLauf = schreibe(tmp.filePath("tief/unten/spiel"), {tmp.filePath("a.jpg"), tmp.filePath("b.jpg")});
    EXPECT_EQ(ersterLauf.status, 0) << ersterLauf.fehler.toStdString();
    EXPECT_TRUE(QFileInfo(tmp.filePath("tief/unten/spiel/Paarlix.ini")).isFile());
    const Lauf zweiterLauf = schreibe(tmp.filePath("neu/spiel"), {tmp.filePath("a.jpg"), tmp.filePath("b.jpg")});
    EXPECT_EQ(zweiterLauf.status, 0) << zweiterLauf.fehler.toStdString();
    EXPECT_EQ(inhalt(tmp.filePath("neu")),
              (QStringList{QFileInfo(laeuft.pfad()).fileName(), ".spiel-behalten", "spiel"}));
    EXPECT_EQ(inhalt(tmp.filePath("neu/spiel")).size(), 6) << inhalt(tmp.filePath("neu/spiel")).join(' ').toStdString();
}

// An interruption between two pictures stops the writing and removes what was written so far.
TEST(Spielschreiber, anInterruptionLeavesNothingBehind)
{
    QTemporaryDir tmp;
    schreibe(tmp.filePath("a.jpg"), jpeg(Qt::red, 16, 16));
    schreibe(tmp.filePath("b.jpg"), jpeg(Qt::blue, 16, 16));
    int erledigt = 0;
    const Lauf lauf = schreibe(tmp.filePath("spiel"), {tmp.filePath("a.jpg"), tmp.filePath("b.jpg")}, false,
                               [&erledigt] { return erledigt == 1; },
                               [&erledigt](int n, int, const QString&) { erledigt = n; });
    EXPECT_EQ(lauf.art, Ausgang::Abgebrochen);
    EXPECT_EQ(lauf.fehler, QStringLiteral("Abgebrochen. Es wurde nichts geschrieben."));
    EXPECT_EQ(lauf.ausgabe.size(), 1); // the first picture was done
    EXPECT_EQ(inhalt(tmp.path()), (QStringList{"a.jpg", "b.jpg"}));
}

// Every kind of pair is written with a summary line naming both cards, and leseSpiel reads the
// folder back as the same pairs: a photo as the file that holds it (a JPEG byte for byte), a
// text as its text on a card of its side, a photo given twice as one photo; the card format
// given is the one written.
TEST(Spielschreiber, pairsOfEveryKindAreWrittenAndReadBack)
{
    QTemporaryDir tmp;
    int farbe = 0;
    for (const char* name : {"rot.jpg", "gruen.jpg", "blau.jpg", "gelb.jpg", "grau.jpg", "rosa.jpg", "lila.jpg"})
        schreibe(tmp.filePath(name), jpeg(QColor::fromHsv(farbe += 50, 200, 200), 40, 30));
    // Silence before and after the tone is trimmed.
    schreibe(tmp.filePath("miau.wav"), neuspielbilder::wav(1.0, 440, 0.5));
    schreibe(tmp.filePath("schnurren.wav"), neuspielbilder::wav(0.3, 200));
    schreibe(tmp.filePath("Katze.png"), pngHalbDurchsichtig(Qt::blue, 40, 30));
    // Stored lying on its side with a quarter turn, as phones do; smooth, so that lossy coding keeps it close.
    QImage verlauf(120, 80, QImage::Format_RGB32);
    for (int y = 0; y < verlauf.height(); ++y)
        for (int x = 0; x < verlauf.width(); ++x)
            verlauf.setPixel(x, y, qRgb(x * 2, y * 3, y < 40 ? 200 : 40));
    schreibe(tmp.filePath("Meer.HEIC"), testbilder::heifBytes(verlauf, false, 6, testbilder::exifBeschreibung("Oma am Meer")));
    const QString p = tmp.path() + '/';
    using S = std::optional<Textseite>;
    const struct {
        Paarangabe paar;
        QString zeile;
        S seiteA, seiteB;
    } faelle[] = {
        {{foto(p + "rot.jpg"), {}}, p + "rot.jpg → 01a.jpg und 01b.jpg", {}, {}},
        {{foto(p + "gruen.jpg"), text(" Grün ")}, p + "gruen.jpg → 02a.jpg, Namenskarte „Grün“ → 02b.jpg", {},
         Textseite::ZuFoto},
        {{text("Hund"), foto(p + "blau.jpg")}, "Namenskarte „Hund“ → 03a.jpg, " + p + "blau.jpg → 03b.jpg",
         Textseite::ZuFoto, {}},
        {{text("3 +\u202E 4"), text("\u2066" "7\u200F")}, "Textkarte „3 + 4“ → 04a.jpg, Textkarte „7“ → 04b.jpg", Textseite::Erste,
         Textseite::Zweite},
        {{foto(p + "gelb.jpg"), foto(p + "Katze.png")},
         p + "gelb.jpg → 05a.jpg, " + p + "Katze.png → 05b.jpg (in JPEG umgewandelt)", {}, {}},
        {{foto(p + "grau.jpg"), foto(p + "./grau.jpg")}, p + "grau.jpg → 06a.jpg und 06b.jpg", {}, {}},
        {{foto(p + "Meer.HEIC"), {}}, p + "Meer.HEIC → 07a.jpg und 07b.jpg (in JPEG umgewandelt)", {}, {}},
        {{mitTon(text("Katze"), p + "miau.wav"), mitTon({}, p + "schnurren.wav")},
         "Textkarte „Katze“ → 08a.jpg mit Ton → 08a.ogg, Tonkarte „schnurren“ → 08b.jpg mit Ton → 08b.ogg",
         Textseite::Erste, {}},
        {{mitTon({}, p + "miau.wav", "Miau"), {}}, "Tonkarte „Miau“ → 09a.jpg mit Ton → 09a.ogg und 09b.jpg", {}, {}},
        {{mitTon(foto(p + "rosa.jpg"), p + "schnurren.wav"), mitTon(foto(p + "lila.jpg"), p + "miau.wav")},
         p + "rosa.jpg → 10a.jpg mit Ton → 10a.ogg, " + p + "lila.jpg → 10b.jpg mit Ton → 10b.ogg", {}, {}},
    };
    NeuesSpiel auftrag;
    auftrag.Ziel = tmp.filePath("spiel");
    for (const auto& fall : faelle)
        auftrag.Paare.push_back(fall.paar);
    auftrag.Format = Kartenformat{1, 1, true};
    const Lauf lauf = schreibe(auftrag);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    ASSERT_EQ(lauf.ausgabe.size(), std::size(faelle) + 1);
    EXPECT_TRUE(lauf.ausgabe.last().contains("quadratisch 1:1, zugeschnitten")) << lauf.ausgabe.last().toStdString();

    const Spielinhalt spiel = leseSpiel(auftrag.Ziel);
    EXPECT_EQ(spiel.Format, (Kartenformat{1, 1, true}));
    ASSERT_EQ(spiel.Paare.size(), std::size(faelle));
    for (int k = 1; k <= int(std::size(faelle)); ++k) {
        const auto& fall = faelle[k - 1];
        SCOPED_TRACE(fall.zeile.toStdString());
        EXPECT_EQ(lauf.ausgabe[k - 1], fall.zeile);
        EXPECT_EQ(spiel.Paare[std::size_t(k - 1)], gelesen(fall.paar, auftrag.Ziel, k));
        const QString karte = auftrag.Ziel + QStringLiteral("/%1").arg(k, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(leseKartenkommentar(karte + "a.jpg").Textkarte, fall.seiteA);
        EXPECT_EQ(leseKartenkommentar(karte + "b.jpg").Textkarte, fall.seiteB);
        if (fall.paar.Erste.Foto.endsWith(".jpg")) {
            EXPECT_EQ(lies(karte + "a.jpg"), lies(fall.paar.Erste.Foto));
        }
        EXPECT_EQ(leseKartenkommentar(karte + "b.jpg").Tonkarte,
                  (fall.paar.Zweite.leer() ? fall.paar.Erste : fall.paar.Zweite).istNurTon());
    }
    const Tonergebnis miau = leseTon(auftrag.Ziel + "/08a.ogg");
    ASSERT_TRUE(miau) << miau.Fehler.toStdString();
    EXPECT_NEAR(miau.Ton->sekunden(), 1.0, 0.1);
    EXPECT_EQ(lies(auftrag.Ziel + "/09b.ogg"), lies(auftrag.Ziel + "/09a.ogg"));
    EXPECT_EQ(lies(auftrag.Ziel + "/03b.jpg"), lies(p + "blau.jpg"));
    EXPECT_EQ(QImage(auftrag.Ziel + "/04a.jpg", "JPG").size(), QSize(800, 800));
    const QImage heic(auftrag.Ziel + "/07a.jpg", "JPG");
    const QImage aufrecht = verlauf.transformed(QTransform().rotate(90));
    ASSERT_EQ(heic.size(), aufrecht.size());
    EXPECT_GT(bildvergleich::psnr(heic.convertToFormat(QImage::Format_RGB32), aufrecht), 30);
    EXPECT_EQ(leseKartenkommentar(auftrag.Ziel + "/07a.jpg").Text, "Oma am Meer");
}

namespace {

// A game folder with the user's own settings, card back and files beside the cards.
struct EigenesSpiel {
    QString Ziel;
    QByteArray Kartentext = testbilder::bmp24(testbilder::muster(200, 200));
    QByteArray Einstellungen;
};

EigenesSpiel eigenesSpiel(const QString& ziel, const Paarangaben& paare)
{
    EigenesSpiel spiel;
    spiel.Ziel = ziel;
    NeuesSpiel auftrag;
    auftrag.Ziel = ziel;
    auftrag.Paare = paare;
    const Lauf lauf = schreibe(auftrag);
    EXPECT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    QString ini = QString::fromUtf8(lies(ziel + "/Paarlix.ini"));
    ini.replace("\nmax\n", "\n1024,768\n").replace("\n400\n", "\n300\n").replace("Team Sonne\nTeam Mond", "Rot\nBlau");
    ini.replace("(zum Prüfen der Bilder)\n0\n", "(zum Prüfen der Bilder)\n1\n").replace("Namen von unten\n1\n", "Namen von unten\n0\n");
    ini += "\n# Für die Klasse 3b\n";
    ini.replace("\n", "\r\n");
    spiel.Einstellungen = ini.toUtf8();
    EXPECT_FALSE(leseEinstellungen(spiel.Einstellungen).EinstellungsFehler);
    QFile::remove(ziel + "/Paarlix.ini");
    neuspielbilder::schreibe(ziel + "/Paarlix.ini", spiel.Einstellungen);
    QFile::remove(ziel + "/Kartentext.bmp");
    neuspielbilder::schreibe(ziel + "/Kartentext.bmp", spiel.Kartentext);
    neuspielbilder::schreibe(ziel + "/notiz.txt", "Klasse 3b");
    QDir().mkdir(ziel + "/extra");
    neuspielbilder::schreibe(ziel + "/extra/liste.txt", "Anna, Ben");
    return spiel;
}

} // namespace

// An opened game, changed (a pair removed, one added, two swapped, a name card turned into
// another text) and saved, opens as the changed pairs in the same place; its settings file
// (the same board: byte for byte), card back and every other file are kept; the old cards are
// linked, not copied.
TEST(Spielschreiber, anEditedGameOpensAsChangedAndKeepsTheRest)
{
    QTemporaryDir tmp;
    const QByteArray rot = jpeg(Qt::red, 40, 30);
    const QByteArray blau = jpeg(Qt::blue, 40, 30);
    schreibe(tmp.filePath("a.jpg"), rot);
    schreibe(tmp.filePath("b.jpg"), jpeg(Qt::green, 40, 30));
    schreibe(tmp.filePath("d.jpg"), blau);
    schreibe(tmp.filePath("bellen.wav"), neuspielbilder::wav(0.5));
    const QString ziel = tmp.filePath("spiel");
    const EigenesSpiel alt = eigenesSpiel(ziel, {{foto(tmp.filePath("a.jpg")), text("Anna")},
                                                 {foto(tmp.filePath("b.jpg")), {}},
                                                 {mitTon(text("Hund"), tmp.filePath("bellen.wav")), text("dog")}});

    const Spielinhalt offen = leseSpiel(ziel);
    ASSERT_TRUE(offen.Meldung.isEmpty()) << offen.Meldung.toStdString();
    ASSERT_EQ(offen.Paare.size(), 3u);
    // A game with a photo shown twice opens without the quick setting; the other photo's name card
    // is still its name.
    EXPECT_FALSE(offen.MitNamen);
    Paarliste liste;
    liste.fuegeSpielHinzu(offen.Paare);
    EXPECT_EQ(liste.namen().value(0), "Anna");
    EXPECT_EQ((std::vector<Zweitart>{liste.zeile(0).Zweite, liste.zeile(1).Zweite, liste.zeile(2).Zweite}),
              (std::vector<Zweitart>{Zweitart::Name, Zweitart::GleichesFoto, Zweitart::Text}));
    // Four pairs leave an empty place, so the file deals all four by setting 12: that is no
    // subset to keep. Two of four is.
    const QTemporaryDir andere;
    for (const int jeRunde : {0, 2}) {
        NeuesSpiel vier;
        vier.Ziel = andere.filePath(QStringLiteral("vier%1").arg(jeRunde));
        vier.Paare = {{text("1"), text("eins")}, {text("2"), text("zwei")}, {text("3"), text("drei")}, {text("4"), text("vier")}};
        vier.JeRunde = jeRunde;
        // Reading aloud is kept with the game, and read back for editing.
        vier.TexteVorlesen = jeRunde > 0;
        vier.Sprachen = {QLocale::German, QLocale::English};
        ASSERT_EQ(schreibe(vier).status, 0);
        const Spielinhalt gelesen = leseSpiel(vier.Ziel);
        EXPECT_EQ(gelesen.JeRunde, jeRunde);
        EXPECT_EQ(gelesen.TexteVorlesen, vier.TexteVorlesen);
        EXPECT_EQ(gelesen.Sprachen, vier.TexteVorlesen ? vier.Sprachen : Vorlesesprachen());
    }
    Paarangabe anna = offen.Paare[0];
    anna.Zweite.Text = "Anna B.";
    const Paarangaben geaendert = {offen.Paare[2], anna, {foto(tmp.filePath("d.jpg")), {}}};
    NeuesSpiel auftrag;
    auftrag.Ziel = ziel;
    auftrag.Paare = geaendert;
    auftrag.Format = offen.Format;
    auftrag.JeRunde = offen.JeRunde;
    auftrag.Ersetzen = true;
    const ino_t karte = inode(ziel + "/01a.jpg");
    const ino_t ton = inode(ziel + "/03a.ogg");
    // A mark left by a save killed just after making it is no file of the game.
    schreibe(ziel + '/' + Beiseitemarke, "");
    const Lauf lauf = schreibe(auftrag);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.ausgabe.last().startsWith("Gespeichert: 3 Paare")) << lauf.ausgabe.last().toStdString();
    EXPECT_TRUE(lauf.ausgabe.last().endsWith("Starten mit: paarlix " + ziel)) << lauf.ausgabe.last().toStdString();

    const Spielinhalt wieder = leseSpiel(ziel);
    EXPECT_EQ(wieder.Paare, (Paarangaben{{mitTon(text("Hund"), ziel + "/01a.ogg"), text("dog")}, {foto(ziel + "/02a.jpg"), text("Anna B.")},
                                         {foto(ziel + "/03a.jpg"), {}}}));
    EXPECT_EQ(lies(ziel + "/02a.jpg"), rot);
    EXPECT_EQ(inode(ziel + "/02a.jpg"), karte);
    EXPECT_EQ(inode(ziel + "/01a.ogg"), ton);
    EXPECT_EQ(lies(ziel + "/03b.jpg"), blau);
    EXPECT_EQ(lies(ziel + "/Paarlix.ini"), alt.Einstellungen);
    EXPECT_EQ(lies(ziel + "/Kartentext.bmp"), alt.Kartentext);
    EXPECT_EQ(lies(ziel + "/notiz.txt"), "Klasse 3b");
    EXPECT_EQ(lies(ziel + "/extra/liste.txt"), "Anna, Ben");
    EXPECT_EQ(inhalt(ziel), (QStringList{"01a.jpg", "01a.ogg", "01b.jpg", "02a.jpg", "02b.jpg", "03a.jpg", "03b.jpg",
                                         "Kartentext.bmp", "Paarlix.ini", "extra", "notiz.txt"}));
    EXPECT_EQ(inhalt(tmp.path()), (QStringList{"a.jpg", "b.jpg", "bellen.wav", "d.jpg", "spiel"}));
}

// While an edited game is saved the old one stays whole: a refusal, a cancel after the first
// pair and a board that does not fit leave it byte for byte; a run killed before the exchange
// leaves a draft, one killed after it the old version in a draft's place, and the old game (or
// the new) opens as before; the next save removes both leftovers.
TEST(Spielschreiber, theOldGameStaysWholeUntilTheNewOneIsComplete)
{
    QTemporaryDir tmp;
    schreibe(tmp.filePath("a.jpg"), jpeg(Qt::red, 16, 16));
    schreibe(tmp.filePath("b.jpg"), jpeg(Qt::blue, 16, 16));
    const QString ziel = tmp.filePath("spiel");
    eigenesSpiel(ziel, {{foto(tmp.filePath("a.jpg")), {}}, {foto(tmp.filePath("b.jpg")), text("Ben")}});
    const QMap<QString, QByteArray> vorher = schnappschuss(ziel);
    const Spielinhalt offen = leseSpiel(ziel);
    Paarangaben mehr = offen.Paare;
    mehr.push_back({text("Hund"), text("dog")});

    int erledigt = 0;
    const struct {
        const char* name;
        Paarangaben paare;
        int jeRunde;
        Ausgang art;
        bool abbrechen = false;
    } faelle[] = {
        {"a missing photo", {offen.Paare[0], {foto(tmp.filePath("weg.jpg")), {}}}, 0, Ausgang::Abgelehnt},
        {"equal texts", {offen.Paare[0], {text("Ben"), text("Lea")}, offen.Paare[1]}, 0, Ausgang::Abgelehnt},
        {"more pairs per round than pairs", mehr, 5, Ausgang::Abgelehnt},
        {"cancelled after the first pair", mehr, 0, Ausgang::Abgebrochen, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        erledigt = 0;
        NeuesSpiel auftrag;
        auftrag.Ziel = ziel;
        auftrag.Paare = f.paare;
        auftrag.JeRunde = f.jeRunde;
        auftrag.Ersetzen = true;
        if (f.abbrechen) {
            auftrag.Abgebrochen = [&erledigt] { return erledigt == 1; };
            auftrag.Fortschritt = [&erledigt](int n, int, const QString&) { erledigt = n; };
        }
        const Lauf lauf = schreibe(auftrag);
        EXPECT_EQ(lauf.art, f.art) << lauf.fehler.toStdString();
        EXPECT_EQ(schnappschuss(ziel), vorher);
        EXPECT_EQ(inhalt(tmp.path()), (QStringList{"a.jpg", "b.jpg", "spiel"}));
    }

    // What a kill before the exchange leaves: a half draft; after it: the old version as a draft.
    const QString halb = tmp.filePath(".spiel-Ab12Cd");
    QDir().mkdir(halb);
    schreibe(halb + "/01a.jpg", "halb");
    schreibe(halb + '/' + Entwurfssperre, "");
    const QString altesSpiel = tmp.filePath(".spiel-Xy34Zw");
    QDir().mkdir(altesSpiel);
    for (const QString& name : QDir(ziel).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(ziel + '/' + name, altesSpiel + '/' + name));
    schreibe(altesSpiel + '/' + Entwurfssperre, "");
    EXPECT_EQ(leseSpiel(ziel).Paare, offen.Paare);
    EXPECT_EQ(schnappschuss(ziel), vorher);

    NeuesSpiel auftrag;
    auftrag.Ziel = ziel;
    auftrag.Paare = mehr;
    auftrag.Ersetzen = true;
    // Exchanged, not written in place: the old folder, held open, is the one removed.
    const int alterOrdner = open(QFile::encodeName(ziel).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const Lauf lauf = schreibe(auftrag);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    EXPECT_TRUE(QFileInfo(QString("/proc/self/fd/%1").arg(alterOrdner)).symLinkTarget().endsWith(" (deleted)")
                && close(alterOrdner) == 0);
    EXPECT_EQ(leseSpiel(ziel).Paare.size(), 3u);
    EXPECT_EQ(inhalt(tmp.path()), (QStringList{"a.jpg", "b.jpg", "spiel"}));

    // Where the file system cannot exchange, the game is set aside first, locked and marked: a
    // kill then leaves it aside, and opening it to edit puts it back; set aside beside its new
    // version, it goes, as do the emptied drafts a file system that hides removed open files
    // (FUSE, NFS) leaves beside a game.
    const auto gespeichert = schnappschuss(ziel);
    const QString beiseite = tmp.filePath(".spiel-Be1s3t");
    ASSERT_TRUE(QDir().rename(ziel, beiseite));
    schreibe(beiseite + '/' + Entwurfssperre, "");
    schreibe(beiseite + '/' + Beiseitemarke, "");
    EXPECT_EQ(leseSpiel(ziel).Paare.size(), 3u);
    EXPECT_EQ(schnappschuss(ziel), gespeichert);
    QDir().mkdir(beiseite);
    schreibe(beiseite + '/' + Entwurfssperre, "");
    schreibe(beiseite + '/' + Beiseitemarke, "");
    for (const char* rest : {".spiel-Fu5eHd", ".spiel-Le3rLe", ".fremd-Le3rLe"})
        QDir().mkdir(tmp.filePath(rest));
    schreibe(tmp.filePath(".spiel-Fu5eHd/.fuse_hidden0000000100000002"), "");
    raeumeEntwuerfeAuf(tmp.path());
    EXPECT_EQ(inhalt(tmp.path()), (QStringList{".fremd-Le3rLe", "a.jpg", "b.jpg", "spiel"}));
    EXPECT_EQ(schnappschuss(ziel), gespeichert);
}

// Where the file system refuses to exchange folders, the old game goes aside, marked and locked,
// and the draft takes its place, and nothing of the old one stays; where the draft or the old
// game cannot be moved, the old game is back as it was and the error answers; any other error
// of the exchange moves nothing. No set-aside folder, mark or lock is left, and the draft goes
// with its Entwurf. A link left where the mark goes is not followed.
TEST(Entwurf, withoutAnExchangeTheOldGameGoesAsideAndComesBackWhereTheDraftCannotFollow)
{
    // The folder whose rename fails with EIO: none, the draft, the old game, or the draft
    // and then the old game on its way back.
    enum Scheitert { Keiner, DerEntwurf, DasSpiel, EntwurfUndRueckweg };
    const struct {
        const char* name;
        int tauschfehler;
        Scheitert scheitert;
        int fehler;
        bool beiseite;
        bool linkAlsMarke = false;
    } faelle[] = {
        {"exchange refused", EINVAL, Keiner, 0, true},
        {"exchange not offered", ENOSYS, Keiner, 0, true},
        {"exchange refused, a link where the mark goes", ENOTSUP, Keiner, 0, true, true},
        {"exchange refused, the draft cannot follow", EINVAL, DerEntwurf, EIO, true},
        {"exchange refused, the game cannot go aside", EOPNOTSUPP, DasSpiel, EIO, true},
        {"exchange refused, neither the draft in nor the game back", EINVAL, EntwurfUndRueckweg, EIO, true},
        {"exchange denied", EACCES, Keiner, EACCES, false},
    };
    // Whether another writer would find `datei` locked.
    const auto gesperrt = [](const QString& datei) {
        const int d = open(QFile::encodeName(datei).constData(), O_RDONLY | O_CLOEXEC);
        const bool frei = d >= 0 && flock(d, LOCK_EX | LOCK_NB) == 0;
        if (d >= 0)
            close(d);
        return d >= 0 && !frei;
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir tmp;
        const QString ziel = tmp.filePath("spiel");
        QDir().mkpath(ziel + "/extra");
        schreibe(ziel + "/01a.jpg", "alt");
        schreibe(ziel + "/extra/liste.txt", "Anna");
        const auto alt = schnappschuss(ziel);
        if (f.linkAlsMarke) {
            ASSERT_TRUE(QFile::link(tmp.filePath("draussen"), ziel + '/' + Beiseitemarke));
        }
        QString entwurfsname;
        QMap<QString, QByteArray> neu;
        {
            Entwurf entwurf;
            ASSERT_EQ(entwurf.legeAn(tmp.path(), "spiel"), 0);
            entwurfsname = QFileInfo(entwurf.pfad()).fileName();
            QDir().mkpath(entwurf.pfad() + "/extra");
            schreibe(entwurf.pfad() + "/01a.jpg", "neu");
            schreibe(entwurf.pfad() + "/extra/liste.txt", "Ben");
            neu = schnappschuss(entwurf.pfad());
            neu.remove('/' + Entwurfssperre);
            const QByteArray quelle = QFile::encodeName(f.scheitert == DasSpiel ? ziel : entwurf.pfad());
            bool markiertUndGesperrt = false;
            const int antwort = entwurf.ersetze(
                ziel,
                [&f](const QByteArray&, const QByteArray&) {
                    errno = f.tauschfehler;
                    return -1;
                },
                [&](const QByteArray& a, const QByteArray& b) {
                    if (a == QFile::encodeName(ziel))
                        markiertUndGesperrt = QFileInfo::exists(ziel + '/' + Beiseitemarke)
                                              && gesperrt(ziel + '/' + Entwurfssperre);
                    const bool zurueck = b == QFile::encodeName(ziel) && a != QFile::encodeName(entwurf.pfad());
                    if (f.scheitert != Keiner && (a == quelle || (f.scheitert == EntwurfUndRueckweg && zurueck))) {
                        errno = EIO;
                        return -1;
                    }
                    return benenneOrdnerUm(a, b);
                });
            EXPECT_EQ(antwort, f.fehler);
            // A lock file removed while open stays as ".fuse_hidden…" on FUSE, and its folder with it.
            const QFileInfoList fds = QDir("/proc/self/fd").entryInfoList(QDir::System);
            EXPECT_TRUE(std::none_of(fds.begin(), fds.end(), [](auto& d) { return d.symLinkTarget().endsWith(Entwurfssperre + " (deleted)"); }));
            EXPECT_EQ(markiertUndGesperrt, f.beiseite);
            if (f.scheitert == EntwurfUndRueckweg) {
                // Stuck aside, whole, marked and free: the next cleaner puts it back.
                const QString beiseite = entwurf.altesSpielBeiseite();
                ASSERT_FALSE(beiseite.isEmpty());
                EXPECT_FALSE(QFileInfo::exists(ziel));
                EXPECT_EQ(lies(beiseite + "/01a.jpg"), "alt");
                EXPECT_TRUE(QFileInfo::exists(beiseite + '/' + Beiseitemarke));
                EXPECT_FALSE(gesperrt(beiseite + '/' + Entwurfssperre));
            } else {
                EXPECT_TRUE(entwurf.altesSpielBeiseite().isEmpty());
                EXPECT_EQ(schnappschuss(ziel), f.fehler ? alt : neu);
                EXPECT_EQ(inhalt(tmp.path()), (f.fehler ? QStringList{entwurfsname, "spiel"} : QStringList{"spiel"}));
            }
        }
        if (f.scheitert == EntwurfUndRueckweg) {
            raeumeEntwuerfeAuf(tmp.path());
            EXPECT_EQ(schnappschuss(ziel), alt);
        }
        EXPECT_EQ(inhalt(tmp.path()), QStringList{"spiel"});
    }
}

// A folder not made by Paarlix opens as pairs of photos, a copy of the first photo as the
// photo twice; a folder without settings or without pairs opens with a message.
TEST(Spielleser, foldersOpenAsPairsOfPhotosOrWithAMessage)
{
    QTemporaryDir tmp;
    const QString fremd = tmp.filePath("fremd");
    const QString leer = tmp.filePath("leer");
    const QString ohne = tmp.filePath("ohne");
    for (const auto& [ordner, datei, farbe] : {std::tuple{fremd, "01a.jpg", Qt::red}, {fremd, "01b.jpg", Qt::blue},
                                               {fremd, "02a.jpg", Qt::green}, {fremd, "02B.JPEG", Qt::green},
                                               {fremd, "04a.jpg", Qt::gray}, {fremd, "04b.jpg", Qt::gray},
                                               {ohne, "01a.jpg", Qt::red}, {ohne, "01b.jpg", Qt::red}}) {
        QDir().mkpath(ordner);
        schreibe(ordner + '/' + datei, jpeg(farbe, 16, 16));
    }
    QDir().mkpath(leer);
    for (const QString& ordner : {fremd, leer})
        schreibe(ordner + "/Paarlix.ini", einstellungsvorlage().toUtf8());

    const Spielinhalt spiel = leseSpiel(fremd);
    EXPECT_TRUE(spiel.Meldung.isEmpty());
    EXPECT_EQ(spiel.Format, (Kartenformat{3, 4, false}));
    EXPECT_EQ(spiel.Paare, (Paarangaben{{foto(fremd + "/01a.jpg"), foto(fremd + "/01b.jpg")}, {foto(fremd + "/02a.jpg"), {}}}));
    const std::pair<QString, QString> meldungen[] = {
        {leer, "Im Ordner „" + leer + "“ ist kein Spiel: es gibt keine Bildpaare („01a.jpg“ und „01b.jpg“)."},
        {ohne, "Im Ordner „" + ohne + "“ ist kein Spiel: die Datei „Paarlix.ini“ fehlt."},
    };
    for (const auto& [ordner, meldung] : meldungen) {
        const Spielinhalt nichts = leseSpiel(ordner);
        EXPECT_EQ(nichts.Meldung, meldung);
        EXPECT_TRUE(nichts.Paare.empty());
    }
}
