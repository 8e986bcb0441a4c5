#pragma once

#include <QString>

#include <functional>

struct zip;
struct Archiveintrag;

// Takes the next piece of an entry; returns errno, or 0.
using Eintragsziel = std::function<int(const char* daten, qint64 laenge)>;

struct Eintragslesung {
    QString Grund;        // why the entry is refused (a clause in German); empty when it is not
    int Systemfehler = 0; // errno of the first failed write, or of reading the archive
    bool gelungen() const { return Grund.isEmpty() && Systemfehler == 0; }
};

// Streams the entry to ziel in large pieces, never more than its declared
// size: an entry that holds more or less, or whose checksum is wrong, is
// refused (a packed bomb stops one byte past what it declared).
Eintragslesung liesEintrag(zip* archiv, const Archiveintrag& eintrag, const Eintragsziel& ziel);
