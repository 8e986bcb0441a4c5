// The ending over the empty board and "Nochmal spielen", clicked like a player.
#include "Spieltisch.h"

#include "play/Spielende.h"
#include "platform/BildHalter.h"
#include "platform/Nutzerkonfiguration.h"
#include "widgets/Ansagefeld.h"
#include "widgets/TBitBtn.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"

#include <QApplication>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {
// Clears every pair still on the board, each pair's large pictures clicked away.
void spieleZuEnde(Spieltisch& t)
{
    for (const int p : t.offenePaare()) {
        t.deckePaarAuf(p);
        t.klicke(t.form->Image1);
    }
}

Tischvorgaben annaUndBen(int startgruppe)
{
    Tischvorgaben v;
    v.Abfragen = QStringLiteral("0");
    v.Gruppen = QStringLiteral("2");
    v.Namen = QStringLiteral("Anna\nBen");
    v.Startgruppe = startgruppe;
    return v;
}

QString gespeicherteBestleistung(const QString& pfad)
{
    return Nutzerkonfiguration(pfad).wert(bestleistungsSchluessel(QFileInfo(QStringLiteral(".")).canonicalFilePath()));
}
} // namespace

TEST(Spielende, twoGroupsSeeTheWinnerOverTheBoardAndCanStillViewTheirCards)
{
    // The sentence, centred on the board, the button focused and the same words for the
    // screen reader; a collected card still shows large, and the ending comes back after.
    Spieltisch t(annaUndBen(1));
    TForm1& f = *t.form;
    spieleZuEnde(t);
    ASSERT_NE(f.PSpielende, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.PSpielende->isVisible());
    EXPECT_EQ(f.ErgebnisLabel->text(), QStringLiteral("Gewonnen: Ben, 12 zu 0 Punkte!"));
    EXPECT_FALSE(f.BestleistungLabel->isVisible());
    EXPECT_EQ(f.PSpielende->geometry().center(), f.PKarten->geometry().center());
    EXPECT_TRUE(f.PKarten->geometry().contains(f.PSpielende->geometry()));
    EXPECT_EQ(f.NochmalButton->text(), QStringLiteral("Nochmal spielen"));
    EXPECT_EQ(QApplication::focusWidget(), f.NochmalButton);
    EXPECT_EQ(f.Ansage->text(), f.ErgebnisLabel->text());

    t.klicke(t.bild(t.zellen().front()));
    EXPECT_TRUE(f.PBildLinks->isVisible());
    EXPECT_FALSE(f.PSpielende->isVisible());
    t.klicke(f.Image2);
    EXPECT_TRUE(f.PSpielende->isVisible());
    EXPECT_TRUE(t.meldungen.eintraege.empty());
}

TEST(Spielende, aSinglePlayerSeesTheMovesAndTheBestResultOfThisFolder)
{
    // The first result is the best; a worse one later names the remembered best. Playing
    // again asks for the players again when the settings say so, keeping the choice.
    QTemporaryDir konfiguration;
    const QString pfad = konfiguration.filePath(QStringLiteral("paarlix.conf"));
    Spieltisch t;
    TForm1& f = *t.form;
    f.setzeKonfigurationspfad(pfad);
    t.losGehts();
    spieleZuEnde(t);
    EXPECT_EQ(f.ErgebnisLabel->text(), QStringLiteral("Geschafft in 6 Zügen!"));
    EXPECT_EQ(f.BestleistungLabel->text(), QStringLiteral("Neues bestes Ergebnis!"));
    EXPECT_TRUE(f.BestleistungLabel->isVisible());
    EXPECT_EQ(f.Ansage->text(), QStringLiteral("Geschafft in 6 Zügen! Neues bestes Ergebnis!"));
    EXPECT_EQ(gespeicherteBestleistung(pfad), QStringLiteral("6"));

    t.klicke(f.NochmalButton);
    EXPECT_FALSE(f.PSpielende->isVisible());
    EXPECT_TRUE(f.PAnfangsEinstellungen->isVisible());
    EXPECT_FALSE(f.PKarten->isEnabled());
    EXPECT_TRUE(f.RadioButton1->isChecked());
    t.losGehts();
    t.deckeKeinPaarAuf();
    t.klicke(f.Image1);
    spieleZuEnde(t);
    EXPECT_EQ(f.ErgebnisLabel->text(), QStringLiteral("Geschafft in 7 Zügen!"));
    EXPECT_EQ(f.BestleistungLabel->text(), QStringLiteral("Bisher bestes Ergebnis: 6 Züge"));
    EXPECT_EQ(gespeicherteBestleistung(pfad), QStringLiteral("6"));
    EXPECT_TRUE(t.meldungen.eintraege.empty());
}

TEST(Nochmal, playingAgainDealsTheSamePicturesAnewFaceDownWithNothingScored)
{
    // Every card back at its cell, each picture moved with its pair number and its
    // description, nothing scored, the panels as at the first start with the names kept;
    // then a full game.
    Tischvorgaben v = annaUndBen(0);
    v.Kommentare = {{QStringLiteral("01a.jpg"), "Oma Erna"}};
    Spieltisch t(v);
    TForm1& f = *t.form;
    const QRect panels[2] = {f.GruppenPanels[0]->geometry(), f.GruppenPanels[1]->geometry()};
    std::vector<int> vorher;
    for (const Zelle z : t.zellen())
        vorher.push_back(f.PaarNummern[z.Zeile][z.Spalte] * (t.bild(z)->Tag < 0 ? -1 : 1));
    t.deckeKeinPaarAuf();
    t.klicke(f.Image1);
    spieleZuEnde(t);
    t.klicke(f.NochmalButton);

    std::vector<int> nachher;
    for (const Zelle z : t.zellen()) {
        EXPECT_TRUE(t.liegtVerdeckt(z)) << z.Zeile << "," << z.Spalte;
        EXPECT_EQ(f.Zug.brett().lage(z), Kartenlage::Verdeckt);
        EXPECT_EQ(t.bild(z)->parentWidget(), t.ruecken(z)->parentWidget());
        EXPECT_TRUE(aehnlich(mittelfarbe(t.bild(z)), t.bildfarbeVon(z)));
        EXPECT_TRUE(aehnlich(mittelfarbe(f.GrossBilder[z.Zeile][z.Spalte]->bild()), t.bildfarbeVon(z)));
        nachher.push_back(f.PaarNummern[z.Zeile][z.Spalte] * (t.bild(z)->Tag < 0 ? -1 : 1));
    }
    EXPECT_NE(nachher, vorher);
    std::sort(vorher.begin(), vorher.end());
    std::sort(nachher.begin(), nachher.end());
    EXPECT_EQ(nachher, vorher);

    EXPECT_TRUE(f.Zug.brett().gesammelt(0).empty() && f.Zug.brett().gesammelt(1).empty());
    EXPECT_FALSE(f.PSpielende->isVisible());
    EXPECT_TRUE(f.PKarten->isVisible());
    EXPECT_TRUE(f.PBekommeneKarten->isVisible());
    for (int g = 0; g < 2; ++g) {
        EXPECT_EQ(f.GruppenPanels[g]->geometry(), panels[g]);
        EXPECT_EQ(f.PunkteLabel[g]->text(), QStringLiteral("0 Punkte"));
        EXPECT_EQ(f.Zug.stand().Punkte[g], 0);
    }
    EXPECT_EQ(f.NamensLabel[0]->text(), QStringLiteral("Anna"));
    EXPECT_EQ(f.NamensLabel[1]->text(), QStringLiteral("Ben"));
    EXPECT_EQ(t.markierteGruppe(), f.Zug.aktiveGruppe());
    EXPECT_EQ(f.AnDerReiheLabel->parentWidget(), f.GruppenPanels[f.Zug.aktiveGruppe()]);
    EXPECT_TRUE(f.AnDerReiheLabel->isVisible());

    auto [a, b] = t.paar(1);
    if (t.bild(a)->Tag < 0)
        std::swap(a, b);
    t.klicke(t.ruecken(a));
    EXPECT_EQ(f.Image1->accessibleName(), QStringLiteral("Oma Erna"));
    t.klicke(t.ruecken(b));
    t.klicke(f.Image1);
    spieleZuEnde(t);
    EXPECT_TRUE(f.PSpielende->isVisible());
    EXPECT_EQ(f.Zug.stand().Punkte[0] + f.Zug.stand().Punkte[1], 12);
    EXPECT_TRUE(t.meldungen.eintraege.empty());
}
