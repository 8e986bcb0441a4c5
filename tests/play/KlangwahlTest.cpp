#include "play/Klangwahl.h"

#include <gtest/gtest.h>

TEST(Klangwahl, eachStepOfTheMoveRulesHasItsSoundOrNone)
{
    // Turning and covering cards tap, a pair and no pair have their notes, the end its own;
    // steps that change nothing a player hears are silent.
    using namespace Schritt;
    const struct {
        const char* schritt;
        Zugschritt s;
        std::optional<Klang> klang;
    } faelle[] = {
        {"hint off", HinweisVerbergen{}, std::nullopt},
        {"back narrows", RueckseiteDrehen{}, std::nullopt},
        {"picture widens", BildDrehen{{1, 2}}, Klang::KarteDreht},
        {"large picture", Grossbild{}, std::nullopt},
        {"halves", Haelften{}, std::nullopt},
        {"message", Meldung{QStringLiteral("Fehler")}, std::nullopt},
        {"cover two cards", Zudecken{{0, 0}, {0, 1}}, Klang::KarteDreht},
        {"move counter", ZuegeZeigen{3}, std::nullopt},
        {"pair taken", PaarNehmen{1, {0, 0}, {1, 1}}, Klang::PaarGefunden},
        {"card laid down", KarteAblegen{}, std::nullopt},
        {"points", PunkteZeigen{0, 2}, std::nullopt},
        {"panels grow", PanelsWachsen{}, std::nullopt},
        {"highlight", Markieren{1, true}, std::nullopt},
        {"no pair", KeinPaar{}, Klang::KeinPaar},
        {"end", Spielende{}, Klang::Spielende},
    };
    static_assert(std::size(faelle) == std::variant_size_v<Zugschritt>, "a row for every kind of step");
    for (const auto& f : faelle)
        EXPECT_EQ(klangZu(f.s), f.klang) << f.schritt;
}
