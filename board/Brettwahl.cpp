#include "board/Brettwahl.h"

#include "board/Bildschirmaufteilung.h"
#include "board/Einstellungsleser.h"
#include "board/Einstellungsvorlage.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
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

} // namespace

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

QSize bezugsbildschirm()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() == QLatin1String("offscreen") || !schirm)
        return Bezugsbildschirm;
    const QSize groesse = schirm->availableGeometry().size() * schirm->devicePixelRatio();
    return groesse.isEmpty() ? Bezugsbildschirm : groesse;
}
