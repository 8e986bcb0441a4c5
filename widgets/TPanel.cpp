#include "widgets/TPanel.h"

#include "platform/Systemfarben.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void TPanel::setzeFarbe(std::optional<QColor> farbe)
{
    farbe_ = farbe;
    update();
}

QColor TPanel::sichtbareFarbe() const
{
    return farbe_ ? *farbe_ : buttonFaceFarbe();
}

namespace {
// One-pixel bevel along the rectangle r: raised is light top-left, dark bottom-right.
void zeichneKante(QPainter& p, const QRect& r, TPanel::Kante kante, const QPalette& pal)
{
    if (kante == TPanel::Kante::Keine || r.width() <= 0 || r.height() <= 0)
        return;
    const QColor hell = pal.color(QPalette::Light);
    const QColor dunkel = pal.color(QPalette::Dark);
    const QColor obenLinks = kante == TPanel::Kante::Erhaben ? hell : dunkel;
    const QColor untenRechts = kante == TPanel::Kante::Erhaben ? dunkel : hell;
    p.setPen(obenLinks);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(untenRechts);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}
} // namespace

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), sichtbareFarbe());
    const QPalette pal = palette();
    QRect r = rect();
    zeichneKante(p, r, KanteAussen, pal);
    if (KanteAussen != Kante::Keine)
        r.adjust(1, 1, -1, -1);
    zeichneKante(p, r, KanteInnen, pal);
}
