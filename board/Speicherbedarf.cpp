#include "board/Speicherbedarf.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

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

std::optional<QString> leseDatei(const QString& pfad)
{
    std::ifstream f(pfad.toStdString());
    if (!f)
        return std::nullopt;
    std::ostringstream inhalt;
    inhalt << f.rdbuf();
    return QString::fromStdString(inhalt.str());
}

void nimmKleineres(std::optional<std::int64_t>& bisher, std::optional<std::int64_t> wert)
{
    if (wert && (!bisher || *wert < *bisher))
        bisher = std::max<std::int64_t>(*wert, 0);
}

// Room left under the limits of a cgroup and all its parents.
std::optional<std::int64_t> cgroupRaum(const QString& wurzel, QString pfad, const QString& grenzeDatei,
                                       const QString& belegtDatei)
{
    std::optional<std::int64_t> raum;
    for (;;) {
        const QString ordner = wurzel + pfad;
        if (const auto text = leseDatei(ordner + QLatin1Char('/') + grenzeDatei)) {
            if (const auto grenze = cgroupGrenzeAus(*text)) {
                std::int64_t belegt = 0;
                if (const auto b = leseDatei(ordner + QLatin1Char('/') + belegtDatei))
                    belegt = b->trimmed().toLongLong();
                nimmKleineres(raum, *grenze - belegt);
            }
        }
        if (pfad.isEmpty() || pfad == QLatin1String("/"))
            return raum;
        pfad.truncate(std::max<qsizetype>(pfad.lastIndexOf(QLatin1Char('/')), 0));
    }
}

std::optional<std::int64_t> rlimitRaum(int resource, const QString& status, const QString& belegtSchluessel)
{
    rlimit r{};
    if (getrlimit(resource, &r) != 0 || r.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    const auto grenze = static_cast<std::int64_t>(std::min<rlim_t>(r.rlim_cur, INT64_MAX));
    return grenze - kbWertAus(status, belegtSchluessel).value_or(0);
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

std::optional<std::int64_t> kbWertAus(const QString& text, const QString& schluessel)
{
    const QString anfang = schluessel + QLatin1Char(':');
    for (const QString& zeile : text.split(QLatin1Char('\n'))) {
        if (!zeile.startsWith(anfang))
            continue;
        const QStringList teile = zeile.mid(anfang.size()).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = false;
        const qint64 wert = teile.isEmpty() ? 0 : teile.first().toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        const bool inKb = teile.size() > 1 && teile[1].compare(QLatin1String("kB"), Qt::CaseInsensitive) == 0;
        return inKb ? mitSaettigung(wert, 1024) : wert;
    }
    return std::nullopt;
}

std::optional<std::int64_t> cgroupGrenzeAus(const QString& text)
{
    bool ok = false;
    const qint64 wert = text.trimmed().toLongLong(&ok);
    // "max" (v2) or a value near 2^63 (v1) means no limit.
    if (!ok || wert >= (std::int64_t(1) << 62))
        return std::nullopt;
    return wert;
}

std::optional<QString> cgroupPfadAus(const QString& selfCgroup, bool v2)
{
    for (const QString& zeile : selfCgroup.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype erster = zeile.indexOf(QLatin1Char(':'));
        const qsizetype zweiter = zeile.indexOf(QLatin1Char(':'), erster + 1);
        if (erster < 0 || zweiter < 0)
            continue;
        const QString hierarchie = zeile.left(erster);
        const QStringList steuerungen = zeile.mid(erster + 1, zweiter - erster - 1).split(QLatin1Char(','));
        const bool passt = v2 ? hierarchie == QLatin1String("0") && zweiter == erster + 1
                              : steuerungen.contains(QLatin1String("memory"));
        if (passt)
            return zeile.mid(zweiter + 1).trimmed();
    }
    return std::nullopt;
}

std::optional<std::int64_t> verfuegbarerArbeitsspeicher()
{
    std::optional<std::int64_t> raum;
    if (const auto meminfo = leseDatei(QStringLiteral("/proc/meminfo")))
        nimmKleineres(raum, kbWertAus(*meminfo, QStringLiteral("MemAvailable")));

    const QString selbst = leseDatei(QStringLiteral("/proc/self/cgroup")).value_or(QString());
    if (const auto pfad = cgroupPfadAus(selbst, true))
        nimmKleineres(raum, cgroupRaum(QStringLiteral("/sys/fs/cgroup"), *pfad, QStringLiteral("memory.max"),
                                       QStringLiteral("memory.current")));
    if (const auto pfad = cgroupPfadAus(selbst, false))
        nimmKleineres(raum, cgroupRaum(QStringLiteral("/sys/fs/cgroup/memory"), *pfad,
                                       QStringLiteral("memory.limit_in_bytes"),
                                       QStringLiteral("memory.usage_in_bytes")));

    const QString status = leseDatei(QStringLiteral("/proc/self/status")).value_or(QString());
    nimmKleineres(raum, rlimitRaum(RLIMIT_AS, status, QStringLiteral("VmSize")));
    nimmKleineres(raum, rlimitRaum(RLIMIT_DATA, status, QStringLiteral("VmData")));
    return raum;
}

std::int64_t Speicherposten::summe() const
{
    return summeMitSaettigung(summeMitSaettigung(fenster, muster), summeMitSaettigung(kartenbilder, grosseBilder));
}

Speicherposten speicherposten(const Brettmasse& m)
{
    const auto bytes = [](std::int64_t pixel) { return mitSaettigung(pixel, 4); };
    const std::int64_t karte = flaeche(m.karte);
    const std::int64_t gross = flaeche(m.gross);
    const std::int64_t zellen = std::max(m.zellen, 0);
    Speicherposten p;
    p.fenster = bytes(summeMitSaettigung(flaeche(m.fenster), flaeche(m.hintergrund)));
    p.muster = bytes(flaeche(m.muster));
    // The card back is drawn once at card size and then shared by every cell.
    p.kartenbilder = bytes(mitSaettigung(summeMitSaettigung(zellen, 2), karte));
    // A rendering works on the target's size and hands over a copy.
    p.grosseBilder = bytes(summeMitSaettigung(mitSaettigung(zellen, gross), mitSaettigung(2, std::max(karte, gross))));
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
    GroessterPosten g{QStringLiteral("das Fenster mit dem Spielfeldhintergrund"), fenster, p.fenster};
    if (p.muster > g.bytes)
        g = {QStringLiteral("das Muster der Kartenrückseite (%1)").arg(groesse(m.muster)),
             QStringLiteral("ein Seitenverhältnis näher an 1:1 (Einstellung 2)"), p.muster};
    if (p.kartenbilder > g.bytes)
        g = {QStringLiteral("die %1 Bilder in Kartengröße (%2)").arg(m.zellen).arg(groesse(m.karte)),
             weniger + QStringLiteral(" oder kleinere Karten (Einstellung 4)"), p.kartenbilder};
    if (p.grosseBilder > g.bytes)
        g = {QStringLiteral("die %1 großen Bilder (%2)").arg(m.zellen).arg(groesse(m.gross)),
             weniger + QStringLiteral(" oder ") + fenster, p.grosseBilder};
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
