#include "demo/DemoFormenbild.h"

#include "karten/Beschriftung.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

namespace {

const QColor Umriss(40, 30, 30);

// A shape of the given index, filling a square of side `s` around `m`.
QPainterPath formPfad(int index, QPointF m, qreal s)
{
    const qreal r = s / 2;
    QPainterPath pfad;
    switch (index) {
    case 0: // Kreis
        pfad.addEllipse(m, r, r);
        break;
    case 1: // Dreieck
        pfad.addPolygon(QPolygonF({m + QPointF(0, -r), m + QPointF(r, r * 0.75),
                                   m + QPointF(-r, r * 0.75), m + QPointF(0, -r)}));
        break;
    case 2: // Quadrat
        pfad.addRect(QRectF(m.x() - r * 0.85, m.y() - r * 0.85, r * 1.7, r * 1.7));
        break;
    case 3: { // Stern
        QPolygonF spitzen;
        for (int i = 0; i <= 10; ++i) {
            const qreal winkel = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const qreal abstand = (i % 2 == 0) ? r : r * 0.42;
            spitzen << m + QPointF(std::cos(winkel) * abstand, std::sin(winkel) * abstand);
        }
        pfad.addPolygon(spitzen);
        break;
    }
    default: // Herz
        pfad.moveTo(m + QPointF(0, r * 0.95));
        pfad.cubicTo(m + QPointF(-r * 1.3, r * 0.1), m + QPointF(-r * 0.9, -r * 1.05),
                     m + QPointF(0, -r * 0.45));
        pfad.cubicTo(m + QPointF(r * 0.9, -r * 1.05), m + QPointF(r * 1.3, r * 0.1),
                     m + QPointF(0, r * 0.95));
        break;
    }
    return pfad;
}

} // namespace

const DemoForm& demoForm(int index)
{
    static const std::array<DemoForm, AnzahlDemoFormen> formen = {{
        {"Kreis", "rot", QColor(220, 30, 40)},
        {"Dreieck", "blau", QColor(30, 80, 220)},
        {"Quadrat", "grün", QColor(20, 160, 60)},
        {"Stern", "gelb", QColor(250, 210, 20)},
        {"Herz", "lila", QColor(150, 50, 190)},
    }};
    return formen[static_cast<std::size_t>(index)];
}

void maleForm(QPainter& maler, QSize groesse, int index)
{
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath form = formPfad(index, QPointF(b / 2, h / 2), b * 0.75);
    zeichneUmrandet(maler, form.translated(8, 10), QColor(0, 0, 0, 60), QColor(0, 0, 0, 40), 8);
    zeichneUmrandet(maler, form, demoForm(index).Farbe, Umriss, 8);
    maler.restore();
}

void maleFormName(QPainter& maler, QSize groesse, int index)
{
    const qreal b = groesse.width();
    const qreal h = groesse.height();
    const DemoForm& form = demoForm(index);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath name = zentrierterText(form.Name, int(h * 0.2), QPointF(b / 2, h * 0.42), b * 0.88);
    zeichneUmrandet(maler, name.translated(5, 7), QColor(0, 0, 0, 60), QColor(0, 0, 0, 40), 6);
    zeichneUmrandet(maler, name, form.Farbe, Umriss, 6);
    const QPainterPath farbname =
        zentrierterText(form.Farbname, int(h * 0.11), QPointF(b / 2, h * 0.7), b * 0.6);
    zeichneUmrandet(maler, farbname, Umriss, Qt::white, 5);
    maler.restore();
}
