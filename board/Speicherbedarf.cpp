#include "board/Speicherbedarf.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace {

std::int64_t mitSaettigung(std::int64_t a, std::int64_t b)
{
    std::int64_t r = 0;
    return __builtin_mul_overflow(a, b, &r) ? INT64_MAX : r;
}

std::int64_t summeMitSaettigung(std::int64_t a, std::int64_t b)
{
    std::int64_t r = 0;
    return __builtin_add_overflow(a, b, &r) ? INT64_MAX : r;
}

std::int64_t flaeche(QSize s)
{
    return std::int64_t(std::max(s.width(), 0)) * std::max(s.height(), 0);
}

QString mengenText(std::int64_t bytes)
{
    const QLocale deutsch(QLocale::German);
    if (bytes >= 1'000'000'000)
        return deutsch.toString(double(bytes) / 1e9, 'f', 1) + QStringLiteral(" GB");
    return deutsch.toString((bytes + 500'000) / 1'000'000) + QStringLiteral(" MB");
}

} // namespace

std::int64_t bilderSpeicherbedarf(int zellen, QSize karte, QSize gross)
{
    const std::int64_t proZelle = mitSaettigung(flaeche(karte) + flaeche(gross), 4);
    return mitSaettigung(proZelle, std::max(zellen, 0));
}

std::int64_t Speicherposten::summe() const
{
    return summeMitSaettigung(summeMitSaettigung(Fenster, Muster), summeMitSaettigung(Kartenbilder, GrosseBilder));
}

Speicherposten speicherposten(const Brettmasse& m)
{
    const auto bytes = [](std::int64_t pixel) { return mitSaettigung(pixel, 4); };
    const std::int64_t karte = flaeche(m.Karte);
    const std::int64_t gross = flaeche(m.Gross);
    const std::int64_t zellen = std::max(m.Zellen, 0);
    Speicherposten p;
    p.Fenster = bytes(summeMitSaettigung(flaeche(m.Fenster), flaeche(m.Hintergrund)));
    p.Muster = bytes(flaeche(m.Muster));
    // The card back is drawn once at card size and then shared by every cell.
    p.Kartenbilder = bytes(mitSaettigung(summeMitSaettigung(zellen, 2), karte));
    // A rendering works on the target's size and hands over a copy; the deal's
    // workers render side by side, each with work bitmaps of its own.
    const std::int64_t arbeitsbitmaps = mitSaettigung(2, std::max(m.Darsteller, 1));
    p.GrosseBilder =
        bytes(summeMitSaettigung(mitSaettigung(zellen, gross), mitSaettigung(arbeitsbitmaps, std::max(karte, gross))));
    return p;
}

namespace {

// The largest item: what it is, and which settings make it smaller.
struct GroessterPosten {
    QString was;
    QString abhilfe;
    std::int64_t bytes;
};

GroessterPosten groessterPosten(const Brettmasse& m, const Speicherposten& p)
{
    const QString fenster = QStringLiteral("ein kleineres Fenster (Einstellung 1)");
    const QString weniger = QStringLiteral("weniger Karten (Einstellung 3)");
    const auto groesse = [](QSize s) { return QStringLiteral("%1 x %2 Pixel").arg(s.width()).arg(s.height()); };
    GroessterPosten g{QStringLiteral("das Fenster mit dem Spielfeldhintergrund"), fenster, p.Fenster};
    if (p.Muster > g.bytes)
        g = {QStringLiteral("das Muster der Kartenrückseite (%1)").arg(groesse(m.Muster)),
             QStringLiteral("ein Seitenverhältnis näher an 1:1 (Einstellung 2)"), p.Muster};
    if (p.Kartenbilder > g.bytes)
        g = {QStringLiteral("die %1 Bilder in Kartengröße (%2)").arg(m.Zellen).arg(groesse(m.Karte)),
             weniger + QStringLiteral(" oder kleinere Karten (Einstellung 4)"), p.Kartenbilder};
    if (p.GrosseBilder > g.bytes)
        g = {QStringLiteral("die %1 großen Bilder (%2)").arg(m.Zellen).arg(groesse(m.Gross)),
             weniger + QStringLiteral(" oder ") + fenster, p.GrosseBilder};
    return g;
}

} // namespace

QString pruefeArbeitsspeicher(const Brettmasse& m, std::optional<std::int64_t> verfuegbar)
{
    if (!verfuegbar)
        return QString();
    const Speicherposten posten = speicherposten(m);
    const std::int64_t bedarf = posten.summe();
    const auto nutzbar = static_cast<std::int64_t>(
        static_cast<__int128>(std::max<std::int64_t>(*verfuegbar, 0)) * NutzbarerAnteilProzent / 100);
    if (bedarf <= nutzbar)
        return QString();
    const GroessterPosten g = groessterPosten(m, posten);
    return QStringLiteral("Nicht genügend Arbeitsspeicher.\n\r"
                          "Mit diesen Einstellungen braucht das Spiel etwa %1, verfügbar sind etwa %2. "
                          "Der größte Posten: %3 mit etwa %4.\n\r"
                          "Bitte in der Datei \"Paarlix.ini\" %5 eintragen.")
        .arg(mengenText(bedarf), mengenText(nutzbar), g.was, mengenText(g.bytes), g.abhilfe);
}
