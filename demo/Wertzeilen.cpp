#include "demo/Wertzeilen.h"

namespace {

constexpr int AnzahlEinstellungen = 11;
constexpr int NamensEinstellung = 10;

bool istKommentar(const QString& zeile) { return zeile.startsWith('#'); }

// Blank means nothing but blanks and control characters.
bool istLeer(const QString& zeile)
{
    for (const QChar c : zeile)
        if (c.unicode() > ' ')
            return false;
    return true;
}

} // namespace

QStringList leseWertzeilen(const QStringList& zeilen)
{
    QStringList werte;
    qsizetype i = 0;
    const qsizetype n = zeilen.size();

    while (i < n && (istKommentar(zeilen[i]) || istLeer(zeilen[i])))
        ++i;
    if (i == n)
        return werte;
    werte += zeilen[i++];

    for (int nummer = 2; nummer <= AnzahlEinstellungen; ++nummer) {
        while (i < n && !istKommentar(zeilen[i]))
            ++i;
        while (i < n && istKommentar(zeilen[i]))
            ++i;
        if (i == n)
            return werte;
        werte += zeilen[i++];
        if (nummer == NamensEinstellung) {
            while (i < n && istKommentar(zeilen[i]))
                ++i;
            if (i == n)
                return werte;
            werte += zeilen[i++];
        }
    }
    return werte;
}
