#pragma once

#include <QColor>

// Pen and brush of a bitmap's drawing surface. Only the state is kept here;
// drawing happens with QPainter configured from it.
struct Leinwand {
    QColor Stiftfarbe = Qt::black;
    int Stiftbreite = 1;
    QColor Pinselfarbe = Qt::white;
    Qt::BrushStyle Pinselstil = Qt::SolidPattern;
};
