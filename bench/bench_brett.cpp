// Building the board: creating a 100 x 100 board's cells with the card back,
// and one card turn's show/hide on it. The deal of photos is measured by
// bench_austeilen.

#include "app/Unit1.h"
#include "bench/Benchhilfen.h"
#include "platform/Fehlerbehandlung.h"
#include "platform/Meldungen.h"
#include "widgets/TImage.h"
#include "platform/Uhr.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

namespace {


void schreibeIni(const QString& ordner, const QByteArray& fenster, const QByteArray& format,
                 const QByteArray& karten, const QByteArray& groesse, const QByteArray& abstand)
{
    QFile f(ordner + QStringLiteral("/Paarlix.ini"));
    f.open(QIODevice::WriteOnly);
    const QList<QByteArray> werte = {fenster, format, karten, groesse, abstand, "400", "0", "1", "1", "A\nB", "0"};
    for (const QByteArray& w : werte)
        f.write("# Einstellung\n" + w + "\n");
}

void schreibeKartentext(const QString& ordner)
{
    QImage bild(200, 200, QImage::Format_RGB32);
    bild.fill(Qt::white);
    for (int y = 60; y < 140; ++y)
        for (int x = 30; x < 170; ++x)
            bild.setPixel(x, y, qRgb(200, 30, 30));
    bild.save(ordner + QStringLiteral("/Kartentext.bmp"), "BMP");
}

void grossesBrett()
{
    QTemporaryDir dir;
    // Fixed 5 x 5 cards keep the pictures' memory small; no picture files, so
    // the deal stops at its first picture and the build is the cells alone.
    schreibeIni(dir.path(), "400,300", "1:1", "100,100", "5,5", "0,0");
    schreibeKartentext(dir.path());
    QDir::setCurrent(dir.path());

    AufzeichnendeMeldungen meldungen;
    Fehlerbehandlung::setzeMeldungen(&meldungen);
    MonotoneUhr uhr;
    TForm1 form(meldungen, uhr, std::make_unique<MersenneZufall>(1));
    // The offscreen platform activates the window when it is shown: the build
    // runs inside this show, followed by the first paint.
    QElapsedTimer t;
    t.start();
    form.show();
    QCoreApplication::processEvents();
    const double aufbauMs = t.nsecsElapsed() / 1e6;
    int zellen = 0;
    for (int r = 0; r < 100; ++r)
        for (int c = 0; c < 100; ++c)
            zellen += form.KartenRuecken[r][c] != nullptr;
    t.restart();
    form.repaint();
    const double malenMs = t.nsecsElapsed() / 1e6;
    std::printf("100 x 100 board: %d cells (%d controls) created with the card back and shown in %.1f ms; "
                "a full repaint alone %.1f ms\n",
                zellen, 3 * zellen, aufbauMs, malenMs);
    std::printf("  (the deal then stopped as expected: %s)\n", qPrintable(meldungen.letzte));

    // One card turn shows a small picture and hides a card back, and back again.
    constexpr int runden = 2000;
    t.restart();
    for (int i = 0; i < runden; ++i) {
        TImage* ruecken = form.KartenRuecken[50][i % 100];
        TImage* bild = form.KartenBilder[50][i % 100];
        ruecken->hide();
        bild->show();
        bild->hide();
        ruecken->show();
    }
    const double umschaltenUs = t.nsecsElapsed() / 1e3 / runden;
    t.restart();
    for (int i = 0; i < 200; ++i) {
        TImage* ruecken = form.KartenRuecken[i % 100][50];
        ruecken->hide();
        QCoreApplication::sendPostedEvents(&form, QEvent::UpdateRequest);
        ruecken->show();
        QCoreApplication::sendPostedEvents(&form, QEvent::UpdateRequest);
    }
    const double mitMalenUs = t.nsecsElapsed() / 1e3 / 200;
    std::printf("one card turn on it: show/hide of picture and back %.1f us; with the immediate repaints %.1f us\n",
                umschaltenUs, mitMalenUs);
    Fehlerbehandlung::setzeMeldungen(nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    ohneBildschirm();
    QApplication app(argc, argv);
    grossesBrett();
    return 0;
}
