#include "druck/Druckausgabe.h"

#include "Neuspielbilder.h"
#include "neuesspiel/Spielschreiber.h"
#include "karten/Textkarte.h"
#include "karten/Tonkarte.h"
#include "platform/PaarlixFehler.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

#include <csignal>
#include <sys/resource.h>

using namespace neuspielbilder;

namespace {

// The output of a poppler tool; fails the test when it cannot run.
QString poppler(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    EXPECT_TRUE(p.waitForFinished(60000)) << programm.toStdString() << " fehlt (poppler-utils)";
    EXPECT_EQ(p.exitCode(), 0) << programm.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Bildzeile {
    int seite = 0;
    QString art;
    int objekt = 0;
    double ppiX = 0, ppiY = 0;
};

std::vector<Bildzeile> bilderImPdf(const QString& pdf)
{
    std::vector<Bildzeile> zeilen;
    const QStringList text = poppler("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < text.size(); ++i) {
        const QStringList f = text[i].split(' ', Qt::SkipEmptyParts);
        if (f.size() >= 14)
            zeilen.push_back({f[0].toInt(), f[8], f[10].toInt(), f[12].toDouble(), f[13].toDouble()});
    }
    return zeilen;
}

QImage seiteAlsBild(const QString& pdf, int seite, const QString& ziel)
{
    // 254 dpi: ten pixels per millimetre; no smoothing, so a thin line stays one solid pixel wide.
    poppler("pdftoppm", {"-r", "254", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", "-f",
                         QString::number(seite), "-l", QString::number(seite), pdf, ziel});
    return QImage(ziel + ".png").convertToFormat(QImage::Format_RGB32);
}

// A game of `paare` one-coloured 4:3 photos, with a name card as every second picture when asked.
QString schreibeSpiel(const QTemporaryDir& tmp, int paare, bool mitNamen)
{
    QStringList bilder;
    for (int i = 0; i < paare; ++i) {
        const QString pfad = tmp.filePath(QStringLiteral("foto%1.jpg").arg(i));
        schreibe(pfad, jpeg(QColor::fromHsv(i * 47 % 360, 255, 230), 1600, 1200));
        bilder << pfad;
    }
    const QString ziel = tmp.filePath(QStringLiteral("spiel"));
    const Schreibergebnis e = schreibeNeuesSpiel({ziel, bilder, mitNamen});
    EXPECT_EQ(e.status(), 0) << e.Meldung.toStdString();
    return ziel;
}

QString fehlerBeim(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EPaarlixFehler& e) {
        return e.text();
    }
    return {};
}

bool weiss(QRgb p)
{
    return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240;
}

} // namespace

// Read back by a real PDF reader: the page size and count, every photo embedded as JPEG at no
// more than 300 dpi, cut lines and crop marks where the layout
// puts them, and each card's back behind it after a flip on the long edge.
TEST(Druckausgabe, thePdfHoldsTheLaidOutPagesAsAPdfReaderSeesThem)
{
    QTemporaryDir tmp;
    const QString spiel = schreibeSpiel(tmp, 10, true);
    const QString pdf = tmp.filePath(QStringLiteral("spiel.pdf"));
    int meldungen = 0;
    ASSERT_TRUE(schreibeDruckPdf(spiel, Druckoptionen(), pdf, [&](int fertig, int gesamt) {
        EXPECT_EQ(fertig, ++meldungen);
        EXPECT_EQ(gesamt, 20);
        return true;
    }));
    EXPECT_EQ(meldungen, 20);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList({"foto0.jpg", "foto1.jpg", "foto2.jpg",
        "foto3.jpg", "foto4.jpg", "foto5.jpg", "foto6.jpg", "foto7.jpg", "foto8.jpg", "foto9.jpg", "spiel.pdf"}));

    // 20 cards of 60 x 45 mm, 18 to an A4 page: two sheets of fronts and backs.
    const Druckbogen bogen = planeDruckbogen(10, 4, 3, Druckoptionen());
    const QString info = poppler("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +4\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)"))) << info.toStdString();

    // The ten photos ("a") and eight name cards' backgrounds ("b") on the first page, the last
    // two on the second, and a back for each card.
    std::vector<int> jeSeite(5, 0);
    for (const Bildzeile& b : bilderImPdf(pdf)) {
        ++jeSeite[std::size_t(std::clamp(b.seite, 0, 4))];
        EXPECT_EQ(b.art, "jpeg");
        EXPECT_LE(b.ppiX, 300.5);
        EXPECT_LE(b.ppiY, 300.5);
        EXPECT_GE(b.ppiX, 290);
    }
    EXPECT_EQ(jeSeite, (std::vector<int>{0, 18, 18, 2, 2}));

    // Pixel probes at ten pixels per millimetre.
    const QImage vorne = seiteAlsBild(pdf, 3, tmp.filePath("vorne"));
    const QImage hinten = seiteAlsBild(pdf, 4, tmp.filePath("hinten"));
    ASSERT_GE(vorne.width(), 2100);
    ASSERT_GE(vorne.height(), 2970);
    const auto bei = [](const QImage& bild, double xMm, double yMm) { return bild.pixel(int(xMm * 10), int(yMm * 10)); };
    const auto liniennah = [&](const QImage& bild, double xMm, double yMm, bool senkrecht) {
        for (int d = -1; d <= 1; ++d) {
            const QRgb p = senkrecht ? bild.pixel(int(xMm * 10) + d, int(yMm * 10))
                                     : bild.pixel(int(xMm * 10), int(yMm * 10) + d);
            if (qAbs(qRed(p) - 150) < 30 && qAbs(qGreen(p) - 150) < 30 && qAbs(qBlue(p) - 150) < 30)
                return true;
        }
        return false;
    };
    const Druckseite& seite = bogen.Seiten[2];
    ASSERT_EQ(seite.Karten.size(), 2u);
    const QRectF a = seite.Karten[0].Rechteck;
    // The cut between the two cards, their outer edges, and no line inside a card.
    EXPECT_TRUE(liniennah(vorne, a.right(), a.center().y(), true));
    EXPECT_TRUE(liniennah(vorne, a.left(), a.center().y(), true));
    EXPECT_TRUE(liniennah(vorne, a.center().x(), a.bottom(), false));
    EXPECT_FALSE(liniennah(vorne, a.right() - 5, a.center().y(), true));
    // A crop mark above the left edge, paper beside it.
    EXPECT_EQ(qGray(bei(vorne, a.left(), a.top() - 4)), 0);
    EXPECT_TRUE(weiss(bei(vorne, a.left() + 3, a.top() - 4)));
    // Every place of the grid, away from the names: a card on the front exactly where its back is,
    // seen from behind.
    const QImage vonHinten = hinten.mirrored(true, false);
    for (int i = 0; i < bogen.Spalten * bogen.Zeilen; ++i) {
        const double x = a.left() + (i % bogen.Spalten + 0.2) * a.width();
        const double y = a.top() + (i / bogen.Spalten + 0.15) * a.height();
        SCOPED_TRACE(i);
        EXPECT_EQ(weiss(bei(vorne, x, y)), i >= 2);
        EXPECT_EQ(weiss(bei(vonHinten, x, y)), i >= 2);
    }
    // The two cards are the name cards of pairs 9 and 10, each in its own hue.
    EXPECT_NE(bei(vorne, a.left() + 10, a.top() + 5), bei(vorne, a.left() + 70, a.top() + 5));
}

// "Ohne Rückseiten" leaves the back pages out; another page size is used as given; a photo whose
// two cards are one file is embedded once.
TEST(Druckausgabe, withoutBacksOnLetter)
{
    QTemporaryDir tmp;
    const QString spiel = schreibeSpiel(tmp, 2, false);
    const QString pdf = tmp.filePath(QStringLiteral("letter.pdf"));
    Druckoptionen o;
    o.Seite = QPageSize(QPageSize::Letter);
    o.OhneRueckseiten = true;
    ASSERT_TRUE(schreibeDruckPdf(spiel, o, pdf));
    const QString info = poppler("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +1\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +612 x 792 pts \\(letter\\)"))) << info.toStdString();
    const std::vector<Bildzeile> bilder = bilderImPdf(pdf);
    EXPECT_EQ(bilder.size(), 4u);
    std::set<int> objekte;
    for (const Bildzeile& b : bilder)
        objekte.insert(b.objekt);
    EXPECT_EQ(objekte.size(), 2u);
}

// A text-text pair is printed as text on its sides' plain backgrounds: no picture is embedded
// for it, neither is its file decoded (a card cut after its comments prints too).
TEST(Druckausgabe, textCardsArePrintedAsTextOnTheirSidesBackgrounds)
{
    QTemporaryDir tmp;
    const QString spiel = schreibeSpiel(tmp, 2, false);
    const Kartenformat format{4, 3, false};
    const QByteArray frage = textkartenJpeg(QStringLiteral("3 + 4"), 1, Textseite::Erste, format, 90);
    QFile::remove(spiel + "/01a.jpg");
    QFile::remove(spiel + "/01b.jpg");
    schreibe(spiel + "/01a.jpg", frage.left(frage.indexOf("Paarlix-Textkarte") + 40));
    schreibe(spiel + "/01b.jpg", textkartenJpeg(QStringLiteral("7"), 1, Textseite::Zweite, format, 90));
    // A sound card is a picture like a photo.
    QFile::remove(spiel + "/02a.jpg");
    schreibe(spiel + "/02a.jpg", tonkartenJpeg(QStringLiteral("Miau"), 2, Textseite::Erste, format, 90));
    const QString pdf = tmp.filePath(QStringLiteral("text.pdf"));
    Druckoptionen o;
    o.OhneRueckseiten = true;
    ASSERT_TRUE(schreibeDruckPdf(spiel, o, pdf));
    EXPECT_EQ(bilderImPdf(pdf).size(), 2u);
    const QImage seite = seiteAlsBild(pdf, 1, tmp.filePath("seite"));
    const Druckbogen bogen = planeDruckbogen(2, 4, 3, o);
    for (const Druckkarte& k : bogen.Seiten[0].Karten) {
        if (k.Paar != 1)
            continue;
        SCOPED_TRACE(k.ZweitesBild);
        const QRgb ecke = seite.pixel(int((k.Rechteck.left() + 2) * 10), int((k.Rechteck.top() + 2) * 10));
        EXPECT_GT(qGray(ecke), 225);
        EXPECT_EQ(qBlue(ecke) > qRed(ecke), !k.ZweitesBild);
        EXPECT_LT(qGray(seite.pixel(int(k.Rechteck.center().x() * 10), int(k.Rechteck.center().y() * 10))), 120);
    }
}

// Faults and a cancel leave no file behind, each fault named by its own cause whatever the free space
// (unknown when the folder has gone); a link at the target is replaced, not written through.
TEST(Druckausgabe, faultsAndCancelLeaveNoFile)
{
    QTemporaryDir tmp;
    const QString spiel = schreibeSpiel(tmp, 3, false);
    const QString aus = tmp.filePath("aus"), pdf = aus + "/spiel.pdf", weg = tmp.filePath("weg");
    QDir().mkpath(aus);
    const auto inhalt = [](const QString& ordner) { return QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    const QStringList beide{"link.pdf", "ordner.pdf"};
    schreibe(tmp.filePath("fremd.pdf"), "fremd");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorher {};
    getrlimit(RLIMIT_FSIZE, &vorher);
    struct Fall {
        const char* was;
        QString ziel;
        std::function<void()> vorher;
        std::function<bool()> waehrend; // at the first card; false cancels
        QString fehler; // the message's start
        QStringList bleibt; // in aus, or where it went
    } faelle[] = {
        {"cancel", pdf, {}, [] { return false; }, "abgebrochen", {}},
        {"missing folder", tmp.filePath("fehlt/spiel.pdf"), [&] { QFile::link(tmp.filePath("fremd.pdf"), aus + "/link.pdf"); }, {}, QStringLiteral("In den Ordner %1 kann nicht geschrieben werden.").arg(tmp.filePath("fehlt")), {"link.pdf"}},
        {"write fails part way", pdf, [&] { rlimit r = vorher; r.rlim_cur = 20000; setrlimit(RLIMIT_FSIZE, &r); }, {}, QStringLiteral("Die Datei %1 kann nicht geschrieben werden: Die Datei wird zu groß für den Datenträger.").arg(pdf), {"link.pdf"}},
        {"target is a folder", aus + "/ordner.pdf", [&] { QDir().mkpath(aus + "/ordner.pdf"); }, {}, QStringLiteral("Die Datei %1/ordner.pdf kann nicht geschrieben werden: Das ist ein Ordner.").arg(aus), beide},
        {"folder gone while printing", pdf, {}, [&] { return QDir().rename(aus, weg); }, QStringLiteral("Die Datei %1 kann nicht geschrieben werden: Das gibt es nicht.").arg(pdf), beide},
        {"link at the target", aus + "/link.pdf", [&] { QDir().rename(weg, aus); }, {}, {}, beide},
        {"unreadable picture", pdf, [&] { QFile::remove(spiel + "/02b.jpg"); schreibe(spiel + "/02b.jpg", QByteArray("\xFF\xD8\xFF\xE0 kein Bild", 14)); }, {}, "Das Bild „02b.jpg“ kann nicht gedruckt werden:\n", beide},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        if (f.vorher)
            f.vorher();
        bool einmal = false;
        const QString fehler = fehlerBeim([&] {
            if (!schreibeDruckPdf(spiel, Druckoptionen(), f.ziel, [&](int, int) { return einmal || !f.waehrend || (einmal = true, f.waehrend()); }))
                throw EPaarlixFehler(QStringLiteral("abgebrochen"));
        });
        setrlimit(RLIMIT_FSIZE, &vorher);
        EXPECT_TRUE(fehler.startsWith(f.fehler) && fehler.isEmpty() == f.fehler.isEmpty()) << fehler.toStdString();
        EXPECT_EQ(inhalt(aus) + inhalt(weg), f.bleibt);
    }
    EXPECT_FALSE(QFileInfo(aus + "/link.pdf").isSymLink());
    EXPECT_EQ(lies(tmp.filePath("fremd.pdf")), "fremd");
}
