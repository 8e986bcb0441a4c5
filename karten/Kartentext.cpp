#include "karten/Kartentext.h"

#include "karten/Beschriftung.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QColor Dunkelrot(120, 20, 20);

QPolygonF stern(QPointF m, qreal r)
{
    QPolygonF punkte;
    for (int i = 0; i < 10; ++i) {
        const qreal winkel = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal abstand = (i % 2 == 0) ? r : r * 0.45;
        punkte << m + QPointF(std::cos(winkel) * abstand, std::sin(winkel) * abstand);
    }
    return punkte;
}

void maleRauten(QPainter& maler, QPointF m)
{
    constexpr int Anzahl = 20;
    const qreal ring = KartentextGroesse * 0.45;
    for (int i = 0; i < Anzahl; ++i) {
        const qreal winkel = i * 2 * std::numbers::pi / Anzahl;
        const QPointF p = m + QPointF(std::cos(winkel) * ring, std::sin(winkel) * ring);
        const QPointF aussen(std::cos(winkel) * 7, std::sin(winkel) * 7);
        const QPointF quer(-std::sin(winkel) * 4, std::cos(winkel) * 4);
        maler.setBrush(i % 2 == 0 ? QColor(200, 30, 40) : QColor(30, 70, 200));
        maler.drawPolygon(QPolygonF({p + aussen, p + quer, p - aussen, p - quer}));
    }
}

// Each letter in its own colour, the word centred on `m` and at most
// `maxBreite` wide.
void maleSchriftzug(QPainter& maler, QPointF m, qreal maxBreite)
{
    static const std::array<QColor, 7> farben = {
        QColor(210, 20, 30), QColor(235, 120, 0), QColor(20, 150, 40), QColor(20, 70, 210),
        QColor(140, 30, 170), QColor(200, 20, 120), QColor(0, 130, 140)};
    const QString wort = QStringLiteral("Paarlix");

    int pixel = 44;
    QFont schrift = beschriftungsschrift(pixel, false);
    while (pixel > 8 && QFontMetricsF(schrift).horizontalAdvance(wort) > maxBreite)
        schrift = beschriftungsschrift(--pixel, false);
    const QFontMetricsF mass(schrift);

    std::vector<QPainterPath> buchstaben;
    QRectF rahmen;
    for (qsizetype i = 0; i < wort.size(); ++i) {
        QPainterPath pfad;
        pfad.addText(mass.horizontalAdvance(wort.left(i)), 0, schrift, QString(wort[i]));
        rahmen = rahmen.united(pfad.boundingRect());
        buchstaben.push_back(pfad);
    }
    const QPointF verschiebung = m - rahmen.center();
    for (std::size_t i = 0; i < buchstaben.size(); ++i) {
        const QPainterPath pfad = buchstaben[i].translated(verschiebung);
        maler.fillPath(pfad.translated(1, 1), Dunkelrot);
        maler.fillPath(pfad, farben[i % farben.size()]);
    }
}

} // namespace

QImage zeichneKartentext()
{
    QImage bild(KartentextGroesse, KartentextGroesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    const QPointF mitte(KartentextGroesse / 2.0, KartentextGroesse / 2.0);

    maler.setPen(QPen(Dunkelrot, 1));
    maleRauten(maler, mitte);

    maler.setBrush(QColor(255, 220, 90));
    maler.drawPolygon(stern(mitte + QPointF(0, -52), 20));
    maler.drawPolygon(stern(mitte + QPointF(0, 52), 20));

    maler.setPen(QPen(Dunkelrot, 3));
    maler.setBrush(QColor(255, 244, 200));
    maler.drawRoundedRect(QRectF(14, mitte.y() - 26, KartentextGroesse - 28, 52), 12, 12);

    maleSchriftzug(maler, mitte, KartentextGroesse - 40);
    maler.end();
    return bild.convertToFormat(QImage::Format_RGB888);
}
