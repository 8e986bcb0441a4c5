#include "platform/Arbeitsspeicher.h"

#include <QStringList>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace {

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

} // namespace

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
        std::int64_t bytes = 0;
        return !inKb ? wert : __builtin_mul_overflow(wert, 1024, &bytes) ? INT64_MAX : bytes;
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
