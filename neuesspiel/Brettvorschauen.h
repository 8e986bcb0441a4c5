#pragma once

#include "neuesspiel/Brettvorschau.h"

#include <optional>
#include <utility>

// Which board to show while a worker answers questions one at a time, as thumbnails
// arrive one by one: the latest question wins. An answer to an older question is dropped;
// a question that is being answered or was answered is not asked again. While only the
// names changed, the board answered before is shown.
class Brettvorschauen {
public:
    struct Schritt {
        Brettvorschau Zeigen;             // "Spielfeld wird berechnet …" (not Gut) while open
        std::optional<Brettfrage> Starte; // to be answered by the worker
    };
    Schritt frage(const Brettfrage& frage);
    // The worker's answer to `frage`, the last question Starte gave; returns the next one.
    std::optional<Brettfrage> beantwortet(const Brettfrage& frage, const Brettvorschau& antwort);

private:
    std::optional<Brettfrage> gefragt_;
    bool rechnet_ = false;
    std::optional<std::pair<Brettfrage, Brettvorschau>> antwort_;
};
