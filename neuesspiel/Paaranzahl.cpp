#include "neuesspiel/Paaranzahl.h"

QString anzahlFehler(int anzahl, const QString& liste)
{
    if (anzahl < MinBilder && !liste.isEmpty())
        return QStringLiteral("Die Liste „%1“ enthält %2; für ein Spiel werden mindestens %3 Paare gebraucht.")
            .arg(liste, anzahl == 1 ? QStringLiteral("nur 1 Paar") : QStringLiteral("kein Paar"))
            .arg(MinBilder);
    if (anzahl < MinBilder)
        return QStringLiteral("Für ein Spiel werden mindestens %1 Bilder gebraucht, angegeben %2 %3.")
            .arg(MinBilder).arg(anzahl == 1 ? QStringLiteral("ist") : QStringLiteral("sind")).arg(anzahl);
    return {};
}
