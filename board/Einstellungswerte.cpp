#include "board/Einstellungswerte.h"

#include <cstdint>
#include <limits>

QStringView ohneRandzeichen(QStringView text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text[anfang].unicode() <= 0x20)
        ++anfang;
    while (ende > anfang && text[ende - 1].unicode() <= 0x20)
        --ende;
    return text.mid(anfang, ende - anfang);
}

std::optional<int> ganzeZahl(QStringView text)
{
    qsizetype i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negativ = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // One past the largest magnitude: -2147483648 is allowed, 2147483648 is not.
    const std::int64_t grenze = std::int64_t{std::numeric_limits<int>::max()} + (negativ ? 1 : 0);
    std::int64_t betrag = 0;
    for (; i < text.size(); ++i) {
        const char16_t z = text[i].unicode();
        if (z < u'0' || z > u'9')
            return std::nullopt;
        betrag = betrag * 10 + (z - u'0');
        if (betrag > grenze)
            return std::nullopt;
    }
    return static_cast<int>(negativ ? -betrag : betrag);
}

std::optional<double> reelleZahl(const QString& text, const QLocale& zahlenformat)
{
    // Where "." groups thousands, "1.500" means fifteen hundred: the C form
    // would read it as one and a half, so it is not tried there.
    const bool punktGruppiert = zahlenformat.groupSeparator() == QLatin1String(".");
    const QLocale formate[] = {zahlenformat, QLocale::c()};
    for (QLocale format : formate) {
        format.setNumberOptions(format.numberOptions() | QLocale::RejectGroupSeparator);
        bool ok = false;
        const double wert = format.toDouble(text, &ok);
        if (ok)
            return wert;
        if (punktGruppiert)
            break;
    }
    return std::nullopt;
}
