#include "app/Knopfbild.h"

#include <QPainter>

namespace {
// Colours of the classic 16-colour palette.
const QColor Magenta(255, 0, 255);
const QColor Blau(0, 0, 255);
const QColor Cyan(0, 255, 255);
const QColor Gelb(255, 255, 0);
const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);
const QColor Marine(0, 0, 128);

void kartenruecken(QImage& img, const QRect& r, int feld)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const bool rand = x == r.left() || x == r.right() || y == r.top() || y == r.bottom();
            const bool dunkel = ((x - r.left()) / feld + (y - r.top()) / feld) % 2 == 0;
            img.setPixelColor(x, y, rand ? Marine : (dunkel ? Blau : Cyan));
        }
}

// A yellow card with two eyes and a mouth bent up (smiling) or down.
void gesicht(QImage& img, const QRect& r, bool laechelnd)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Marine);
    p.setBrush(Gelb);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const int cx = r.left() + r.width() / 2;
    const int augenY = r.top() + r.height() / 3;
    img.setPixelColor(cx - 2, augenY, Schwarz);
    img.setPixelColor(cx + 2, augenY, Schwarz);
    const int mundY = r.top() + (r.height() * 2) / 3;
    const int bogen = laechelnd ? 1 : -1;
    for (int dx = -2; dx <= 2; ++dx) {
        const int y = (dx == -2 || dx == 2) ? mundY - bogen : mundY;
        img.setPixelColor(cx + dx, y, Schwarz);
    }
}

// Pixels of the background colour become fully transparent.
QImage mitTransparenz(const QImage& img, const QColor& hintergrund)
{
    QImage ergebnis = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb h = hintergrund.rgb();
    for (int y = 0; y < ergebnis.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(ergebnis.scanLine(y));
        for (int x = 0; x < ergebnis.width(); ++x)
            if (zeile[x] == h)
                zeile[x] = qRgba(0, 0, 0, 0);
    }
    return ergebnis;
}
} // namespace

QImage losGehtsBild()
{
    QImage img(36, 36, QImage::Format_RGB32);
    img.fill(Magenta);
    kartenruecken(img, QRect(1, 1, 10, 14), 2);
    gesicht(img, QRect(12, 1, 10, 14), true);
    kartenruecken(img, QRect(23, 1, 10, 14), 2);
    gesicht(img, QRect(1, 17, 10, 14), false);
    kartenruecken(img, QRect(12, 17, 10, 14), 2);
    // The emblem: a red diamond in the lower right corner.
    for (int y = 0; y < 11; ++y) {
        const int halb = y <= 5 ? y : 10 - y;
        for (int x = 29 - halb; x <= 29 + halb; ++x)
            img.setPixelColor(x, 24 + y, Rot);
    }
    return mitTransparenz(img, img.pixelColor(0, img.height() - 1));
}

QIcon fenstersymbol()
{
    QIcon symbol;
    for (const int groesse : {16, 32, 48, 64, 128, 256})
        symbol.addFile(QStringLiteral(":/paarlix/symbol/%1.png").arg(groesse), QSize(groesse, groesse));
    return symbol;
}
