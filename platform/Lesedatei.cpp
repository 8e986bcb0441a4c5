#include "platform/Lesedatei.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 Stueckgroesse = 64 * 1024;

} // namespace

Lesedatei::Lesedatei(const QString& pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    // Looking first keeps devices from being opened at all; the check after
    // opening catches a file swapped in between.
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fd_ = fd;
    groesse_ = qint64(info.st_size);
}

Lesedatei::~Lesedatei()
{
    schliesse();
}

Lesedatei::Lesedatei(Lesedatei&& andere) noexcept : fd_(andere.fd_), groesse_(andere.groesse_)
{
    andere.fd_ = -1;
}

Lesedatei& Lesedatei::operator=(Lesedatei&& andere) noexcept
{
    if (this != &andere) {
        schliesse();
        fd_ = andere.fd_;
        groesse_ = andere.groesse_;
        andere.fd_ = -1;
    }
    return *this;
}

void Lesedatei::schliesse()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

Lesedatei::Lesen Lesedatei::liesAlles(QByteArray& inhalt, qint64 grenze)
{
    inhalt.clear();
    if (groesse_ > grenze)
        return Lesen::ZuGross;
    inhalt.reserve(qsizetype(groesse_) + 1);
    // The file may grow while it is read: read until its end, within grenze.
    while (true) {
        const qsizetype vorher = inhalt.size();
        const qint64 stueck = std::min<qint64>(Stueckgroesse, grenze + 1 - vorher);
        inhalt.resize(vorher + qsizetype(stueck));
        ssize_t gelesen = -1;
        do {
            gelesen = ::read(fd_, inhalt.data() + vorher, std::size_t(stueck));
        } while (gelesen < 0 && errno == EINTR);
        if (gelesen < 0) {
            inhalt.clear();
            return Lesen::Fehler;
        }
        inhalt.resize(vorher + qsizetype(gelesen));
        if (inhalt.size() > grenze) {
            inhalt.clear();
            return Lesen::ZuGross;
        }
        if (gelesen == 0)
            return Lesen::Gelesen;
    }
}

std::FILE* Lesedatei::alsStream()
{
    if (fd_ < 0)
        return nullptr;
    std::FILE* datei = ::fdopen(fd_, "rb");
    if (!datei)
        schliesse();
    fd_ = -1;
    return datei;
}
