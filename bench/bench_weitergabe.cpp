// Sharing a game of 30 photo-like 12-megapixel JPEGs (a 6 x 5 board) as one file, against
// the same reduction by libjpeg's own tools on two cores, side by side in one run:
// (a) gibSpielWeiter into NAME.paarlix; (b) `djpeg -scale 1/2 X | cjpeg -quality 90` for
// every photo, two pipelines at a time. Prints the median of three rounds of each, (a)/(b)
// (goal at most 1.5) and the file's size (goal at most 20 MB). Without djpeg and cjpeg only
// (a) and the size are printed. The processor time of each (all threads, all child processes)
// is printed too: on a machine shared with other work the wall times favour the pipelines,
// whose four processes take a larger share of it than two threads do.

#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"
#include "board/Bilddateiname.h"
#include "weitergabe/Weitergabe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <atomic>
#include <sys/resource.h>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

constexpr int Fotos = 30;

// Processor seconds used so far by this process or by its waited-for children.
double rechenzeit(int wer)
{
    rusage r {};
    getrusage(wer, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

double mitWerkzeugen(const QStringList& fotos, const QString& ausgabe)
{
    std::atomic<int> naechstes = 0;
    std::atomic<bool> fehler = false;
    QElapsedTimer uhr;
    uhr.start();
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&] {
            for (int k = naechstes++; k < fotos.size(); k = naechstes++) {
                const QByteArray befehl = "djpeg -scale 1/2 '" + QFile::encodeName(fotos[k]) +
                                          "' | cjpeg -quality 90 > '" + QFile::encodeName(ausgabe) + "/" +
                                          QByteArray::number(k) + ".jpg'";
                if (std::system(befehl.constData()) != 0)
                    fehler = true;
            }
        });
    for (std::thread& t : threads)
        t.join();
    return fehler ? -1 : double(uhr.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString spiel = tmp.filePath(QStringLiteral("Familie")), aus = tmp.filePath(QStringLiteral("aus"));
    QDir().mkpath(spiel);
    QDir().mkpath(aus);
    schreibeSpiel(spiel, {"1016,734", "3:4", "6,5", "auto", "10,10", "400", "0", "1", "1", "A\nB", "0"});
    QStringList fotos = schreibeTestfotos(spiel, Fotos);
    for (int k = 0; k < Fotos; ++k) {
        const QString name = spiel + QLatin1Char('/') + bilddateiname(k / 2 + 1, k % 2 == 1);
        QFile::rename(fotos[k], name);
        fotos[k] = name;
    }
    const bool werkzeuge = !QStandardPaths::findExecutable(QStringLiteral("djpeg")).isEmpty() &&
                           !QStandardPaths::findExecutable(QStringLiteral("cjpeg")).isEmpty();
    if (!werkzeuge)
        std::printf("djpeg/cjpeg not found (libjpeg-turbo-progs): comparison skipped\n");

    const Weitergabeauftrag auftrag{spiel, tmp.filePath(QStringLiteral("Familie.paarlix"))};
    std::vector<double> eigene, fremde, eigeneCpu, fremdeCpu;
    Weitergabeergebnis ergebnis;
    for (int runde = 0; runde < 3; ++runde) {
        QElapsedTimer uhr;
        uhr.start();
        const double cpu = rechenzeit(RUSAGE_SELF);
        ergebnis = gibSpielWeiter(auftrag);
        eigene.push_back(double(uhr.nsecsElapsed()) / 1e6);
        eigeneCpu.push_back((rechenzeit(RUSAGE_SELF) - cpu) * 1e3);
        if (ergebnis.Art != Weitergabeergebnis::Ausgang::Geschrieben) {
            std::printf("gibSpielWeiter failed: %s\n", qPrintable(ergebnis.Meldung));
            return 1;
        }
        if (werkzeuge) {
            const double kinder = rechenzeit(RUSAGE_CHILDREN);
            fremde.push_back(mitWerkzeugen(fotos, aus));
            fremdeCpu.push_back((rechenzeit(RUSAGE_CHILDREN) - kinder) * 1e3);
        }
    }
    std::printf("%d photos 4000x3000, %d cores\n", Fotos, int(std::thread::hardware_concurrency()));
    std::printf("                                       wall ms   processor ms\n");
    std::printf("gibSpielWeiter:                       %8.1f   %8.1f\n", median(eigene), median(eigeneCpu));
    if (werkzeuge) {
        std::printf("djpeg -scale 1/2 | cjpeg, 2 at a time: %8.1f   %8.1f\n", median(fremde), median(fremdeCpu));
        std::printf("ratio (goal <= 1.5):                  %8.2f   %8.2f\n", median(eigene) / median(fremde),
                    median(eigeneCpu) / median(fremdeCpu));
    }
    std::printf("file: %s (%lld bytes, goal <= 20 MB)\n", qPrintable(ergebnis.Zusammenfassung),
                static_cast<long long>(ergebnis.Bytes));
    return 0;
}
