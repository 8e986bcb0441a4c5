#include "board/Bildschirmaufteilung.h"

#include "board/Zellcode.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace {

using Zahl = std::int64_t;

// Whether every value fits the 32-bit sizes and positions the window works with.
bool allePassen(std::initializer_list<Zahl> werte)
{
    for (const Zahl w : werte)
        if (w < INT_MIN || w > INT_MAX)
            return false;
    return true;
}

QString groessenText(const QString& anfang, int breite, int hoehe)
{
    return anfang + QString::number(breite) + QStringLiteral(" x ") + QString::number(hoehe)
        + QStringLiteral(" Pixel");
}

const QString iniHinweis = QStringLiteral(" in der Datei \"Paarlix.ini\" eintragen.");

} // namespace

QSizeF kartenflaeche(int clientBreite, int clientHoehe)
{
    return QSizeF(clientBreite * 0.5 - 2 - 2 * Brettrand, double(clientHoehe) - 2 - 2 * Brettrand);
}

Bildschirmaufteilung berechneBildschirmaufteilung(int clientBreite, int clientHoehe,
                                                  const Spieleinstellungen& e)
{
    Bildschirmaufteilung a;
    if (e.FormatX <= 0 || e.FormatY <= 0 || e.Spalten <= 0 || e.Zeilen <= 0) {
        a.Passt = false;
        a.Fehlertext = QStringLiteral("Das Spielfeld kann nicht angelegt werden: Bildformat und "
                                      "Anzahl der Karten müssen größer als 0 sein.\n\r"
                                      "Bitte andere Werte")
            + iniHinweis;
        return a;
    }

    // Every value below is at most two products of 32-bit inputs plus a little,
    // so 64 bits hold it; whether the results fit in 32 bits is checked once.
    const Zahl breite = clientBreite;
    const Zahl hoehe = clientHoehe;
    const Zahl fx = e.FormatX;
    const Zahl fy = e.FormatY;
    const Zahl spalten = e.Spalten;
    const Zahl zeilen = e.Zeilen;
    const Zahl halbeBreite = breite / 2;

    // Large picture from the height, or from the width if it is too wide for half the window.
    Zahl bildHoehe = (hoehe - 4) / fy * fy;
    Zahl bildBreite = bildHoehe / fy * fx;
    if (halbeBreite < bildBreite + 4) {
        bildBreite = (halbeBreite - 4) / fx * fx;
        bildHoehe = bildBreite / fx * fy;
    }

    // Optimal card size; an odd client width keeps its half pixel here.
    const QSizeF flaeche = kartenflaeche(clientBreite, clientHoehe);
    const double zaehlerX = flaeche.width() - double(spalten - 1) * e.AbstandX;
    const Zahl faktorX = Zahl(std::trunc(zaehlerX / (double(spalten) * double(fx))));
    const Zahl zaehlerY = Zahl(flaeche.height()) - (zeilen - 1) * e.AbstandY;
    const Zahl faktorY = Zahl(std::trunc(double(zaehlerY) / (double(zeilen) * double(fy))));
    const Zahl faktor = std::min(faktorX, faktorY);
    const Zahl optimaleBreite = fx * faktor;
    const Zahl optimaleHoehe = fy * faktor;

    const bool automatisch = e.KartenBreite == AutoKartenBreite;
    const Zahl kartenBreite = automatisch ? optimaleBreite : e.KartenBreite;
    const Zahl kartenHoehe = automatisch ? optimaleHoehe : e.KartenHoehe;

    // The board panel: the cells, the margin with the letters and numbers, and its 1-pixel frame.
    const Zahl kartenW = (spalten - 1) * e.AbstandX + 2 * Brettrand + 2 + spalten * kartenBreite;
    const Zahl kartenH = (zeilen - 1) * e.AbstandY + 2 * Brettrand + 2 + zeilen * kartenHoehe;
    const Zahl kartenLinks = (halbeBreite - kartenW) / 2;
    const Zahl kartenOben = (hoehe - kartenH) / 2;

    const Zahl bildPanelW = bildBreite + 4;
    const Zahl bildPanelH = bildHoehe + 4;
    const Zahl bildPanelOben = (hoehe - bildPanelH) / 2;
    const Zahl rechteHaelfteMitte2 = breite + halbeBreite; // twice the right half's centre
    const Zahl bildRechtsLinks = (rechteHaelfteMitte2 - bildPanelW) / 2;
    const Zahl bildLinksLinks = (halbeBreite - bildPanelW) / 2;
    const Zahl statusLinks = (breite - PStatusBarGroesse.width()) / 2;
    const Zahl statusOben = (hoehe - PStatusBarGroesse.height()) / 2;
    // Centred, but never above or left of the client area: the window scrolls
    // only down and right to a control, so a panel larger than the window
    // starts at 0.
    const Zahl anfangLinks = std::max<Zahl>((rechteHaelfteMitte2 - PAnfangsEinstellungenGroesse.width()) / 2, 0);
    const Zahl anfangOben = std::max<Zahl>((hoehe - PAnfangsEinstellungenGroesse.height()) / 2, 0);

    const bool passtIn32Bit =
        allePassen({bildHoehe, bildBreite, faktor, optimaleBreite, optimaleHoehe, kartenW, kartenH, kartenW - 2,
                    kartenH - 2, kartenLinks, kartenOben, bildPanelW, bildPanelH, bildPanelOben, bildRechtsLinks,
                    bildLinksLinks, statusLinks, statusOben, anfangLinks, anfangOben});
    const auto i = [](Zahl w) { return static_cast<int>(w); };
    a.BildHoehe = i(bildHoehe);
    a.BildBreite = i(bildBreite);
    a.OptimaleBreite = i(optimaleBreite);
    a.OptimaleHoehe = i(optimaleHoehe);
    a.Label3 = groessenText(QStringLiteral("Optimale Größe der Spielkarten: "), a.OptimaleBreite,
                            a.OptimaleHoehe);
    a.KartenBreite = i(kartenBreite);
    a.KartenHoehe = i(kartenHoehe);
    a.PKarten = QRect(i(kartenLinks), i(kartenOben), i(kartenW), i(kartenH));
    a.PBildRechts = QRect(i(bildRechtsLinks), i(bildPanelOben), i(bildPanelW), i(bildPanelH));
    a.PBildLinks = QRect(i(bildLinksLinks), i(bildPanelOben), i(bildPanelW), i(bildPanelH));
    a.Label1 = groessenText(QStringLiteral("Größe der Bilder auf diesem Monitor: "), a.BildBreite,
                            a.BildHoehe);
    a.Image3 = QSize(i(kartenW - 2), i(kartenH - 2));
    a.PStatusBar = QPoint(i(statusLinks), i(statusOben));
    a.PAnfangsEinstellungen = QPoint(i(anfangLinks), i(anfangOben));

    if (!passtIn32Bit) {
        a.Passt = false;
        a.Fehlertext = QStringLiteral("Das Spielfeld passt nicht auf diesen Bildschirm: Die "
                                      "Einstellungen ergeben zu große Zahlen.\n\r"
                                      "Bitte kleinere Werte")
            + iniHinweis;
    } else if (a.BildBreite <= 0 || a.BildHoehe <= 0) {
        a.Passt = false;
        a.Fehlertext = QStringLiteral("Das Spielfeld passt nicht auf diesen Bildschirm: Für Bilder "
                                      "im Format %1:%2 ist das Fenster zu klein.\n\r"
                                      "Bitte ein anderes Bildformat")
                           .arg(e.FormatX)
                           .arg(e.FormatY)
            + iniHinweis;
    } else if (automatisch && (a.OptimaleBreite <= 0 || a.OptimaleHoehe <= 0)) {
        a.Passt = false;
        a.Fehlertext = QStringLiteral("Das Spielfeld passt nicht auf diesen Bildschirm: %1 x %2 "
                                      "Karten mit Abständen von %3 und %4 Pixeln haben selbst in "
                                      "der kleinsten Größe von %5 x %6 Pixeln keinen Platz.\n\r"
                                      "Bitte weniger Karten oder kleinere Abstände")
                           .arg(e.Spalten)
                           .arg(e.Zeilen)
                           .arg(e.AbstandX)
                           .arg(e.AbstandY)
                           .arg(e.FormatX)
                           .arg(e.FormatY)
            + iniHinweis;
    } else if (a.KartenBreite <= 0 || a.KartenHoehe <= 0) {
        a.Passt = false;
        a.Fehlertext = QStringLiteral("Das Spielfeld kann nicht angelegt werden: Die Karten "
                                      "müssen breiter und höher als 0 Pixel sein.\n\r"
                                      "Bitte eine andere Kartengröße oder \"auto\"")
            + iniHinweis;
    }
    return a;
}
