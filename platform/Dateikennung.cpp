#include "platform/Dateikennung.h"

#include <QFile>

#include <sys/stat.h>

QString dateikennung(const QString& pfad)
{
    struct stat info {};
    if (pfad.isEmpty() || ::stat(QFile::encodeName(pfad).constData(), &info) != 0)
        return {};
    return QStringLiteral("%1:%2").arg(quint64(info.st_dev)).arg(quint64(info.st_ino));
}
