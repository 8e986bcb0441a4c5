#include "pictures/Bildzeichnung.h"

#include "pictures/Arbeitsbitmap.h"
#include "pictures/Flaechenmittel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace {

// The fewest eighths, 1, 2, 4 or 8, at which `teil` full-size pixels still
// give at least twice `ziel` (1.98 times already blurs sharp text). Only these
// scales have libjpeg-turbo's fast reduced transforms; the others cost more
// than full size.
int noetigeAchtel(long long teil, long long ziel)
{
    for (int m = 1; m < 8; m *= 2)
        if (teil * m >= 16 * ziel)
            return m;
    return 8;
}

// Decoded pixels per full-size pixel along one axis. libjpeg's scale is M/8
// with sizes rounded up, so M is recovered exactly where that fits.
double massstab(int voll, int dekodiert)
{
    const int m = std::clamp(int(std::lround(8.0 * dekodiert / voll)), 1, 8);
    if ((static_cast<long long>(voll) * m + 7) / 8 == dekodiert)
        return m / 8.0;
    return double(dekodiert) / voll;
}

bool istVoll(const Arbeitsbitmap& quelle, QSize voll)
{
    return quelle.Width() == voll.width() && quelle.Height() == voll.height();
}

// Scales the full-size rectangle von of a reduced-scale decode into nach of
// ziel, with the rectangle's edges mapped exactly, between pixels if need be.
void streckeVerkleinert(const Arbeitsbitmap& quelle, QSize voll, const QRect& von, QImage& ziel, const QRect& nach)
{
    const double fx = massstab(voll.width(), quelle.Width());
    const double fy = massstab(voll.height(), quelle.Height());
    const QRectF abgebildet(von.x() * fx, von.y() * fy, von.width() * fx, von.height() * fy);
    mittleFlaeche(quelle.ansicht(), abgebildet, ziel, nach);
}

} // namespace

int achtelFuerZiele(int W, int H, const std::vector<Passgeometrie>& geometrien)
{
    int achtel = 1;
    for (const Passgeometrie& g : geometrien) {
        if (g.Unskaliert || W < 1 || H < 1)
            return 8;
        achtel = std::max({achtel, noetigeAchtel(g.Quelle.width(), g.Ziel.width()),
                           noetigeAchtel(g.Quelle.height(), g.Ziel.height())});
    }
    return std::clamp(achtel, 1, 8);
}

QImage skaliereAusschnitt(const Arbeitsbitmap& quelle, QSize voll, const QRect& vollAusschnitt, QSize groesse)
{
    if (!istVoll(quelle, voll)) {
        QImage skaliert(groesse, QImage::Format_RGB32);
        if (skaliert.isNull())
            throw std::bad_alloc();
        streckeVerkleinert(quelle, voll, vollAusschnitt, skaliert, QRect(QPoint(0, 0), groesse));
        return skaliert;
    }
    // A view of the decoded pixels: the crop costs no copy.
    const QImage ausschnitt = quelle.ansicht(vollAusschnitt);
    if (ausschnitt.isNull())
        return QImage();
    QImage skaliert = ausschnitt.size() == groesse
        ? ausschnitt.copy()
        : ausschnitt.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Qt reports a failed allocation with a null image.
    if (skaliert.isNull())
        throw std::bad_alloc();
    if (skaliert.format() != QImage::Format_RGB32)
        skaliert.convertTo(QImage::Format_RGB32);
    return skaliert;
}

void maleRaender(QImage& bild, const QRect& ziel, const QColor& farbe)
{
    const int TW = bild.width(), TH = bild.height();
    const int dx = ziel.x(), dy = ziel.y(), dw = ziel.width(), dh = ziel.height();
    QPainter p(&bild);
    const auto rand = [&](int links, int oben, int rechts, int unten) {
        if (rechts > links && unten > oben)
            p.fillRect(QRect(links, oben, rechts - links, unten - oben), farbe);
    };
    if (dx > 0) {
        rand(0, 0, dx, TH);
        rand(dx + dw, 0, TW, TH);
    }
    if (dy > 0) {
        rand(0, 0, TW, dy);
        rand(0, dy + dh, TW, TH);
    }
}

NeuesBild zeichneNeu(const Arbeitsbitmap& quelle, QSize voll, int TW, int TH, const Passgeometrie& g,
                     const QColor& farbe)
{
    const bool vollstaendig = istVoll(quelle, voll);
    NeuesBild ergebnis;
    if (vollstaendig && voll == QSize(TW, TH)) {
        ergebnis.Bild = quelle.kopie();
        if (ergebnis.Bild.isNull() && TW > 0 && TH > 0)
            throw std::bad_alloc();
        ergebnis.GleicheGroesse = true;
        return ergebnis;
    }

    const QRect ganz(0, 0, TW, TH);
    if (vollstaendig && !g.Unskaliert && g.Ziel == ganz) {
        // The scaled picture is the cell's bitmap itself.
        ergebnis.Bild = skaliereAusschnitt(quelle, voll, g.Quelle, ganz.size());
        return ergebnis;
    }

    QImage bild(std::max(TW, 0), std::max(TH, 0), QImage::Format_RGB32);
    if (bild.isNull() && TW > 0 && TH > 0)
        throw std::bad_alloc();
    if (g.Ziel != ganz)
        bild.fill(Qt::white);
    if (!vollstaendig) {
        // Scaled straight into the cell's bitmap.
        if (!g.Ziel.isEmpty())
            streckeVerkleinert(quelle, voll, g.Quelle, bild, g.Ziel.intersected(ganz));
    } else if (g.Unskaliert) {
        QPainter p(&bild);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(g.Ziel.topLeft(), quelle.ansicht());
    } else if (!g.Ziel.isEmpty()) {
        const QImage skaliert = skaliereAusschnitt(quelle, voll, g.Quelle, g.Ziel.size());
        const QRect sichtbar = g.Ziel.intersected(ganz);
        for (int y = sichtbar.top(); y <= sichtbar.bottom(); ++y)
            std::memcpy(bild.scanLine(y) + std::size_t(sichtbar.left()) * 4,
                        skaliert.constScanLine(y - g.Ziel.top()) + std::size_t(sichtbar.left() - g.Ziel.left()) * 4,
                        std::size_t(sichtbar.width()) * 4);
    }
    maleRaender(bild, g.Ziel, farbe);
    ergebnis.Bild = bild;
    return ergebnis;
}
