#pragma once

#include "karten/Textkarte.h"

#include <QString>

#include <optional>

// What a card's JPEG says of itself before its picture data.
struct Kartenkommentar {
    // The first comment: for a text card exactly its text (line breaks
    // kept); else as the game reads it out (bildbeschreibung: "Description: "
    // removed, one line, camera makers' defaults as none). Empty without one.
    QString Text;
    // Set for a text card: by its mark after a text that is not blank, or,
    // without one, for a JPEG with a comment of exactly a name card's size
    // in one of the card formats (the name cards written before the mark
    // existed: ZuFoto).
    std::optional<Textseite> Textkarte;
    // Set for a sound card Paarlix drew (its mark after a name that is not
    // blank); Text is then the sound's name.
    bool Tonkarte = false;
    friend bool operator==(const Kartenkommentar&, const Kartenkommentar&) = default;
};

// Reads only the markers of the JPEG at `pfad` up to its first scan, in
// bounded pieces, and never decodes. A missing, unreadable, damaged or cut
// file, or one that is no regular file (a FIFO does not block), gives what
// was read before the fault, or nothing. Plain file reads: usable on any thread.
Kartenkommentar leseKartenkommentar(const QString& pfad);
