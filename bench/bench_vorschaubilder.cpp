// The new-game window's thumbnails against their floor, on photo-like 12-megapixel JPEGs
// (200 unless a count is given: bench_vorschaubilder [ANZAHL]): (a) every photo decoded
// once at 1/8 scale with the game's decoder on all cores; (b) the photos added to the
// window until every row shows its thumbnail, with a timer ticking every 5 ms meanwhile.
// Prints (b), (a), (b)/(a) (goal at most 1.3) and the longest gap between two ticks
// (goal at most 100 ms), beside the longest gap of an idle loop on the same machine.

#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Nutzerkonfiguration.h"
#include "platform/Vorlaufpool.h"
#include "start/NeuesSpielFenster.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

// Distinct photos written; the rest are copies, which decode just as long.
constexpr int Verschiedene = 6;

double untergrenze(const QStringList& fotos)
{
    const int kerne = rechenkerne();
    std::atomic<int> naechstes = 0;
    QElapsedTimer uhr;
    uhr.start();
    std::vector<std::thread> threads;
    for (int t = 0; t < kerne; ++t)
        threads.emplace_back([&] {
            JpegDekodierer dekodierer;
            Arbeitsbitmap puffer;
            for (int k = naechstes++; k < fotos.size(); k = naechstes++)
                dekodierer.dekodiere(fotos[k], puffer, [](int, int) { return 1; });
        });
    for (std::thread& t : threads)
        t.join();
    return double(uhr.nsecsElapsed()) / 1e6;
}

struct Fensterlauf {
    double ms = 0;
    double laengsteLuecke = 0;
    double hinzufuegen = 0; // the call that puts the rows in
    int zeilen = 0;         // rows with a thumbnail at the end
};

// The longest gap between ticks of the same timer while nothing else runs: what the
// machine itself adds (other processes on shared cores).
double leerlaufLuecke()
{
    double laengste = 0;
    QElapsedTimer tick;
    QTimer takt;
    takt.setInterval(5);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        laengste = std::max(laengste, double(tick.nsecsElapsed()) / 1e6);
        tick.restart();
    });
    bool fertig = false;
    QTimer::singleShot(2000, [&] { fertig = true; });
    takt.start();
    tick.start();
    while (!fertig)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return laengste;
}

Fensterlauf imFenster(const QStringList& fotos, const QString& konfig)
{
    Nutzerkonfiguration konfiguration(konfig);
    AufzeichnendeMeldungen meldungen;
    NeuesSpielFenster fenster(konfiguration, meldungen);
    fenster.setzeBildschirm(QSize(1366, 768));
    fenster.show();
    QApplication::processEvents();

    Fensterlauf lauf;
    QElapsedTimer uhr;
    QElapsedTimer tick;
    QTimer takt;
    takt.setInterval(5);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        lauf.laengsteLuecke = std::max(lauf.laengsteLuecke, double(tick.nsecsElapsed()) / 1e6);
        tick.restart();
    });
    bool fertig = false;
    QTimer pruefer;
    pruefer.setInterval(1);
    QObject::connect(&pruefer, &QTimer::timeout, [&] {
        if (fenster.offeneVorschauen() == 0 && !fertig) {
            lauf.ms = double(uhr.nsecsElapsed()) / 1e6;
            lauf.zeilen = int(fenster.fotos().size());
            fertig = true;
        }
    });
    takt.start();
    tick.start();
    // Added from inside the event loop, so the ticks also see how long adding blocks.
    QTimer::singleShot(20, [&] {
        uhr.start();
        fenster.fuegeHinzu(fotos);
        lauf.hinzufuegen = double(uhr.nsecsElapsed()) / 1e6;
        pruefer.start();
    });
    while (!fertig)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return lauf;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int anzahl = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QTemporaryDir tmp;
    QStringList fotos;
    for (int k = 0; k < anzahl; ++k) {
        fotos += tmp.filePath(QStringLiteral("Foto %1.jpg").arg(k + 1, 3, 10, QLatin1Char('0')));
        if (k < Verschiedene)
            schreibeTestfoto(fotos.last(), 4000, 3000, unsigned(k + 1));
        else
            QFile::copy(fotos[k % Verschiedene], fotos.last());
    }
    // One pass to read the files into the page cache, so both runs read from memory.
    untergrenze(fotos);

    // The floor before and after the window; the faster one counts, as others may share the machine.
    double boden = untergrenze(fotos);
    const Fensterlauf lauf = imFenster(fotos, tmp.filePath("paarlix.conf"));
    boden = std::min(boden, untergrenze(fotos));
    const double leerlauf = leerlaufLuecke();
    std::printf("Vorschaubilder: %d Fotos 4000 x 3000, %d Kerne\n", anzahl, rechenkerne());
    std::printf("  (a) Untergrenze, jedes Foto einmal zu 1/8 auf allen Kernen: %8.1f ms\n", boden);
    std::printf("  (b) im Fenster bis zum letzten Vorschaubild:                %8.1f ms (%d Zeilen)\n", lauf.ms,
                lauf.zeilen);
    std::printf("  (b)/(a) = %.2f (Ziel <= 1,3)\n", lauf.ms / boden);
    std::printf("  laengste Pause der Ereignisschleife: %.1f ms (Ziel <= 100), davon Zeilen anlegen: %.1f ms\n",
                lauf.laengsteLuecke, lauf.hinzufuegen);
    std::printf("  zum Vergleich ohne Arbeit (2 s Leerlauf): %.1f ms\n", leerlauf);
    return 0;
}
