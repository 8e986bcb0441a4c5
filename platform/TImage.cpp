#include "platform/TImage.h"

#include "platform/Fehlerbehandlung.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    // Nothing behind the picture is ours to paint: an empty control shows its parent.
    setAttribute(Qt::WA_NoSystemBackground);
}

void TImage::setPicture(const QImage& img)
{
    picture_ = img;
    update();
}

QImage& TImage::Zeichenbitmap()
{
    if (picture_.isNull())
        picture_ = neueWeisseBitmap(width(), height());
    return picture_;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    if (Stretch)
        p.drawImage(rect(), picture_);
    else
        p.drawImage(QPoint(0, 0), picture_);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    gedrueckt_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is no new click: a child's double
    // click on a card must not also click the picture that turned up under it.
    gedrueckt_ = false;
    event->accept();
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and release of the left button on the control.
    const bool klick = gedrueckt_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    gedrueckt_ = false;
    event->accept();
    if (klick && OnClick) {
        const auto handler = OnClick; // the handler may rebind OnClick
        Fehlerbehandlung::ausfuehren([&] { handler(this); });
    }
}
