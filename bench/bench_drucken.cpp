// Printing a game as a PDF against its floor, on a game of 25 pairs of photo-like
// 12-megapixel JPEGs (a count of pairs may be given: bench_drucken [PAARE]): (a) every
// photo decoded once at the scale the print needs with `djpeg -scale M/8`, the photos
// shared out over two processes; (b) `paarlix --drucken` writing the PDF (the same code,
// called directly). Prints (b), (a), (b)/(a) (goal at most 2), the PDF's size (goal at
// most 10 MB) and its pages.

#include "druck/Druckausgabe.h"
#include "neuesspiel/Spielschreiber.h"
#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double untergrenze(const QStringList& fotos, int achtel)
{
    QElapsedTimer uhr;
    uhr.start();
    QProcess prozesse[2];
    for (int t = 0; t < 2; ++t) {
        // One shell per core decodes its share one after the other.
        QString skript;
        for (qsizetype k = t; k < fotos.size(); k += 2)
            skript += QStringLiteral("djpeg -scale %1/8 -outfile /dev/null '%2' || exit 1\n").arg(achtel).arg(fotos[k]);
        prozesse[t].start(QStringLiteral("sh"), {QStringLiteral("-c"), skript});
    }
    for (QProcess& p : prozesse)
        if (!p.waitForFinished(-1) || p.exitCode() != 0) {
            std::fprintf(stderr, "djpeg fehlt oder scheitert (libjpeg-turbo-progs)\n");
            std::exit(1);
        }
    return double(uhr.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QGuiApplication app(argc, argv);
    const int paare = argc > 1 ? std::max(2, std::atoi(argv[1])) : 25;
    QTemporaryDir tmp;
    const QStringList fotos = schreibeTestfotos(tmp.path(), paare);
    const QString spiel = tmp.filePath(QStringLiteral("spiel"));
    const Schreibergebnis geschrieben = schreibeNeuesSpiel({spiel, fotos});
    if (geschrieben.status() != 0) {
        std::fprintf(stderr, "%s\n", qPrintable(geschrieben.Meldung));
        return 1;
    }
    const Druckspiel d = leseDruckspiel(spiel);
    const Druckoptionen optionen;
    const QSize karte = druckPixel(planeDruckbogen(d.Paare, d.Werte.FormatX, d.Werte.FormatY, optionen).KarteMm);
    const int achtel = druckAchtel(4000, 3000, karte, d.Werte.BilderSchneiden);

    const double boden = untergrenze(fotos, achtel);
    const QString pdf = tmp.filePath(QStringLiteral("spiel.pdf"));
    QElapsedTimer uhr;
    uhr.start();
    schreibeDruckPdf(spiel, optionen, pdf);
    const double druck = double(uhr.nsecsElapsed()) / 1e6;

    std::printf("%d Paare aus 12-MP-Fotos, Karten %d x %d Pixel, Dekodieren bei %d/8\n", d.Paare, karte.width(),
                karte.height(), achtel);
    std::printf("(b) PDF schreiben:                %8.0f ms\n", druck);
    std::printf("(a) djpeg -scale %d/8, 2 Kerne:    %8.0f ms\n", achtel, boden);
    std::printf("(b)/(a):                          %8.2f (Ziel höchstens 2)\n", druck / boden);
    std::printf("PDF-Größe:                        %8.2f MB (Ziel höchstens 10)\n",
                double(QFileInfo(pdf).size()) / 1e6);
    return 0;
}
