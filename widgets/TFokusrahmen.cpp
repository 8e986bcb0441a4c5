#include "widgets/TFokusrahmen.h"

#include <QPainter>

TFokusrahmen::TFokusrahmen(QWidget* parent, const QColor& farbe) : QWidget(parent), farbe_(farbe)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TFokusrahmen::umrahme(const QRect& aussen, int dickeX, int dickeY)
{
    dickeX_ = dickeX;
    dickeY_ = dickeY;
    setGeometry(aussen);
    raise();
    update();
}

void TFokusrahmen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.fillRect(0, 0, w, dickeY_, farbe_);
    p.fillRect(0, h - dickeY_, w, dickeY_, farbe_);
    p.fillRect(0, 0, dickeX_, h, farbe_);
    p.fillRect(w - dickeX_, 0, dickeX_, h, farbe_);
}
