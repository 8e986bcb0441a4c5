#include "platform/Dateikopie.h"

#include "platform/Dateischreiben.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Pieces of a copy, between which a stop request is noticed.
constexpr qsizetype KopierStueck = 1 << 20;

QByteArray roh(const QString& pfad) { return QFile::encodeName(pfad); }

Kopie schreibfehler(int f)
{
    Kopie k;
    k.Schreibfehler = f;
    return k;
}

bool gut(const Kopie& k) { return !k.Abgebrochen && k.Lesefehler == 0 && k.Schreibfehler == 0; }

} // namespace

int legeOrdnerAn(const QString& ordner, QStringList& angelegt)
{
    QStringList fehlend;
    QString pfad = ordner;
    for (;;) {
        struct stat info {};
        const int f = ::stat(roh(pfad).constData(), &info) == 0 ? 0 : errno;
        if (f == 0) {
            if (!S_ISDIR(info.st_mode))
                return ENOTDIR;
            break;
        }
        if (f != ENOENT)
            return f;
        fehlend.prepend(pfad);
        const QString oben = QFileInfo(pfad).absolutePath();
        if (oben == pfad)
            break;
        pfad = oben;
    }
    for (const QString& neu : fehlend) {
        if (::mkdir(roh(neu).constData(), 0777) != 0)
            return errno;
        angelegt += neu;
    }
    return 0;
}

Kopie kopiere(const QString& quelle, const QString& ziel, const Abbruchfrage& abgebrochen)
{
    Kopie k;
    const int ein = ::open(roh(quelle).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (ein < 0) {
        k.Lesefehler = errno;
        return k;
    }
    const int aus = ::open(roh(ziel).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (aus < 0) {
        k.Schreibfehler = errno;
        ::close(ein);
        return k;
    }
    QByteArray stueck(KopierStueck, Qt::Uninitialized);
    for (;;) {
        if (abgebrochen && abgebrochen()) {
            k.Abgebrochen = true;
            break;
        }
        const ssize_t n = ::read(ein, stueck.data(), std::size_t(stueck.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            k.Lesefehler = errno;
            break;
        }
        if (n == 0)
            break;
        if ((k.Schreibfehler = schreibeAlles(aus, stueck.constData(), n)) != 0)
            break;
    }
    ::close(ein);
    if (::close(aus) != 0 && k.Schreibfehler == 0 && k.Lesefehler == 0 && !k.Abgebrochen)
        k.Schreibfehler = errno;
    return k;
}

Kopie verlinke(const QString& von, const QString& nach, const Abbruchfrage& abgebrochen)
{
    if (::link(roh(von).constData(), roh(nach).constData()) == 0)
        return {};
    return kopiere(von, nach, abgebrochen);
}

Kopie verlinkeOrdner(const QString& von, const QString& nach, const Abbruchfrage& abgebrochen, const QStringList& ohne)
{
    const QDir quelle(von);
    const auto alle = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : quelle.entryList(alle, QDir::Name)) {
        if (ohne.contains(name))
            continue;
        const QByteArray a = roh(quelle.filePath(name));
        const QByteArray b = roh(nach + QLatin1Char('/') + name);
        struct stat info {};
        if (::lstat(a.constData(), &info) != 0)
            return schreibfehler(errno);
        if (S_ISDIR(info.st_mode)) {
            if (::mkdir(b.constData(), info.st_mode & 07777) != 0)
                return schreibfehler(errno);
            if (const Kopie k = verlinkeOrdner(quelle.filePath(name), QFile::decodeName(b), abgebrochen); !gut(k))
                return k;
        } else if (S_ISLNK(info.st_mode)) {
            QByteArray wohin(PATH_MAX, Qt::Uninitialized);
            const ssize_t n = ::readlink(a.constData(), wohin.data(), std::size_t(wohin.size()));
            if (n < 0 || ::symlink(wohin.left(n).constData(), b.constData()) != 0)
                return schreibfehler(errno);
        } else if (S_ISREG(info.st_mode)) {
            if (const Kopie k = verlinke(QFile::decodeName(a), QFile::decodeName(b), abgebrochen); !gut(k))
                return k;
        }
    }
    return {};
}
