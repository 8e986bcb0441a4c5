#include "karten/Fotohintergrund.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <random>

void maleHintergrund(QPainter& maler, QSize groesse, int farbton, bool umgekehrt,
                     unsigned saat)
{
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient verlauf(umgekehrt ? QPointF(b, 0) : QPointF(0, 0),
                            umgekehrt ? QPointF(0, h) : QPointF(b, h));
    verlauf.setColorAt(0.0, QColor::fromHsv(farbton, 60, 255));
    verlauf.setColorAt(0.55, QColor::fromHsv((farbton + 20) % 360, 120, 235));
    verlauf.setColorAt(1.0, QColor::fromHsv((farbton + 35) % 360, 190, 190));
    maler.fillRect(QRectF(0, 0, b, h), verlauf);

    // Out-of-focus lights, as in a photo with a blurred background.
    std::mt19937 zufall(saat);
    std::uniform_real_distribution<qreal> x(0, b), y(0, h), radius(25, 110);
    std::uniform_int_distribution<int> deckkraft(25, 70);
    maler.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF mitte(x(zufall), y(zufall));
        const qreal r = radius(zufall);
        QRadialGradient licht(mitte, r);
        licht.setColorAt(0.0, QColor(255, 255, 255, deckkraft(zufall)));
        licht.setColorAt(0.8, QColor(255, 255, 240, 20));
        licht.setColorAt(1.0, QColor(255, 255, 255, 0));
        maler.setBrush(licht);
        maler.drawEllipse(mitte, r, r);
    }

    QRadialGradient vignette(QPointF(b / 2, h / 2), std::max(b, h) * 0.75);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 80));
    maler.fillRect(QRectF(0, 0, b, h), vignette);
    maler.restore();
}
