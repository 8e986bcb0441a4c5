// The game's sounds through an injected output, and the key M that switches them.
#include "Spieltisch.h"

#include "platform/Nutzerkonfiguration.h"
#include "widgets/Ansagefeld.h"
#include "widgets/Klangausgabe.h"
#include "widgets/TImage.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {
class KlangRecorder final : public Klangausgabe {
public:
    void spiele(Klang klang) override { klaenge.push_back(klang); }
    std::vector<Klang> klaenge;
};

using K = Klang;

void aktiviere(TForm1& f)
{
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
}
} // namespace

TEST(Ton, everyClickSoundsAsItsStepsSay)
{
    // Turning and covering tap, a pair and no pair have their notes, the cleared board its own.
    Spieltisch t;
    TForm1& f = *t.form;
    KlangRecorder r;
    f.richteTonEin(&r, false);
    t.losGehts();
    const std::vector<int> paare = t.offenePaare();
    const auto [x, y] = t.keinPaar();
    const struct {
        const char* klick;
        std::function<void()> tun;
        std::vector<Klang> klaenge;
    } faelle[] = {
        {"first card", [&] { t.klicke(t.ruecken(x)); }, {K::KarteDreht}},
        {"second card, no pair", [&] { t.klicke(t.ruecken(y)); }, {K::KarteDreht, K::KeinPaar}},
        {"large picture covers both", [&] { t.klicke(f.Image1); }, {K::KarteDreht}},
        {"a pair", [&] { t.deckePaarAuf(paare[0]); }, {K::KarteDreht, K::KarteDreht, K::PaarGefunden}},
        {"its large pictures go", [&] { t.klicke(f.Image2); }, {}},
        {"the other pairs but the last",
         [&] {
             for (std::size_t i = 1; i + 1 < paare.size(); ++i) {
                 t.deckePaarAuf(paare[i]);
                 t.klicke(f.Image1);
             }
             r.klaenge.clear();
         },
         {}},
        {"the last pair", [&] { t.deckePaarAuf(paare.back()); }, {K::KarteDreht, K::KarteDreht, K::PaarGefunden}},
        {"the board cleared", [&] { t.klicke(f.Image1); }, {K::Spielende}},
    };
    for (const auto& fall : faelle) {
        r.klaenge.clear();
        fall.tun();
        EXPECT_EQ(r.klaenge, fall.klaenge) << fall.klick;
    }
}

TEST(Ton, keyMSwitchesTheSoundAndTheConfigRemembersIt)
{
    // M mutes and unmutes and is remembered for the next start; a name typed with an M
    // switches nothing; --ohne-ton starts muted whatever the config says.
    QTemporaryDir konfiguration;
    const QString pfad = konfiguration.filePath(QStringLiteral("paarlix.conf"));
    {
        Spieltisch t;
        TForm1& f = *t.form;
        f.setzeKonfigurationspfad(pfad);
        KlangRecorder r;
        f.richteTonEin(&r, false);
        aktiviere(f);
        EXPECT_TRUE(f.tonAn());
        f.RadioButton2->click();
        f.Edit1->setFocus();
        QTest::keyClicks(f.Edit1, QStringLiteral("Emma"));
        EXPECT_EQ(f.Edit1->text(), QStringLiteral("Emma"));
        EXPECT_TRUE(f.tonAn());

        t.losGehts();
        QTest::keyClick(&f, Qt::Key_M);
        EXPECT_FALSE(f.tonAn());
        EXPECT_EQ(f.Ansage->text(), QStringLiteral("Ton aus."));
        EXPECT_EQ(Nutzerkonfiguration(pfad).wert(QStringLiteral("Ton")), QStringLiteral("aus"));
        t.klicke(t.ruecken({0, 0}));
        EXPECT_TRUE(r.klaenge.empty());
    }
    {
        Spieltisch t;
        TForm1& f = *t.form;
        f.setzeKonfigurationspfad(pfad);
        KlangRecorder r;
        f.richteTonEin(&r, false);
        aktiviere(f);
        EXPECT_FALSE(f.tonAn());
        QTest::keyClick(&f, Qt::Key_M);
        EXPECT_TRUE(f.tonAn());
        EXPECT_EQ(Nutzerkonfiguration(pfad).wert(QStringLiteral("Ton")), QStringLiteral("an"));
        t.losGehts();
        t.klicke(t.ruecken({0, 0}));
        EXPECT_EQ(r.klaenge, std::vector<Klang>{K::KarteDreht});
    }
    Spieltisch t;
    t.form->setzeKonfigurationspfad(pfad);
    KlangRecorder r;
    t.form->richteTonEin(&r, true);
    EXPECT_FALSE(t.form->tonAn());
}
