#include "neuesspiel/Paarliste.h"

#include "neuesspiel/Paarlistendatei.h"

#include "Neuspielbilder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void schreibe(const QString& pfad, const QByteArray& daten = "x")
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    neuspielbilder::schreibe(pfad, daten);
}

std::string s(const QStringList& l) { return l.join(" | ").toStdString(); }

// "a.jpg" for a photo (its file name), "'Text'" for a text, "♪a.wav" for a sound alone, "+a.wav"
// after a card for its sound, "=" for none (the first card again).
QString karte(const Kartenangabe& k)
{
    if (k.leer())
        return "=";
    const QString ton = QFileInfo(k.Ton).fileName();
    if (k.istNurTon())
        return "♪" + ton;
    return (k.istFoto() ? QFileInfo(k.Foto).fileName() : "'" + k.Text + "'") + (ton.isEmpty() ? "" : "+" + ton);
}

std::string paare(const Paarliste& liste)
{
    QStringList texte;
    for (const Paarangabe& p : liste.paare())
        texte += karte(p.Erste) + "↔" + karte(p.Zweite);
    return s(texte);
}

// "a.jpg;b.jpg" or "'3 + 4';'7'": a photo in dir or a text on each side, an empty side none;
// "♪a.wav" a sound alone, "@a.wav" after a card its sound.
Paarangaben paarangaben(const QDir& dir, const QStringList& zeilen)
{
    Paarangaben paare;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        Paarangabe paar;
        const QStringList seiten = zeilen[i].split(';');
        for (int seite = 0; seite < 2; ++seite) {
            QString t = seiten.value(seite);
            Kartenangabe& k = seite == 0 ? paar.Erste : paar.Zweite;
            if (const qsizetype ton = t.indexOf(QRegularExpression("[@♪]")); ton >= 0) {
                k.Ton = dir.filePath(t.mid(ton + 1));
                t = t.left(ton);
            }
            if (t.startsWith('\''))
                k.Text = t.mid(1, t.size() - 2);
            else if (!t.isEmpty())
                k.Foto = dir.filePath(t);
            k.Herkunft = QStringLiteral("Zeile %1, Spalte %2").arg(i + 1).arg(seite + 1);
        }
        paare.push_back(paar);
    }
    return paare;
}

} // namespace

// Files and folders come in the order given, a folder's pictures as a file manager sorts them;
// a file already in the list (also under another name) or missing is left out with its reason.
TEST(Paarliste, filesAndFoldersComeInOrderWithoutRepeats)
{
    QTemporaryDir tmp;
    for (const char* datei : {"a.jpg", "B.jpg", "IMG_2041.jpg", "Ordner/Bild 10.png", "Ordner/Bild 9.jpg",
                              "Ordner/IMG_1.HEIC", "Ordner/notiz.txt", "Leer/notiz.txt"})
        schreibe(tmp.filePath(datei));
    ASSERT_TRUE(QFile::link(tmp.filePath("a.jpg"), tmp.filePath("Ordner/Verweis auf a.jpg")));
    ASSERT_EQ(::link(QFile::encodeName(tmp.filePath("a.jpg")).constData(), QFile::encodeName(tmp.filePath("a hart.jpg")).constData()), 0);
    const struct {
        QStringList hinzu;
        const char* fotos;
        const char* namen;
        const char* ausgelassen; // so far
        QStringList paare = {};  // given as pairs instead (paarangaben())
        const char* ergebnis = nullptr; // paare(), when given
    } schritte[] = {
        {{"a.jpg", "IMG_2041.jpg", "a.jpg", "a hart.jpg"}, "a.jpg | IMG_2041.jpg", "a | ",
         "a.jpg (schon in der Liste)\na hart.jpg (schon in der Liste)"},
        {{"Ordner", "fehlt.jpg", "Leer", "./B.jpg"}, "a.jpg | IMG_2041.jpg | Ordner/Bild 9.jpg | Ordner/Bild 10.png | Ordner/IMG_1.HEIC | B.jpg",
         "a |  | Bild 9 | Bild 10 | IMG_1 | B", "a.jpg (schon in der Liste)\na hart.jpg (schon in der Liste)\nLeer (keine Bilder darin)\n"
         "Verweis auf a.jpg (schon in der Liste)\nfehlt.jpg (gibt es nicht)"},
        {{}, "a.jpg | IMG_2041.jpg | Ordner/Bild 9.jpg | Ordner/Bild 10.png | Ordner/IMG_1.HEIC | B.jpg |  | Leer/notiz.txt |  |  | ",
         "a |  | Bild 9 | Bild 10 | IMG_1 | B |  | notiz |  |  | ",
         "a.jpg (schon in der Liste)\na hart.jpg (schon in der Liste)\nLeer (keine Bilder darin)\n"
         "Verweis auf a.jpg (schon in der Liste)\nfehlt.jpg (gibt es nicht)\nB.jpg (Zeile 1, Spalte 1: schon in der Liste)\n"
         "Bild 9.jpg (Zeile 2, Spalte 2: schon in der Liste)\nfehlt.jpg (Zeile 5, Spalte 2: gibt es nicht)",
         {"B.jpg;'B'", "Leer/notiz.txt;Ordner/Bild 9.jpg", "'3 + 4';'7'", "Leer/notiz.txt;Leer/notiz.txt", "'x';fehlt.jpg",
          "'Hund';", "'Tier'@bellen.wav;♪miau.wav", "♪miau.wav;"},
         "a.jpg↔= | IMG_2041.jpg↔= | Bild 9.jpg↔= | Bild 10.png↔= | IMG_1.HEIC↔= | B.jpg↔= | '3 + 4'↔'7' | notiz.txt↔= | "
         "'Hund'↔= | 'Tier'+bellen.wav↔♪miau.wav | ♪miau.wav↔="},
    };
    Paarliste liste;
    for (const auto& schritt : schritte) {
        SCOPED_TRACE(s(schritt.hinzu));
        QStringList pfade;
        for (const QString& p : schritt.hinzu)
            pfade += tmp.filePath(p);
        if (schritt.paare.isEmpty())
            liste.fuegeHinzu(pfade);
        else
            EXPECT_EQ(liste.fuegePaareHinzu(paarangaben(QDir(tmp.path()), schritt.paare)), 6);
        if (schritt.ergebnis) {
            EXPECT_EQ(paare(liste), schritt.ergebnis);
        }
        QStringList fotos;
        for (const QString& p : liste.fotos())
            fotos += QDir(tmp.path()).relativeFilePath(p);
        EXPECT_EQ(s(fotos), schritt.fotos);
        EXPECT_EQ(s(liste.namen()), schritt.namen);
        EXPECT_EQ(liste.ausgelassenAlle().toStdString(), schritt.ausgelassen);
    }
    EXPECT_EQ(liste.offeneVorschauen(), 7);
    liste.entferne(0);
    EXPECT_TRUE(liste.fuegeHinzu({tmp.filePath("Ordner/Verweis auf a.jpg")}).empty()) << "a removed photo may come again";
}

// Rows are renamed, moved, read, refused and removed; the hints ("*": marked as another row's
// name), the rows of the photos' numbers and the count of thumbnails still open follow.
TEST(Paarliste, rowsMoveAndRemoveWithTheirHintsAndNumbers)
{
    QTemporaryDir tmp;
    Paarliste liste;
    for (const char* datei : {"Anna.jpg", "Ben.jpg", "IMG_0001.jpg", "anna .jpg"}) {
        schreibe(tmp.filePath(datei));
        liste.fuegeHinzu({tmp.filePath(datei)});
    }
    const std::uint64_t ben = liste.zeile(1).Nummer, img = liste.zeile(2).Nummer, uwe = liste.zeile(3).Nummer;
    const struct {
        const char* schritt;
        std::function<void()> tu;
        const char* namen;
        const char* hinweise;
        int zeileBen, zeileUwe, offen;
        const char* paare = nullptr; // paare(), when given
    } schritte[] = {
        {"names off: no hints", [] {}, "Anna | Ben |  | anna", " |  |  | ", 1, 3, 4},
        {"names on", [&] { liste.setzeMitNamen(true); }, "Anna | Ben |  | anna",
         "Name doppelt* |  | Name fehlt | Name doppelt*", 1, 3, 4},
        {"Ben up", [&] { liste.verschiebe(1, -1); }, "Ben | Anna |  | anna", " | Name doppelt* | Name fehlt | Name doppelt*", 0, 3, 4},
        {"none below the last", [&] { EXPECT_FALSE(liste.verschiebe(3, +1)); }, "Ben | Anna |  | anna",
         " | Name doppelt* | Name fehlt | Name doppelt*", 0, 3, 4},
        {"Ben read", [&] { EXPECT_EQ(liste.vorschauFertig(ben, QSize(40, 30)), 0); }, "Ben | Anna |  | anna",
         " | Name doppelt* | Name fehlt | Name doppelt*", 0, 3, 3},
        {"a name typed", [&] { liste.setzeName(3, "U\u202Ewe"); }, "Ben | Anna |  | Uwe", " |  | Name fehlt | ", 0, 3, 3},
        {"unreadable", [&] { EXPECT_EQ(liste.nichtLesbar(img, "kaputt.\n\nDatei: x"), 2); }, "Ben | Anna | Uwe", " |  | ", 0, 2, 2},
        {"first removed", [&] { liste.entferne(0); }, "Anna | Uwe", " | ", -1, 1, 2},
        {"names off again", [&] { liste.setzeName(1, "anna"); liste.setzeMitNamen(false); }, "Anna | anna", " | ", -1, 1, 2,
         "Anna.jpg↔= | anna .jpg↔="},
        {"a text pair", [&] { EXPECT_EQ(liste.fuegeTextpaarHinzu(), 2); }, "Anna | anna | ", " |  | Text fehlt", -1, 1, 2,
         "Anna.jpg↔= | anna .jpg↔= | =↔="},
        {"its texts", [&] { liste.setzeText(2, "3 +\u2066 4"); liste.setzeZweittext(2, "\u200F" "7"); }, "Anna | anna | ", " |  | ", -1, 1, 2,
         "Anna.jpg↔= | anna .jpg↔= | '3 + 4'↔'7'"},
        {"photo to text, equal to another pair's", [&] { liste.setzeZweitart(0, Zweitart::Text); liste.setzeZweittext(0, " 7"); },
         "Anna | anna | ", "Text doppelt* |  | Text doppelt*", -1, 1, 2, "Anna.jpg↔' 7' | anna .jpg↔= | '3 + 4'↔'7'"},
        {"names on: the typed text stays", [&] { liste.setzeMitNamen(true); }, "Anna | anna | ",
         "Text doppelt* |  | Text doppelt*", -1, 1, 2, "Anna.jpg↔' 7' | anna .jpg↔'anna' | '3 + 4'↔'7'"},
        {"a name equal to a text", [&] { liste.setzeZweittext(0, "8"); liste.setzeName(1, "3 +  4"); },
         "Anna | 3 +  4 | ", " | Name doppelt* | Text doppelt*", -1, 1, 2, "Anna.jpg↔'8' | anna .jpg↔'3 +  4' | '3 + 4'↔'7'"},
        {"no photo again for a text, no photo without one", [&] {
             EXPECT_FALSE(liste.setzeZweitart(2, Zweitart::GleichesFoto));
             EXPECT_FALSE(liste.setzeZweitart(2, Zweitart::Name));
             EXPECT_FALSE(liste.setzeZweitart(0, Zweitart::Foto));
             liste.setzeName(1, "Uwe");
         }, "Anna | Uwe | ", " |  | ", -1, 1, 2, "Anna.jpg↔'8' | anna .jpg↔'Uwe' | '3 + 4'↔'7'"},
        {"second photos: one new, one already in the list", [&] {
             EXPECT_EQ(liste.setzeZweitfoto(2, tmp.filePath("Ben.jpg")), "");
             EXPECT_EQ(liste.setzeZweitfoto(1, tmp.filePath("Anna.jpg")), "schon in der Liste");
         }, "Anna | Uwe | ", " |  | ", -1, 1, 3, "Anna.jpg↔'8' | anna .jpg↔'Uwe' | '3 + 4'↔Ben.jpg"},
        {"the second photo read, a row moved", [&] {
             EXPECT_EQ(liste.vorschauFertig(liste.zeile(2).Zweitfoto.Nummer, QSize(4, 3)), 2);
             liste.verschiebe(2, -1);
         }, "Anna |  | Uwe", " |  | ", -1, 2, 2, "Anna.jpg↔'8' | '3 + 4'↔Ben.jpg | anna .jpg↔'Uwe'"},
        {"the photo of a name card again; the text typed before comes back", [&] {
             liste.setzeMitNamen(false);
             EXPECT_TRUE(liste.setzeZweitart(1, Zweitart::Text));
         }, "Anna |  | Uwe", " |  | ", -1, 2, 2, "Anna.jpg↔'8' | '3 + 4'↔'7' | anna .jpg↔="},
        {"an unreadable second photo leaves its row", [&] {
             EXPECT_EQ(liste.setzeZweitfoto(0, tmp.filePath("Ben.jpg")), "") << "free again";
             EXPECT_EQ(liste.nichtLesbar(liste.zeile(0).Zweitfoto.Nummer, "kaputt"), 0);
         }, "Anna |  | Uwe", " |  | ", -1, 2, 2, "Anna.jpg↔= | '3 + 4'↔'7' | anna .jpg↔="},
        {"a list whose first line is a header", [&] {
             schreibe(tmp.filePath("liste.csv"), "Deutsch;Englisch\nHund;dog\n");
             EXPECT_EQ(liste.fuegeListeHinzu(tmp.filePath("liste.csv"), lesePaarliste(tmp.filePath("liste.csv"))), 3);
             EXPECT_EQ(liste.listenkopf(), true);
         }, "Anna |  | Uwe | ", " |  |  | ", -1, 2, 2, "Anna.jpg↔= | '3 + 4'↔'7' | anna .jpg↔= | 'Hund'↔'dog'"},
        {"its first line a pair", [&] { EXPECT_EQ(liste.setzeListenkopf(false).Zeile, 3); }, "Anna |  | Uwe |  | ",
         " |  |  |  | ", -1, 2, 2, "Anna.jpg↔= | '3 + 4'↔'7' | anna .jpg↔= | 'Deutsch'↔'Englisch' | 'Hund'↔'dog'"},
        {"and a header again", [&] { EXPECT_EQ(liste.setzeListenkopf(true).Zeile, 3); }, "Anna |  | Uwe | ", " |  |  | ",
         -1, 2, 2, "Anna.jpg↔= | '3 + 4'↔'7' | anna .jpg↔= | 'Hund'↔'dog'"},
    };
    for (const auto& schritt : schritte) {
        SCOPED_TRACE(schritt.schritt);
        schritt.tu();
        QStringList hinweise;
        for (int i = 0; i < liste.anzahl(); ++i)
            hinweise += liste.hinweis(i) + (liste.doppelt(i) ? "*" : "");
        EXPECT_EQ(s(liste.namen()), schritt.namen);
        EXPECT_EQ(s(hinweise), schritt.hinweise);
        EXPECT_EQ(liste.zeileVon(ben), schritt.zeileBen);
        EXPECT_EQ(liste.zeileVon(uwe), schritt.zeileUwe);
        EXPECT_EQ(liste.offeneVorschauen(), schritt.offen);
        if (schritt.paare) {
            EXPECT_EQ(paare(liste), schritt.paare);
        }
        EXPECT_EQ(liste.brettfrage(QSize(1366, 768)).Namen, liste.kartentexte());
    }
    EXPECT_EQ(liste.vorschauFertig(img, QSize(1, 1)), -1) << "a thumbnail of a row that is gone";
    EXPECT_EQ(liste.ausgelassenKurz(3).toStdString(), "Nicht aufgenommen: IMG_0001.jpg (kaputt. Datei: x)\n"
                                                      "Anna.jpg (schon in der Liste)\nBen.jpg (kaputt)");
}

// The game goes into a new or empty folder whose name can be a folder's; nothing is said about
// the name before the first photo. The list can be written when every photo is read, the board
// is good and the target free; "Nicht aufgenommen" shows three lines and counts the rest.
TEST(Paarliste, targetWritingAndLeftOutFilesAreAnswered)
{
    QTemporaryDir tmp;
    for (const char* datei : {"Spiele/Voll/a.txt", "Spiele/Datei", "Spiele/Versteckt/.entwurf", "a.jpg"})
        schreibe(tmp.filePath(datei));
    QDir().mkpath(tmp.filePath("Spiele/Leer"));
    const QString spiele = tmp.filePath("Spiele");
    const QString schon = "“ gibt es schon. Bitte einen anderen Namen für das Spiel wählen.";
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
        {"Voll", false, false, "„" + spiele + "/Voll" + schon},
        {"Datei", false, false, "„" + spiele + "/Datei" + schon},
        {"Versteckt", false, false, "„" + spiele + "/Versteckt" + schon},
    };
    Paarliste leer, eins;
    eins.fuegeHinzu({tmp.filePath("a.jpg")});
    for (const auto& z : ziele) {
        const Zielpruefung p = (z.mitFoto ? eins : leer).pruefeZiel(spiele, QString::fromUtf8(z.name));
        EXPECT_EQ(p.Geht, z.geht) << z.name;
        EXPECT_EQ(p.Text.toStdString(), z.text.toStdString());
    }

    const Brettvorschau gut{true, 2, 2, {}, {}};
    const Zielpruefung frei{true, {}, {}};
    EXPECT_FALSE(eins.schreibbar(gut, frei)) << "a thumbnail is still open";
    eins.vorschauFertig(eins.zeile(0).Nummer, QSize(4, 3));
    EXPECT_TRUE(eins.schreibbar(gut, frei));
    EXPECT_FALSE(eins.schreibbar(Brettvorschau{}, frei));
    EXPECT_FALSE(eins.schreibbar(gut, Zielpruefung{}));

    const std::pair<int, const char*> ausgelassen[] = {
        {4, "Nicht aufgenommen: 1.jpg (gibt es nicht)\n2.jpg (gibt es nicht)\n3.jpg (gibt es nicht)\n4.jpg (gibt es nicht)"},
        {41, "Nicht aufgenommen: 1.jpg (gibt es nicht)\n2.jpg (gibt es nicht)\n3.jpg (gibt es nicht)\n… und 38 weitere"}};
    for (const auto& [fehlend, kurz] : ausgelassen) {
        Paarliste liste;
        for (int i = 1; i <= fehlend; ++i)
            liste.fuegeHinzu({tmp.filePath(QStringLiteral("%1.jpg").arg(i))});
        EXPECT_EQ(liste.ausgelassenKurz(3).toStdString(), kurz);
        EXPECT_EQ(liste.ausgelassenAlle().count('\n'), fehlend - 1);
    }
}

// The board as the list sees it: the count of rows and the card format of the photos read so far.
TEST(Paarliste, theBoardFollowsTheRowsAndTheirOrientation)
{
    QTemporaryDir tmp;
    const struct {
        int quer, hoch, offen;
        const char* text;
        int jeRunde = 0;
        const char* name = nullptr; // every row's name card, with names
        int zweiteHoch = 0;         // rows with an upright second photo: cards too
    } faelle[] = {
        {0, 0, 0, "Noch keine Paare."},
        {6, 0, 0, "6 Paare → 3 × 4 Karten, je bis zu 200 × 150 Pixel auf diesem Bildschirm"},
        {0, 6, 0, "6 Paare → 4 × 3 Karten, je bis zu 150 × 200 Pixel auf diesem Bildschirm"},
        {3, 3, 0, "6 Paare → 3 × 4 Karten, je bis zu 171 × 171 Pixel auf diesem Bildschirm"},
        {4, 1, 1, "6 Paare → 3 × 4 Karten, je bis zu 200 × 150 Pixel auf diesem Bildschirm"},
        {17, 0, 0, "17 Paare → 5 × 7 Felder, 1 bleibt frei, je bis zu 116 × 87 Pixel auf diesem Bildschirm"},
        {0, 25, 0, "25 Paare → 8 × 7 Felder, 6 bleiben frei, je bis zu 69 × 92 Pixel auf diesem Bildschirm"},
        {0, 25, 0, "Je Runde 8 von 25 Paaren → 4 × 4 Karten, je bis zu 126 × 168 Pixel auf diesem Bildschirm", 8},
        {0, 6, 0, "Je Runde können 1 bis 6 Paare gespielt werden", 7},
        {0, 40, 0, "40 Paare → 10 × 8 Karten, je bis zu 54 × 72 Pixel auf diesem Bildschirm\nDie Namen wären auf den Karten "
                   "nur 8 Pixel hoch und schwer zu lesen; mit „Je Runde 28 Paare“ werden sie lesbar.", 0,
         "Maximilian Alexander "},
        {0, 40, 0, "Je Runde 8 von 40 Paaren → 4 × 4 Karten, je bis zu 126 × 168 Pixel auf diesem Bildschirm", 8,
         "Maximilian Alexander "},
        {1, 0, 0, "1 Paar – für ein Spiel werden mindestens 2 gebraucht."},
        {6, 0, 0, "6 Paare → 3 × 4 Karten, je bis zu 171 × 171 Pixel auf diesem Bildschirm", 0, nullptr, 6},
    };
    for (const auto& f : faelle) {
        Paarliste liste;
        for (int i = 0; i < f.quer + f.hoch + f.offen; ++i) {
            schreibe(tmp.filePath(QStringLiteral("%1.jpg").arg(i)));
            liste.fuegeHinzu({tmp.filePath(QStringLiteral("%1.jpg").arg(i))});
        }
        for (int i = 0; i < f.quer + f.hoch; ++i)
            liste.vorschauFertig(liste.zeile(i).Nummer, i < f.quer ? QSize(4000, 3000) : QSize(3000, 4000));
        for (int i = 0; i < f.zweiteHoch; ++i) {
            const QString zweites = tmp.filePath(QStringLiteral("zweites %1.jpg").arg(i));
            schreibe(zweites);
            ASSERT_EQ(liste.setzeZweitfoto(i, zweites), "");
            liste.vorschauFertig(liste.zeile(i).Zweitfoto.Nummer, QSize(3000, 4000));
        }
        if (liste.anzahl() > 0) {
            EXPECT_EQ(liste.zeile(0).ausrichtung(), f.quer ? Ausrichtung::Quer : f.hoch ? Ausrichtung::Hoch : Ausrichtung::Unbekannt);
        }
        if (f.name) {
            liste.setzeMitNamen(true);
            for (int i = 0; i < liste.anzahl(); ++i)
                liste.setzeName(i, QString::fromUtf8(f.name) + QString::number(i));
        }
        const Brettvorschau b = brettvorschau(liste.brettfrage(QSize(1366, 768), f.jeRunde));
        EXPECT_TRUE(b.Text.startsWith(QString::fromUtf8(f.text))) << b.Text.toStdString();
        EXPECT_EQ(b.Text.contains('\n'), f.name && !f.jeRunde) << b.Text.toStdString();
        // The pairs per round the second line suggests, for the window's button.
        EXPECT_EQ(b.Vorschlag, f.name && !f.jeRunde ? 28 : 0) << b.Text.toStdString();
    }
}
