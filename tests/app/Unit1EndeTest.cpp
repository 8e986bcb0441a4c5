// The ending over the empty board, "Nochmal spielen" and the game's sounds with the
// key M that switches them, clicked like a player through three games in one window.
#include "Spieltisch.h"

#include "app/Programmstart.h"
#include "board/Austeiler.h"
#include "board/Bilddateiname.h"
#include "board/Neuverteilung.h"
#include "board/Paarziehung.h"
#include "neuesspiel/Entwurf.h"
#include "play/Klangsynthese.h"
#include "play/Spielende.h"
#include "platform/BildHalter.h"
#include "platform/Nutzerkonfiguration.h"
#include "widgets/Ansagefeld.h"
#include "widgets/Klangausgabe.h"
#include "widgets/TBitBtn.h"
#include "widgets/TImage.h"
#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "widgets/Vorleser.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {
class KlangRecorder final : public Klangausgabe {
public:
    void spiele(Klang klang) override { klaenge.push_back(klang); }
    void spieleKartenton(const Kartenklang& klang) override { kartentoene.push_back(klang); }
    void verstummeKartentoene() override { ++verstummt; }
    std::vector<Klang> klaenge;
    std::vector<Kartenklang> kartentoene;
    int verstummt = 0;
};

class VorleseRecorder final : public Vorleser {
public:
    void sprich(const QString& text, const QLocale& sprache) override
    {
        gesagt.push_back((text + u' ' + sprache.name()).toStdString());
    }
    std::vector<std::string> gesagt;
};

using K = Klang;
const std::vector<Klang> Paar{K::KarteDreht, K::KarteDreht, K::PaarGefunden};
// Two cards that are no pair, covered again by a click on the large picture.
const std::vector<Klang> Fehlzug{K::KarteDreht, K::KarteDreht, K::KeinPaar, K::KarteDreht};

// The sounds of the parts, each repeated as often as it says, in order.
std::vector<Klang> folge(std::initializer_list<std::pair<std::vector<Klang>, int>> teile)
{
    std::vector<Klang> alle;
    for (const auto& [klaenge, mal] : teile)
        for (int i = 0; i < mal; ++i)
            alle.insert(alle.end(), klaenge.begin(), klaenge.end());
    return alle;
}

void aktiviere(TForm1& f)
{
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
}

// Clears every pair still on the board, each pair's large pictures clicked away.
void spieleZuEnde(Spieltisch& t)
{
    for (const int p : t.offenePaare()) {
        t.deckePaarAuf(p);
        t.klicke(t.form->Image1);
    }
}

void fehlzug(Spieltisch& t)
{
    t.deckeKeinPaarAuf();
    t.klicke(t.form->Image1);
}

// Every cell's pair number, negative for the pair's second picture.
std::vector<int> verteilung(const Spieltisch& t)
{
    std::vector<int> karten;
    for (const Zelle z : t.zellen())
        karten.push_back(t.form->PaarNummern[z.Zeile][z.Spalte] * (t.bild(z)->Tag < 0 ? -1 : 1));
    return karten;
}

QString gespeicherteBestleistung(const QString& pfad)
{
    return Nutzerkonfiguration(pfad).wert(bestleistungsSchluessel(QFileInfo(QStringLiteral(".")).canonicalFilePath()));
}

QString gespeicherterTon(const QString& pfad)
{
    return Nutzerkonfiguration(pfad).wert(QStringLiteral("Ton"));
}
} // namespace

TEST(Spielende, clicksShowTheEndingAndSoundAsTheStepsSay)
{
    // Turning and covering tap, a pair and no pair have their notes, the cleared board its own,
    // also after "Nochmal spielen"; M mutes and unmutes, remembered, and a name typed with an M
    // switches nothing. The result is centred on the board, the button focused, the same words
    // for the screen reader; a collected card still shows large. Playing again deals the same
    // pictures anew face down, each with its pair number and description, with nothing scored,
    // and asks for the players again keeping the choice. The single player's first result is the
    // best; a worse one names the remembered best and leaves it.
    QTemporaryDir konfiguration;
    const QString pfad = konfiguration.filePath(QStringLiteral("paarlix.conf"));
    Tischvorgaben v;
    v.Startgruppe = 1;
    v.Kommentare = {{QStringLiteral("01a.jpg"), "Oma Erna"}};
    v.Toene = {QStringLiteral("01a.jpg"), QStringLiteral("01b.jpg")};
    Spieltisch t(v);
    TForm1& f = *t.form;
    f.setzeKonfigurationspfad(pfad);
    KlangRecorder r;
    f.richteTonEin(&r, false);
    aktiviere(f);
    const std::vector<int> vorher = verteilung(t);
    const QRect panels[2] = {f.GruppenPanels[0]->geometry(), f.GruppenPanels[1]->geometry()};
    const std::vector<int> paare = t.offenePaare();
    const auto [x, y] = t.keinPaar();

    const QString emma = QStringLiteral("Gewonnen: Emma, 12 zu 0 Punkte!");
    const struct {
        const char* klick;
        std::function<void()> tun;
        std::vector<Klang> klaenge;
        QString ergebnis = {}; // the ending's result, empty while it is hidden
        QString best = {};     // its best-result line, empty while hidden
        std::size_t kartentoene = 0; // card sounds asked: pair 1's cards have one
    } faelle[] = {
        {"two groups, named with an M",
         [&] {
             f.RadioButton2->click();
             f.Edit1->setFocus();
             QTest::keyClicks(f.Edit1, QStringLiteral("Emma"));
             QTest::keyClicks(f.Edit2, QStringLiteral("Ben"));
             EXPECT_TRUE(f.tonAn());
             t.losGehts();
         },
         {}},
        {"first card", [&] { t.klicke(t.ruecken(x)); }, {K::KarteDreht}, {}, {}, 1},
        {"second card, no pair", [&] { t.klicke(t.ruecken(y)); }, {K::KarteDreht, K::KeinPaar}},
        {"large picture covers both", [&] { t.klicke(f.Image1); }, {K::KarteDreht}},
        {"a pair", [&] { t.deckePaarAuf(paare[0]); }, Paar, {}, {}, 2},
        {"Space hears the second card again, a click takes the large pictures away",
         [&] {
             QTest::keyClick(f.Image2, Qt::Key_Space);
             EXPECT_TRUE(f.PBildLinks->isVisible());
             EXPECT_EQ(f.Ansage->text(), QStringLiteral("Ton: 01b"));
             t.klicke(f.Image2);
         },
         {}, {}, {}, 1},
        {"M mutes",
         [&] {
             QTest::keyClick(&f, Qt::Key_M);
             EXPECT_FALSE(f.tonAn());
             EXPECT_EQ(r.verstummt, 1) << "card sounds still playing end";
             EXPECT_EQ(f.Ansage->text(), QStringLiteral("Ton aus."));
             EXPECT_EQ(gespeicherterTon(pfad), QStringLiteral("aus"));
             t.deckePaarAuf(paare[1]);
             t.klicke(f.Image1);
         },
         {}},
        {"M unmutes",
         [&] {
             QTest::keyClick(&f, Qt::Key_M);
             EXPECT_EQ(gespeicherterTon(pfad), QStringLiteral("an"));
             for (std::size_t i = 2; i + 1 < paare.size(); ++i) {
                 t.deckePaarAuf(paare[i]);
                 t.klicke(f.Image1);
             }
         },
         folge({{Paar, 3}})},
        {"the last pair, announced with the result",
         [&] {
             t.deckePaarAuf(paare.back());
             EXPECT_TRUE(f.Ansage->text().endsWith(QStringLiteral(". ") + emma)) << qPrintable(f.Ansage->text());
         },
         Paar},
        {"the board cleared", [&] { t.klicke(f.Image1); }, {K::Spielende}, emma},
        {"a collected card shows large",
         [&] {
             t.klicke(t.bild(t.zellen().front()));
             EXPECT_TRUE(f.PBildLinks->isVisible());
         },
         {}},
        {"the large picture goes", [&] { t.klicke(f.Image2); }, {}, emma},
        {"Nochmal spielen",
         [&] {
             t.klicke(f.NochmalButton);
             EXPECT_TRUE(f.PAnfangsEinstellungen->isVisible());
             EXPECT_FALSE(f.PKarten->isEnabled());
             EXPECT_TRUE(f.PKarten->isVisible());
             EXPECT_TRUE(f.RadioButton2->isChecked());
             EXPECT_EQ(f.Edit1->text() + f.Edit2->text(), QStringLiteral("EmmaBen"));
             for (const Zelle z : t.zellen()) {
                 EXPECT_TRUE(t.liegtVerdeckt(z)) << z.Zeile << "," << z.Spalte;
                 EXPECT_EQ(f.Zug.brett().lage(z), Kartenlage::Verdeckt);
                 EXPECT_EQ(t.bild(z)->parentWidget(), t.ruecken(z)->parentWidget());
                 EXPECT_TRUE(aehnlich(mittelfarbe(t.bild(z)), t.bildfarbeVon(z)));
                 EXPECT_TRUE(aehnlich(mittelfarbe(f.GrossBilder[z.Zeile][z.Spalte]->bild()), t.bildfarbeVon(z)));
             }
             std::vector<int> nachher = verteilung(t);
             EXPECT_NE(nachher, vorher);
             std::vector<int> sortiert = vorher;
             std::sort(sortiert.begin(), sortiert.end());
             std::sort(nachher.begin(), nachher.end());
             EXPECT_EQ(nachher, sortiert);
             for (int g = 0; g < 2; ++g) {
                 EXPECT_EQ(f.GruppenPanels[g]->geometry(), panels[g]);
                 EXPECT_EQ(f.PunkteLabel[g]->text(), QStringLiteral("0 Punkte"));
                 EXPECT_EQ(f.Zug.stand().Punkte[g], 0);
             }
             EXPECT_EQ(t.markierteGruppe(), f.Zug.aktiveGruppe());
             EXPECT_EQ(f.AnDerReiheLabel->parentWidget(), f.GruppenPanels[f.Zug.aktiveGruppe()]);
             EXPECT_FALSE(f.AnDerReiheLabel->isHidden());
         },
         {}},
        {"one player, its first card",
         [&] {
             f.RadioButton1->click();
             t.losGehts();
             const auto [c, d] = t.paar(1);
             t.klicke(t.ruecken(t.bild(c)->Tag < 0 ? d : c));
             EXPECT_EQ(f.Image1->accessibleName(), QStringLiteral("Oma Erna"));
             EXPECT_EQ(f.Image1->accessibleDescription(), QStringLiteral("Ton: Oma Erna"));
             t.klicke(f.Image1); // heard again
             EXPECT_EQ(f.Ansage->text(), QStringLiteral("Ton: Oma Erna"));
         },
         {K::KarteDreht}, {}, {}, 2},
        {"a failed move and the other pairs",
         [&] {
             const auto [c, d] = t.paar(1);
             t.klicke(t.ruecken(t.bild(c)->Tag < 0 ? c : d));
             t.klicke(f.Image1);
             fehlzug(t);
             spieleZuEnde(t);
             EXPECT_EQ(gespeicherteBestleistung(pfad), QStringLiteral("7"));
         },
         folge({{{K::KarteDreht, K::PaarGefunden}, 1}, {Fehlzug, 1}, {Paar, 5}, {{K::Spielende}, 1}}),
         QStringLiteral("Geschafft in 7 Zügen!"), QStringLiteral("Neues bestes Ergebnis!"), 1},
        {"Nochmal spielen, two failed moves and all pairs",
         [&] {
             t.klicke(f.NochmalButton);
             EXPECT_TRUE(f.PAnfangsEinstellungen->isVisible());
             EXPECT_TRUE(f.RadioButton1->isChecked());
             t.losGehts();
             fehlzug(t);
             fehlzug(t);
             spieleZuEnde(t);
             EXPECT_EQ(gespeicherteBestleistung(pfad), QStringLiteral("7"));
         },
         folge({{Fehlzug, 2}, {Paar, 6}, {{K::Spielende}, 1}}), QStringLiteral("Geschafft in 8 Zügen!"),
         QStringLiteral("Bisher bestes Ergebnis: 7 Züge"), 4},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.klick);
        r.klaenge.clear();
        r.kartentoene.clear();
        fall.tun();
        QCoreApplication::processEvents();
        EXPECT_EQ(r.klaenge, fall.klaenge);
        EXPECT_EQ(r.kartentoene.size(), fall.kartentoene);
        for (const Kartenklang& k : r.kartentoene)
            EXPECT_NEAR(double(k->size()) / Klangrate, 1.0, 0.01) << "the second at either rate";
        ASSERT_EQ(f.PSpielende && f.PSpielende->isVisible(), !fall.ergebnis.isEmpty());
        if (fall.ergebnis.isEmpty())
            continue;
        EXPECT_EQ(f.ErgebnisLabel->text(), fall.ergebnis);
        EXPECT_EQ(f.BestleistungLabel->isVisible(), !fall.best.isEmpty());
        EXPECT_EQ(f.BestleistungLabel->text(), fall.best);
        EXPECT_EQ(f.PSpielende->geometry(), spielendeLage(f.PKarten->geometry(), !fall.best.isEmpty()).Panel);
        EXPECT_EQ(f.NochmalButton->text(), QStringLiteral("Nochmal spielen"));
        EXPECT_EQ(QApplication::focusWidget(), f.NochmalButton);
        EXPECT_EQ(f.Ansage->text(), fall.best.isEmpty() ? fall.ergebnis : fall.ergebnis + QLatin1Char(' ') + fall.best);
    }
    EXPECT_TRUE(t.meldungen.eintraege.empty());

    // The next start is muted as M left it, and M there is remembered; --ohne-ton mutes whatever
    // the config says.
    QTest::keyClick(&f, Qt::Key_M);
    {
        Spieltisch naechster;
        naechster.form->setzeKonfigurationspfad(pfad);
        naechster.form->richteTonEin(&r, false);
        aktiviere(*naechster.form);
        EXPECT_FALSE(naechster.form->tonAn());
        QTest::keyClick(naechster.form, Qt::Key_M);
        EXPECT_TRUE(naechster.form->tonAn());
        EXPECT_EQ(gespeicherterTon(pfad), QStringLiteral("an"));
    }
    Spieltisch ohneTon;
    ohneTon.form->setzeKonfigurationspfad(pfad);
    ohneTon.form->richteTonEin(&r, true);
    EXPECT_FALSE(ohneTon.form->tonAn());
}

TEST(Spielende, textCardsAreReadAloudInTheirColumnsLanguage)
{
    // With setting 13 a turned text card is spoken in its column's language; a photo is not,
    // even with a description; nothing while M has muted the sound, with --ohne-ton, or without
    // the setting.
    const struct {
        const char* name;
        QString vorlesen;
        bool ohneTon = false;
        bool stumm = false; // M pressed before the turns
        std::vector<std::string> gesagt = {};
    } faelle[] = {
        {"reading aloud", "Deutsch, Englisch", false, false, {"Hund de_DE", "dog en_US"}},
        {"M pressed", "Deutsch, Englisch", false, true},
        {"--ohne-ton", "Deutsch, Englisch", true},
        {"setting 13 is 0", "0"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Tischvorgaben v;
        v.Abfragen = QStringLiteral("0");
        v.Vorlesen = fall.vorlesen;
        // The text after its mark: each comment goes in before the ones already there.
        v.Kommentare = {{QStringLiteral("01a.jpg"), "Paarlix-Textkarte: 1"}, {QStringLiteral("01a.jpg"), "Hund"},
                        {QStringLiteral("01b.jpg"), "Paarlix-Textkarte: 2"}, {QStringLiteral("01b.jpg"), "dog"},
                        {QStringLiteral("02a.jpg"), "Oma Erna"}};
        Spieltisch t(v);
        VorleseRecorder r;
        t.form->richteTonEin(nullptr, fall.ohneTon);
        t.form->setzeVorleser(&r);
        aktiviere(*t.form);
        if (fall.stumm)
            QTest::keyClick(t.form, Qt::Key_M);
        t.deckePaarAuf(1);
        t.klicke(t.form->Image1);
        t.deckePaarAuf(2);
        EXPECT_EQ(r.gesagt, fall.gesagt);
    }
}

TEST(Spielende, eachRoundDealsItsPairsWithEmptyPlacesAtTheEnd)
{
    // A 3 x 3 board, 3 pairs per round. From a folder of 5 pairs each round (the start, then
    // "Nochmal spielen") reads only the pairs the seeded source draws (the others hold no
    // picture) and deals them with the bar counting 6 pictures; from a folder of 3 pairs playing
    // again deals the same pictures anew and reads nothing. The last row stays empty: the
    // background shows, a click there does nothing, arrows and screen reader skip it. The ending
    // comes with the third pair.
    const struct {
        const char* name;
        int paare;
        std::vector<int> balkenNochmal;
    } faelle[] = {
        {"5 pairs: a draw per round", 5, {0, 16, 33, 50, 66, 83, 100}},
        {"3 pairs: the same pairs anew", 3, {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Tischvorgaben v;
        v.Karten = QStringLiteral("3,3");
        v.Abfragen = QStringLiteral("0");
        v.JeRunde = QStringLiteral("3");
        v.Paare = fall.paare;
        const bool ziehen = fall.paare > 3;
        SkriptZufall nachgespielt(v.zahlen(), 1);
        struct Runde {
            std::vector<int> paare{1, 2, 3};
            std::vector<int> bildAnZelle;
        };
        Runde runden[2];
        runden[0].paare = paareDerRunde(fall.paare, 3, nachgespielt);
        runden[0].bildAnZelle = austeilen(3, 3, runden[0].paare, nachgespielt);
        nachgespielt.naechste(2); // the starting group
        if (ziehen) {
            runden[1].paare = ziehePaare(fall.paare, 3, nachgespielt);
            runden[1].bildAnZelle = austeilen(3, 3, runden[1].paare, nachgespielt);
            ASSERT_NE(runden[0].paare, runden[1].paare) << "the seed draws the same pairs twice";
        } else {
            const std::vector<int> quelle = neuVerteilen(runden[0].bildAnZelle, 3, 3, nachgespielt);
            for (const int q : quelle)
                runden[1].bildAnZelle.push_back(q < 0 ? -1 : runden[0].bildAnZelle[std::size_t(q)]);
        }
        // Files a round must not read hold no picture.
        const auto nichtGezogen = [&](const Runde& r, bool liest) {
            QStringList dateien;
            for (int p = 1; p <= fall.paare; ++p)
                if (!liest || std::find(r.paare.begin(), r.paare.end(), p) == r.paare.end())
                    dateien << bilddateiname(p, false) << bilddateiname(p, true);
            return dateien;
        };
        v.Kaputt = nichtGezogen(runden[0], true);
        Spieltisch t(v);
        TForm1& f = *t.form;
        aktiviere(f);
        std::vector<int> balken;
        QObject::connect(f.ProgressBar1, &QProgressBar::valueChanged, [&](int wert) { balken.push_back(wert); });

        for (int runde = 0; runde < 2; ++runde) {
            SCOPED_TRACE(testing::Message() << "round " << runde + 1);
            const Runde& r = runden[runde];
            if (runde == 1) {
                t.ordner.schreibeBilder(2 * fall.paare);
                for (const QString& datei : nichtGezogen(r, ziehen)) {
                    QFile d(t.ordner.pfad(datei));
                    ASSERT_TRUE(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
                    d.write("no JPEG at all");
                }
                balken.clear();
                t.klicke(f.NochmalButton);
                EXPECT_EQ(balken, fall.balkenNochmal);
            }
            EXPECT_TRUE(t.meldungen.eintraege.empty());
            for (int i = 0; i < 9; ++i) {
                const Zelle z{i / 3, i % 3};
                const int k = r.bildAnZelle[std::size_t(i)];
                EXPECT_EQ(f.PaarNummern[z.Zeile][z.Spalte], k < 0 ? -1 : r.paare[std::size_t(k / 2)]) << "cell " << i;
                EXPECT_EQ(k >= 0 && t.bild(z)->Tag < 0, k % 2 == 1) << "cell " << i;
                if (k < 0)
                    EXPECT_TRUE(t.ruecken(z)->isHidden() && t.bild(z)->isHidden()) << "cell " << i;
                else
                    EXPECT_TRUE(t.liegtVerdeckt(z)) << "cell " << i;
            }
            // A click on an empty place hits no card.
            const Spieleinstellungen& e = f.Einstellungen;
            const QPoint leer = QRect(zellPosition(2, 1, e.KartenBreite, e.KartenHoehe, e.AbstandX, e.AbstandY),
                                      QSize(e.KartenBreite, e.KartenHoehe))
                                    .center();
            QWidget* getroffen = f.PKarten->childAt(leer);
            ASSERT_NE(getroffen, nullptr);
            QTest::mouseClick(getroffen, Qt::LeftButton, {}, getroffen->mapFrom(f.PKarten, leer));
            EXPECT_EQ(f.Zug.aufgedeckteKarten(), 0);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(f.PKarten)->childCount(), 6);
            f.BrettFokus = {1, 2};
            QTest::keyClick(f.PKarten, Qt::Key_Down);
            EXPECT_EQ(f.BrettFokus, (Zelle{1, 2}));
            QTest::keyClick(f.PKarten, Qt::Key_Left);
            EXPECT_EQ(f.BrettFokus, (Zelle{1, 1}));

            const std::vector<int> offen = t.offenePaare();
            EXPECT_EQ(offen, r.paare);
            for (const int p : offen) {
                EXPECT_FALSE(f.PSpielende && f.PSpielende->isVisible());
                t.deckePaarAuf(p);
                t.klicke(f.Image1);
            }
            EXPECT_TRUE(f.PSpielende && f.PSpielende->isVisible());
        }
    }
}

TEST(Spielende, playingAgainAfterAnotherWindowSavedTheGameDealsTheNewVersion)
{
    // A save exchanges the game folder and removes the old one, the playing window's working
    // folder. "Nochmal spielen" says the game was changed, and the next window reads the new
    // version by the folder's path (2 x 2 cards, not 3 of 5 pairs), keeping the players typed.
    Tischvorgaben v;
    const auto schreibe = [&v](Spielordner& o, const char* karten, const char* jeRunde, int bilder) {
        v.Karten = karten;
        v.JeRunde = jeRunde;
        o.schreibeIni(v.werte());
        o.schreibeKartentext();
        o.schreibeBilder(bilder);
    };
    Spielordner spiel;
    schreibe(spiel, "3,3", "3", 10);
    MeldungsRecorder meldungen;
    TestUhr uhr(Spieltisch::Uhrschritt);
    Fehlerbehandlung::setzeMeldungen(&meldungen);
    QStringList schritte;
    const auto baue = [&] {
        auto form = std::make_unique<TForm1>(meldungen, uhr, std::make_unique<SkriptZufall>(std::deque<int>{}, 1));
        QTimer::singleShot(0, [&, f = form.get()] {
            if (!QTest::qWaitFor([f] { return f->aufgebaut(); }, 20000))
                return void(f->close());
            schritte += QStringLiteral("%1 x %2 %3").arg(f->Einstellungen.Spalten).arg(f->Einstellungen.Zeilen)
                            .arg(f->RadioButton2->isChecked() ? f->Edit1->text() : QString());
            if (schritte.size() > 1)
                return void(f->close());
            f->RadioButton2->setChecked(true);
            f->Edit1->setText(QStringLiteral("Anna"));
            Spielordner neu;
            schreibe(neu, "2,2", "", 4);
            QDir::setCurrent(spiel.pfad(QString()));
            ASSERT_EQ(tauscheOrdner(QFile::encodeName(neu.pfad(QString())), QFile::encodeName(spiel.pfad(QString()))), 0);
            QDir(neu.pfad(QString())).removeRecursively();
            Fehlerbehandlung::ausfuehren([f] { f->NochmalClick(); });
            QTimer::singleShot(20000, f, &QWidget::close); // a window left open ends instead of hanging
        });
        return form;
    };
    EXPECT_EQ(spieleSpiel(baue), 0);
    Fehlerbehandlung::setzeMeldungen(nullptr);
    EXPECT_EQ(schritte.join(" | ").toStdString(), "3 x 3  | 2 x 2 Anna");
    EXPECT_EQ(meldungen.eintraege.size() == 1 ? meldungen.eintraege[0].text.toStdString() : "",
              "Das Spiel wurde inzwischen geändert. Die neue Fassung wird ausgeteilt.");
}
