#include "neuesspiel/Bearbeitung.h"

#include "Neuspielbilder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// What the window hands to schreibstand().
struct Eingabe {
    Paarangaben Paare;
    int JeRunde = 0;
    std::optional<Kartenformat> Format;
};

struct Aenderung {
    const char* was;
    std::function<void(Eingabe&)> aendere;
    bool geaendert;
};

} // namespace

// A change is whatever a write would carry differently; a card's name for the user or where it
// came from is none. A game just written stays current until the first change, even one undone.
TEST(Bearbeitung, everyChangeAWriteWouldCarryIsSeen)
{
    const Eingabe vorher{{{{"a.jpg", ""}, {"", "Anna"}}, {{"", "3 + 4"}, {"b.jpg", ""}}}, 0, Kartenformat{4, 3, false}};
    const Schreibstand gelesen = schreibstand(vorher.Paare, vorher.JeRunde, vorher.Format);
    const Aenderung faelle[] = {
        {"nothing", [](Eingabe&) {}, false},
        {"a first photo", [](Eingabe& s) { s.Paare[0].Erste.Foto = "c.jpg"; }, true},
        {"a first text", [](Eingabe& s) { s.Paare[1].Erste.Text = "3 + 5"; }, true},
        {"a second photo", [](Eingabe& s) { s.Paare[1].Zweite.Foto = "c.jpg"; }, true},
        {"a second text", [](Eingabe& s) { s.Paare[0].Zweite.Text = "Ben"; }, true},
        {"the order", [](Eingabe& s) { std::swap(s.Paare[0], s.Paare[1]); }, true},
        {"a pair less", [](Eingabe& s) { s.Paare.pop_back(); }, true},
        {"the pairs per round", [](Eingabe& s) { s.JeRunde = 1; }, true},
        {"the writer's format", [](Eingabe& s) { s.Format.reset(); }, true},
        {"the proportions", [](Eingabe& s) { s.Format = Kartenformat{3, 4, false}; }, true},
        {"the crop", [](Eingabe& s) { s.Format = Kartenformat{4, 3, true}; }, true},
        {"a card's shown name and origin",
         [](Eingabe& s) { s.Paare[0].Erste.Anzeigename = s.Paare[1].Zweite.Herkunft = "Zeile 2, Spalte 2"; },
         false},
    };
    for (const Aenderung& f : faelle) {
        Eingabe eingabe = vorher;
        f.aendere(eingabe);
        const Schreibstand jetzt = schreibstand(eingabe.Paare, eingabe.JeRunde, eingabe.Format);
        Bearbeitung b(QStringLiteral("/spiele"));
        EXPECT_TRUE(b.geaendert(jetzt)) << f.was << ": nothing read yet";
        b.geschrieben(QStringLiteral("/spiele/Tiere"), gelesen);
        EXPECT_EQ(b.geaendert(jetzt), f.geaendert) << f.was;
        EXPECT_EQ(b.geschriebenesAktuell(jetzt), !f.geaendert) << f.was;
        EXPECT_EQ(b.geschriebenesAktuell(gelesen), !f.geaendert) << f.was << ", then undone";
    }
}

// Closing asks about what would be lost, named as the list holds it; an unchanged or empty list
// is closed without a question.
TEST(Bearbeitung, theLossQuestionNamesWhatWouldBeLost)
{
    QTemporaryDir tmp;
    const QStringList fotos{tmp.filePath("a.jpg"), tmp.filePath("b.jpg")};
    for (const QString& foto : fotos)
        neuspielbilder::schreibe(foto, "x");
    const struct {
        const char* was;
        QStringList fotos;
        int textpaare;
        bool bearbeitet;
        const char* frage;
    } faelle[] = {
        {"empty", {}, 0, false, ""},
        {"one photo", {fotos[0]}, 0, false, "Das Foto in der Liste und sein Name gehen verloren. Trotzdem schließen?"},
        {"two photos", fotos, 0, false, "Die 2 Fotos in der Liste und ihre Namen gehen verloren. Trotzdem schließen?"},
        {"one pair", {}, 1, false, "Das Paar in der Liste geht verloren. Trotzdem schließen?"},
        {"three pairs", fotos, 1, false, "Die 3 Paare in der Liste gehen verloren. Trotzdem schließen?"},
        {"an edited game", fotos, 0, true, "Die Änderungen am Spiel „Tiere“ gehen verloren. Trotzdem schließen?"},
    };
    for (const auto& f : faelle) {
        Paarliste liste;
        liste.fuegeHinzu(f.fotos);
        for (int i = 0; i < f.textpaare; ++i)
            liste.fuegeTextpaarHinzu();
        Bearbeitung b(tmp.filePath("Spiele"));
        if (f.bearbeitet)
            b.beginne(tmp.filePath("Spiele/Tiere"), {}, liste);
        EXPECT_EQ(b.titel().toStdString(), f.bearbeitet ? "Spiel „Tiere“ bearbeiten" : "Neues Spiel") << f.was;
        const Schreibstand stand = schreibstand(liste.paare(), 0, {});
        EXPECT_EQ(b.verlustfrage(liste, stand).toStdString(), f.frage) << f.was;
        b.gelesen(stand);
        EXPECT_EQ(b.verlustfrage(liste, stand).toStdString(), "") << f.was << ", unchanged";
    }
}

// Saving an edited game asks once about its cards that could not be read, named inside the
// game; files left out before the game was read, or from elsewhere, are none of its cards.
TEST(Bearbeitung, unreadCardsAreAskedAboutOnceBeforeSaving)
{
    QTemporaryDir tmp;
    const QString spiel = tmp.filePath("Spiele/Tiere");
    Paarliste liste;
    liste.fuegeHinzu({spiel + "/00a.jpg"});
    Bearbeitung neu(tmp.filePath("Spiele"));
    Bearbeitung b(tmp.filePath("Spiele"));
    b.beginne(spiel + "/", {}, liste);
    EXPECT_EQ(b.ungeleseneFrage(liste).toStdString(), "");
    liste.fuegePaareHinzu({{{spiel + "/02a.jpg", ""}, {}}, {{tmp.filePath("c.jpg"), ""}, {}},
                           {{spiel + "/03a.jpg", ""}, {"", "Maus"}}});
    EXPECT_EQ(b.ungeleseneFrage(liste).toStdString(),
              "Diese Karten des Spiels ließen sich nicht lesen und fallen beim Speichern weg:\n02a.jpg\n03a.jpg\n"
              "Verwerfen und speichern?");
    EXPECT_EQ(neu.ungeleseneFrage(liste).toStdString(), "") << "a new game has no cards yet";
    b.ungeleseneVerworfen(liste);
    EXPECT_EQ(b.ungeleseneFrage(liste).toStdString(), "");
}
