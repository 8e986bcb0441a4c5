#include "platform/Systemfehler.h"

#include <cerrno>
#include <cstring>

QString systemfehlerText(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr.");
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz (Kontingent) ist aufgebraucht.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Dafür fehlen die Zugriffsrechte.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
        return QStringLiteral("Das gibt es nicht.");
    case ELOOP:
        return QStringLiteral("Die symbolischen Verknüpfungen bilden eine Schleife.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Das ist ein Ordner.");
    case EEXIST:
        return QStringLiteral("Das gibt es schon.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang.");
    case EFBIG:
        return QStringLiteral("Die Datei wird zu groß für den Datenträger.");
    case EIO:
        return QStringLiteral("Beim Lesen oder Schreiben ist ein Gerätefehler aufgetreten.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case ENOMEM:
        return QStringLiteral("Der Arbeitsspeicher reicht nicht.");
    default:
        return QStringLiteral("Systemfehler %1 (%2).")
            .arg(fehlernummer)
            .arg(QString::fromLocal8Bit(std::strerror(fehlernummer)));
    }
}
