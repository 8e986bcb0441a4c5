#include "board/Kartenrueckseite.h"

#include "platform/PaarlixFehler.h"
#include "platform/Systemfarben.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

int laengereSeite(int lang, int kurz)
{
    // 200 * lang is exact in a double; nearbyint rounds halves to even. The
    // cap keeps extreme proportions defined; the memory check refuses them.
    return static_cast<int>(std::min(std::nearbyint(200.0 * lang / kurz), double(INT_MAX)));
}

void zeichneSchachbrett(QImage& muster)
{
    const int pw = muster.width();
    const int ph = muster.height();
    const QPoint start = musterStart(muster.size());
    const QColor farbe = bgrFarbe(Musterfarbe);
    QPainter p(&muster);
    p.setPen(Qt::NoPen);
    bool versetzt = true;
    int y = start.y();
    for (int x = start.x(); x <= pw; x += 6) {
        for (; y <= ph; y += 12)
            p.fillRect(QRect(x, y, 6, 6), farbe);
        y = versetzt ? start.y() + 6 : start.y();
        versetzt = !versetzt;
    }
}

// Unscaled, clipped at the pattern's edges; pixels of exactly white are left out.
void zeichneOverlay(QImage& muster, const QImage& overlay, QPoint ecke)
{
    const QImage quelle = overlay.convertToFormat(QImage::Format_RGB32);
    const QRect ziel = QRect(ecke, quelle.size()).intersected(muster.rect());
    for (int y = ziel.top(); y <= ziel.bottom(); ++y) {
        const auto* von = reinterpret_cast<const QRgb*>(quelle.constScanLine(y - ecke.y()));
        auto* nach = reinterpret_cast<QRgb*>(muster.scanLine(y));
        for (int x = ziel.left(); x <= ziel.right(); ++x) {
            const QRgb farbe = von[x - ecke.x()];
            if ((farbe & 0xFFFFFF) != 0xFFFFFF)
                nach[x] = farbe | 0xFF000000;
        }
    }
}

// The one wording for lack of memory, with the details after it; the error
// handler appends the final full stop.
QString ohneSpeicher(const QString& was, QSize groesse)
{
    return QStringLiteral("Nicht genügend Arbeitsspeicher.\n\r%1 mit %2 x %3 Pixeln kann nicht angelegt werden")
        .arg(was)
        .arg(groesse.width())
        .arg(groesse.height());
}

} // namespace

QSize musterGroesse(int formatX, int formatY)
{
    QSize s(200, 200);
    if (formatX > formatY)
        s.setWidth(laengereSeite(formatX, formatY));
    if (formatY > formatX)
        s.setHeight(laengereSeite(formatY, formatX));
    return s;
}

QPoint musterStart(QSize muster)
{
    return QPoint(-1 - (muster.width() % 6) / 2, -1 - (muster.height() % 6) / 2);
}

QPoint overlayEcke(int formatX, int formatY, QSize muster)
{
    if (formatX >= formatY)
        return QPoint((muster.width() - muster.height()) / 2, 0);
    return QPoint(0, (muster.height() - muster.width()) / 2);
}

void zeichneKartenrueckseite(const QImage& overlay, int formatX, int formatY, int kartenBreite,
                             int kartenHoehe, QImage& rueckseitenMuster, QImage& kartentextBitmap)
{
    const QSize groesse = musterGroesse(formatX, formatY);
    rueckseitenMuster = QImage(groesse, QImage::Format_RGB32);
    if (rueckseitenMuster.isNull())
        throw EPaarlixFehler(ohneSpeicher(QStringLiteral("Das Muster der Kartenrückseite"), groesse));
    rueckseitenMuster.fill(Qt::white);

    zeichneSchachbrett(rueckseitenMuster);
    zeichneOverlay(rueckseitenMuster, overlay, overlayEcke(formatX, formatY, groesse));

    kartentextBitmap = rueckseitenMuster.scaled(kartenBreite, kartenHoehe, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
    if (kartentextBitmap.isNull())
        throw EPaarlixFehler(ohneSpeicher(QStringLiteral("Die Kartenrückseite"), QSize(kartenBreite, kartenHoehe)));
}
