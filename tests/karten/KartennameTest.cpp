#include "karten/Kartenname.h"

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

// The names cameras and phones give are recognised; names a person gives, even with
// numbers in them, are not.
TEST(Kartenname, cameraNamesAreToldFromNamesAPersonGives)
{
    const struct {
        const char* name;
        bool kamera;
    } faelle[] = {
        {"IMG_2041", true},
        {"img_2041 2", true},
        {"IMG_E2041", true},
        {"DSC01234", true},
        {"_DSC1234", true},
        {"DSCN0042", true},
        {"PXL_20240512_143321123", true},
        {"PXL_20240512_143321123.MP", true},
        {"IMG-20240512-WA0001", true},
        {"P1010001", true},
        {"GOPR0042", true},
        {"20240512_143321", true},
        {"2024-05-12 14.33.21", true},
        {"Screenshot_20240512-143321", true},
        {"WhatsApp Image 2024-05-12 at 14.33.21", true},
        {"Oma Erna", false},
        {"Paul 2", false},
        {"Pia", false},
        {"2041", false},
        {"Bild 3", false},
        {"IMG", false},
        {"Imke 2024", false},
        {"Klasse 3b 2024-05-12", false},
        {"", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(istKameraname(QString::fromUtf8(f.name)), f.kamera) << f.name;
    EXPECT_EQ(vorgeschlagenerName("/fotos/Oma Erna.jpg").toStdString(), "Oma Erna");
    EXPECT_EQ(vorgeschlagenerName("/fotos/IMG_2041.JPG").toStdString(), "");
}
