#include "weitergabe/Spieldateiauswahl.h"

#include "board/Bilddateiname.h"
#include "platform/Spieldateien.h"
#include "toene/Kartenton.h"

namespace {

// "01a", "09b", "10a", "100b": the name the deal asks for, so "1a" or "001a" are not cards.
bool istKartenstamm(const QString& stamm)
{
    if (stamm.size() < 3 || stamm.size() > 8)
        return false;
    const QChar buchstabe = stamm.back();
    if (buchstabe != QLatin1Char('a') && buchstabe != QLatin1Char('b'))
        return false;
    bool zahl = false;
    const int nummer = stamm.first(stamm.size() - 1).toInt(&zahl);
    if (!zahl || nummer < 1)
        return false;
    return bilddateiname(nummer, buchstabe == QLatin1Char('b')) == stamm + QStringLiteral(".jpg");
}

} // namespace

bool istEinstellungsdatei(const QString& name) { return spieldateiSchluessel(name) == QLatin1String("paarlix.ini"); }

bool liestDasSpiel(const QString& name)
{
    if (name.contains(QLatin1Char('/')))
        return false;
    const QString n = spieldateiSchluessel(name);
    if (n == QLatin1String("paarlix.ini") || n == QLatin1String("kartentext.bmp"))
        return true;
    const qsizetype punkt = n.lastIndexOf(QLatin1Char('.'));
    if (punkt < 0)
        return false;
    const QString endung = n.mid(punkt + 1);
    const bool bild = endung == QLatin1String("jpg"); // ".jpeg" too, as the game finds it
    return (bild || KartentonEndungen.contains(endung)) && istKartenstamm(n.first(punkt));
}
