// "Nochmal spielen" on 30 photo-like JPEGs of 12 megapixels: the deal once
// through the main window, then each run plays the whole game to its end (not
// timed) and measures the new deal of the rendered pictures, with and without
// the repaint that follows it.

#include "app/Unit1.h"
#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"
#include "board/Bilddateiname.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Uhr.h"
#include "platform/Vorlaufpool.h"
#include "widgets/TImage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int Bilder = 30;
constexpr int Laeufe = 7;

// Turns every pair and clicks its large pictures away, as a player would.
void spieleZuEnde(TForm1& form)
{
    const int spalten = form.Einstellungen.Spalten;
    const int n = spalten * form.Einstellungen.Zeilen;
    for (int paar = 1; paar <= n / 2; ++paar) {
        for (int i = 0; i < n; ++i)
            if (form.PaarNummern[i / spalten][i % spalten] == paar)
                form.KartenRuecken[i / spalten][i % spalten]->klicken();
        form.Image1->klicken();
    }
}

} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    std::vector<std::thread> schreiber;
    const int kerne = rechenkerne();
    for (int t = 0; t < kerne; ++t)
        schreiber.emplace_back([&, t] {
            for (int k = t; k < Bilder; k += kerne)
                schreibeTestfoto(ordner.filePath(bilddateiname(k / 2 + 1, k % 2 == 1)), 4000, 3000, unsigned(k + 1));
        });
    for (std::thread& t : schreiber)
        t.join();
    // Half a turn of 1 ms so that playing to the end is quick, no player selection.
    schreibeSpiel(ordner.path(), {"1016,734", "3:4", "6,5", "auto", "10,10", "1", "0", "0", "1", "A\nB", "0"});
    QDir::setCurrent(ordner.path());

    AufzeichnendeMeldungen meldungen;
    Fehlerbehandlung::setzeMeldungen(&meldungen);
    MonotoneUhr uhr;
    TForm1 form(meldungen, uhr, std::make_unique<MersenneZufall>(2));
    form.show();
    QCoreApplication::processEvents();
    if (!form.aufgebaut() || !meldungen.letzte.isEmpty()) {
        std::printf("the deal failed: %s\n", qPrintable(meldungen.letzte));
        return 1;
    }

    std::vector<double> neuVerteilt;
    std::vector<double> mitZeichnen;
    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        spieleZuEnde(form);
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        form.NochmalClick();
        neuVerteilt.push_back(double(t.nsecsElapsed()) / 1e6);
        form.repaint();
        QCoreApplication::processEvents();
        mitZeichnen.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const bool ok = meldungen.letzte.isEmpty() && form.Zug.stand().Punkte == std::array<int, 2>{0, 0};
    std::printf("\"Nochmal spielen\" after a whole game, %d photo-like 4000 x 3000 JPEGs (12 megapixels) on 6 x 5 "
                "cards,\ncard %d x %d, large %d x %d; median of %d runs%s\n",
                Bilder, form.Einstellungen.KartenBreite, form.Einstellungen.KartenHoehe, form.Image1->width(),
                form.Image1->height(), Laeufe, ok ? "" : "; REPLAY FAILED");
    std::printf("  new deal of the rendered pictures, cards face down, groups reset   %7.2f ms (max %.2f ms)\n",
                median(neuVerteilt), *std::max_element(neuVerteilt.begin(), neuVerteilt.end()));
    std::printf("  the same with the window repainted                                  %7.2f ms (max %.2f ms)\n",
                median(mitZeichnen), *std::max_element(mitZeichnen.begin(), mitZeichnen.end()));
    Fehlerbehandlung::setzeMeldungen(nullptr);
    return ok ? 0 : 1;
}
