#include "platform/Ersatzdatei.h"

#include "platform/Dateischreiben.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Ersatzdatei::Ersatzdatei(const QString& ziel)
{
    const QFileInfo info(ziel);
    ziel_ = QFile::encodeName(info.absoluteFilePath());
    ordnerPfad_ = QFile::encodeName(info.absolutePath());
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    struct stat vorhanden {};
    if (::lstat(ziel_.constData(), &vorhanden) == 0 && S_ISDIR(vorhanden.st_mode)) {
        fehler_ = EISDIR;
        return;
    }
    ordner_ = ::open(ordnerPfad_.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (ordner_ < 0) {
        fehler_ = errno;
        return;
    }
    // Short enough that the suffix still fits in a name.
    const QByteArray stamm = "." + QFile::encodeName(info.fileName()).left(200) + ".";
    for (int versuch = 0; versuch < 100 && datei_ < 0; ++versuch) {
        versteckt_ = stamm + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        datei_ = ::openat(ordner_, versteckt_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (datei_ < 0 && errno != EEXIST)
            break;
    }
    if (datei_ < 0) {
        fehler_ = errno;
        versteckt_.clear();
    }
}

Ersatzdatei::~Ersatzdatei()
{
    if (datei_ >= 0)
        ::close(datei_);
    if (!uebernommen_ && !versteckt_.isEmpty())
        ::unlinkat(ordner_, versteckt_.constData(), 0);
    if (ordner_ >= 0)
        ::close(ordner_);
}

qint64 Ersatzdatei::writeData(const char* daten, qint64 laenge)
{
    if (fehler_ != 0)
        return -1;
    fehler_ = schreibeAlles(datei_, daten, laenge);
    return fehler_ == 0 ? laenge : -1;
}

bool Ersatzdatei::uebernehme()
{
    if (fehler_ != 0)
        return false;
    // Network and FUSE file systems report a full disk or quota only here.
    if (::fsync(datei_) != 0)
        fehler_ = errno;
    const int geschlossen = ::close(datei_);
    datei_ = -1;
    if (fehler_ == 0 && geschlossen != 0)
        fehler_ = errno;
    if (fehler_ == 0 && ::rename((ordnerPfad_ + '/' + versteckt_).constData(), ziel_.constData()) != 0)
        fehler_ = errno;
    uebernommen_ = fehler_ == 0;
    return uebernommen_;
}
