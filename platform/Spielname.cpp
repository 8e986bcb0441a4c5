#include "platform/Spielname.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString spielnameFuer(const QString& fotopfad)
{
    const QString ordner = QFileInfo(fotopfad).absoluteDir().dirName();
    return ordner.isEmpty() ? QStringLiteral("Neues Spiel") : ordner;
}

QString spielnameFehler(const QString& name)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        return QStringLiteral("Bitte einen Namen für das Spiel eingeben.");
    if (n == QLatin1String(".") || n == QLatin1String("..") || n.contains('/') || n.startsWith('.'))
        return QStringLiteral("Der Name „%1“ geht nicht als Ordnername (kein „/“ und kein Punkt am Anfang).")
            .arg(n);
    if (QFile::encodeName(n).size() > 255)
        return QStringLiteral("Der Name ist zu lang.");
    return {};
}
