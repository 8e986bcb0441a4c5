#include "neuesspiel/Brettwahl.h"

#include "board/Bildschirmaufteilung.h"
#include "board/Einstellungsleser.h"
#include "neuesspiel/Einstellungsvorlage.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Far beyond any count that fits a screen: MaxBrettSpalten columns of 100 rows.
constexpr int MaxAnzahl = MaxBrettSpalten * 100 / 2;

// The settings a new game is written with, read back as the game reads them.
const Spieleinstellungen& vorlage()
{
    static const Spieleinstellungen werte = leseEinstellungen(einstellungsvorlage().toUtf8()).Werte;
    return werte;
}

QSize karteAuf(const Brettmass& brett, const Kartenformat& format, QSize bildschirm)
{
    Spieleinstellungen e = vorlage();
    e.FormatX = format.FormatX;
    e.FormatY = format.FormatY;
    e.Spalten = brett.Spalten;
    e.Zeilen = brett.Zeilen;
    e.KartenBreite = AutoKartenBreite;
    const Bildschirmaufteilung a = berechneBildschirmaufteilung(bildschirm.width(), bildschirm.height(), e);
    return a.Passt ? QSize(a.KartenBreite, a.KartenHoehe) : QSize();
}

// The card height s * FormatY at which `karten` cards with the gaps exactly
// fill the room when columns and rows may be any real numbers:
// (breite + ax) / (fx s + ax) * (hoehe + ay) / (fy s + ay) = karten.
int idealeHoehe(int karten, const Kartenformat& format, QSize bildschirm)
{
    const QSizeF raum = kartenflaeche(bildschirm.width(), bildschirm.height());
    const double ax = vorlage().AbstandX;
    const double ay = vorlage().AbstandY;
    const double fx = format.FormatX;
    const double fy = format.FormatY;
    const double a = fx * fy;
    const double b = fx * ay + fy * ax;
    const double c = ax * ay - (raum.width() + ax) * (raum.height() + ay) / karten;
    const double s = (-b + std::sqrt(std::max(b * b - 4 * a * c, 0.0))) / (2 * a);
    return std::max(0, int(fy * s));
}

Brettwahl bestesBrett(int bilder, const Kartenformat& format, QSize bildschirm)
{
    Brettwahl wahl;
    if (bilder > MaxAnzahl)
        return wahl;
    const int karten = 2 * bilder;
    for (int zeilen = 1; zeilen <= karten; ++zeilen) {
        if (karten % zeilen != 0 || karten / zeilen > MaxBrettSpalten)
            continue;
        const Brettmass brett{karten / zeilen, zeilen};
        const QSize karte = karteAuf(brett, format, bildschirm);
        // Equal cards: the squarer board, then the wider one.
        const auto abweichung = [](const Brettmass& m) { return std::abs(m.Spalten - m.Zeilen); };
        const bool besser = karte.height() > wahl.Karte.height()
            || (karte.height() == wahl.Karte.height() && !karte.isEmpty()
                && abweichung(brett) < abweichung(wahl.Brett));
        if (besser) {
            wahl.Brett = brett;
            wahl.Karte = karte;
        }
    }
    wahl.IdealHoehe = idealeHoehe(karten, format, bildschirm);
    wahl.Gut = wahl.Karte.height() >= MinKartenHoehe && 2 * wahl.Karte.height() >= wahl.IdealHoehe;
    return wahl;
}

} // namespace

bool istGuteAnzahl(int bilder, const Kartenformat& format, QSize bildschirm)
{
    return bilder >= 1 && bilder <= MaxAnzahl && bestesBrett(bilder, format, bildschirm).Gut;
}

Brettwahl waehleBrett(int bilder, const Kartenformat& format, QSize bildschirm)
{
    Brettwahl wahl = bestesBrett(bilder, format, bildschirm);
    if (wahl.Gut)
        return wahl;
    for (int n = std::min(bilder, MaxAnzahl + 1) - 1; n >= 2 && wahl.Kleiner == 0; --n)
        if (istGuteAnzahl(n, format, bildschirm))
            wahl.Kleiner = n;
    for (int n = bilder + 1; n <= MaxAnzahl && wahl.Groesser == 0; ++n)
        if (istGuteAnzahl(n, format, bildschirm))
            wahl.Groesser = n;
    return wahl;
}

BrettMitLuecken waehleBrettMitLuecken(int bilder, const Kartenformat& format, QSize bildschirm)
{
    BrettMitLuecken wahl;
    if (bilder < 1 || bilder > MaxAnzahl)
        return wahl;
    const int karten = 2 * bilder;
    const auto abweichung = [](const Brettmass& m) { return std::abs(m.Spalten - m.Zeilen); };
    for (int spalten = MaxBrettSpalten; spalten >= 1; --spalten) {
        // The fewest rows that hold the cards leave fewer empty places than a row; one more would not.
        const int zeilen = (karten + spalten - 1) / spalten;
        if (zeilen > 100)
            continue;
        const Brettmass brett{spalten, zeilen};
        const int frei = spalten * zeilen - karten;
        const QSize karte = karteAuf(brett, format, bildschirm);
        if (karte.isEmpty())
            continue;
        const bool besser = wahl.Karte.isEmpty() || karte.height() > wahl.Karte.height()
            || (karte.height() == wahl.Karte.height()
                && (frei < wahl.Frei || (frei == wahl.Frei && abweichung(brett) < abweichung(wahl.Brett))));
        if (besser) {
            wahl.Brett = brett;
            wahl.Karte = karte;
            wahl.Frei = frei;
        }
    }
    wahl.Passt = wahl.Karte.height() >= MinKartenHoehe;
    return wahl;
}

int groessteAnzahlMitLuecken(const Kartenformat& format, QSize bildschirm)
{
    int bilder = 0;
    while (bilder < MaxAnzahl && waehleBrettMitLuecken(bilder + 1, format, bildschirm).Passt)
        ++bilder;
    return bilder;
}

Spielfeld waehleSpielfeld(int bilder, int jeRunde, const Kartenformat& format, QSize bildschirm)
{
    Spielfeld feld;
    const int groesste = groessteAnzahlMitLuecken(format, bildschirm);
    const QString schirm = QStringLiteral("%1 × %2").arg(bildschirm.width()).arg(bildschirm.height());
    if (jeRunde < 0 || jeRunde > bilder) {
        feld.Fehler = QStringLiteral("Je Runde können 1 bis %1 Paare gespielt werden, so viele, wie es Fotos sind; "
                                     "angegeben %2.").arg(bilder).arg(jeRunde);
        return feld;
    }
    if (jeRunde > groesste) {
        feld.Fehler = QStringLiteral("%1 Paare haben auf einem Bildschirm von %2 Pixeln nicht auf einmal Platz; "
                                     "je Runde passen höchstens %3.").arg(jeRunde).arg(schirm).arg(groesste);
        return feld;
    }
    if (groesste < 1) {
        feld.Fehler = QStringLiteral("Auf einem Bildschirm von %1 Pixeln hat kein Spielfeld Platz.").arg(schirm);
        return feld;
    }
    feld.Paare = jeRunde > 0 ? jeRunde : std::min(bilder, groesste);
    feld.Wahl = waehleBrettMitLuecken(feld.Paare, format, bildschirm);
    feld.Gut = feld.Wahl.Passt;
    if (feld.Paare < bilder || feld.Wahl.Frei > 0)
        feld.PaareJeRunde = feld.Paare;
    return feld;
}

QString spielfeldText(const Spielfeld& feld, int bilder, bool pfeil)
{
    const Brettmass& brett = feld.Wahl.Brett;
    QString text = feld.Paare < bilder
        ? QStringLiteral("%1 Runde %2 von %3 Paaren").arg(pfeil ? "Je" : "je").arg(feld.Paare).arg(bilder)
        : QStringLiteral("%1 Paare").arg(bilder);
    text += pfeil ? QStringLiteral(" → ") : QStringLiteral(" auf ");
    if (feld.Wahl.Frei == 0)
        return text + QStringLiteral("%1 × %2 Karten").arg(brett.Spalten).arg(brett.Zeilen);
    return text + QStringLiteral("%1 × %2 %3, %4 %5 frei")
                      .arg(brett.Spalten).arg(brett.Zeilen)
                      .arg(pfeil ? QStringLiteral("Felder") : QStringLiteral("Feldern"))
                      .arg(feld.Wahl.Frei)
                      .arg(feld.Wahl.Frei == 1 ? QStringLiteral("bleibt") : QStringLiteral("bleiben"));
}

QString brettFehler(int bilder, const Brettwahl& wahl, QSize bildschirm)
{
    if (wahl.Gut)
        return {};
    const QString schirm = QStringLiteral("%1 × %2").arg(bildschirm.width()).arg(bildschirm.height());
    QString text;
    if (wahl.Karte.isEmpty())
        text = QStringLiteral("%1 Fotos ergeben %2 Karten, und so viele haben auf einem Bildschirm von %3 Pixeln "
                              "keinen Platz.")
                   .arg(bilder).arg(2 * bilder).arg(schirm);
    else
        text = QStringLiteral("%1 Fotos ergeben %2 Karten; auf einem Bildschirm von %3 Pixeln lägen sie "
                              "bestenfalls als %4 × %5 Karten von %6 × %7 Pixeln – %8.")
                   .arg(bilder).arg(2 * bilder).arg(schirm)
                   .arg(wahl.Brett.Spalten).arg(wahl.Brett.Zeilen)
                   .arg(wahl.Karte.width()).arg(wahl.Karte.height())
                   .arg(wahl.Karte.height() < MinKartenHoehe
                            ? QStringLiteral("zu klein zum Spielen")
                            : QStringLiteral("nicht halb so hoch, wie es die Fläche erlaubt"));
    if (wahl.Kleiner > 0 && wahl.Groesser > 0)
        text += QStringLiteral(" Mit %1 oder %2 Fotos geht es.").arg(wahl.Kleiner).arg(wahl.Groesser);
    else if (wahl.Kleiner > 0)
        text += QStringLiteral(" Mit höchstens %1 Fotos geht es.").arg(wahl.Kleiner);
    else if (wahl.Groesser > 0)
        text += QStringLiteral(" Mit %1 Fotos geht es.").arg(wahl.Groesser);
    return text;
}

QSize bezugsbildschirm()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() == QLatin1String("offscreen") || !schirm)
        return Bezugsbildschirm;
    const QSize groesse = schirm->availableGeometry().size() * schirm->devicePixelRatio();
    return groesse.isEmpty() ? Bezugsbildschirm : groesse;
}
