// Thumbnails of HEIC photos beside libheif's own converter, in one run on the same files:
// 60 photos of 4032 x 3024 without a stored thumbnail (the slow case: every one decoded in
// full) unless a count is given: bench_heif [ANZAHL]. (a) heif-convert to a JPEG for every
// photo, as many at a time as there are cores; (b) the game's thumbnails of the same photos
// on the worker queue, until the last has arrived. Prints both and (b)/(a) (goal at most 1.3).
// Needs heif-enc and heif-convert (package libheif-examples).

#include "bench/Testfoto.h"
#include "pictures/Vorschaubilder.h"
#include "platform/Arbeitsschlange.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Distinct photos encoded; the rest are copies, which decode just as long.
constexpr int Verschiedene = 3;

bool laeuft(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// heif-convert on every photo, `kerne` processes at a time.
double mitHeifConvert(const QStringList& fotos, const QString& ordner, int kerne)
{
    QElapsedTimer uhr;
    uhr.start();
    std::vector<std::unique_ptr<QProcess>> laufend;
    int naechstes = 0;
    while (naechstes < fotos.size() || !laufend.empty()) {
        while (int(laufend.size()) < kerne && naechstes < fotos.size()) {
            auto p = std::make_unique<QProcess>();
            p->start(QStringLiteral("heif-convert"),
                     {QStringLiteral("-q"), QStringLiteral("90"), fotos[naechstes],
                      ordner + QStringLiteral("/aus%1.jpg").arg(naechstes)});
            laufend.push_back(std::move(p));
            ++naechstes;
        }
        laufend.front()->waitForFinished(600000);
        laufend.erase(laufend.begin());
    }
    return double(uhr.nsecsElapsed()) / 1e6;
}

double mitVorschaubildern(const QStringList& fotos, int kerne, int& gelungen)
{
    int angekommen = 0;
    gelungen = 0;
    QElapsedTimer uhr;
    uhr.start();
    {
        Vorschaubilder vorschaubilder(160, [&](Vorschau v) {
            ++angekommen;
            gelungen += v.Bild.isNull() ? 0 : 1;
        }, kerne);
        for (int k = 0; k < fotos.size(); ++k)
            vorschaubilder.bestelle(std::uint64_t(k), fotos[k]);
        while (angekommen < fotos.size())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return double(uhr.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int anzahl = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    if (QStandardPaths::findExecutable(QStringLiteral("heif-enc")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("heif-convert")).isEmpty()) {
        std::fprintf(stderr, "bench_heif: heif-enc und heif-convert fehlen (Paket libheif-examples)\n");
        return 1;
    }
    QTemporaryDir tmp;
    QStringList fotos;
    for (int k = 0; k < anzahl; ++k) {
        fotos += tmp.filePath(QStringLiteral("IMG_%1.HEIC").arg(k + 1, 4, 10, QLatin1Char('0')));
        if (k < Verschiedene) {
            const QString jpeg = tmp.filePath(QStringLiteral("quelle.jpg"));
            schreibeTestfoto(jpeg, 4032, 3024, unsigned(k + 1));
            if (!laeuft(QStringLiteral("heif-enc"), {QStringLiteral("-q"), QStringLiteral("60"), QStringLiteral("-p"),
                                                     QStringLiteral("preset=ultrafast"), QStringLiteral("-o"),
                                                     fotos.last(), jpeg})) {
                std::fprintf(stderr, "bench_heif: heif-enc ist gescheitert\n");
                return 1;
            }
        } else {
            QFile::copy(fotos[k % Verschiedene], fotos.last());
        }
    }
    const int kerne = rechenkerne();
    // One pass each to warm the page cache and the decoder's libraries.
    int gelungen = 0;
    mitVorschaubildern(fotos.mid(0, Verschiedene), kerne, gelungen);

    // Alternating, and the faster of two runs each: others may share the machine.
    double a = mitHeifConvert(fotos, tmp.path(), kerne);
    double b = mitVorschaubildern(fotos, kerne, gelungen);
    a = std::min(a, mitHeifConvert(fotos, tmp.path(), kerne));
    b = std::min(b, mitVorschaubildern(fotos, kerne, gelungen));
    std::printf("HEIC-Vorschaubilder: %d Fotos 4032 x 3024 ohne gespeichertes Vorschaubild, %d Kerne\n", anzahl, kerne);
    std::printf("  (a) heif-convert, je Foto ein Prozess, %d gleichzeitig: %8.1f ms\n", kerne, a);
    std::printf("  (b) Vorschaubilder bis zum letzten (%d gelungen):       %8.1f ms\n", gelungen, b);
    std::printf("  (b)/(a) = %.2f (Ziel <= 1,3)\n", b / a);
    return 0;
}
