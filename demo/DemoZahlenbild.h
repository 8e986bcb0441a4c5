#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// Picture a of a number pair: the numeral large, its German word below it.
// 1 <= anzahl <= 10
void maleZiffer(QPainter& maler, QSize groesse, int anzahl, const QColor& farbe);

// Picture b of a number pair: the same count as dots in rows.
// 1 <= anzahl <= 10
void malePunkte(QPainter& maler, QSize groesse, int anzahl, const QColor& farbe);
