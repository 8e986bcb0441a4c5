#include "neuesspiel/Kartenname.h"

#include <gtest/gtest.h>

namespace {

std::string s(const QString& text) { return text.toStdString(); }

} // namespace

// A name card reads the file name without folder and last extension, trimmed.
TEST(Kartenname, cardNameIsTheFileNameWithoutExtension)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"Oma Erna.jpg", "Oma Erna"},
        {"/home/anna/Fotos/Opa Heinz.JPEG", "Opa Heinz"},
        {"fotos/Ben.und.Lea.png", "Ben.und.Lea"},
        {"  Tante Ute .jpg", "Tante Ute"},
        {"Ohne Endung", "Ohne Endung"},
        {".jpg", ".jpg"},
        {"Jürgen_Groß.webp", "Jürgen_Groß"},
    };
    for (const auto& [pfad, name] : faelle)
        EXPECT_EQ(s(kartenname(QString::fromUtf8(pfad))), name) << pfad;
}

// Fewer than two pictures are refused with a message that says how many were given.
TEST(Kartenname, tooFewPicturesAreRefused)
{
    const std::pair<int, const char*> faelle[] = {
        {0, "Für ein Spiel werden mindestens 2 Bilder gebraucht, angegeben sind 0."},
        {1, "Für ein Spiel werden mindestens 2 Bilder gebraucht, angegeben ist 1."},
        {2, ""},
        {5000, ""},
    };
    for (const auto& [anzahl, meldung] : faelle)
        EXPECT_EQ(s(anzahlFehler(anzahl)), meldung) << anzahl;
    EXPECT_EQ(s(anzahlFehler(1, "/tmp/a b.csv")),
              "Die Liste „/tmp/a b.csv“ enthält nur 1 Paar; für ein Spiel werden mindestens 2 Paare gebraucht.");
}
