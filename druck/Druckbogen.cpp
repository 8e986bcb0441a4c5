#include "druck/Druckbogen.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double MarkenAbstandMm = 2.0;  // between a mark and the cards
constexpr double MarkenLaengeMm = 5.0;

// The edges of n cards filled row by row into a grid starting at ecke.
void zieheLinien(Druckseite& s, QPointF ecke, QSizeF karte, int spalten, int n)
{
    const int volleZeilen = n / spalten;
    const int rest = n % spalten;
    const int zeilen = volleZeilen + (rest > 0 ? 1 : 0);
    const int genutzteSpalten = volleZeilen > 0 ? spalten : rest;
    const double x0 = ecke.x();
    const double y0 = ecke.y();
    const double w = karte.width();
    const double h = karte.height();
    for (int j = 0; j <= zeilen; ++j) {
        const int breite = j <= volleZeilen ? genutzteSpalten : rest;
        s.Schnittlinien.emplace_back(x0, y0 + j * h, x0 + breite * w, y0 + j * h);
    }
    for (int i = 0; i <= genutzteSpalten; ++i) {
        const int hoehe = (rest > 0 && i <= rest) ? zeilen : volleZeilen;
        s.Schnittlinien.emplace_back(x0 + i * w, y0, x0 + i * w, y0 + hoehe * h);
    }
    // Marks above and below every vertical edge, left and right of every horizontal one.
    const double unten = y0 + zeilen * h;
    const double rechts = x0 + genutzteSpalten * w;
    const double a = MarkenAbstandMm;
    const double l = MarkenLaengeMm;
    for (int i = 0; i <= genutzteSpalten; ++i) {
        const double x = x0 + i * w;
        s.Schnittmarken.emplace_back(x, y0 - a - l, x, y0 - a);
        s.Schnittmarken.emplace_back(x, unten + a, x, unten + a + l);
    }
    for (int j = 0; j <= zeilen; ++j) {
        const double y = y0 + j * h;
        s.Schnittmarken.emplace_back(x0 - a - l, y, x0 - a, y);
        s.Schnittmarken.emplace_back(rechts + a, y, rechts + a + l, y);
    }
}

QLineF gespiegelt(const QLineF& l, double breite)
{
    return QLineF(breite - l.x1(), l.y1(), breite - l.x2(), l.y2());
}

} // namespace

QSizeF kartenGroesseMm(int formatX, int formatY, int langeSeiteMm)
{
    const double lang = langeSeiteMm;
    if (formatX >= formatY)
        return QSizeF(lang, lang * formatY / formatX);
    return QSizeF(lang * formatX / formatY, lang);
}

Druckbogen planeDruckbogen(int paare, int formatX, int formatY, const Druckoptionen& optionen)
{
    Druckbogen b;
    b.SeiteMm = optionen.Seite.size(QPageSize::Millimeter);
    const int lang = std::clamp(optionen.LangeSeiteMm, KleinsteSeiteMm, GroessteSeiteMm);
    b.KarteMm = kartenGroesseMm(formatX, formatY, lang);
    const double nutzbarB = b.SeiteMm.width() - 2 * DruckrandMm;
    const double nutzbarH = b.SeiteMm.height() - 2 * DruckrandMm;
    // A hair of tolerance: a card that fits exactly must not be lost to rounding of the page size.
    b.Spalten = std::max(0, int(std::floor(nutzbarB / b.KarteMm.width() + 1e-9)));
    b.Zeilen = std::max(0, int(std::floor(nutzbarH / b.KarteMm.height() + 1e-9)));
    if (b.Spalten == 0 || b.Zeilen == 0) {
        b.Fehler = QStringLiteral("Eine Karte von %1 × %2 mm passt nicht auf die Seite %3.")
                       .arg(b.KarteMm.width())
                       .arg(b.KarteMm.height())
                       .arg(optionen.Seite.name());
        return b;
    }
    const QPointF ecke(DruckrandMm + (nutzbarB - b.Spalten * b.KarteMm.width()) / 2,
                       DruckrandMm + (nutzbarH - b.Zeilen * b.KarteMm.height()) / 2);

    std::vector<Druckkarte> reihe;
    const int karten = 2 * std::max(0, paare);
    for (int k = 0; k < karten; ++k) {
        Druckkarte c;
        if (optionen.PaareNebeneinander) {
            c.Paar = k / 2 + 1;
            c.ZweitesBild = k % 2 == 1;
        } else {
            c.Paar = k % paare + 1;
            c.ZweitesBild = k >= paare;
        }
        reihe.push_back(c);
    }

    const int proSeite = b.Spalten * b.Zeilen;
    for (int anfang = 0; anfang < karten; anfang += proSeite) {
        const int n = std::min(proSeite, karten - anfang);
        Druckseite vorne;
        for (int i = 0; i < n; ++i) {
            Druckkarte c = reihe[std::size_t(anfang + i)];
            c.Rechteck = QRectF(ecke.x() + (i % b.Spalten) * b.KarteMm.width(),
                                ecke.y() + (i / b.Spalten) * b.KarteMm.height(), b.KarteMm.width(),
                                b.KarteMm.height());
            vorne.Karten.push_back(c);
        }
        zieheLinien(vorne, ecke, b.KarteMm, b.Spalten, n);
        b.Seiten.push_back(vorne);
        if (optionen.OhneRueckseiten)
            continue;
        Druckseite hinten;
        hinten.Rueckseite = true;
        const double breite = b.SeiteMm.width();
        for (Druckkarte c : vorne.Karten) {
            c.Rechteck.moveLeft(breite - c.Rechteck.right());
            hinten.Karten.push_back(c);
        }
        for (const QLineF& l : vorne.Schnittlinien)
            hinten.Schnittlinien.push_back(gespiegelt(l, breite));
        for (const QLineF& l : vorne.Schnittmarken)
            hinten.Schnittmarken.push_back(gespiegelt(l, breite));
        b.Seiten.push_back(hinten);
    }
    return b;
}
