#include "platform/Dateischreiben.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int schreibeAlles(int fd, const char* daten, qsizetype laenge)
{
    qsizetype geschrieben = 0;
    while (geschrieben < laenge) {
        const ssize_t n = ::write(fd, daten + geschrieben, std::size_t(laenge - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        geschrieben += n;
    }
    return 0;
}

namespace {

int schreibe(const QString& pfad, const QByteArray& daten, int art)
{
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_CREAT | O_CLOEXEC | art, 0644);
    if (fd < 0)
        return errno;
    if (const int f = schreibeAlles(fd, daten.constData(), daten.size())) {
        ::close(fd);
        return f;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

} // namespace

int schreibeDateiGanz(const QString& pfad, const QByteArray& daten) { return schreibe(pfad, daten, O_TRUNC); }

int schreibeNeueDatei(const QString& pfad, const QByteArray& daten) { return schreibe(pfad, daten, O_EXCL); }
