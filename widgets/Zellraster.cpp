#include "widgets/Zellraster.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

QHash<const QObject*, Zellraster>& raster()
{
    static QHash<const QObject*, Zellraster> alle;
    return alle;
}

class Rasterzugang;

// One cell: a button without a widget of its own.
class Zellzugang final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Zellzugang(QWidget* panel, int zeile, int spalte) : panel_(panel), zeile_(zeile), spalte_(spalte) {}

    bool isValid() const override { return panel_ && raster().contains(panel_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(panel_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const Zellraster& r = raster()[panel_];
        if (t == QAccessible::Name)
            return r.Name(zeile_, spalte_);
        if (t == QAccessible::Description)
            return r.Beschreibung(zeile_, spalte_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = raster()[panel_].Rechteck(zeile_, spalte_);
        return QRect(panel_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.focused = panel_->hasFocus() && raster()[panel_].Fokus() == QPoint(spalte_, zeile_);
        s.disabled = !panel_->isEnabled() || !anklickbar();
        s.invisible = !panel_->isVisible();
        s.offscreen = s.invisible;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override
    {
        return isValid() && anklickbar() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override
    {
        // Only what a mouse could click: a shown and enabled board.
        if (name == pressAction() && isValid() && panel_->isVisible() && panel_->isEnabled() && anklickbar())
            raster()[panel_].Klicken(zeile_, spalte_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    bool anklickbar() const { return raster()[panel_].Anklickbar(zeile_, spalte_); }

private:
    QPointer<QWidget> panel_;
    int zeile_;
    int spalte_;
};

// What was last told of a cell, to tell only its changes.
struct Zellmerk {
    QAccessible::Id id = 0;
    QString name;
    bool anklickbar = false;
};

// The panel: a group of its cells.
class Rasterzugang final : public QAccessibleWidget {
public:
    explicit Rasterzugang(QWidget* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}
    ~Rasterzugang() override
    {
        for (const Zellmerk& m : std::as_const(zellen_))
            QAccessible::deleteAccessibleInterface(m.id);
    }

    int childCount() const override { return anzahl(); }
    QAccessibleInterface* child(int index) const override
    {
        const QSize g = groesse();
        if (index < 0 || index >= anzahl())
            return nullptr;
        return zelle(index / g.width(), index % g.width());
    }
    int indexOfChild(const QAccessibleInterface* kind) const override
    {
        for (auto it = zellen_.cbegin(); it != zellen_.cend(); ++it)
            if (QAccessible::accessibleInterface(it->id) == kind)
                return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QSize g = groesse();
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        for (int zeile = 0; zeile < g.height(); ++zeile)
            for (int spalte = 0; spalte < g.width(); ++spalte)
                if (zeile * g.width() + spalte < anzahl() && r().Rechteck(zeile, spalte).contains(p))
                    return zelle(zeile, spalte);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!widget()->hasFocus() || groesse().isEmpty())
            return nullptr;
        const QPoint f = r().Fokus();
        return zelle(f.y(), f.x());
    }

    Zellzugang* zelle(int zeile, int spalte) const
    {
        const int index = zeile * groesse().width() + spalte;
        auto it = zellen_.find(index);
        if (it == zellen_.end()) {
            auto* z = new Zellzugang(widget(), zeile, spalte);
            Zellmerk m{QAccessible::registerAccessibleInterface(z), z->text(QAccessible::Name), z->anklickbar()};
            it = zellen_.insert(index, m);
        }
        return static_cast<Zellzugang*>(QAccessible::accessibleInterface(it->id));
    }

    // Events for the cells whose name or state changed since the last telling.
    void meldeAenderungen()
    {
        for (Zellmerk& m : zellen_) {
            auto* z = static_cast<Zellzugang*>(QAccessible::accessibleInterface(m.id));
            const QString name = z->text(QAccessible::Name);
            if (name != m.name) {
                m.name = name;
                QAccessibleEvent e(z, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&e);
            }
            const bool anklickbar = z->anklickbar();
            if (anklickbar != m.anklickbar) {
                m.anklickbar = anklickbar;
                QAccessible::State geaendert;
                geaendert.disabled = true;
                QAccessibleStateChangeEvent e(z, geaendert);
                QAccessible::updateAccessibility(&e);
            }
        }
    }

private:
    const Zellraster& r() const { return raster()[widget()]; }
    QSize groesse() const { return raster().contains(widget()) ? r().Groesse() : QSize(); }
    int anzahl() const
    {
        const QSize g = groesse();
        const int alle = g.width() * g.height();
        return alle > 0 && r().Anzahl ? std::clamp(r().Anzahl(), 0, alle) : alle;
    }

    mutable QHash<int, Zellmerk> zellen_;
};

QAccessibleInterface* rasterFabrik(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && raster().contains(object))
        return new Rasterzugang(static_cast<QWidget*>(object));
    return nullptr;
}

Rasterzugang* zugangVon(QWidget* panel)
{
    if (!QAccessible::isActive() || !raster().contains(panel))
        return nullptr;
    return dynamic_cast<Rasterzugang*>(QAccessible::queryAccessibleInterface(panel));
}

} // namespace

void meldeZellraster(QWidget* panel, Zellraster r)
{
    // Before the first query, so that the panel's own interface is ours.
    static const bool eingerichtet = [] {
        QAccessible::installFactory(rasterFabrik);
        return true;
    }();
    Q_UNUSED(eingerichtet);
    raster().insert(panel, std::move(r));
    // An interface made for the panel before it answered for its cells is dropped.
    QAccessibleInterface* alt = QAccessible::queryAccessibleInterface(panel);
    if (alt && !dynamic_cast<Rasterzugang*>(alt))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(alt));
    QObject::connect(panel, &QObject::destroyed, [panel] { raster().remove(panel); });
}

void zellrasterAktualisieren(QWidget* panel)
{
    if (Rasterzugang* z = zugangVon(panel))
        z->meldeAenderungen();
}

void zellrasterFokusMelden(QWidget* panel)
{
    Rasterzugang* z = zugangVon(panel);
    if (!z || !panel->hasFocus())
        return;
    if (QAccessibleInterface* zelle = z->focusChild()) {
        QAccessibleEvent e(zelle, QAccessible::Focus);
        QAccessible::updateAccessibility(&e);
    }
}
