// The deal against its floor, on 30 generated photo-like JPEGs of 12 and of
// 2 megapixels: (a) every file decoded once at full size with bare libjpeg on
// all cores; (b) the plain sequential path, two full renderings per picture on
// one thread; (c) the deal as built, through the main window's activation.
// Prints (c)/(a), (b)/(c) and the deal's peak memory; then (c) again with a
// 3-second Ogg Vorbis sound beside every card, and its ratio to (c).

#include "app/Unit1.h"
#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"
#include "board/Austeiler.h"
#include "board/Bilddateiname.h"
#include "pictures/BildDarstellung.h"
#include "pictures/Bildarbeitsobjekte.h"
#include "pictures/Vorausdarsteller.h"
#include "platform/BildHalter.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Meldungen.h"
#include "platform/Systemfarben.h"
#include "widgets/TImage.h"
#include "platform/Uhr.h"
#include "toene/Kartenton.h"
#include "toene/Tonschreiber.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <random>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include <jpeglib.h>
#include <malloc.h>
#include <sys/resource.h>

namespace {

constexpr int bilder = 30;
constexpr int laeufe = 3;


QString dateiname(int k)
{
    return bilddateiname(k / 2 + 1, k % 2 == 1);
}

// Kilobytes of a /proc/self/status entry such as "VmHWM:" or "VmRSS:".
long long statusKb(const char* schluessel)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith(schluessel))
            return zeile.mid(int(qstrlen(schluessel))).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Starts a new peak: the kernel resets VmHWM to the current RSS.
void setzeSpitzeZurueck()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}


// CPU time of the whole process (all threads, Qt's included) in milliseconds.
double prozessCpuMs()
{
    rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

// Wall time and CPU time of one run; on a busy machine the CPU time is the steadier figure.
struct Zeit {
    double wand = 0;
    double cpu = 0;
};

Zeit median(const std::function<void()>& lauf)
{
    std::vector<Zeit> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        QElapsedTimer uhr;
        const double cpu = prozessCpuMs();
        uhr.start();
        lauf();
        zeiten.push_back({double(uhr.nsecsElapsed()) / 1e6, prozessCpuMs() - cpu});
    }
    std::sort(zeiten.begin(), zeiten.end(), [](const Zeit& a, const Zeit& b) { return a.wand < b.wand; });
    return zeiten[zeiten.size() / 2];
}

// (a) Every file once, full size, one thread per core taking the next file.
void bodenDekodieren(int kerne)
{
    std::atomic<int> naechste{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kerne; ++t)
        threads.emplace_back([&] {
            std::vector<unsigned char> puffer;
            for (int k = naechste++; k < bilder; k = naechste++)
                rohDekodieren(dateiname(k), puffer);
        });
    for (std::thread& t : threads)
        t.join();
}

// (b) The plain path: each picture rendered twice, one after the other.
void sequentiellAusteilen(QSize karte, QSize gross)
{
    Bildarbeitsobjekte arbeit;
    AufzeichnendeMeldungen meldungen;
    MersenneZufall zufall(3);
    Austeiler austeiler(6, 5, zufall);
    std::vector<std::unique_ptr<TBildHalter>> halter;
    while (!austeiler.fertig()) {
        const Austeilschritt s = austeiler.naechster();
        halter.push_back(std::make_unique<TBildHalter>(karte.width(), karte.height()));
        BildDarstellung(*halter.back(), s.Dateiname, QString(), arbeit, meldungen);
        halter.push_back(std::make_unique<TBildHalter>(gross.width(), gross.height()));
        BildDarstellung(*halter.back(), s.Dateiname, QString(), arbeit, meldungen);
    }
}

// The deal's pipeline alone, without the window, with or without reduced-scale decoding.
void pipelineAusteilen(QSize karte, QSize gross, bool verkleinert)
{
    Vorausdarsteller::Auftrag auftrag;
    auftrag.Dateinamen = austeilDateinamen(bilder);
    auftrag.Ziele = {karte, gross};
    auftrag.Randfarbe = buttonFaceFarbe();
    auftrag.Verkleinert = verkleinert;
    const int kerne = Vorausdarsteller::kerne();
    Vorausdarsteller voraus(std::move(auftrag), kerne, 2 * kerne);
    MersenneZufall zufall(3);
    Austeiler austeiler(6, 5, zufall);
    std::vector<std::unique_ptr<TBildHalter>> halter;
    while (!austeiler.fertig()) {
        const Austeilschritt s = austeiler.naechster();
        const Mehrfachdarstellung d = voraus.hole(s.K);
        for (std::size_t i = 0; i < 2; ++i) {
            halter.push_back(std::make_unique<TBildHalter>(i ? gross.width() : karte.width(),
                                                           i ? gross.height() : karte.height()));
            uebernimmBild(*halter.back(), d.Bilder[i], auftrag.Randfarbe);
        }
    }
}

// Three seconds at 44.1 kHz, a chord with a little noise: what a recorded voice costs to decode.
void schreibeTon(const QString& bild, unsigned seed)
{
    std::mt19937 zufall(seed);
    std::normal_distribution<double> rauschen(0, 300);
    Tonproben ton{44100, std::vector<std::int16_t>(3 * 44100)};
    for (std::size_t i = 0; i < ton.Proben.size(); ++i) {
        const double t = double(i) / ton.Rate;
        const double w = 2 * std::numbers::pi * t;
        ton.Proben[i] = std::int16_t(std::lrint(3000 * (std::sin(w * 220) + std::sin(w * 277) + std::sin(w * 330))
                                                + rauschen(zufall)));
    }
    const QString fehler = schreibeKartenton(ton, kartentonName(bild));
    if (!fehler.isEmpty())
        std::printf("  sound not written: %s\n", qPrintable(fehler));
}

struct Fenstermessung {
    Zeit zeit;
    long long spitzeKb = 0; // peak RSS above the RSS before the window was built
    QSize karte, gross;
    bool ok = false;
};

// (c) The deal as built: the main window's activation builds the board and deals.
Fenstermessung fensterAusteilen()
{
    AufzeichnendeMeldungen meldungen;
    Fehlerbehandlung::setzeMeldungen(&meldungen);
    MonotoneUhr uhr;
    Fenstermessung m;
    // Memory freed by earlier runs goes back first, so that the peak counts this deal only.
    malloc_trim(0);
    const long long vorher = statusKb("VmRSS:");
    setzeSpitzeZurueck();
    {
        TForm1 form(meldungen, uhr, std::make_unique<MersenneZufall>(2));
        QElapsedTimer t;
        const double cpu = prozessCpuMs();
        t.start();
        form.show();
        QCoreApplication::processEvents();
        m.zeit = {double(t.nsecsElapsed()) / 1e6, prozessCpuMs() - cpu};
        m.ok = meldungen.letzte.isEmpty() && form.aufgebaut();
        m.karte = QSize(form.Einstellungen.KartenBreite, form.Einstellungen.KartenHoehe);
        m.gross = form.Image1->size();
        m.spitzeKb = statusKb("VmHWM:") - vorher;
    }
    Fehlerbehandlung::setzeMeldungen(nullptr);
    return m;
}

void messe(int breite, int hoehe)
{
    QTemporaryDir ordner;
    std::printf("\n%d photo-like %d x %d JPEGs (%.1f megapixels, quality 90, baseline):\n", bilder, breite, hoehe,
                breite * hoehe / 1e6);
    std::vector<std::thread> schreiber;
    const int kerne = Vorausdarsteller::kerne();
    for (int t = 0; t < kerne; ++t)
        schreiber.emplace_back([&, t] {
            for (int k = t; k < bilder; k += kerne)
                schreibeTestfoto(ordner.filePath(dateiname(k)), breite, hoehe, unsigned(k + 1));
        });
    for (std::thread& t : schreiber)
        t.join();
    schreibeSpiel(ordner.path(), {"1016,734", "3:4", "6,5", "auto", "10,10", "400", "0", "1", "1", "A\nB", "0"});
    QDir::setCurrent(ordner.path());

    bodenDekodieren(kerne); // warms the file cache
    const Zeit a = median([&] { bodenDekodieren(kerne); });
    std::vector<Fenstermessung> fenster;
    for (int i = 0; i < laeufe; ++i)
        fenster.push_back(fensterAusteilen());
    long long spitzeKb = 0;
    for (const Fenstermessung& m : fenster)
        spitzeKb = std::max(spitzeKb, m.spitzeKb);
    std::sort(fenster.begin(), fenster.end(),
              [](const Fenstermessung& x, const Fenstermessung& y) { return x.zeit.wand < y.zeit.wand; });
    const Fenstermessung c = fenster[fenster.size() / 2];
    const Zeit b = median([&] { sequentiellAusteilen(c.karte, c.gross); });
    const Zeit mit = median([&] { pipelineAusteilen(c.karte, c.gross, true); });
    const Zeit ohne = median([&] { pipelineAusteilen(c.karte, c.gross, false); });

    const double gerendert = 4.0 * bilder * (c.karte.width() * c.karte.height() + c.gross.width() * c.gross.height());
    const double dekodiert = 4.0 * breite * hoehe;
    const auto zeile = [](const char* was, const Zeit& z) {
        std::printf("  %-72s %7.0f ms  (CPU %7.0f ms)\n", was, z.wand, z.cpu);
    };
    std::printf("  card %d x %d, large %d x %d, fitted; %d cores; median of %d runs%s\n", c.karte.width(),
                c.karte.height(), c.gross.width(), c.gross.height(), kerne, laeufe, c.ok ? "" : "; DEAL FAILED");
    zeile("(a) floor: each file decoded once at full size, bare libjpeg, all cores", a);
    zeile("(b) plain sequential path: two full renderings per picture, one core", b);
    zeile("(c) the deal as built (window activation with layout and cells)", c.zeit);
    zeile("    its pipeline alone, reduced-scale decoding", mit);
    zeile("    its pipeline alone, full-size decoding", ohne);
    std::printf("  (c)/(a) = %.2f (CPU %.2f)   (b)/(c) = %.2f   full-size pipeline/(a) = %.2f\n", c.zeit.wand / a.wand,
                c.zeit.cpu / a.cpu, b.wand / c.zeit.wand, ohne.wand / a.wand);
    std::printf("  peak memory of the deal: %.1f MB above the RSS before it; bound: 1.1 x %.1f MB of rendered "
                "pictures + %d x %.1f MB full-size decode = %.1f MB\n",
                spitzeKb / 1024.0, gerendert / 1048576.0, kerne, dekodiert / 1048576.0,
                (1.1 * gerendert + kerne * dekodiert) / 1048576.0);

    // The same deal with a sound beside every card, read at the deal.
    for (int k = 0; k < bilder; ++k)
        schreibeTon(ordner.filePath(dateiname(k)), unsigned(k + 1));
    std::vector<Fenstermessung> mitTon;
    for (int i = 0; i < laeufe; ++i)
        mitTon.push_back(fensterAusteilen());
    std::sort(mitTon.begin(), mitTon.end(),
              [](const Fenstermessung& x, const Fenstermessung& y) { return x.zeit.wand < y.zeit.wand; });
    const Fenstermessung t = mitTon[mitTon.size() / 2];
    zeile(t.ok ? "(c) with a 3-second Ogg Vorbis sound beside each of the 30 cards"
               : "(c) with a 3-second sound beside each card: DEAL FAILED",
          t.zeit);
    std::printf("  with sounds / without = %.2f (CPU %.2f); target at most 1.30\n", t.zeit.wand / c.zeit.wand,
                t.zeit.cpu / c.zeit.cpu);
}

} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QApplication app(argc, argv);
    messe(4000, 3000);
    messe(1632, 1224);
    return 0;
}
