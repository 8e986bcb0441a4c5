#include "board/Kartenformat.h"

#include <gtest/gtest.h>

#include <ostream>

// A row that fails names the format, not its bytes.
void PrintTo(const Kartenformat& format, std::ostream* aus)
{
    *aus << format.FormatX << ':' << format.FormatY << (format.Schneiden ? " cropped" : " fitted");
}

namespace {

std::vector<QSize> fotos(std::initializer_list<std::pair<int, QSize>> gruppen)
{
    std::vector<QSize> alle;
    for (const auto& [anzahl, groesse] : gruppen)
        alle.insert(alle.end(), std::size_t(anzahl), groesse);
    return alle;
}

const QSize Quer(4032, 3024);
const QSize Hoch(3024, 4032);
const QSize Quadrat(1000, 1000);

} // namespace

// The cards take the proportions that most of the photos fill, square when neither kind clearly
// wins; the photos are cropped when at least nine in ten lose no more than 15 % of themselves.
TEST(Kartenformat, photoSetsGiveTheFormatTheyFillAndCropOnlyWhenLittleIsLost)
{
    struct Fall {
        const char* name;
        std::vector<QSize> fotos;
        Kartenformat format;
    };
    const Fall faelle[] = {
        {"phone photos held sideways", fotos({{10, Quer}}), {4, 3, true}},
        {"phone photos held upright", fotos({{10, Hoch}}), {3, 4, true}},
        {"square photos", fotos({{10, Quadrat}}), {1, 1, true}},
        {"half and half", fotos({{5, Quer}, {5, Hoch}}), {1, 1, false}},
        {"55 % landscape is still even", fotos({{11, Quer}, {9, Hoch}}), {1, 1, false}},
        {"60 % landscape", fotos({{6, Quer}, {4, Hoch}}), {4, 3, false}},
        {"one portrait in ten is cropped", fotos({{9, Quer}, {1, Hoch}}), {4, 3, true}},
        {"two portraits in ten are not", fotos({{8, Quer}, {2, Hoch}}), {4, 3, false}},
        {"camera 3:2 loses 11 %", fotos({{10, QSize(6000, 4000)}}), {4, 3, true}},
        {"video stills 16:9 would lose 25 %", fotos({{10, QSize(1920, 1080)}}), {4, 3, false}},
        {"portrait 9:16", fotos({{4, QSize(1080, 1920)}}), {3, 4, false}},
        {"squares and landscapes", fotos({{5, Quadrat}, {5, Quer}}), {1, 1, false}},
        {"no photos", {}, {3, 4, false}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(waehleKartenformat(f.fotos), f.format) << f.name;
    EXPECT_EQ(formatBeschreibung({4, 3, true}).toStdString(), "Querformat 4:3, zugeschnitten");
    EXPECT_EQ(formatBeschreibung({1, 1, false}).toStdString(), "quadratisch 1:1, ganz gezeigt");
}
