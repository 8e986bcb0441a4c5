#include "board/Bilddateiname.h"

QString bilddateiname(int paarNummer, bool zweitesBild)
{
    QString name = paarNummer <= 9 ? QStringLiteral("0") : QString();
    name += QString::number(paarNummer);
    name += zweitesBild ? QLatin1Char('b') : QLatin1Char('a');
    return name + QStringLiteral(".jpg");
}

QStringList austeilDateinamen(int anzahl)
{
    QStringList namen;
    namen.reserve(qMax(anzahl, 0));
    for (int k = 0; k < anzahl; ++k)
        namen.push_back(bilddateiname(k / 2 + 1, k % 2 == 1));
    return namen;
}
