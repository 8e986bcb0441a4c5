#pragma once

#include <QString>

#include <vector>

// One card of a pair as the user gives it: a photo, or a text drawn on a card,
// either with a sound; or a sound alone, drawn as a sound card.
struct Kartenangabe {
    QString Foto = {}; // the photo's path; empty for a text card
    QString Text = {}; // the text card's text (Foto empty)
    // How the photo is named to the user where that differs from Foto (a
    // name that is not valid UTF-8 is opened through another path); empty: Foto.
    QString Anzeigename = {};
    // Where the user gave the card ("Zeile 3, Spalte 2"), put before a refusal
    // that concerns it; empty when the card is named by its photo alone.
    QString Herkunft = {};
    QString Ton = {};     // the sound file's path; empty: no sound
    QString Tonname = {}; // a sound card's name where typed; empty: the file's base name
    // Where the user gave the sound ("Zeile 3, Spalte 3" for a list's third
    // column) and its field as written; empty: Herkunft, and the path.
    QString TonHerkunft = {};
    QString Tonanzeigename = {};

    const QString& tonHerkunft() const { return TonHerkunft.isEmpty() ? Herkunft : TonHerkunft; }
    const QString& tonanzeige() const { return Tonanzeigename.isEmpty() ? Ton : Tonanzeigename; }

    bool istFoto() const { return !Foto.isEmpty(); }
    bool istNurTon() const { return Foto.isEmpty() && Text.isEmpty() && !Ton.isEmpty(); }
    bool leer() const { return Foto.isEmpty() && Text.isEmpty() && Ton.isEmpty(); }
    QString name() const { return Anzeigename.isEmpty() ? Foto : Anzeigename; }
    friend bool operator==(const Kartenangabe&, const Kartenangabe&) = default;
};

// A pair: the first card and the second. An empty second card shows the
// first card's photo again; a text with a photo is that photo's name card.
struct Paarangabe {
    Kartenangabe Erste;
    Kartenangabe Zweite;
    friend bool operator==(const Paarangabe&, const Paarangabe&) = default;
};

using Paarangaben = std::vector<Paarangabe>;
