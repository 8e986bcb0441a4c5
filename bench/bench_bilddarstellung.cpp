// Time of rendering photo-sized JPEGs at card and large-picture size,
// compared with a bare full-size libjpeg decode of the same file.

#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"
#include "pictures/BildDarstellung.h"
#include "pictures/Bildarbeitsobjekte.h"
#include "platform/BildHalter.h"
#include "platform/Meldungen.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int wiederholungen = 5;



// Median wall time in milliseconds, after one warm-up run.
double median(const std::function<void()>& lauf)
{
    lauf();
    std::vector<double> zeiten;
    for (int i = 0; i < wiederholungen; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTemporaryDir ordner;
    struct Datei {
        const char* name;
        int breite, hoehe;
        unsigned saat;
    };
    const Datei dateien[] = {{"quer1.jpg", 4000, 3000, 1}, {"quer2.jpg", 4000, 3000, 2}, {"hoch.jpg", 3000, 4000, 3}};
    std::printf("Writing %zu photo-like 12-megapixel JPEGs (quality 90, baseline)...\n", std::size(dateien));
    for (const Datei& d : dateien)
        schreibeTestfoto(ordner.filePath(QString::fromLatin1(d.name)), d.breite, d.hoehe, d.saat);

    const auto arbeit = std::make_unique<Bildarbeitsobjekte>();
    AufzeichnendeMeldungen meldungen;
    std::vector<unsigned char> puffer;
    struct Ziel {
        int w, h;
        const char* modus;
    };
    const Ziel ziele[] = {{66, 88, ""}, {66, 88, "m"}, {504, 672, ""}, {504, 672, "m"}};

    std::printf("Median of %d runs after one warm-up; ratio = render / bare decode.\n\n", wiederholungen);
    std::printf("%-10s %12s %18s %10s %8s\n", "file", "bytes", "target", "ms", "ratio");
    for (const Datei& d : dateien) {
        const QString pfad = ordner.filePath(QString::fromLatin1(d.name));
        const double roh = median([&] { rohDekodieren(pfad, puffer); });
        std::printf("%-10s %12lld %18s %10.1f %8s\n", d.name, static_cast<long long>(QFileInfo(pfad).size()),
                    "bare libjpeg", roh, "1.00");
        for (const Ziel& z : ziele) {
            const QString modus = QString::fromLatin1(z.modus);
            const double zeit = median([&] {
                TBildHalter halter(z.w, z.h);
                BildDarstellung(halter, pfad, modus, *arbeit, meldungen);
            });
            char beschreibung[32];
            std::snprintf(beschreibung, sizeof beschreibung, "%dx%d \"%s\"", z.w, z.h, z.modus);
            std::printf("%-10s %12s %18s %10.1f %8.2f\n", "", "", beschreibung, zeit, zeit / roh);
        }
    }
    return 0;
}
