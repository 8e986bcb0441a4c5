#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

// The user's current button-face colour, resolved each time it is used.
inline QColor buttonFaceFarbe()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
}

// Colours given as 0x00BBGGRR values.
inline QColor bgrFarbe(unsigned int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
