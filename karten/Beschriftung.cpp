#include "karten/Beschriftung.h"

#include <QFont>
#include <QPainter>
#include <QPen>

#include <cmath>

QFont beschriftungsschrift(int pixelGroesse, bool geglaettet)
{
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(pixelGroesse);
    if (!geglaettet)
        schrift.setStyleStrategy(QFont::NoAntialias);
    return schrift;
}

namespace {

QPainterPath textPfad(const QString& text, int pixelGroesse, bool geglaettet)
{
    QPainterPath pfad;
    pfad.addText(0, 0, beschriftungsschrift(pixelGroesse, geglaettet), text);
    return pfad;
}

} // namespace

QPainterPath zentrierterText(const QString& text, int pixelGroesse, QPointF mitte,
                             qreal maxBreite, bool geglaettet)
{
    QPainterPath pfad = textPfad(text, pixelGroesse, geglaettet);
    const qreal breite = pfad.boundingRect().width();
    if (breite > maxBreite) {
        const int kleiner = static_cast<int>(std::floor(pixelGroesse * maxBreite / breite));
        pfad = textPfad(text, std::max(kleiner, 1), geglaettet);
    }
    return pfad.translated(mitte - pfad.boundingRect().center());
}

void zeichneUmrandet(QPainter& maler, const QPainterPath& pfad, const QColor& fuellung,
                     const QColor& rand, qreal randBreite)
{
    maler.save();
    QPen stift(rand, randBreite * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    maler.strokePath(pfad, stift);
    maler.fillPath(pfad, fuellung);
    maler.restore();
}
