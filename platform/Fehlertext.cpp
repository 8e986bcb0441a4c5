#include "platform/Fehlertext.h"

QString fehlertextMitPunkt(const QString& text)
{
    if (text.isEmpty() || text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!'))
        || text.endsWith(QLatin1Char('?')))
        return text;
    return text + QLatin1Char('.');
}
