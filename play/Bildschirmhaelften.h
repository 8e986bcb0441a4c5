#pragma once

// What the left half of the screen shows.
enum class LinkeHaelfte { Karten, BildLinks };     // PKarten or PBildLinks
// What the right half of the screen shows.
enum class RechteHaelfte { BekommeneKarten, BildRechts }; // PBekommeneKarten or PBildRechts

struct Bildschirmhaelften {
    LinkeHaelfte Links = LinkeHaelfte::Karten;
    RechteHaelfte Rechts = RechteHaelfte::BekommeneKarten;

    bool operator==(const Bildschirmhaelften&) const = default;
};
