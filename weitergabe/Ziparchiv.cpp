#include "weitergabe/Ziparchiv.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

void Zipschliesser::operator()(zip* archiv) const
{
    if (archiv)
        zip_discard(archiv);
}

namespace {

// A file that starts like a ZIP but has no end record was cut off: telling it
// apart from any other file needs only its first bytes.
QString grundFuer(int zipfehler, bool beginntWieZip)
{
    switch (zipfehler) {
    case ZIP_ER_NOZIP:
        return beginntWieZip ? QStringLiteral("sie ist unvollständig (abgeschnitten)")
                             : QStringLiteral("sie ist keine ZIP-Datei und damit keine Paarlix-Datei");
    case ZIP_ER_MEMORY:
        return QStringLiteral("für ihr Inhaltsverzeichnis reicht der Arbeitsspeicher nicht");
    case ZIP_ER_EXISTS:
        // libzip's hash of names refuses the second one; which it was it does not say.
        return QStringLiteral("einer ihrer Einträge kommt doppelt vor");
    case ZIP_ER_MULTIDISK:
        return QStringLiteral("sie ist auf mehrere Dateien verteilt");
    default:
        return QStringLiteral("sie ist beschädigt oder unvollständig");
    }
}

Ziparchivoeffnung ausQuelle(zip_source_t* quelle, bool beginntWieZip)
{
    Ziparchivoeffnung e;
    zip_error_t fehler;
    zip_error_init(&fehler);
    e.Archiv.reset(zip_open_from_source(quelle, ZIP_RDONLY | ZIP_CHECKCONS, &fehler));
    if (!e.Archiv) {
        zip_source_free(quelle);
        e.Grund = grundFuer(zip_error_code_zip(&fehler), beginntWieZip);
        if (zip_error_code_zip(&fehler) == ZIP_ER_READ || zip_error_code_zip(&fehler) == ZIP_ER_SEEK)
            e.Systemfehler = zip_error_code_system(&fehler);
    }
    zip_error_fini(&fehler);
    return e;
}

} // namespace

Ziparchivoeffnung oeffneZiparchiv(const QString& pfad)
{
    Ziparchivoeffnung e;
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        e.Systemfehler = errno;
        if (fd >= 0)
            ::close(fd);
        return e;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        e.Grund = QStringLiteral("sie ist keine gewöhnliche Datei");
        return e;
    }
    char kopf[4] = {};
    const bool beginntWieZip = ::pread(fd, kopf, 4, 0) == 4 && std::memcmp(kopf, "PK\3\4", 4) == 0;
    FILE* strom = ::fdopen(fd, "rb");
    if (!strom) {
        e.Systemfehler = errno;
        ::close(fd);
        return e;
    }
    zip_error_t fehler;
    zip_error_init(&fehler);
    // The source owns the stream from here on.
    zip_source_t* quelle = zip_source_filep_create(strom, 0, -1, &fehler);
    zip_error_fini(&fehler);
    if (!quelle) {
        std::fclose(strom);
        e.Systemfehler = ENOMEM;
        return e;
    }
    return ausQuelle(quelle, beginntWieZip);
}

Ziparchivoeffnung oeffneZippuffer(const void* daten, std::size_t laenge)
{
    zip_error_t fehler;
    zip_error_init(&fehler);
    zip_source_t* quelle = zip_source_buffer_create(daten, laenge, 0, &fehler);
    zip_error_fini(&fehler);
    if (!quelle) {
        Ziparchivoeffnung e;
        e.Systemfehler = ENOMEM;
        return e;
    }
    const bool beginntWieZip = laenge >= 4 && std::memcmp(daten, "PK\3\4", 4) == 0;
    return ausQuelle(quelle, beginntWieZip);
}
