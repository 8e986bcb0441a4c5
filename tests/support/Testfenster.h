#pragma once

#include "app/Unit1.h"
#include "platform/Fehlerbehandlung.h"
#include "widgets/TPanel.h"
#include "support/MeldungsRecorder.h"
#include "support/SkriptZufall.h"
#include "support/TestUhr.h"

#include <QCoreApplication>
#include <QWidget>
#include <deque>
#include <memory>

// The main window with recorded message boxes, a stepping clock and a scripted
// random source: the one way tests build it. Build it after the game folder has
// been written: the window reads "Paarlix.ini" when it is created.
class Testfenster {
public:
    explicit Testfenster(std::deque<int> zahlen = {}, unsigned seed = 1, double uhrschritt = 1e-9)
        : uhr(uhrschritt)
    {
        Fehlerbehandlung::setzeMeldungen(&meldungen);
        auto z = std::make_unique<SkriptZufall>(std::move(zahlen), seed);
        zufall = z.get();
        form = std::make_unique<TForm1>(meldungen, uhr, std::move(z));
    }
    ~Testfenster()
    {
        form.reset();
        Fehlerbehandlung::setzeMeldungen(nullptr);
    }
    Testfenster(const Testfenster&) = delete;
    Testfenster& operator=(const Testfenster&) = delete;

    // Shows the window; the platform activates it, which builds the game.
    void aktiviere()
    {
        form->zeigen();
        QCoreApplication::processEvents();
    }

    // Direct children of the board panel: the background and one container per row.
    int brettKinder() const
    {
        return int(form->PKarten->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
    }
    // Every widget inside the board panel, at any depth.
    int brettWidgets() const { return int(form->PKarten->findChildren<QWidget*>().size()); }

    MeldungsRecorder meldungen;
    TestUhr uhr;
    SkriptZufall* zufall = nullptr;
    std::unique_ptr<TForm1> form;
};
