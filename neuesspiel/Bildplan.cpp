#include "neuesspiel/Bildplan.h"

#include "board/Bilddateiname.h"

QString kartenname(const QString& dateipfad)
{
    QString name = dateipfad.mid(dateipfad.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt > 0)
        name.truncate(punkt);
    return name.trimmed();
}

std::vector<Bildauftrag> planeBilder(const QStringList& quellen, bool mitNamen)
{
    std::vector<Bildauftrag> plan;
    plan.reserve(std::size_t(quellen.size()));
    int paar = 0;
    for (const QString& quelle : quellen) {
        ++paar;
        plan.push_back({quelle, paar, bilddateiname(paar, false), bilddateiname(paar, true),
                        mitNamen ? kartenname(quelle) : QString()});
    }
    return plan;
}

QString anzahlFehler(int anzahl)
{
    if (anzahl < MinBilder)
        return QStringLiteral("Für ein Spiel werden mindestens %1 Bilder gebraucht, angegeben %2 %3.")
            .arg(MinBilder).arg(anzahl == 1 ? QStringLiteral("ist") : QStringLiteral("sind")).arg(anzahl);
    return {};
}
