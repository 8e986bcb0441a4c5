#include "Spieltisch.h"

#include "platform/Systemfarben.h"
#include "toene/Kartenton.h"
#include "toene/Tonschreiber.h"
#include "widgets/TBitBtn.h"
#include "widgets/TImage.h"
#include "widgets/TPanel.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <deque>
#include <random>
#include <set>

QStringList Tischvorgaben::werte() const
{
    QStringList w{Fenster, QStringLiteral("3:4"), Karten,          Kartengroesse, Abstaende, QStringLiteral("400"),
                  QStringLiteral("0"), Abfragen,  Gruppen, Namen, QStringLiteral("0")};
    if (!JeRunde.isEmpty() || !Vorlesen.isEmpty())
        w.push_back(JeRunde);
    if (!Vorlesen.isEmpty())
        w.push_back(Vorlesen);
    return w;
}

namespace {
int zellen(const Tischvorgaben& v)
{
    const QStringList karten = v.Karten.split(QLatin1Char(','));
    return karten.value(0).trimmed().toInt() * karten.value(1).trimmed().toInt();
}
} // namespace

std::deque<int> Tischvorgaben::zahlen() const
{
    // A round of its own pairs draws them first, then one cell per picture.
    int ziehungen = zellen(*this);
    if (!JeRunde.isEmpty()) {
        const int jeRunde = JeRunde.toInt();
        const int imOrdner = Paare > 0 ? Paare : ziehungen / 2;
        ziehungen = (imOrdner > jeRunde ? jeRunde : 0) + 2 * jeRunde;
    }
    std::mt19937 gen(Seed);
    std::deque<int> z;
    for (int k = 0; k < ziehungen; ++k)
        z.push_back(static_cast<int>(gen() >> 1));
    z.push_back(Startgruppe);
    return z;
}

namespace {
// Writes the game folder and builds the window on it: one draw per card for the
// deal, then the starting group.
std::unique_ptr<Testfenster> baueTisch(Spielordner& ordner, const Tischvorgaben& v)
{
    ordner.schreibeIni(v.werte());
    ordner.schreibeKartentext();
    ordner.schreibeBilder(v.Paare > 0 ? 2 * v.Paare : zellen(v));
    for (const QString& datei : v.Kaputt) {
        QFile f(ordner.pfad(datei));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("no JPEG at all");
    }
    for (const QString& datei : v.Toene) {
        const int rate = datei.contains(QLatin1Char('a')) ? 48000 : 8000;
        Tonproben ton{rate, std::vector<std::int16_t>(std::size_t(rate))};
        for (std::size_t i = 0; i < ton.Proben.size(); ++i)
            ton.Proben[i] = std::int16_t(std::lrint(8000 * std::sin(2 * std::numbers::pi * 440 * double(i) / rate)));
        EXPECT_EQ(schreibeKartenton(ton, kartentonName(ordner.pfad(datei))), QString());
    }
    for (const auto& [datei, kommentar] : v.Kommentare) {
        QFile f(ordner.pfad(datei));
        EXPECT_TRUE(f.open(QIODevice::ReadWrite));
        const QByteArray jpeg = f.readAll();
        // A comment segment right after the start marker.
        QByteArray segment("\xFF\xFE", 2);
        segment.append(char((kommentar.size() + 2) >> 8));
        segment.append(char((kommentar.size() + 2) & 0xFF));
        f.seek(0);
        f.write(jpeg.left(2) + segment + kommentar + jpeg.mid(2));
    }
    return std::make_unique<Testfenster>(v.zahlen(), 1, Spieltisch::Uhrschritt);
}
} // namespace

Spieltisch::Spieltisch(const Tischvorgaben& v)
    : fenster_(baueTisch(ordner, v)), meldungen(fenster_->meldungen), uhr(fenster_->uhr),
      form(fenster_->form.get())
{
    fenster_->aktiviere();
    EXPECT_TRUE(form->aufgebaut());
}

Spieltisch::~Spieltisch() = default;

void Spieltisch::klicke(QWidget* w)
{
    if (!w->isVisible()) {
        ADD_FAILURE() << "click on a control that is not shown: " << w->metaObject()->className();
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton);
}

void Spieltisch::losGehts()
{
    klicke(form->BitBtn1);
}

TImage* Spieltisch::ruecken(Zelle z) const
{
    return form->KartenRuecken[z.Zeile][z.Spalte];
}

TImage* Spieltisch::bild(Zelle z) const
{
    return form->KartenBilder[z.Zeile][z.Spalte];
}

std::vector<Zelle> Spieltisch::zellen() const
{
    std::vector<Zelle> alle;
    for (int zeile = 0; zeile < form->Einstellungen.Zeilen; ++zeile)
        for (int spalte = 0; spalte < form->Einstellungen.Spalten; ++spalte)
            alle.push_back({zeile, spalte});
    return alle;
}

std::pair<Zelle, Zelle> Spieltisch::paar(int p) const
{
    std::vector<Zelle> gefunden;
    for (const Zelle z : zellen())
        if (form->PaarNummern[z.Zeile][z.Spalte] == p)
            gefunden.push_back(z);
    EXPECT_EQ(gefunden.size(), 2u) << "pair " << p;
    gefunden.resize(2);
    return {gefunden[0], gefunden[1]};
}

std::vector<int> Spieltisch::offenePaare() const
{
    std::set<int> nummern;
    for (const Zelle z : zellen())
        if (form->PaarNummern[z.Zeile][z.Spalte] >= 1 && bild(z)->parentWidget() != form->GruppenPanels[0]
            && bild(z)->parentWidget() != form->GruppenPanels[1])
            nummern.insert(form->PaarNummern[z.Zeile][z.Spalte]);
    return {nummern.begin(), nummern.end()};
}

std::pair<Zelle, Zelle> Spieltisch::keinPaar() const
{
    const std::vector<int> offen = offenePaare();
    EXPECT_GE(offen.size(), 2u);
    return {paar(offen.at(0)).first, paar(offen.at(1)).second};
}

void Spieltisch::deckePaarAuf(int p, bool erstesA)
{
    auto [a, b] = paar(p);
    if ((bild(a)->Tag < 0) == erstesA)
        std::swap(a, b);
    klicke(ruecken(a));
    klicke(ruecken(b));
}

std::pair<Zelle, Zelle> Spieltisch::deckeKeinPaarAuf()
{
    const auto karten = keinPaar();
    klicke(ruecken(karten.first));
    klicke(ruecken(karten.second));
    return karten;
}

QColor Spieltisch::bildfarbeVon(Zelle z) const
{
    return Spielordner::bildfarbe(form->PaarNummern[z.Zeile][z.Spalte], bild(z)->Tag < 0);
}

bool Spieltisch::liegtVerdeckt(Zelle z) const
{
    const int kb = form->Einstellungen.KartenBreite;
    return !ruecken(z)->isHidden() && ruecken(z)->width() == kb && bild(z)->isHidden();
}

bool Spieltisch::liegtOffen(Zelle z) const
{
    const int kb = form->Einstellungen.KartenBreite;
    return ruecken(z)->isHidden() && !bild(z)->isHidden() && bild(z)->width() == kb
           && bild(z)->parentWidget() == ruecken(z)->parentWidget();
}

int Spieltisch::markierteGruppe() const
{
    int gruppe = -1;
    for (int i = 0; i < 2; ++i) {
        const std::optional<QColor> farbe = form->GruppenPanels[i]->farbe();
        if (!farbe)
            continue;
        EXPECT_EQ(*farbe, markierungsfarbe()) << "panel " << i << " has a colour that is no highlight";
        EXPECT_EQ(gruppe, -1) << "both panels are highlighted";
        gruppe = i;
    }
    return gruppe;
}

QColor mittelfarbe(const TImage* bild)
{
    return mittelfarbe(bild->bild());
}

QColor markierungsfarbe()
{
    return QColor(255, 166, 166);
}
