// Taking in a shared game: a .paarlix of 30 stored photo-sized files (about
// 150 MB) unpacked by uebernimmSpiel, against copying the same files one by
// one with read and write, each run into a fresh folder. The unpacking syncs
// every file to the disk, so the copy is timed with and without fsync too.

#include "bench/Benchhilfen.h"
#include "board/Bilddateiname.h"
#include "weitergabe/Uebernahme.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <random>
#include <unistd.h>
#include <vector>
#include <zip.h>

namespace {

constexpr int Bilder = 30;
constexpr int Laeufe = 5;
// A 12-megapixel JPEG is 4 to 6 MB.
constexpr qsizetype Fotogroesse = 5 * 1024 * 1024;

// Random bytes, as incompressible as a JPEG's.
void schreibeFoto(const QString& pfad, unsigned saat)
{
    std::mt19937 zufall(saat);
    QByteArray daten(Fotogroesse, Qt::Uninitialized);
    auto* w = reinterpret_cast<std::uint32_t*>(daten.data());
    for (qsizetype i = 0; i < Fotogroesse / 4; ++i)
        w[i] = zufall();
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(daten) != daten.size())
        std::exit(1);
}

bool packe(const QString& ordner, const QString& ziel)
{
    int fehler = 0;
    zip_t* z = zip_open(QFile::encodeName(ziel).constData(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    if (!z || zip_dir_add(z, "Familie", 0) < 0)
        return false;
    for (const QString& name : QDir(ordner).entryList(QDir::Files, QDir::Name)) {
        zip_source_t* q = zip_source_file(z, QFile::encodeName(ordner + u'/' + name).constData(), 0, -1);
        const zip_int64_t i = q ? zip_file_add(z, ("Familie/" + name).toUtf8().constData(), q, 0) : -1;
        if (i < 0 || zip_set_file_compression(z, zip_uint64_t(i), ZIP_CM_STORE, 0) != 0)
            return false;
    }
    return zip_close(z) == 0;
}

// Copies every file of von into the new folder nach in 1 MB pieces.
bool kopiere(const QString& von, const QString& nach, bool mitFsync)
{
    if (!QDir().mkdir(nach))
        return false;
    std::vector<char> puffer(1 << 20);
    for (const QString& name : QDir(von).entryList(QDir::Files, QDir::Name)) {
        const int q = ::open(QFile::encodeName(von + u'/' + name).constData(), O_RDONLY | O_CLOEXEC);
        const int z = ::open(QFile::encodeName(nach + u'/' + name).constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        bool gut = q >= 0 && z >= 0;
        for (ssize_t n = 1; gut && n > 0;) {
            n = ::read(q, puffer.data(), puffer.size());
            gut = n >= 0 && ::write(z, puffer.data(), std::size_t(n)) == n;
        }
        gut = gut && (!mitFsync || ::fsync(z) == 0);
        ::close(q);
        gut = ::close(z) == 0 && gut;
        if (!gut)
            return false;
    }
    return true;
}

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString spiel = tmp.filePath("Familie");
    QDir().mkdir(spiel);
    for (int k = 0; k < Bilder; ++k)
        schreibeFoto(spiel + u'/' + bilddateiname(k / 2 + 1, k % 2 == 1), unsigned(k + 1));
    schreibeSpiel(spiel, {"1016,734", "3:4", "6,5", "auto", "10,10", "1", "0", "0", "1", "A\nB", "0"});
    const QString archiv = tmp.filePath("Familie.paarlix");
    if (!packe(spiel, archiv)) {
        std::printf("the archive cannot be written\n");
        return 1;
    }

    std::vector<double> auspacken, kopieren, kopierenSync;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        const QString ordner = tmp.filePath(QStringLiteral("lauf%1").arg(lauf));
        QElapsedTimer t;
        t.start();
        const Uebernahmeergebnis e = uebernimmSpiel(archiv, ordner + QStringLiteral("/Spiele"));
        auspacken.push_back(ms(t));
        if (e.Art != Uebernahmeergebnis::Ausgang::Uebernommen) {
            std::printf("unpacking failed: %s\n", qPrintable(e.Meldung));
            return 1;
        }
        t.restart();
        const bool kopiert = kopiere(spiel, ordner + QStringLiteral("/Kopie"), false);
        kopieren.push_back(ms(t));
        t.restart();
        const bool synchron = kopiere(spiel, ordner + QStringLiteral("/KopieSync"), true);
        kopierenSync.push_back(ms(t));
        if (!kopiert || !synchron) {
            std::printf("copying failed\n");
            return 1;
        }
        QDir(ordner).removeRecursively();
    }
    const double a = median(auspacken), k = median(kopieren), s = median(kopierenSync);
    std::printf("Taking in a .paarlix of %d stored files of %lld MB (%.0f MB), median of %d runs\n", Bilder,
                (long long)Fotogroesse >> 20, double(QFileInfo(archiv).size()) / (1 << 20), Laeufe);
    std::printf("  uebernimmSpiel (checked, unpacked, each file synced)   %8.1f ms\n", a);
    std::printf("  copying the files (read + write + fsync)               %8.1f ms   ratio %.2f\n", s, a / s);
    std::printf("  copying the files (read + write, not synced)           %8.1f ms   ratio %.2f\n", k, a / k);
    return 0;
}
