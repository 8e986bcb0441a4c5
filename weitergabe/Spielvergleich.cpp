#include "weitergabe/Spielvergleich.h"

#include "weitergabe/Spieldateiauswahl.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t Stueck = 1 << 20;

QStringList spieldateien(const QString& ordner)
{
    QStringList namen;
    for (const QString& name : QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                      | QDir::NoDotAndDotDot, QDir::Name))
        if (liestDasSpiel(name))
            namen += name;
    return namen;
}

// A regular file opened without following a link or waiting on a pipe; -1 otherwise.
int oeffne(const QString& pfad, struct stat& info)
{
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads up to n bytes, going on after short reads; the count read, or -1.
ssize_t liesVoll(int fd, char* puffer, std::size_t n)
{
    std::size_t gelesen = 0;
    while (gelesen < n) {
        const ssize_t r = ::read(fd, puffer + gelesen, n - gelesen);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        gelesen += std::size_t(r);
    }
    return ssize_t(gelesen);
}

bool gleicheDatei(const QString& a, const QString& b, char* pa, char* pb)
{
    struct stat ia {}, ib {};
    const int fa = oeffne(a, ia);
    const int fb = oeffne(b, ib);
    bool gleich = fa >= 0 && fb >= 0 && ia.st_size == ib.st_size;
    while (gleich) {
        const ssize_t na = liesVoll(fa, pa, Stueck);
        const ssize_t nb = liesVoll(fb, pb, Stueck);
        gleich = na >= 0 && na == nb && std::memcmp(pa, pb, std::size_t(na)) == 0;
        if (na <= 0)
            break;
    }
    if (fa >= 0)
        ::close(fa);
    if (fb >= 0)
        ::close(fb);
    return gleich;
}

} // namespace

bool gleichesSpiel(const QString& spiel, const QString& neu)
{
    const QStringList namen = spieldateien(neu);
    if (spieldateien(spiel) != namen)
        return false;
    const auto pa = std::make_unique<char[]>(Stueck);
    const auto pb = std::make_unique<char[]>(Stueck);
    for (const QString& name : namen)
        if (!gleicheDatei(spiel + QLatin1Char('/') + name, neu + QLatin1Char('/') + name, pa.get(), pb.get()))
            return false;
    return true;
}
