#include "neuesspiel/Entwurf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QByteArray roh(const QString& pfad) { return QFile::encodeName(pfad); }

// mkdtemp's names: ".NAME-" and six letters or digits.
bool siehtAusWieEntwurf(const QString& eintrag)
{
    if (!eintrag.startsWith(QLatin1Char('.')) || eintrag.size() < 9 || eintrag[eintrag.size() - 7] != QLatin1Char('-'))
        return false;
    const QStringView rest = QStringView(eintrag).right(6);
    return std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; });
}

// Makes the lock file in `ordner` and holds it: named only once locked, so a
// cleaner never finds it free. Returns the descriptor, or -1 with errno set.
int sperreIn(const QString& ordner)
{
    const QByteArray neu = roh(ordner + QStringLiteral("/.sperre-neu"));
    // Left by a run killed while it made the lock in a game it was replacing.
    ::unlink(neu.constData());
    const int sperre = ::open(neu.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (sperre < 0)
        return -1;
    if (::flock(sperre, LOCK_EX) != 0
        || ::rename(neu.constData(), roh(ordner + QLatin1Char('/') + Entwurfssperre).constData()) != 0) {
        const int f = errno;
        ::unlink(neu.constData());
        ::close(sperre);
        errno = f;
        return -1;
    }
    return sperre;
}

} // namespace

int tauscheOrdner(const QByteArray& a, const QByteArray& b)
{
#ifdef RENAME_EXCHANGE
    return ::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE);
#else
    return int(::syscall(SYS_renameat2, AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), 1 << 1));
#endif
}

int benenneOrdnerUm(const QByteArray& a, const QByteArray& b)
{
    return ::rename(a.constData(), b.constData());
}

Entwurf::~Entwurf()
{
    if (!behalten_) {
        if (!pfad_.isEmpty())
            QDir(pfad_).removeRecursively();
        for (auto it = angelegt_.crbegin(); it != angelegt_.crend(); ++it)
            ::rmdir(roh(*it).constData());
    }
    if (sperre_ >= 0)
        ::close(sperre_);
}

int Entwurf::legeAn(const QString& oben, const QString& name)
{
    QByteArray vorlage = roh(oben + QStringLiteral("/.") + name + QStringLiteral("-XXXXXX"));
    if (!::mkdtemp(vorlage.data()))
        return errno;
    pfad_ = QFile::decodeName(vorlage);
    sperre_ = sperreIn(pfad_);
    return sperre_ < 0 ? errno : 0;
}

int Entwurf::ersetze(const QString& ziel, const Ordnerumbenennung& tausche, const Ordnerumbenennung& benenne)
{
    struct stat alt {};
    if (::stat(roh(ziel).constData(), &alt) != 0)
        return errno;
    ::chmod(roh(pfad_).constData(), alt.st_mode & 07777);
    const QByteArray zielSperre = roh(ziel + QLatin1Char('/') + Entwurfssperre);
    const int altSperre = sperreIn(ziel);
    if (altSperre < 0)
        return errno;
    if (tausche(roh(pfad_), roh(ziel)) == 0) {
        // The new game's lock file; a kill before this leaves only a stray hidden file.
        ::unlink(zielSperre.constData());
        QDir(pfad_).removeRecursively();
        ::close(altSperre);
        behalten_ = true;
        return 0;
    }
    const int f = errno;
    const QByteArray marke = roh(ziel + QLatin1Char('/') + Beiseitemarke);
    const auto gibFrei = [&] {
        ::unlink(zielSperre.constData());
        ::unlink(marke.constData());
        ::close(altSperre);
    };
    if (f != EINVAL && f != ENOSYS && f != ENOTSUP && f != EOPNOTSUPP) {
        gibFrei();
        return f;
    }
    // Without the exchange: the old folder aside, still locked and marked, so
    // that after a kill in between a cleaner puts it back instead of removing it.
    // Made afresh: whatever holds the name (a link, a pipe) is neither followed
    // nor waited on.
    ::unlink(marke.constData());
    const int m = ::open(marke.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const QFileInfo zielInfo(ziel);
    QByteArray beiseite = roh(zielInfo.absolutePath() + QStringLiteral("/.") + zielInfo.fileName()
                              + QStringLiteral("-XXXXXX"));
    if (m < 0 || ::close(m) != 0 || !::mkdtemp(beiseite.data())) {
        const int g = errno;
        gibFrei();
        return g;
    }
    if (benenne(roh(ziel), beiseite) != 0) {
        const int g = errno;
        ::rmdir(beiseite.constData());
        gibFrei();
        return g;
    }
    if (benenne(roh(pfad_), roh(ziel)) != 0) {
        const int g = errno;
        if (benenne(beiseite, roh(ziel)) != 0)
            beiseite_ = QFile::decodeName(beiseite);
        gibFrei();
        return g;
    }
    ::unlink(zielSperre.constData());
    QDir(QFile::decodeName(beiseite)).removeRecursively();
    ::close(altSperre);
    behalten_ = true;
    return 0;
}

void Entwurf::raeumeSperrdateiWeg()
{
    ::unlink(roh(pfad_ + QLatin1Char('/') + Entwurfssperre).constData());
}

namespace {

// An edited game its writer set aside and died before the new version took
// its place goes back there. False when the folder may go: no such game, or
// its new version is in place.
bool bleibtAlsSpiel(const QDir& ordner, const QString& eintrag)
{
    const QString beiseite = ordner.filePath(eintrag);
    if (!QFileInfo::exists(beiseite + QLatin1Char('/') + Beiseitemarke))
        return false;
    // ".NAME-XXXXXX"
    const QString spiel = ordner.filePath(eintrag.mid(1, eintrag.size() - 8));
    struct stat info {};
    if (::lstat(roh(spiel).constData(), &info) == 0)
        return false;
    // Where it cannot go back it stays as it is: it is the only copy of the game.
    if (errno == ENOENT && ::rename(roh(beiseite).constData(), roh(spiel).constData()) == 0) {
        ::unlink(roh(spiel + QLatin1Char('/') + Beiseitemarke).constData());
        ::unlink(roh(spiel + QLatin1Char('/') + Entwurfssperre).constData());
    }
    return true;
}

} // namespace

void raeumeEntwuerfeAuf(const QString& spieleordner)
{
    const QDir ordner(spieleordner);
    const auto ordnerNamen = QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks;
    for (const QString& eintrag : ordner.entryList(ordnerNamen)) {
        if (!siehtAusWieEntwurf(eintrag))
            continue;
        const QString entwurf = ordner.filePath(eintrag);
        // Only a folder with our lock file is a draft; a free lock means its writer is gone.
        const int sperre = ::open(roh(entwurf + QLatin1Char('/') + Entwurfssperre).constData(),
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (sperre < 0)
            continue;
        if (::flock(sperre, LOCK_EX | LOCK_NB) == 0 && !bleibtAlsSpiel(ordner, eintrag))
            QDir(entwurf).removeRecursively();
        ::close(sperre);
    }
}
