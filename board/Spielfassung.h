#pragma once

#include <QString>

#include <sys/types.h>

// Which version of a game folder lies at a path. Saving an edited game
// exchanges the whole folder for a new one; a settings file or a picture added
// by hand changes the folder or its settings file. A picture overwritten in
// place is not seen.
struct Spielfassung {
    bool Vorhanden = false; // the path names a folder
    dev_t Geraet = 0;
    ino_t Knoten = 0;
    long long Geaendert = 0; // the folder's modification time, in nanoseconds
    // The settings file: its identity, size and modification time; all 0 without one.
    ino_t EinstellungenKnoten = 0;
    long long EinstellungenGroesse = 0;
    long long EinstellungenGeaendert = 0;

    friend bool operator==(const Spielfassung&, const Spielfassung&) = default;
};

// The version of the game folder at `ordner` now.
Spielfassung spielfassung(const QString& ordner);

// Whether the game at the path was replaced or changed since `vorher` was
// taken. A folder gone (deleted, or between the two renames of a save
// without the exchange) holds nothing newer: the game is played on as dealt.
bool spielGeaendert(const Spielfassung& vorher, const QString& ordner);
