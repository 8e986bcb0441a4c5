#include "play/Gruppentexte.h"

QString punkteText(int punkte)
{
    return QString::number(punkte) + QStringLiteral(" Punkte");
}

QString zuegeText(int spielzuege)
{
    if (spielzuege == 1)
        return QStringLiteral("(1 Spielzug)");
    return QStringLiteral("(") + QString::number(spielzuege) + QStringLiteral(" Spielzüge)");
}

QString standardGruppenname(int gruppe)
{
    return QStringLiteral("Spieler Nr. %1").arg(gruppe + 1);
}
