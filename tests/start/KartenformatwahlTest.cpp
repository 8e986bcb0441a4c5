#include "start/Kartenformatwahl.h"

#include <gtest/gtest.h>

namespace {

std::string s(const std::optional<Kartenformat>& f)
{
    return f ? std::to_string(f->FormatX) + ":" + std::to_string(f->FormatY) + (f->Schneiden ? " zu" : " ganz") : "keins";
}

} // namespace

// What the choice hands the writer: nothing with "automatisch", an entry's proportions with
// the crop, and an edited game's own format (also one no entry offers) while the choice is
// the one shown for it; a changed choice wins.
TEST(Kartenformatwahl, theChoiceGivesTheWriterAFormatOrLetsItChoose)
{
    using E = Formateintrag;
    const std::optional<Kartenformat> keins;
    struct Fall {
        Formatwahl Wahl;
        std::optional<Kartenformat> Spiel;
        const char* Erwartet;
    };
    const Fall faelle[] = {
        {{E::Automatisch, true}, keins, "keins"},
        {{E::Quer, false}, keins, "4:3 ganz"},
        {{E::Hoch, true}, keins, "3:4 zu"},
        {{E::Quadratisch, false}, keins, "1:1 ganz"},
        {{E::Quer, true}, Kartenformat{16, 9, true}, "16:9 zu"},
        {{E::Quer, false}, Kartenformat{16, 9, true}, "4:3 ganz"},
        {{E::Hoch, true}, Kartenformat{16, 9, true}, "3:4 zu"},
        {{E::Hoch, false}, Kartenformat{2, 3, false}, "2:3 ganz"},
        {{E::Quadratisch, false}, Kartenformat{5, 4, false}, "1:1 ganz"},
        {{E::Quer, false}, Kartenformat{5, 4, false}, "5:4 ganz"},
        {{E::Automatisch, false}, Kartenformat{3, 4, false}, "keins"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(s(kartenformatFuer(f.Wahl, f.Spiel)), f.Erwartet) << int(f.Wahl.Eintrag) << " " << s(f.Spiel);
    EXPECT_EQ(formateintraege().join('|').toStdString(), "automatisch|Querformat 4:3|Hochformat 3:4|quadratisch 1:1");
    EXPECT_EQ(formatwahlFuer({0, 0, true}), (Formatwahl{E::Quadratisch, true})) << "no proportions";
}
