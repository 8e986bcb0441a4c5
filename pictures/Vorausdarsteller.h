#pragma once

#include "pictures/Bildwerkstatt.h"

#include <QColor>
#include <QSize>
#include <QStringList>

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Renders a list of picture files on worker threads, each with a workshop
// of its own, while the caller takes the results strictly in list order.
// Workers stay at most a few pictures ahead of the caller, so memory holds
// no more than those; they stop at the first failure and are joined when
// the object goes, so no thread outlives it.
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
    ~Vorausdarsteller();
    Vorausdarsteller(const Vorausdarsteller&) = delete;
    Vorausdarsteller& operator=(const Vorausdarsteller&) = delete;

    // Picture k's renderings; waits until they are ready and rethrows the
    // picture's error. k = 0, 1, 2, ... each once, in this order.
    Mehrfachdarstellung hole(int k);

    // Threads as many as the machine has cores, at least one.
    static int kerne();

private:
    struct Ergebnis {
        Mehrfachdarstellung darstellung;
        std::exception_ptr fehler;
    };

    void arbeite();
    void stoppe();

    const Auftrag auftrag_;
    const int vorlauf_;
    std::mutex mutex_;
    std::condition_variable arbeitFrei_;
    std::condition_variable ergebnisDa_;
    int naechster_ = 0;  // next picture a worker starts
    int genommen_ = 0;   // pictures the caller has taken
    int ersterFehler_;   // no picture after a failed one is started
    bool halt_ = false;
    // One slot per picture, so that a finished worker never allocates under the lock.
    std::vector<std::optional<Ergebnis>> fertig_;
    std::vector<std::thread> threads_;
};
