#include "support/Testfenster.h"

#include "platform/BildHalter.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "support/Farben.h"
#include "support/Spielordner.h"

#include <QFile>
#include <QProgressBar>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr int Spalten = 6;
constexpr int Zeilen = 5;
constexpr int N = Spalten * Zeilen;
const QColor Brettfarbe(255, 255, 176);

// A playable folder for the 6 x 5 board of the standard settings; the players are asked, so
// the game does not start by itself.
void schreibeOrdner(Spielordner& ordner, QStringList werte = standardWerte())
{
    werte[7] = QStringLiteral("1");
    ordner.schreibeIni(werte);
    ordner.schreibeKartentext();
    ordner.schreibeBilder(N);
}

int gesetzteZellen(const TForm1& f)
{
    int n = 0;
    for (int z = 0; z < Zeilen; ++z)
        for (int s = 0; s < Spalten; ++s)
            n += f.PaarNummern[z][s] != -1;
    return n;
}

} // namespace

// The window is laid out for its client area: 1016 x 734 with 3:4 pictures and 6 x 5 cards gives
// 504 x 672 pictures and 66 x 88 cards; a fixed card size of 100 x 120 moves the board past the
// left edge, which brings no scroll bar.
TEST(Unit1Layout, theWindowIsLaidOutForItsClientArea)
{
    struct Fall {
        const char* name;
        QString kartengroesse;
        QSize karte;
        QRect pKarten;
        QRect image3;
    };
    const Fall faelle[] = {
        {"auto", QStringLiteral("auto"), {66, 88}, {5, 101, 498, 532}, {1, 1, 496, 530}},
        {"fixed 100 x 120", QStringLiteral("100,120"), {100, 120}, {-97, 21, 702, 692}, {1, 1, 700, 690}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielordner ordner;
        QStringList werte = standardWerte();
        werte[3] = f.kartengroesse;
        schreibeOrdner(ordner, werte);
        Testfenster fenster;
        TForm1& form = *fenster.form;
        form.zeigen();
        // The platform gives the window the size of setting 1 as its client area.
        EXPECT_EQ(form.ClientWidth(), 1016);
        EXPECT_EQ(form.ClientHeight(), 734);
        QCoreApplication::processEvents();
        ASSERT_TRUE(form.aufgebaut());
        EXPECT_TRUE(fenster.meldungen.eintraege.empty());

        EXPECT_EQ(form.Label1->text(), QStringLiteral("Größe der Bilder auf diesem Monitor: 504 x 672 Pixel"));
        EXPECT_EQ(form.Label3->text(), QStringLiteral("Optimale Größe der Spielkarten: 66 x 88 Pixel"));
        EXPECT_GT(form.Label1->width(), 68); // resized to the longer caption
        EXPECT_EQ(QSize(form.Einstellungen.KartenBreite, form.Einstellungen.KartenHoehe), f.karte);
        EXPECT_EQ(form.Image1->geometry(), QRect(2, 2, 504, 672));
        EXPECT_EQ(form.Image2->geometry(), QRect(2, 2, 504, 672));
        EXPECT_EQ(form.PKarten->geometry(), f.pKarten);
        EXPECT_FALSE(form.PKarten->isHidden());
        EXPECT_EQ(form.Image3->geometry(), f.image3);
        EXPECT_EQ(form.PBildRechts->geometry(), QRect(508, 29, 508, 676));
        EXPECT_EQ(form.PBildLinks->geometry(), QRect(0, 29, 508, 676));
        EXPECT_TRUE(form.PBildRechts->isHidden());
        EXPECT_TRUE(form.PBildLinks->isHidden());
        EXPECT_EQ(form.PStatusBar->geometry(), QRect(251, 306, 513, 121));
        EXPECT_EQ(form.PAnfangsEinstellungen->geometry(), QRect(513, 7, 498, 720));
        EXPECT_FALSE(form.horizontalScrollBar()->isVisible());
        EXPECT_FALSE(form.verticalScrollBar()->isVisible());
    }
}

// A board that cannot be fitted to the window is reported in an error box and no cell is built.
TEST(Unit1Layout, aBoardTooLargeForTheWindowIsReportedAndNotBuilt)
{
    Spielordner ordner;
    QStringList werte = standardWerte();
    werte[2] = QStringLiteral("100,100");
    schreibeOrdner(ordner, werte);
    Testfenster fenster;
    fenster.aktiviere();
    const TForm1& form = *fenster.form;
    ASSERT_EQ(fenster.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(fenster.meldungen.eintraege[0].art, QStringLiteral("fehler"));
    EXPECT_TRUE(fenster.meldungen.eintraege[0].text.startsWith(
        QStringLiteral("Das Spielfeld passt nicht auf diesen Bildschirm")))
        << fenster.meldungen.eintraege[0].text.toStdString();
    EXPECT_FALSE(form.aufgebaut());
    EXPECT_EQ(form.KartenRuecken[0][0], nullptr);
    EXPECT_EQ(fenster.brettKinder(), 1);
    EXPECT_TRUE(fenster.zufall->bereiche.empty());
    EXPECT_TRUE(form.PStatusBar->isHidden());
    EXPECT_TRUE(form.PAnfangsEinstellungen->isHidden());
}

// A board whose pictures could never fit into memory (100 x 100 cards of 2000 x 2000 pixels) is
// refused with an error box before any picture is read (the folder holds none) and before the
// board background of that size is painted.
TEST(Unit1Layout, picturesTooLargeForTheMemoryAreRefusedBeforeAnyIsRead)
{
    Spielordner ordner;
    QStringList werte = standardWerte();
    werte[2] = QStringLiteral("100,100");
    werte[3] = QStringLiteral("2000,2000");
    werte[7] = QStringLiteral("1");
    ordner.schreibeIni(werte);
    ordner.schreibeKartentext();
    Testfenster fenster;
    fenster.aktiviere();
    const TForm1& form = *fenster.form;
    ASSERT_EQ(fenster.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(fenster.meldungen.eintraege[0].art, QStringLiteral("fehler"));
    EXPECT_TRUE(fenster.meldungen.eintraege[0].text.startsWith(QStringLiteral("Nicht genügend Arbeitsspeicher.")));
    EXPECT_FALSE(form.aufgebaut());
    EXPECT_TRUE(form.Image3->bild().isNull());
    EXPECT_EQ(form.KartenRuecken[0][0], nullptr);
    EXPECT_TRUE(fenster.zufall->bereiche.empty());
    EXPECT_TRUE(form.PStatusBar->isHidden());
}

class Brett : public ::testing::Test {
protected:
    void baue(std::deque<int> zahlen = {}, QStringList werte = standardWerte())
    {
        schreibeOrdner(ordner, werte);
        fenster = std::make_unique<Testfenster>(std::move(zahlen), 7);
        fenster->aktiviere();
        ASSERT_TRUE(fenster->form->aufgebaut());
        ASSERT_TRUE(fenster->meldungen.eintraege.empty());
    }
    Spielordner ordner;
    std::unique_ptr<Testfenster> fenster;
};

// Every cell has a visible, stretching card back and a hidden small picture at the cell position
// in the board's coordinates, both carrying the cell code, the small one above the back, and a
// large picture holder of Image1's size; entries outside the board stay empty.
TEST_F(Brett, everyCellHasItsThreeControls)
{
    baue();
    const TForm1& f = *fenster->form;
    for (int z = 0; z < Tabellengroesse; ++z)
        for (int s = 0; s < Tabellengroesse; ++s) {
            const bool aufDemBrett = z < Zeilen && s < Spalten;
            if (!aufDemBrett) {
                ASSERT_EQ(f.KartenRuecken[z][s], nullptr) << z << "," << s;
                ASSERT_EQ(f.KartenBilder[z][s], nullptr) << z << "," << s;
                ASSERT_EQ(f.GrossBilder[z][s], nullptr) << z << "," << s;
                ASSERT_EQ(f.PaarNummern[z][s], 0) << z << "," << s;
                continue;
            }
            SCOPED_TRACE(testing::Message() << "cell " << z << "," << s);
            const TImage* ruecken = f.KartenRuecken[z][s];
            const TImage* bild = f.KartenBilder[z][s];
            const TBildHalter* gross = f.GrossBilder[z][s];
            ASSERT_NE(ruecken, nullptr);
            ASSERT_NE(bild, nullptr);
            ASSERT_NE(gross, nullptr);
            const QPoint position(25 + s * (66 + 10), 25 + z * (88 + 10));
            const int code = z * 100 + s + 1;
            EXPECT_EQ(ruecken->mapTo(f.PKarten, QPoint()), position);
            EXPECT_EQ(bild->mapTo(f.PKarten, QPoint()), position);
            EXPECT_EQ(ruecken->size(), QSize(66, 88));
            EXPECT_EQ(bild->size(), QSize(66, 88));
            EXPECT_TRUE(ruecken->isVisibleTo(f.PKarten));
            EXPECT_TRUE(bild->isHidden());
            EXPECT_TRUE(ruecken->Stretch);
            EXPECT_TRUE(bild->Stretch);
            EXPECT_TRUE(ruecken->OnClick);
            EXPECT_TRUE(bild->OnClick);
            EXPECT_EQ(ruecken->Tag, code);
            EXPECT_EQ(std::abs(bild->Tag), code);
            EXPECT_EQ(gross->Width(), f.Image1->width());
            EXPECT_EQ(gross->Height(), f.Image1->height());
            EXPECT_GE(f.PaarNummern[z][s], 1);
            EXPECT_LE(f.PaarNummern[z][s], N / 2);
            // The small picture lies above its card back.
            const QObjectList& geschwister = ruecken->parentWidget()->children();
            EXPECT_EQ(bild->parentWidget(), ruecken->parentWidget());
            EXPECT_GT(geschwister.indexOf(bild), geschwister.indexOf(ruecken));
        }
    // The background lies lowest in the board.
    EXPECT_EQ(f.PKarten->children().value(0), f.Image3);
}

// Every card back shows the picture drawn for cell (0, 0): card-sized and not blank.
TEST_F(Brett, everyCardBackShowsThePictureDrawnForTheFirstCell)
{
    baue();
    const TForm1& f = *fenster->form;
    const QImage rueckseite = f.KartenRuecken[0][0]->bild();
    ASSERT_EQ(rueckseite.size(), QSize(66, 88));
    int weiss = 0;
    for (int y = 0; y < rueckseite.height(); ++y)
        for (int x = 0; x < rueckseite.width(); ++x)
            weiss += rueckseite.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_LT(weiss, 66 * 88 / 2);
    for (int z = 0; z < Zeilen; ++z)
        for (int s = 0; s < Spalten; ++s)
            EXPECT_EQ(f.KartenRuecken[z][s]->bild(), rueckseite) << z << "," << s;
}

// The board background is the board colour, in the bitmap and on the screen around the grid.
TEST_F(Brett, theBackgroundIsInTheBoardColour)
{
    baue();
    const TForm1& f = *fenster->form;
    const QImage hintergrund = f.Image3->bild();
    ASSERT_EQ(hintergrund.size(), QSize(496, 530));
    EXPECT_EQ(hintergrund.pixelColor(0, 0), Brettfarbe);
    EXPECT_EQ(hintergrund.pixelColor(495, 0), Brettfarbe);
    EXPECT_EQ(hintergrund.pixelColor(0, 529), Brettfarbe);
    EXPECT_EQ(hintergrund.pixelColor(495, 529), Brettfarbe);
    const QImage schirm = f.PKarten->grab().toImage();
    EXPECT_EQ(schirm.pixelColor(2, 2), Brettfarbe);
    EXPECT_EQ(schirm.pixelColor(494, 528), Brettfarbe);
}

// A missing or invalid "Kartentext.bmp" ends the build with a program error: only cell (0, 0)
// exists and shows nothing, nothing is dealt, the board stays disabled, no group panels.
TEST(Unit1Kartentext, aBadCardBackOverlayEndsTheBuild)
{
    struct Fall {
        const char* name;
        QByteArray inhalt; // empty: no file
        QString text;
    };
    const Fall faelle[] = {
        {"missing", {}, QStringLiteral("Datei Kartentext.bmp kann nicht geöffnet werden.")},
        {"not a bitmap", QByteArray("BM this is no bitmap at all"), QStringLiteral("Bitmap ist ungültig.")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielordner ordner;
        schreibeOrdner(ordner);
        ordner.loesche(QStringLiteral("Kartentext.bmp"));
        if (!f.inhalt.isEmpty()) {
            QFile datei(ordner.pfad(QStringLiteral("Kartentext.bmp")));
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(f.inhalt);
        }
        Testfenster fenster;
        fenster.aktiviere();
        const TForm1& form = *fenster.form;
        ASSERT_EQ(fenster.meldungen.eintraege.size(), 1u);
        EXPECT_EQ(fenster.meldungen.eintraege[0].art, QStringLiteral("programmfehler"));
        EXPECT_EQ(fenster.meldungen.eintraege[0].text, f.text);

        ASSERT_NE(form.KartenRuecken[0][0], nullptr);
        EXPECT_TRUE(form.KartenRuecken[0][0]->isVisibleTo(form.PKarten));
        EXPECT_TRUE(form.KartenRuecken[0][0]->bild().isNull());
        EXPECT_EQ(form.KartenRuecken[0][1], nullptr);
        EXPECT_EQ(form.KartenRuecken[1][0], nullptr);
        EXPECT_TRUE(fenster.zufall->bereiche.empty());
        EXPECT_FALSE(form.PKarten->isEnabled());
        EXPECT_EQ(form.GruppenPanels[0], nullptr);
        EXPECT_EQ(form.GruppenPanels[1], nullptr);
        EXPECT_TRUE(form.PStatusBar->isHidden());
        EXPECT_TRUE(form.PAnfangsEinstellungen->isHidden());
        EXPECT_TRUE(form.PBekommeneKarten->isHidden());
        EXPECT_FALSE(form.aufgebaut());
        EXPECT_TRUE(form.isVisible());
    }
}

// With scripted draws picture k lands on the k-th free cell counted as drawn: all draws 0 fill the
// board in reading order, all draws N - k - 1 from the end. Each cell then shows its own file.
TEST_F(Brett, scriptedDrawsDealInReadingOrder)
{
    struct Fall {
        const char* name;
        bool vonHinten;
    };
    for (const Fall& fall : {Fall{"first free cell", false}, Fall{"last free cell", true}}) {
        SCOPED_TRACE(fall.name);
        std::deque<int> zahlen;
        for (int k = 0; k < N; ++k)
            zahlen.push_back(fall.vonHinten ? N - k - 1 : 0);
        Spielordner eigener;
        schreibeOrdner(eigener);
        Testfenster fenster(zahlen);
        fenster.aktiviere();
        const TForm1& f = *fenster.form;
        ASSERT_TRUE(f.aufgebaut());
        for (int k = 0; k < N; ++k) {
            const int zelle = fall.vonHinten ? N - 1 - k : k;
            const int z = zelle / Spalten;
            const int s = zelle % Spalten;
            const int paar = k / 2 + 1;
            const bool zweites = k % 2 == 1;
            SCOPED_TRACE(testing::Message() << "picture " << k << " on " << z << "," << s);
            EXPECT_EQ(f.PaarNummern[z][s], paar);
            const int code = z * 100 + s + 1;
            EXPECT_EQ(f.KartenBilder[z][s]->Tag, zweites ? -code : code);
            EXPECT_EQ(f.GrossBilder[z][s]->Tag, f.KartenBilder[z][s]->Tag);
            EXPECT_EQ(f.KartenRuecken[z][s]->Tag, code);
            const QColor farbe = Spielordner::bildfarbe(paar, zweites);
            EXPECT_TRUE(aehnlich(mittelfarbe(f.KartenBilder[z][s]->bild()), farbe));
            EXPECT_TRUE(aehnlich(mittelfarbe(f.GrossBilder[z][s]->bild()), farbe));
            EXPECT_EQ(f.KartenBilder[z][s]->bild().size(), QSize(66, 88));
            EXPECT_EQ(f.GrossBilder[z][s]->bild().size(), QSize(504, 672));
        }
        // One draw per picture from the cells still free, then one for the starting group.
        std::vector<int> erwartet;
        for (int k = 0; k < N; ++k)
            erwartet.push_back(N - k);
        erwartet.push_back(2);
        EXPECT_EQ(fenster.zufall->bereiche, erwartet);
    }
}

// After a random deal every pair number stands on exactly two cells, one with a positive and one
// with a negative small-picture Tag, each large picture carrying the Tag of its small one; the
// progress panel is hidden again with the bar at 100.
TEST_F(Brett, aRandomDealLaysEveryPairTwice)
{
    baue();
    const TForm1& f = *fenster->form;
    std::map<int, std::vector<int>> tags; // pair number -> small-picture Tags
    for (int z = 0; z < Zeilen; ++z)
        for (int s = 0; s < Spalten; ++s) {
            const int code = z * 100 + s + 1;
            const int tag = f.KartenBilder[z][s]->Tag;
            EXPECT_EQ(std::abs(tag), code);
            EXPECT_EQ(f.GrossBilder[z][s]->Tag, tag);
            tags[f.PaarNummern[z][s]].push_back(tag);
        }
    ASSERT_EQ(tags.size(), size_t(N / 2));
    for (const auto& [paar, liste] : tags) {
        EXPECT_GE(paar, 1);
        EXPECT_LE(paar, N / 2);
        ASSERT_EQ(liste.size(), 2u) << "pair " << paar;
        EXPECT_LT(std::min(liste[0], liste[1]), 0) << "pair " << paar;
        EXPECT_GT(std::max(liste[0], liste[1]), 0) << "pair " << paar;
    }
    EXPECT_EQ(f.ProgressBar1->value(), 100);
    EXPECT_TRUE(f.PStatusBar->isHidden());
    EXPECT_FALSE(f.PAnfangsEinstellungen->isHidden());
    EXPECT_FALSE(f.PKarten->isEnabled());
}

// A missing picture stops the deal there: a program error names the file, the bar stays at the
// pictures dealt before it, the progress panel stays up, and nothing after the deal is built.
TEST(Unit1Austeilen, aMissingPictureStopsTheDeal)
{
    Spielordner ordner;
    schreibeOrdner(ordner);
    ordner.loesche(QStringLiteral("07b.jpg"));
    Testfenster fenster;
    fenster.aktiviere();
    const TForm1& f = *fenster.form;
    ASSERT_EQ(fenster.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(fenster.meldungen.eintraege[0].art, QStringLiteral("programmfehler"));
    EXPECT_EQ(fenster.meldungen.eintraege[0].text, QStringLiteral("Datei 07b.jpg kann nicht geöffnet werden."));
    EXPECT_EQ(f.ProgressBar1->value(), 13 * 100 / N);
    EXPECT_EQ(f.ProgressBar1->value(), 43);
    EXPECT_FALSE(f.PStatusBar->isHidden());
    EXPECT_EQ(gesetzteZellen(f), 13);
    EXPECT_EQ(fenster.zufall->bereiche.size(), 14u); // the failing picture had drawn its cell
    EXPECT_TRUE(f.PAnfangsEinstellungen->isHidden());
    EXPECT_FALSE(f.PKarten->isEnabled());
    EXPECT_TRUE(f.PBekommeneKarten->isHidden());
    EXPECT_EQ(f.GruppenPanels[0], nullptr);
    EXPECT_FALSE(f.aufgebaut());
    for (int z = 0; z < Zeilen; ++z)
        for (int s = 0; s < Spalten; ++s)
            EXPECT_EQ(f.KartenBilder[z][s]->bild().isNull(), f.PaarNummern[z][s] == -1) << z << "," << s;
}

// Names as cameras write them are found: settings, card back and pictures in any letter case,
// pictures also ending in .jpeg; the whole board is dealt without a message.
TEST(Unit1Austeilen, namesAsCamerasWriteThemAreFound)
{
    Spielordner ordner;
    schreibeOrdner(ordner);
    const auto benenneUm = [&](const QString& von, const QString& nach) {
        ASSERT_TRUE(QFile::rename(ordner.pfad(von), ordner.pfad(nach))) << von.toStdString();
    };
    benenneUm(QStringLiteral("Paarlix.ini"), QStringLiteral("PAARLIX.INI"));
    benenneUm(QStringLiteral("Kartentext.bmp"), QStringLiteral("kartentext.BMP"));
    for (int k = 0; k < N; ++k) {
        const QString name = QStringLiteral("%1%2.jpg").arg(k / 2 + 1, 2, 10, QLatin1Char('0')).arg(k % 2 ? 'b' : 'a');
        benenneUm(name, k % 3 ? name.toUpper() : name.chopped(4) + QStringLiteral(".Jpeg"));
    }
    Testfenster fenster;
    fenster.aktiviere();
    EXPECT_TRUE(fenster.meldungen.eintraege.empty());
    EXPECT_TRUE(fenster.form->aufgebaut());
    EXPECT_EQ(gesetzteZellen(*fenster.form), N);
}

// In test mode every card back shows its cell's small picture.
TEST_F(Brett, testModeShowsThePicturesOnTheBacks)
{
    QStringList werte = standardWerte();
    werte[10] = QStringLiteral("1");
    baue({}, werte);
    const TForm1& f = *fenster->form;
    for (int z = 0; z < Zeilen; ++z)
        for (int s = 0; s < Spalten; ++s) {
            EXPECT_FALSE(f.KartenBilder[z][s]->bild().isNull());
            EXPECT_EQ(f.KartenRuecken[z][s]->bild(), f.KartenBilder[z][s]->bild()) << z << "," << s;
            EXPECT_TRUE(aehnlich(mittelfarbe(f.KartenRuecken[z][s]->bild()),
                                 Spielordner::bildfarbe(f.PaarNummern[z][s], f.KartenBilder[z][s]->Tag < 0)));
        }
}
