#include "widgets/TLabel.h"

#include "platform/Systemfarben.h"
#include "widgets/TPanel.h"
#include "widgets/Textstil.h"

#include <QPainter>

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void TLabel::setzeHintergrund(Hintergrund h)
{
    hintergrund_ = h;
    update();
}

void TLabel::setzeSchrift(const QString& name, int pixelHoehe, bool fett, bool unterstrichen)
{
    setFont(schrift(name, pixelHoehe, fett, unterstrichen));
}

void TLabel::setzeTextfarbe(const QColor& farbe)
{
    ::setzeTextfarbe(*this, farbe);
}

void TLabel::setzeBeschriftung(const QString& text)
{
    setText(text);
    if (AutomatischeGroesse)
        adjustSize();
}

void TLabel::setzeGekuerztenText(const QString& text, int breite)
{
    setText(fontMetrics().elidedText(text, Qt::ElideRight, qMax(breite, 0)));
    setToolTip(text);
    setAccessibleName(text);
}

int TLabel::textbreite(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text);
}

QColor TLabel::textfarbe() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void TLabel::paintEvent(QPaintEvent* event)
{
    if (hintergrund_ != Hintergrund::Transparent) {
        QColor farbe = buttonFaceFarbe();
        if (hintergrund_ == Hintergrund::Elternfarbe)
            if (const auto* panel = qobject_cast<const TPanel*>(parentWidget()))
                farbe = panel->sichtbareFarbe();
        QPainter(this).fillRect(rect(), farbe);
    }
    QLabel::paintEvent(event);
}
