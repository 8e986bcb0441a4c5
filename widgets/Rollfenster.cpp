#include "widgets/Rollfenster.h"

#include "platform/Systemfarben.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
// The window's own background: the button-face colour of the current palette.
class Clientflaeche final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), buttonFaceFarbe()); }
};
} // namespace

Rollfenster::Rollfenster(QWidget* parent) : QScrollArea(parent), client_(new Clientflaeche)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(client_);
    client_->installEventFilter(this);
    viewport()->installEventFilter(this);
}

int Rollfenster::ClientWidth() const { return viewport()->width(); }
int Rollfenster::ClientHeight() const { return viewport()->height(); }

bool Rollfenster::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_) {
        if (event->type() == QEvent::ChildAdded) {
            auto* kind = static_cast<QChildEvent*>(event)->child();
            if (kind->isWidgetType())
                kind->installEventFilter(this);
        }
    } else if (watched == viewport()) {
        if (event->type() == QEvent::Resize)
            passeClientAn();
    } else if (watched->parent() == client_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            passeClientAn();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void Rollfenster::passeClientAn()
{
    int breite = viewport()->width();
    int hoehe = viewport()->height();
    for (QObject* kind : client_->children()) {
        auto* w = qobject_cast<QWidget*>(kind);
        if (!w || w->isHidden())
            continue;
        // Only the right and bottom edges count: a control past the left or
        // top edge does not make the window scroll.
        breite = qMax(breite, w->x() + w->width());
        hoehe = qMax(hoehe, w->y() + w->height());
    }
    if (client_->size() != QSize(breite, hoehe))
        client_->resize(breite, hoehe);
}
