#include "board/Bilddateiname.h"

QString bilddateiname(int paarNummer, bool zweitesBild)
{
    QString name = paarNummer <= 9 ? QStringLiteral("0") : QString();
    name += QString::number(paarNummer);
    name += zweitesBild ? QLatin1Char('b') : QLatin1Char('a');
    return name + QStringLiteral(".jpg");
}
