#include "platform/Spieldateien.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <dirent.h>
#include <vector>

namespace {

std::vector<QString> liesNamen(const QString& ordner)
{
    std::vector<QString> namen;
    DIR* verzeichnis = ::opendir(QFile::encodeName(ordner).constData());
    if (!verzeichnis)
        return namen;
    while (const dirent* eintrag = ::readdir(verzeichnis)) {
        const QString name = QFile::decodeName(eintrag->d_name);
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            namen.push_back(name);
    }
    ::closedir(verzeichnis);
    return namen;
}

} // namespace

// Only A to Z: the names the program looks for are plain ASCII, and wider
// case folding would let unrelated names (a Kelvin sign for a K) match.
QString spieldateiSchluessel(const QString& name)
{
    QString s = name;
    for (QChar& c : s)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - u'A' + u'a');
    if (s.endsWith(QLatin1String(".jpeg"))) {
        s.chop(5);
        s += QLatin1String(".jpg");
    }
    return s;
}


Spieldateien::Spieldateien(const QString& ordner) : ordner_(ordner), gelistet_(true)
{
    std::vector<QString> namen = liesNamen(ordner);
    // Sorted, so that the choice among several matches never depends on the directory's order.
    std::sort(namen.begin(), namen.end());
    namen_.reserve(qsizetype(namen.size()));
    for (const QString& name : namen) {
        namen_.insert(name);
        const QString s = spieldateiSchluessel(name);
        if (!ohneGrossKlein_.contains(s))
            ohneGrossKlein_.insert(s, name);
    }
}

QString Spieldateien::imOrdner(const QString& name) const
{
    if (ordner_ == QLatin1String("."))
        return name;
    return ordner_ + QLatin1Char('/') + name;
}

QString Spieldateien::pfad(const QString& name) const
{
    if (!gelistet_ || name.contains(QLatin1Char('/')))
        return name;
    if (namen_.contains(name))
        return imOrdner(name);
    const auto gefunden = ohneGrossKlein_.constFind(spieldateiSchluessel(name));
    return imOrdner(gefunden != ohneGrossKlein_.constEnd() ? *gefunden : name);
}

bool Spieldateien::enthaelt(const QString& name) const
{
    if (!gelistet_ || name.contains(QLatin1Char('/')))
        return QFileInfo::exists(name);
    return namen_.contains(name) || ohneGrossKlein_.contains(spieldateiSchluessel(name));
}
