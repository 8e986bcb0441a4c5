#include "demo/DemoZahlenbild.h"

#include "karten/Beschriftung.h"

#include <QPainter>
#include <QRadialGradient>
#include <QStringList>

#include <array>
#include <vector>

namespace {

const QStringList& zahlwoerter()
{
    static const QStringList woerter = {"eins", "zwei", "drei", "vier", "fünf",
                                        "sechs", "sieben", "acht", "neun", "zehn"};
    return woerter;
}

// Dots per row, chosen so that each count is easy to see at a glance.
const std::vector<int>& reihen(int anzahl)
{
    static const std::array<std::vector<int>, 10> tabelle = {{
        {1}, {2}, {1, 2}, {2, 2}, {2, 1, 2}, {3, 3}, {2, 3, 2}, {3, 2, 3}, {3, 3, 3}, {3, 4, 3},
    }};
    return tabelle[static_cast<std::size_t>(anzahl - 1)];
}

} // namespace

void maleZiffer(QPainter& maler, QSize groesse, int anzahl, const QColor& farbe)
{
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath ziffer =
        zentrierterText(QString::number(anzahl), int(h * 0.52), QPointF(b / 2, h * 0.42), b * 0.85);
    zeichneUmrandet(maler, ziffer.translated(6, 8), QColor(0, 0, 0, 60), QColor(0, 0, 0, 40), 10);
    zeichneUmrandet(maler, ziffer, farbe, Qt::white, 10);
    const QPainterPath wort = zentrierterText(zahlwoerter()[anzahl - 1], int(h * 0.11),
                                              QPointF(b / 2, h * 0.82), b * 0.8);
    zeichneUmrandet(maler, wort, farbe, Qt::white, 5);
    maler.restore();
}

void malePunkte(QPainter& maler, QSize groesse, int anzahl, const QColor& farbe)
{
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    const qreal radius = b * 0.095;
    const qreal spaltenAbstand = b * 0.25;
    const qreal zeilenAbstand = h * 0.25;
    const std::vector<int>& zeilen = reihen(anzahl);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    const qreal oben = h / 2 - zeilenAbstand * (qreal(zeilen.size()) - 1) / 2;
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const qreal y = oben + zeilenAbstand * qreal(z);
        const qreal links = b / 2 - spaltenAbstand * (zeilen[z] - 1) / 2;
        for (int s = 0; s < zeilen[z]; ++s) {
            const QPointF mitte(links + spaltenAbstand * s, y);
            maler.setPen(Qt::NoPen);
            maler.setBrush(QColor(0, 0, 0, 60));
            maler.drawEllipse(mitte + QPointF(5, 7), radius, radius);
            QRadialGradient glanz(mitte - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
            glanz.setColorAt(0.0, farbe.lighter(160));
            glanz.setColorAt(1.0, farbe);
            maler.setBrush(glanz);
            maler.setPen(QPen(Qt::white, 8));
            maler.drawEllipse(mitte, radius, radius);
        }
    }
    maler.restore();
}
