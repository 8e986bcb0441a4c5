#include "platform/Dateischreiben.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

int schreibe(const QString& pfad, const QByteArray& daten, int art)
{
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_CREAT | O_CLOEXEC | art, 0644);
    if (fd < 0)
        return errno;
    qsizetype geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n = ::write(fd, daten.constData() + geschrieben, std::size_t(daten.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int f = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return f;
        }
        geschrieben += n;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

} // namespace

int schreibeDateiGanz(const QString& pfad, const QByteArray& daten) { return schreibe(pfad, daten, O_TRUNC); }

int schreibeNeueDatei(const QString& pfad, const QByteArray& daten) { return schreibe(pfad, daten, O_EXCL); }
