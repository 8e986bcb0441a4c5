#include "neuesspiel/Brettvorschauen.h"
#include "neuesspiel/Namenspruefung.h"
#include "neuesspiel/Paaranzahl.h"
#include "platform/Spielname.h"
#include "platform/NatuerlicheOrdnung.h"
#include "neuesspiel/Paarliste.h"

#include "Neuspielbilder.h"

#include <QTemporaryDir>

#include <map>

#include <gtest/gtest.h>


// Equal names are marked on every row that has them, whatever their case and blanks;
// empty names are never equal. Before writing, missing names come first, then equal ones.
TEST(Listenregeln, equalAndMissingNamesAreFoundBeforeWriting)
{
    const QStringList namen{"Oma", "Ben", " oma ", "", "", "Ben  Uwe", "ben uwe"};
    EXPECT_EQ(doppelteNamen(namen), (std::vector<bool>{true, false, true, false, false, true, true}));

    const struct {
        QStringList namen;
        bool mitNamen;
        const char* text;
        int zeile;
        QStringList paare = {}; // text pairs "Hund|dog" of a list, checked instead of the names
    } faelle[] = {
        {{"Oma", "Ben"}, true, "", -1},
        {{"Oma", "oma"}, false, "", -1},
        {{"Oma", ""}, true, "Bitte dem Foto in Zeile 2 einen Namen geben.", 1},
        {{"", "Ben", " "}, true, "Bitte allen Fotos einen Namen geben (2 fehlen, zuerst in Zeile 1).", 0},
        {{"Ben", "Oma", "oma"}, true,
         "Der Name „Oma“ steht mehrmals in der Liste. Zwei gleiche Namenskarten machen das Spiel unfair: "
         "bitte die Namen unterscheiden.", 1},
        {{}, false, "Bitte in Zeile 2 den Text der Karte eingeben.", 1, {"3 + 4|7", " |dog"}},
        {{}, false, "Der Text „DOG“ steht in Zeile 1 und in Zeile 3. Zwei gleiche Karten machen das Spiel unfair: "
         "bitte die Texte unterscheiden.", 2, {"Hund|dog", "Katze|cat", "DOG|Hund"}},
        {{}, false, "", -1, {"7|7", "8|9"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE((f.namen + f.paare).join(',').toStdString());
        Paarangaben paare;
        for (const QString& paar : f.paare)
            paare.push_back({{{}, paar.section('|', 0, 0)}, {{}, paar.section('|', 1)}});
        Paarliste liste;
        liste.fuegePaareHinzu(paare);
        const Namensfehler fehler = f.paare.isEmpty() ? pruefeNamen(f.namen, f.mitNamen) : liste.pruefeTexte();
        EXPECT_EQ(fehler.Text.toStdString(), f.text);
        EXPECT_EQ(fehler.Zeile, f.zeile);
    }
}

// A dropped folder's photos come in a file manager's order; the game is named after the
// photos' folder; a name that cannot be a folder is refused.
TEST(Listenregeln, folderOrderAndGameNameFollowTheFolder)
{
    QStringList namen{"b.jpg", "Bild 10.jpg", "bild 9.jpg", "Bild 009b.jpg", "A.jpg", "Bild 9a.jpg", "2.jpg", "10.jpg"};
    std::sort(namen.begin(), namen.end(), natuerlichVor);
    EXPECT_EQ(namen.join(" | ").toStdString(),
              "2.jpg | 10.jpg | A.jpg | b.jpg | bild 9.jpg | Bild 9a.jpg | Bild 009b.jpg | Bild 10.jpg");
    EXPECT_EQ(spielnameFuer("/home/erna/Bilder/Familie/IMG_1.jpg").toStdString(), "Familie");
    const struct {
        const char* name;
        bool geht;
    } faelle[] = {{"Familie 2024", true}, {"", false}, {"  ", false}, {"a/b", false}, {"..", false},
                  {".versteckt", false}, {"Ä ö ü", true}};
    for (const auto& f : faelle)
        EXPECT_EQ(spielnameFehler(QString::fromUtf8(f.name)).isEmpty(), f.geht) << f.name;
}

// The board shown while a worker answers one question at a time: the latest question wins,
// an answer to an older one is dropped, and no question is computed twice.
TEST(Listenregeln, theLatestBoardQuestionWins)
{
    const QSize schirm(1366, 768);
    const std::map<char, Brettfrage> fragen{{'a', {6, {4, 3, true}, schirm}}, {'b', {6, {3, 4, true}, schirm}},
                                            {'w', {1, {4, 3, true}, schirm}},
                                            {'n', {6, {4, 3, true}, schirm, 0, {"Anna", "Ben", "Cem", "Dora", "Emil", "Ida"}}}};
    const std::string a = brettvorschau(fragen.at('a')).Text.toStdString();
    const std::string wenige = "1 Paar – für ein Spiel werden mindestens 2 gebraucht.";
    const std::string offen = "Spielfeld wird berechnet …";
    // Each step: questions asked (a, b, w: too few, n: a with names) and "!": the worker answers.
    const struct {
        const char* schritte;
        std::string zeigt;
        char rechnet;
    } faelle[] = {{"a", offen, 'a'},  {"a", offen, 'a'},    {"b", offen, 'a'},   {"!b", offen, 'b'},
                  {"a", offen, 'b'},  {"!a", offen, 'a'},   {"!a", a, 0},        {"w", wenige, 0},
                  {"a", a, 0},        {"n", a, 'n'},        {"!n", a, 0},        {"b", offen, 'b'},
                  {"n", a, 'b'},      {"!n", a, 0},         {"bw", wenige, 'b'},
                  {"!w", wenige, 0}};
    Brettvorschauen v;
    std::optional<Brettfrage> rechnet;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.schritte);
        std::string zeigt;
        for (const char* c = f.schritte; *c; ++c) {
            if (*c == '!') {
                ASSERT_TRUE(rechnet);
                rechnet = v.beantwortet(*rechnet, brettvorschau(*rechnet));
                continue;
            }
            const Brettvorschauen::Schritt schritt = v.frage(fragen.at(*c));
            EXPECT_FALSE(schritt.Starte && rechnet) << "one question at a time";
            rechnet = schritt.Starte ? schritt.Starte : rechnet;
            zeigt = schritt.Zeigen.Text.toStdString();
        }
        EXPECT_EQ(zeigt, f.zeigt);
        EXPECT_EQ(rechnet, f.rechnet ? std::optional(fragen.at(f.rechnet)) : std::nullopt);
    }
}

// The file dialog opens in the first folder that exists, else at home.
TEST(Listenregeln, theFileDialogStartsInAFolderThatExists)
{
    QTemporaryDir tmp;
    const QString datei = tmp.filePath("datei.jpg");
    neuspielbilder::schreibe(datei, "x");
    EXPECT_EQ(vorhandenerOrdner({tmp.filePath("weg"), tmp.path()}, "~"), tmp.path());
    EXPECT_EQ(vorhandenerOrdner({"", datei}, "~"), "~");
}

namespace {
std::string q(const QString& text) { return text.toStdString(); }
} // namespace

// Fewer than two pictures are refused with a message that says how many were given.
TEST(Listenregeln, tooFewPicturesAreRefused)
{
    const std::pair<int, const char*> faelle[] = {
        {0, "Für ein Spiel werden mindestens 2 Bilder gebraucht, angegeben sind 0."},
        {1, "Für ein Spiel werden mindestens 2 Bilder gebraucht, angegeben ist 1."},
        {2, ""},
        {5000, ""},
    };
    for (const auto& [anzahl, meldung] : faelle)
        EXPECT_EQ(q(anzahlFehler(anzahl)), meldung) << anzahl;
    EXPECT_EQ(q(anzahlFehler(1, "/tmp/a b.csv")),
              "Die Liste „/tmp/a b.csv“ enthält nur 1 Paar; für ein Spiel werden mindestens 2 Paare gebraucht.");
}
