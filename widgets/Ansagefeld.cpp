#include "widgets/Ansagefeld.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
class Ansagezugang final : public QAccessibleWidget {
public:
    explicit Ansagezugang(Ansagefeld* feld) : QAccessibleWidget(feld, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ansageFabrik(const QString&, QObject* object)
{
    if (auto* feld = qobject_cast<Ansagefeld*>(object))
        return new Ansagezugang(feld);
    return nullptr;
}
} // namespace

Ansagefeld::Ansagefeld(QWidget* parent) : QLabel(parent)
{
    static const bool zugang = [] {
        QAccessible::installFactory(ansageFabrik);
        return true;
    }();
    Q_UNUSED(zugang);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void Ansagefeld::ansagen(const QString& text)
{
    setText(text);
    // A screen reader speaks a notification when it appears, and an alert
    // where the bridge knows that event.
    hide();
    show();
    QAccessibleEvent alarm(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alarm);
}

void Ansagefeld::paintEvent(QPaintEvent*)
{
}
