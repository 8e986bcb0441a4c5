#include "pictures/Vorausdarsteller.h"

#include <algorithm>
#include <stdexcept>

Vorausdarsteller::Vorausdarsteller(Auftrag auftrag, int arbeiter, int vorlauf)
    : auftrag_(std::move(auftrag)), vorlauf_(std::max(vorlauf, 1)), ersterFehler_(int(auftrag_.Dateinamen.size())),
      fertig_(auftrag_.Dateinamen.size())
{
    const int anzahl = std::clamp(arbeiter, 1, std::max(1, int(auftrag_.Dateinamen.size())));
    threads_.reserve(std::size_t(anzahl));
    try {
        for (int i = 0; i < anzahl; ++i)
            threads_.emplace_back([this] { arbeite(); });
    } catch (...) {
        // Threads that did start must not outlive us.
        stoppe();
        throw;
    }
}

Vorausdarsteller::~Vorausdarsteller()
{
    stoppe();
}

void Vorausdarsteller::stoppe()
{
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        halt_ = true;
    }
    arbeitFrei_.notify_all();
    for (std::thread& t : threads_)
        if (t.joinable())
            t.join();
    threads_.clear();
}

int Vorausdarsteller::kerne()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}

void Vorausdarsteller::arbeite()
{
    // Nothing may leave a thread: a workshop that cannot be built fails each picture it takes.
    std::unique_ptr<Bildwerkstatt> werkstatt;
    std::exception_ptr ohneWerkstatt;
    try {
        werkstatt = std::make_unique<Bildwerkstatt>();
    } catch (...) {
        ohneWerkstatt = std::current_exception();
    }
    std::unique_lock<std::mutex> sperre(mutex_);
    while (true) {
        arbeitFrei_.wait(sperre, [this] {
            return halt_ || naechster_ >= ersterFehler_ || naechster_ < genommen_ + vorlauf_;
        });
        if (halt_ || naechster_ >= ersterFehler_)
            return;
        const int k = naechster_++;
        sperre.unlock();

        Ergebnis e;
        try {
            if (!werkstatt)
                std::rethrow_exception(ohneWerkstatt);
            e.darstellung = werkstatt->darstelle(auftrag_.Dateinamen[k], auftrag_.Ziele, auftrag_.Modus,
                                                auftrag_.Randfarbe, auftrag_.Verkleinert, auftrag_.Ordner);
        } catch (...) {
            e.fehler = std::current_exception();
        }

        const bool fehlgeschlagen = bool(e.fehler);
        sperre.lock();
        if (fehlgeschlagen)
            ersterFehler_ = std::min(ersterFehler_, k + 1);
        fertig_[std::size_t(k)] = std::move(e);
        ergebnisDa_.notify_all();
    }
}

Mehrfachdarstellung Vorausdarsteller::hole(int k)
{
    std::unique_lock<std::mutex> sperre(mutex_);
    // A picture after a failed one is never rendered: asking for it is a caller's fault.
    if (k < genommen_ || k >= int(fertig_.size()))
        throw std::logic_error("Vorausdarsteller: Bild außer der Reihe verlangt");
    std::optional<Ergebnis>& platz = fertig_[std::size_t(k)];
    ergebnisDa_.wait(sperre, [&] { return platz.has_value() || k >= ersterFehler_; });
    if (!platz)
        throw std::logic_error("Vorausdarsteller: Bild nach einem Fehler verlangt");
    Ergebnis e = std::move(*platz);
    platz.reset();
    genommen_ = k + 1;
    sperre.unlock();
    arbeitFrei_.notify_all();
    if (e.fehler)
        std::rethrow_exception(e.fehler);
    return std::move(e.darstellung);
}
