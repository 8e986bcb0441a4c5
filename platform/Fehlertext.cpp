#include "platform/Fehlertext.h"

QString fehlertextMitPunkt(const QString& text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}
