#include "play/Klangwahl.h"

std::optional<Klang> klangZu(const Zugschritt& schritt)
{
    if (std::holds_alternative<Schritt::BildDrehen>(schritt) || std::holds_alternative<Schritt::Zudecken>(schritt))
        return Klang::KarteDreht;
    if (std::holds_alternative<Schritt::PaarNehmen>(schritt))
        return Klang::PaarGefunden;
    if (std::holds_alternative<Schritt::KeinPaar>(schritt))
        return Klang::KeinPaar;
    if (std::holds_alternative<Schritt::Spielende>(schritt))
        return Klang::Spielende;
    return std::nullopt;
}
