// A round of 8 pairs drawn from a folder of 78 pairs of 12-megapixel photos
// against a folder of exactly those 8 pairs, both through the main window's
// activation, and the floor of 8 pairs: their 16 photos decoded once at the
// scale the large picture needs, bare libjpeg on all cores. The deal of a
// round must cost what its 8 pairs cost, not what the folder holds.
// The photos of the large folder are hard links to 16 written ones: every
// file is a real 12-megapixel JPEG, and writing takes seconds, not minutes.

#include "app/Unit1.h"
#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"
#include "board/Bilddateiname.h"
#include "pictures/Vorausdarsteller.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Uhr.h"
#include "widgets/TImage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

constexpr int rundenPaare = 8;
constexpr int paareImOrdner = 78;
constexpr int laeufe = 3;

// The floor: the 16 photos of 8 pairs, each decoded once, one thread per core taking the next.
void boden(const QStringList& dateien, QSize ziel, int kerne)
{
    std::atomic<int> naechste{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kerne; ++t)
        threads.emplace_back([&] {
            std::vector<unsigned char> puffer;
            for (int k = naechste++; k < int(dateien.size()); k = naechste++)
                rohDekodieren(dateien[k], puffer, ziel);
        });
    for (std::thread& t : threads)
        t.join();
}

struct Messung {
    double austeilen = 0; // ms, the activation with its deal
    double nochmal = 0;   // ms, "Nochmal spielen"
    QSize gross;
    bool ok = true;
};

// The window built in ordner: its activation deals the first round, then one
// more round is dealt as "Nochmal spielen" does.
Messung fenster(const QString& ordner, unsigned saat)
{
    QDir::setCurrent(ordner);
    AufzeichnendeMeldungen meldungen;
    Fehlerbehandlung::setzeMeldungen(&meldungen);
    MonotoneUhr uhr;
    Messung m;
    {
        TForm1 form(meldungen, uhr, std::make_unique<MersenneZufall>(saat));
        QElapsedTimer t;
        t.start();
        form.show();
        QCoreApplication::processEvents();
        m.austeilen = double(t.nsecsElapsed()) / 1e6;
        m.ok = meldungen.letzte.isEmpty() && form.aufgebaut();
        m.gross = form.Image1->size();
        t.restart();
        form.NochmalClick();
        m.nochmal = double(t.nsecsElapsed()) / 1e6;
        m.ok = m.ok && meldungen.letzte.isEmpty();
    }
    Fehlerbehandlung::setzeMeldungen(nullptr);
    return m;
}

QList<QByteArray> einstellungen(bool jeRunde)
{
    QList<QByteArray> w{"1016,734", "3:4", "4,4", "auto", "10,10", "400", "0", "0", "1", "A\nB", "0"};
    return jeRunde ? w << QByteArray::number(rundenPaare) : w;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int kerne = Vorausdarsteller::kerne();

    QTemporaryDir fotos, gross, klein;
    QStringList geschrieben;
    for (int k = 0; k < 2 * rundenPaare; ++k)
        geschrieben << fotos.filePath(bilddateiname(k / 2 + 1, k % 2 == 1));
    {
        std::vector<std::thread> schreiber;
        for (int t = 0; t < kerne; ++t)
            schreiber.emplace_back([&, t] {
                for (int k = t; k < int(geschrieben.size()); k += kerne)
                    schreibeTestfoto(geschrieben[k], 4000, 3000, unsigned(k + 1));
            });
        for (std::thread& t : schreiber)
            t.join();
    }
    const auto verlinke = [&](const QTemporaryDir& ziel, int paare) {
        for (int k = 0; k < 2 * paare; ++k) {
            const QString von = geschrieben[k % geschrieben.size()];
            const QString nach = ziel.filePath(bilddateiname(k / 2 + 1, k % 2 == 1));
            if (::link(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) != 0)
                QFile::copy(von, nach);
        }
    };
    verlinke(gross, paareImOrdner);
    verlinke(klein, rundenPaare);
    schreibeSpiel(gross.path(), einstellungen(true));
    // Setting 12 is read only under the head the writer gives it.
    {
        QFile f(gross.filePath(QStringLiteral("Paarlix.ini")));
        QByteArray text;
        if (f.open(QIODevice::ReadOnly))
            text = f.readAll();
        f.close();
        const QByteArray alt = "# Einstellung\n" + QByteArray::number(rundenPaare) + "\n";
        const QByteArray neu = "# 12. Bildpaare je Runde\n" + QByteArray::number(rundenPaare) + "\n";
        text.replace(text.lastIndexOf(alt), alt.size(), neu);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(text);
    }
    schreibeSpiel(klein.path(), einstellungen(false));

    std::vector<double> b, c, bNochmal, cNochmal, a;
    Messung letzte;
    bool ok = true;
    fenster(klein.path(), 1); // warms the file cache and the program
    for (int i = 0; i < laeufe; ++i) {
        const Messung mb = fenster(gross.path(), unsigned(i + 2));
        const Messung mc = fenster(klein.path(), unsigned(i + 2));
        b.push_back(mb.austeilen);
        bNochmal.push_back(mb.nochmal);
        c.push_back(mc.austeilen);
        cNochmal.push_back(mc.nochmal);
        ok = ok && mb.ok && mc.ok;
        letzte = mb;
    }
    QStringList achtPaare;
    for (int k = 0; k < 2 * rundenPaare; ++k)
        achtPaare << klein.filePath(bilddateiname(k / 2 + 1, k % 2 == 1));
    for (int i = 0; i < laeufe; ++i) {
        QElapsedTimer t;
        t.start();
        boden(achtPaare, letzte.gross, kerne);
        a.push_back(double(t.nsecsElapsed()) / 1e6);
    }

    std::printf("A round of %d pairs on a 4 x 4 board; 4000 x 3000 photo-like JPEGs; large picture %d x %d; "
                "%d cores; median of %d runs%s\n",
                rundenPaare, letzte.gross.width(), letzte.gross.height(), kerne, laeufe, ok ? "" : "; DEAL FAILED");
    const auto zeile = [](const char* was, double ms) { std::printf("  %-66s %7.1f ms\n", was, ms); };
    zeile("(a) floor: 16 photos decoded once at the needed scale, all cores", median(a));
    zeile("(b) deal of 8 pairs drawn from a folder of 78 (window activation)", median(b));
    zeile("(c) deal of a folder with exactly 8 pairs (window activation)", median(c));
    zeile("    Nochmal spielen, 8 of 78: a new draw read and dealt", median(bNochmal));
    zeile("    Nochmal spielen, exactly 8: the same pictures dealt anew", median(cNochmal));
    std::printf("  (b)/(a) = %.2f   (c)/(a) = %.2f   (b)/(c) = %.2f\n", median(b) / median(a), median(c) / median(a),
                median(b) / median(c));
    return ok ? 0 : 1;
}
