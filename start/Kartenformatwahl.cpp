#include "start/Kartenformatwahl.h"

#include <cmath>

namespace {

struct Eintrag {
    Formateintrag Art;
    const char* Text;
    int X;
    int Y;
};

constexpr Eintrag Eintraege[] = {
    {Formateintrag::Automatisch, "automatisch", 0, 0},
    {Formateintrag::Quer, "Querformat 4:3", 4, 3},
    {Formateintrag::Hoch, "Hochformat 3:4", 3, 4},
    {Formateintrag::Quadratisch, "quadratisch 1:1", 1, 1},
};

} // namespace

QStringList formateintraege()
{
    QStringList texte;
    for (const Eintrag& e : Eintraege)
        texte += QString::fromUtf8(e.Text);
    return texte;
}

Formatwahl formatwahlFuer(const Kartenformat& format)
{
    Formatwahl wahl{Formateintrag::Quadratisch, format.Schneiden};
    if (format.FormatX <= 0 || format.FormatY <= 0)
        return wahl;
    // Proportions are compared on a log scale, so 2:1 is as far from 1:1 as 1:2.
    const double verhaeltnis = std::log(double(format.FormatX) / format.FormatY);
    double naechste = INFINITY;
    for (const Eintrag& e : Eintraege) {
        if (e.X == 0)
            continue;
        const double abstand = std::abs(verhaeltnis - std::log(double(e.X) / e.Y));
        if (abstand < naechste) {
            naechste = abstand;
            wahl.Eintrag = e.Art;
        }
    }
    return wahl;
}

std::optional<Kartenformat> kartenformatFuer(const Formatwahl& wahl, const std::optional<Kartenformat>& spiel)
{
    if (wahl.Eintrag == Formateintrag::Automatisch)
        return std::nullopt;
    if (spiel && formatwahlFuer(*spiel) == wahl)
        return spiel;
    for (const Eintrag& e : Eintraege)
        if (e.Art == wahl.Eintrag)
            return Kartenformat{e.X, e.Y, wahl.Zuschneiden};
    return std::nullopt;
}
