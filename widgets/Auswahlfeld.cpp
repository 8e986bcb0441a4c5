#include "widgets/Auswahlfeld.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

class Auswahlzugang final : public QAccessibleWidget {
public:
    explicit Auswahlzugang(Auswahlfeld* feld) : QAccessibleWidget(feld, QAccessible::ComboBox) {}

    QString text(QAccessible::Text art) const override
    {
        if (art == QAccessible::Value)
            return feld()->currentText();
        return QAccessibleWidget::text(art);
    }
    QAccessible::State state() const override
    {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.expandable = true;
        zustand.expanded = feld()->view() && feld()->view()->isVisible();
        zustand.collapsed = !zustand.expanded;
        return zustand;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& aktion) override
    {
        if (aktion == showMenuAction() || aktion == pressAction())
            feld()->showPopup();
        else
            QAccessibleWidget::doAction(aktion);
    }

private:
    Auswahlfeld* feld() const { return static_cast<Auswahlfeld*>(widget()); }
};

QAccessibleInterface* auswahlzugang(const QString&, QObject* objekt)
{
    if (auto* feld = dynamic_cast<Auswahlfeld*>(objekt))
        return new Auswahlzugang(feld);
    return nullptr;
}

} // namespace

Auswahlfeld::Auswahlfeld(QWidget* eltern) : QComboBox(eltern)
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(auswahlzugang);
        return true;
    }();
    (void)eingerichtet;
}
