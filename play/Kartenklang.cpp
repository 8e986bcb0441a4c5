#include "play/Kartenklang.h"

#include "play/Klangsynthese.h"

#include <algorithm>
#include <cmath>

Kartenklang kartenklangAus(const Tonproben& ton)
{
    if (ton.Rate <= 0 || ton.Proben.empty())
        return nullptr;
    const std::vector<std::int16_t>& alt = ton.Proben;
    if (ton.Rate == Klangrate)
        return std::make_shared<const std::vector<std::int16_t>>(alt);
    const double schritt = double(ton.Rate) / Klangrate; // old samples per new one
    const auto anzahl = static_cast<std::size_t>(std::max(1.0, std::floor(double(alt.size()) / schritt)));
    std::vector<std::int16_t> neu(anzahl);
    const std::size_t letzte = alt.size() - 1;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const double mitte = double(i) * schritt;
        double wert;
        if (schritt > 1.0) {
            const auto von = static_cast<std::size_t>(mitte);
            const std::size_t bis = std::min(alt.size(), std::max(von + 1, static_cast<std::size_t>(mitte + schritt)));
            double summe = 0;
            for (std::size_t j = von; j < bis; ++j)
                summe += alt[j];
            wert = summe / double(bis - von);
        } else {
            const auto links = std::min(static_cast<std::size_t>(mitte), letzte);
            const std::size_t rechts = std::min(links + 1, letzte);
            const double anteil = mitte - double(links);
            wert = alt[links] * (1.0 - anteil) + alt[rechts] * anteil;
        }
        neu[i] = static_cast<std::int16_t>(std::lrint(std::clamp(wert, -32768.0, 32767.0)));
    }
    return std::make_shared<const std::vector<std::int16_t>>(std::move(neu));
}
