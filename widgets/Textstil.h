#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

// A font by name and pixel height (the character height, not the point
// size), so that the look does not depend on the screen's dpi.
inline QFont schrift(const QString& name, int pixelHoehe, bool fett = false, bool unterstrichen = false)
{
    QFont f(name);
    f.setPixelSize(pixelHoehe);
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    return f;
}

// The text colour of a label, button or field. Only the enabled states are
// set, so a disabled control is still drawn greyed.
inline void setzeTextfarbe(QWidget& w, const QColor& farbe)
{
    QPalette pal = w.palette();
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(gruppe, QPalette::WindowText, farbe);
        pal.setColor(gruppe, QPalette::ButtonText, farbe);
        pal.setColor(gruppe, QPalette::Text, farbe);
    }
    w.setPalette(pal);
}
