#pragma once

#include "pictures/Bildwerkstatt.h"
#include "platform/Vorlaufpool.h"

#include <QColor>
#include <QSize>
#include <QStringList>

#include <memory>
#include <vector>

// The deal's picture work on the look-ahead pool: every worker renders with
// a workshop of its own, the caller takes the pictures in list order.
class Vorausdarsteller {
public:
    struct Auftrag {
        QStringList Dateinamen;   // picture k is Dateinamen[k]
        std::vector<QSize> Ziele; // every picture is rendered for each of these
        QString Modus;
        QColor Randfarbe;
        bool Verkleinert = true;  // reduced-scale decoding where the targets allow it
        Spieldateien Ordner;      // where the files are looked up; read by every worker
    };

    // arbeiter >= 1 threads; vorlauf >= 1 pictures ready or in work beyond the one taken.
    Vorausdarsteller(Auftrag auftrag, int arbeiter, int vorlauf);

    // Picture k's renderings; waits until they are ready and rethrows the
    // picture's error, which names the picture also for a lack of memory.
    // k = 0, 1, 2, ... each once, in this order.
    Mehrfachdarstellung hole(int k);

    // Threads as many as the machine has cores, at least one.
    static int kerne() { return rechenkerne(); }

private:
    // Shared with the workers' jobs; declared first, so that it outlives the pool.
    std::shared_ptr<const Auftrag> auftrag_;
    Vorlaufpool<Mehrfachdarstellung> pool_;
};
