#include "board/Bildschirmaufteilung.h"

#include <climits>
#include <cmath>

namespace {

// 32-bit arithmetic as the layout prescribes, but an overflow or a division
// by zero is remembered instead of being undefined.
class Rechnung {
public:
    int plus(int a, int b) { int r = 0; ueberlauf_ |= __builtin_add_overflow(a, b, &r); return r; }
    int minus(int a, int b) { int r = 0; ueberlauf_ |= __builtin_sub_overflow(a, b, &r); return r; }
    int mal(int a, int b) { int r = 0; ueberlauf_ |= __builtin_mul_overflow(a, b, &r); return r; }
    // Truncates toward zero.
    int div(int a, int b)
    {
        if (b == 0 || (a == INT_MIN && b == -1)) {
            ueberlauf_ = true;
            return 0;
        }
        return a / b;
    }
    // A real value truncated toward zero.
    int abgeschnitten(double v)
    {
        const double t = std::trunc(v);
        if (!std::isfinite(t) || t < INT_MIN || t > INT_MAX) {
            ueberlauf_ = true;
            return 0;
        }
        return static_cast<int>(t);
    }
    bool ueberlauf() const { return ueberlauf_; }

private:
    bool ueberlauf_ = false;
};

QString groessenText(const QString& anfang, int breite, int hoehe)
{
    return anfang + QString::number(breite) + QStringLiteral(" x ") + QString::number(hoehe)
        + QStringLiteral(" Pixel");
}

const QString iniHinweis = QStringLiteral(" in der Datei \"Paarlix.ini\" eintragen.");

} // namespace

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

    Rechnung m;
    const int halbeBreite = clientBreite / 2;

    // Large picture from the height, or from the width if it is too wide for half the window.
    a.BildHoehe = m.mal(m.div(m.minus(clientHoehe, 4), e.FormatY), e.FormatY);
    a.BildBreite = m.mal(m.div(a.BildHoehe, e.FormatY), e.FormatX);
    if (halbeBreite < m.plus(a.BildBreite, 4)) {
        a.BildBreite = m.mal(m.div(m.minus(halbeBreite, 4), e.FormatX), e.FormatX);
        a.BildHoehe = m.mal(m.div(a.BildBreite, e.FormatX), e.FormatY);
    }

    // Optimal card size; an odd client width keeps its half pixel here.
    const double zaehlerX = clientBreite * 0.5 - 2 - 50 - double(e.Spalten - 1) * e.AbstandX;
    const int faktorX = m.abgeschnitten(zaehlerX / (double(e.Spalten) * e.FormatX));
    const int zaehlerY = m.minus(m.minus(m.minus(clientHoehe, 2), 50), m.mal(m.minus(e.Zeilen, 1), e.AbstandY));
    const int faktorY = m.abgeschnitten(double(zaehlerY) / double(m.mal(e.Zeilen, e.FormatY)));
    const int faktor = faktorX < faktorY ? faktorX : faktorY;
    a.OptimaleBreite = m.mal(e.FormatX, faktor);
    a.OptimaleHoehe = m.mal(e.FormatY, faktor);
    a.Label3 = groessenText(QStringLiteral("Optimale Größe der Spielkarten: "), a.OptimaleBreite,
                            a.OptimaleHoehe);

    const bool automatisch = e.KartenBreite == AutoKartenBreite;
    a.KartenBreite = automatisch ? a.OptimaleBreite : e.KartenBreite;
    a.KartenHoehe = automatisch ? a.OptimaleHoehe : e.KartenHoehe;

    const int kartenW = m.plus(m.plus(m.mal(m.minus(e.Spalten, 1), e.AbstandX), 52), m.mal(e.Spalten, a.KartenBreite));
    const int kartenH = m.plus(m.plus(m.mal(m.minus(e.Zeilen, 1), e.AbstandY), 52), m.mal(e.Zeilen, a.KartenHoehe));
    a.PKarten = QRect(m.div(m.minus(halbeBreite, kartenW), 2), m.div(m.minus(clientHoehe, kartenH), 2), kartenW, kartenH);

    const int bildPanelW = m.plus(a.BildBreite, 4);
    const int bildPanelH = m.plus(a.BildHoehe, 4);
    const int bildPanelTop = m.div(m.minus(clientHoehe, bildPanelH), 2);
    const int rechteHaelfteMitte2 = m.plus(clientBreite, halbeBreite); // twice the right half's centre
    a.PBildRechts = QRect(m.div(m.minus(rechteHaelfteMitte2, bildPanelW), 2), bildPanelTop, bildPanelW, bildPanelH);
    a.PBildLinks = QRect(m.div(m.minus(halbeBreite, bildPanelW), 2), bildPanelTop, bildPanelW, bildPanelH);

    a.Label1 = groessenText(QStringLiteral("Größe der Bilder auf diesem Monitor: "), a.BildBreite,
                            a.BildHoehe);
    a.Image3 = QSize(m.minus(kartenW, 2), m.minus(kartenH, 2));

    a.PStatusBar = QPoint(m.div(m.minus(clientBreite, PStatusBarGroesse.width()), 2),
                          m.div(m.minus(clientHoehe, PStatusBarGroesse.height()), 2));
    // Centred, but never above or left of the client area: the window scrolls
    // only down and right to a control, so a panel larger than the window
    // starts at 0.
    a.PAnfangsEinstellungen =
        QPoint(qMax(m.div(m.minus(rechteHaelfteMitte2, PAnfangsEinstellungenGroesse.width()), 2), 0),
               qMax(m.div(m.minus(clientHoehe, PAnfangsEinstellungenGroesse.height()), 2), 0));

    if (m.ueberlauf()) {
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
