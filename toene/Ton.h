#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A sound as mono 16-bit samples.
struct Tonproben {
    int Rate = 0; // samples per second
    std::vector<std::int16_t> Proben;
    double sekunden() const { return Rate > 0 ? double(Proben.size()) / Rate : 0.0; }
};

// A sound read or made, or why not: Fehler is a German sentence naming the
// cause ("ist länger als 10 Sekunden", "ist keine Tondatei", ...), without the
// file's name, which the caller puts before it.
struct Tonergebnis {
    std::optional<Tonproben> Ton;
    QString Fehler;
    explicit operator bool() const { return Ton.has_value(); }
};
