#include "board/Kartenformat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double Vorsprung = 1.05;      // how much more a non-square format must fill
constexpr double ErlaubterVerlust = 0.15;
constexpr double AnteilZumSchneiden = 0.9;

// The geometric mean of the shares: a photo shown at half size weighs as
// much as one shown at double size, so one odd photo cannot dominate.
double typischeDeckung(const std::vector<QSize>& fotos, int formatX, int formatY)
{
    double summe = 0;
    for (const QSize& foto : fotos)
        summe += std::log(std::max(deckung(foto, formatX, formatY), 1e-6));
    return std::exp(summe / double(fotos.size()));
}

} // namespace

double deckung(QSize foto, int formatX, int formatY)
{
    if (foto.isEmpty() || formatX <= 0 || formatY <= 0)
        return 0;
    const double bild = double(foto.width()) / foto.height();
    const double karte = double(formatX) / formatY;
    return std::min(bild, karte) / std::max(bild, karte);
}

Kartenformat waehleKartenformat(const std::vector<QSize>& fotos)
{
    Kartenformat format;
    if (fotos.empty())
        return format;
    format.FormatX = 1;
    format.FormatY = 1;
    double beste = typischeDeckung(fotos, 1, 1) * Vorsprung;
    for (const auto& [x, y] : std::array<std::pair<int, int>, 2>{{{4, 3}, {3, 4}}}) {
        const double d = typischeDeckung(fotos, x, y);
        if (d > beste) {
            beste = d;
            format.FormatX = x;
            format.FormatY = y;
        }
    }
    const auto passend = std::count_if(fotos.begin(), fotos.end(), [&](QSize foto) {
        return deckung(foto, format.FormatX, format.FormatY) >= 1 - ErlaubterVerlust;
    });
    format.Schneiden = double(passend) >= AnteilZumSchneiden * double(fotos.size());
    return format;
}

QString formatBeschreibung(const Kartenformat& format)
{
    const QString art = format.FormatX > format.FormatY   ? QStringLiteral("Querformat")
                        : format.FormatX < format.FormatY ? QStringLiteral("Hochformat")
                                                          : QStringLiteral("quadratisch");
    return QStringLiteral("%1 %2:%3, %4")
        .arg(art)
        .arg(format.FormatX)
        .arg(format.FormatY)
        .arg(format.Schneiden ? QStringLiteral("zugeschnitten") : QStringLiteral("ganz gezeigt"));
}
