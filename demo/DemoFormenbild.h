#pragma once

#include <QColor>
#include <QSize>
#include <QString>

class QPainter;

// A shape of the demo with its German name and the name of its colour.
struct DemoForm {
    QString Name;     // "Kreis", "Dreieck", ...
    QString Farbname; // "rot", "blau", ...
    QColor Farbe;
};

inline constexpr int AnzahlDemoFormen = 5;

// 0 <= index < AnzahlDemoFormen
const DemoForm& demoForm(int index);

// Picture a of a shape pair: the shape, filled in its colour.
// 0 <= index < AnzahlDemoFormen
void maleForm(QPainter& maler, QSize groesse, int index);

// Picture b of a shape pair: the shape's name written in its colour, the
// colour's name below.
// 0 <= index < AnzahlDemoFormen
void maleFormName(QPainter& maler, QSize groesse, int index);
