// Writing a game from a list of pairs against writing it from photos, on 40 photo-like
// 12-megapixel JPEGs, each a pair with itself (bench_paare [PAARE] [RUNDEN]): (a) today's
// `paarlix --neues-spiel ZIEL BILD…`, the photos as NeuesSpiel::Bilder; (b)
// `paarlix --neues-spiel --paare LISTE ZIEL`, the list file read and its pairs written as
// NeuesSpiel::Paare (the same code, called directly). Both do the same work, so (b) pays only
// for the list. The two alternate within each round so that a busy machine weighs on both.
// Prints each round, the medians and (b)/(a) (goal at most 1.2).

#include "neuesspiel/Paarlistendatei.h"
#include "neuesspiel/Spielschreiber.h"
#include "bench/Benchhilfen.h"
#include "bench/Testfoto.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds to write the game; exits when it is not written.
double schreibe(const NeuesSpiel& auftrag)
{
    QElapsedTimer uhr;
    uhr.start();
    const Schreibergebnis ergebnis = schreibeNeuesSpiel(auftrag);
    const double ms = double(uhr.nsecsElapsed()) / 1e6;
    if (ergebnis.status() != 0) {
        std::fprintf(stderr, "%s\n", qPrintable(ergebnis.Meldung));
        std::exit(1);
    }
    QDir(auftrag.Ziel).removeRecursively();
    return ms;
}

double ausListe(const QString& liste, const QString& ziel)
{
    QElapsedTimer uhr;
    uhr.start();
    Listenergebnis gelesen = lesePaarliste(liste);
    if (!gelesen.Meldung.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(gelesen.Meldung));
        std::exit(1);
    }
    const double lesen = double(uhr.nsecsElapsed()) / 1e6;
    NeuesSpiel auftrag;
    auftrag.Ziel = ziel;
    auftrag.Paare = std::move(gelesen.Paare);
    return lesen + schreibe(auftrag);
}

} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QGuiApplication app(argc, argv);
    const int paare = argc > 1 ? std::max(2, std::atoi(argv[1])) : 40;
    const int runden = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QTemporaryDir tmp;
    const QStringList fotos = schreibeTestfotos(tmp.path(), paare);
    QByteArray liste;
    // As a spreadsheet saves a row whose second cell is empty.
    for (const QString& foto : fotos)
        liste += QFileInfo(foto).fileName().toUtf8() + ";\n";
    const QString listendatei = tmp.filePath(QStringLiteral("paare.csv"));
    QFile datei(listendatei);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(liste) != liste.size())
        return 1;
    datei.close();

    const QString ziel = tmp.filePath(QStringLiteral("spiel"));
    std::vector<double> bilder, ausDerListe;
    std::printf("%d Paare aus 12-MP-Fotos, je Paar ein Foto zweimal, %d Runden\n", paare, runden);
    for (int r = 0; r < runden; ++r) {
        // Every other round the list goes first.
        if (r % 2 == 0) {
            bilder.push_back(schreibe({ziel, fotos}));
            ausDerListe.push_back(ausListe(listendatei, ziel));
        } else {
            ausDerListe.push_back(ausListe(listendatei, ziel));
            bilder.push_back(schreibe({ziel, fotos}));
        }
        std::printf("Runde %d: (a) Bilder %8.0f ms   (b) Liste %8.0f ms   (b)/(a) %5.2f\n", r + 1, bilder.back(),
                    ausDerListe.back(), ausDerListe.back() / bilder.back());
    }
    const double a = median(bilder);
    const double b = median(ausDerListe);
    std::printf("(a) Median, --neues-spiel ZIEL BILD...:        %8.0f ms\n", a);
    std::printf("(b) Median, --neues-spiel --paare LISTE ZIEL:  %8.0f ms\n", b);
    std::printf("(b)/(a):                                       %8.2f (Ziel höchstens 1.2)\n", b / a);
    return 0;
}
