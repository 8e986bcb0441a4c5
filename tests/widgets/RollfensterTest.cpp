#include "widgets/Rollfenster.h"

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

struct Balken {
    bool waagrecht;
    bool senkrecht;
};

Balken balken(const Rollfenster& f)
{
    QCoreApplication::processEvents();
    return {f.horizontalScrollBar()->isVisible(), f.verticalScrollBar()->isVisible()};
}

} // namespace

// A visible control past the right or bottom edge brings a scroll bar for that direction; one
// past the left or top edge brings none; hiding the control removes the bar again. The control's
// own geometry never changes.
TEST(Rollfenster, onlyTheRightAndBottomEdgesBringScrollBars)
{
    struct Fall {
        const char* name;
        QRect geometrie;
        Balken erwartet;
    };
    const Fall faelle[] = {
        {"inside", {10, 10, 100, 50}, {false, false}},
        {"past right", {250, 10, 100, 50}, {true, false}},
        {"past bottom", {10, 180, 100, 50}, {false, true}},
        {"past left and top", {-60, -40, 100, 80}, {false, false}},
        {"wider than the window from the left", {-60, 10, 420, 50}, {true, false}},
    };
    for (const Fall& f : faelle) {
        Rollfenster fenster;
        fenster.resize(300, 200);
        fenster.show();
        auto* kind = new QWidget(fenster.Client());
        kind->setGeometry(f.geometrie);
        kind->show();
        const Balken sichtbar = balken(fenster);
        EXPECT_EQ(sichtbar.waagrecht, f.erwartet.waagrecht) << f.name;
        EXPECT_EQ(sichtbar.senkrecht, f.erwartet.senkrecht) << f.name;
        EXPECT_EQ(kind->geometry(), f.geometrie) << f.name;

        kind->hide();
        const Balken versteckt = balken(fenster);
        EXPECT_FALSE(versteckt.waagrecht) << f.name;
        EXPECT_FALSE(versteckt.senkrecht) << f.name;
        EXPECT_EQ(kind->geometry(), f.geometrie) << f.name;
    }
}

// Without scroll bars the client area is the whole window.
TEST(Rollfenster, withoutScrollBarsTheClientAreaIsTheWholeWindow)
{
    Rollfenster fenster;
    fenster.resize(320, 240);
    fenster.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster.ClientWidth(), 320);
    EXPECT_EQ(fenster.ClientHeight(), 240);
}
