#include "neuesspiel/Bildplan.h"

#include <gtest/gtest.h>

namespace {

std::string s(const QString& text) { return text.toStdString(); }

} // namespace

// A name card reads the file name without folder and last extension, trimmed.
TEST(Bildplan, cardNameIsTheFileNameWithoutExtension)
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

// Pictures are numbered in the order given; only with names does the "b" card get a text.
TEST(Bildplan, picturesAreNumberedInTheOrderGiven)
{
    QStringList quellen;
    for (int i = 1; i <= 12; ++i)
        quellen += QStringLiteral("bild %1.jpg").arg(i);
    const std::vector<Bildauftrag> mitNamen = planeBilder(quellen, true);
    ASSERT_EQ(mitNamen.size(), 12u);
    EXPECT_EQ(s(mitNamen[0].Quelle), "bild 1.jpg");
    EXPECT_EQ(mitNamen[0].Paar, 1);
    EXPECT_EQ(s(mitNamen[0].ZielA), "01a.jpg");
    EXPECT_EQ(s(mitNamen[0].ZielB), "01b.jpg");
    EXPECT_EQ(s(mitNamen[0].Name), "bild 1");
    EXPECT_EQ(s(mitNamen[11].ZielA), "12a.jpg");
    EXPECT_EQ(s(mitNamen[11].Name), "bild 12");
    for (const Bildauftrag& b : planeBilder(quellen, false))
        EXPECT_TRUE(b.Name.isEmpty()) << s(b.Quelle);
}

// Fewer than two pictures are refused with a message that says how many were given.
TEST(Bildplan, tooFewPicturesAreRefused)
{
    const std::pair<int, const char*> faelle[] = {
        {0, "Für ein Spiel werden mindestens 2 Bilder gebraucht, angegeben sind 0."},
        {1, "Für ein Spiel werden mindestens 2 Bilder gebraucht, angegeben ist 1."},
        {2, ""},
        {5000, ""},
    };
    for (const auto& [anzahl, meldung] : faelle)
        EXPECT_EQ(s(anzahlFehler(anzahl)), meldung) << anzahl;
}
