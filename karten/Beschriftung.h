#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QString>

class QFont;
class QPainter;

// The bold sans-serif of the lettering on cards and demo pictures, `pixelGroesse` pixels high;
// without antialiasing when `geglaettet` is false. pixelGroesse > 0
QFont beschriftungsschrift(int pixelGroesse, bool geglaettet = true);

// Outline of `text` in a bold sans-serif of `pixelGroesse` pixels, shrunk to
// at most `maxBreite` pixels wide, its bounding box centred on `mitte`.
// Empty when no font is available. pixelGroesse > 0, maxBreite > 0
QPainterPath zentrierterText(const QString& text, int pixelGroesse, QPointF mitte,
                             qreal maxBreite, bool geglaettet = true);

// Fills `pfad` with `fuellung` and draws its outline in `rand`, `randBreite`
// pixels wide (the outline lies under the fill, so it only shows outside).
void zeichneUmrandet(QPainter& maler, const QPainterPath& pfad, const QColor& fuellung,
                     const QColor& rand, qreal randBreite);
