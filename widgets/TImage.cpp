#include "widgets/TImage.h"

#include "platform/Fehlerbehandlung.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QPainter>

namespace {
QAccessibleInterface* bildFabrik(const QString&, QObject* object);
} // namespace

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    static const bool zugang = [] {
        QAccessible::installFactory(bildFabrik);
        return true;
    }();
    Q_UNUSED(zugang);
    // Nothing behind the picture is ours to paint: an empty control shows its parent.
    setAttribute(Qt::WA_NoSystemBackground);
}

void TImage::setzeBild(const QImage& img)
{
    bild_ = img;
    update();
}

QImage& TImage::zeichenbitmap()
{
    if (bild_.isNull())
        bild_ = neueWeisseBitmap(width(), height());
    return bild_;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (bild_.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    if (Stretch)
        p.drawImage(rect(), bild_);
    else
        p.drawImage(QPoint(0, 0), bild_);
}

namespace {
// Time and place of the last press that began a click, on any image control:
// during a card turn no event is taken, so the second press of a double click
// may reach the control that has turned up under the pointer in the meantime.
struct LetzterDruck {
    bool gueltig = false;
    quint64 zeit = 0;
    QPointF ort;
};
LetzterDruck letzterDruck;

bool zweiterDruckEinesDoppelklicks(const QMouseEvent& event)
{
    if (!letzterDruck.gueltig || event.timestamp() < letzterDruck.zeit)
        return false;
    const auto abstand = (event.globalPosition() - letzterDruck.ort).manhattanLength();
    return event.timestamp() - letzterDruck.zeit < quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval())
           && abstand <= QGuiApplication::styleHints()->startDragDistance();
}
} // namespace

void TImage::mousePressEvent(QMouseEvent* event)
{
    gedrueckt_ = false;
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    if (zweiterDruckEinesDoppelklicks(*event)) {
        letzterDruck.gueltig = false;
        return;
    }
    gedrueckt_ = true;
    letzterDruck = {true, event->timestamp(), event->globalPosition()};
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
    if (klick)
        klicken();
}

namespace {
// A screen reader sees a clickable picture as a button it can press.
class TImageZugang final : public QAccessibleWidget {
public:
    explicit TImageZugang(TImage* bild) : QAccessibleWidget(bild, QAccessible::Graphic) {}

    QAccessible::Role role() const override { return bild()->OnClick ? QAccessible::Button : QAccessible::Graphic; }
    QStringList actionNames() const override
    {
        QStringList namen = QAccessibleWidget::actionNames();
        if (bild()->OnClick)
            namen.prepend(pressAction());
        return namen;
    }
    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Only what a mouse could click.
        if (bild()->OnClick && bild()->isVisible() && bild()->isEnabled())
            bild()->klicken();
    }

private:
    TImage* bild() const { return static_cast<TImage*>(widget()); }
};

QAccessibleInterface* bildFabrik(const QString&, QObject* object)
{
    if (auto* bild = qobject_cast<TImage*>(object))
        return new TImageZugang(bild);
    return nullptr;
}
} // namespace

void TImage::klicken()
{
    if (OnClick) {
        const auto handler = OnClick; // the handler may rebind OnClick
        Fehlerbehandlung::ausfuehren([&] { handler(this); });
    }
}
