#include "play/Gruppentexte.h"

QString punkteText(int punkte)
{
    return QString::number(punkte) + QStringLiteral(" Punkte");
}

QString spielzuegeText(int spielzuege)
{
    return spielzuege == 1 ? QStringLiteral("1 Spielzug") : QStringLiteral("%1 Spielzüge").arg(spielzuege);
}

QString zuegeText(int spielzuege)
{
    return QLatin1Char('(') + spielzuegeText(spielzuege) + QLatin1Char(')');
}

QString standardGruppenname(int gruppe)
{
    return QStringLiteral("Spieler Nr. %1").arg(gruppe + 1);
}
