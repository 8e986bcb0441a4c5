#include "neuesspiel/Entwurf.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
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

} // namespace

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
    // The lock file gets its name only once it is locked, so a cleaner never
    // finds it free while the draft is being made.
    const QByteArray neu = roh(pfad_ + QStringLiteral("/.sperre-neu"));
    sperre_ = ::open(neu.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (sperre_ < 0 || ::flock(sperre_, LOCK_EX) != 0
        || ::rename(neu.constData(), roh(pfad_ + QLatin1Char('/') + Entwurfssperre).constData()) != 0)
        return errno;
    return 0;
}

void Entwurf::raeumeSperrdateiWeg()
{
    ::unlink(roh(pfad_ + QLatin1Char('/') + Entwurfssperre).constData());
}

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
        if (::flock(sperre, LOCK_EX | LOCK_NB) == 0)
            QDir(entwurf).removeRecursively();
        ::close(sperre);
    }
}
