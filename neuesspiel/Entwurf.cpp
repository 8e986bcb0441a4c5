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
    // Closed first: a file removed while open stays as ".fuse_hidden…" (FUSE) or ".nfs…" (NFS)
    // until it is closed, and keeps its folder from going. A cleaner that takes the free draft
    // meanwhile only removes it too.
    lassSperreLos();
    if (!behalten_) {
        if (!pfad_.isEmpty())
            QDir(pfad_).removeRecursively();
        for (auto it = angelegt_.crbegin(); it != angelegt_.crend(); ++it)
            ::rmdir(roh(*it).constData());
    }
}

void Entwurf::lassSperreLos()
{
    if (sperre_ >= 0)
        ::close(sperre_);
    sperre_ = -1;
}

int Entwurf::legeAn(const QString& oben, const QString& name)
{
    // Until its lock is made the draft is an empty folder, which a cleaner may take for a
    // leftover beside the game and remove: then a new one is made.
    for (int versuch = 0;; ++versuch) {
        QByteArray vorlage = roh(oben + QStringLiteral("/.") + name + QStringLiteral("-XXXXXX"));
        if (!::mkdtemp(vorlage.data()))
            return errno;
        pfad_ = QFile::decodeName(vorlage);
        sperre_ = sperreIn(pfad_);
        if (sperre_ >= 0)
            return 0;
        if (errno != ENOENT || versuch == 2)
            return errno;
    }
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
        // Each lock goes before its file, see ~Entwurf. The new game's lock file; a kill
        // before this leaves only a stray hidden file.
        lassSperreLos();
        ::unlink(zielSperre.constData());
        // Free, the old version in the draft's place is what any cleaner removes.
        ::close(altSperre);
        QDir(pfad_).removeRecursively();
        behalten_ = true;
        return 0;
    }
    const int f = errno;
    const QByteArray marke = roh(ziel + QLatin1Char('/') + Beiseitemarke);
    const auto gibFrei = [&] {
        ::close(altSperre);
        ::unlink(zielSperre.constData());
        ::unlink(marke.constData());
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
    lassSperreLos();
    ::unlink(zielSperre.constData());
    // With its new version in place, a cleaner removes it too.
    ::close(altSperre);
    QDir(QFile::decodeName(beiseite)).removeRecursively();
    behalten_ = true;
    return 0;
}

void Entwurf::raeumeSperrdateiWeg()
{
    ::unlink(roh(pfad_ + QLatin1Char('/') + Entwurfssperre).constData());
}

namespace {

// What becomes of a free draft.
enum class Rest { Weg, Bleibt, Zurueck };

// An edited game its writer set aside and died before the new version took its
// place goes back there (under the cleaner's lock: no other cleaner moves it too).
// Any other draft may go, and so may the set-aside game once its new version is in place.
Rest bleibtAlsSpiel(const QString& beiseite, const QString& spiel)
{
    if (!QFileInfo::exists(beiseite + QLatin1Char('/') + Beiseitemarke))
        return Rest::Weg;
    struct stat info {};
    if (::lstat(roh(spiel).constData(), &info) == 0)
        return Rest::Weg;
    // Where it cannot go back it stays as it is: it is the only copy of the game.
    return errno == ENOENT && ::rename(roh(beiseite).constData(), roh(spiel).constData()) == 0 ? Rest::Zurueck
                                                                                                  : Rest::Bleibt;
}

// A draft whose lock file was removed while its writer held it open, on a file system that
// keeps such a file as ".fuse_hidden…" (FUSE) or ".nfs…" (NFS) until it is closed: holding
// nothing else, with its game beside it. An empty folder of that name elsewhere may be
// another program's.
bool istVerwaisterRest(const QString& entwurf, const QString& spiel)
{
    const QStringList eintraege = QDir(entwurf).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                           | QDir::NoDotAndDotDot);
    return QFileInfo(spiel).isDir() && std::all_of(eintraege.begin(), eintraege.end(), [](const QString& e) {
               return e.startsWith(QStringLiteral(".fuse_hidden")) || e.startsWith(QStringLiteral(".nfs"));
           });
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
        // ".NAME-XXXXXX"
        const QString spiel = ordner.filePath(eintrag.mid(1, eintrag.size() - 8));
        // Only a folder with our lock file is a draft; a free lock means its writer is gone.
        const int sperre = ::open(roh(entwurf + QLatin1Char('/') + Entwurfssperre).constData(),
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (sperre < 0) {
            if (errno == ENOENT && istVerwaisterRest(entwurf, spiel))
                QDir(entwurf).removeRecursively();
            continue;
        }
        const Rest rest = ::flock(sperre, LOCK_EX | LOCK_NB) == 0 ? bleibtAlsSpiel(entwurf, spiel) : Rest::Bleibt;
        // Closed before its file goes, see ~Entwurf.
        ::close(sperre);
        if (rest == Rest::Weg)
            QDir(entwurf).removeRecursively();
        if (rest == Rest::Zurueck) {
            ::unlink(roh(spiel + QLatin1Char('/') + Beiseitemarke).constData());
            ::unlink(roh(spiel + QLatin1Char('/') + Entwurfssperre).constData());
        }
    }
}

void raeumeNebenSpielenAuf(const QStringList& spiele)
{
    QStringList ordner;
    for (const QString& spiel : spiele)
        if (!spiel.isEmpty())
            ordner += QDir::cleanPath(QFileInfo(spiel).absolutePath());
    ordner.removeDuplicates();
    for (const QString& o : ordner)
        raeumeEntwuerfeAuf(o);
}
