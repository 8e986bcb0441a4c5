#pragma once

#include "board/Kartenformat.h"
#include "neuesspiel/Paarangabe.h"
#include "neuesspiel/Paarliste.h"

#include <QString>

#include <cstddef>
#include <optional>

// What a write would write, as far as the user can change it: each card's photo and text,
// the pairs per round (0: all) and the card format (none: the writer chooses).
struct Schreibstand {
    Paarangaben Paare;
    int JeRunde = 0;
    std::optional<Kartenformat> Format;
    bool TexteVorlesen = false;
    friend bool operator==(const Schreibstand&, const Schreibstand&) = default;
};

// Only the cards' photos and texts count: how a card is named or where it came from is no change.
Schreibstand schreibstand(const Paarangaben& paare, int jeRunde, const std::optional<Kartenformat>& format);

// The new-game window's editing, without widgets: where the game goes, what was last read or
// written there, and which unread cards of an edited game saving has already asked about.
class Bearbeitung {
public:
    explicit Bearbeitung(QString spieleordner) : spieleordner_(std::move(spieleordner)) {}

    // The folder new games go into; an edited game's own parent.
    const QString& spieleordner() const { return spieleordner_; }
    void setzeSpieleordner(const QString& ordner) { spieleordner_ = ordner; }
    // The game a write replaces (the edited one, or the one just written); empty: a new game.
    const QString& bearbeitet() const { return bearbeitet_; }
    bool ersetzt() const { return !bearbeitet_.isEmpty(); }
    // The edited game's card format, which the choice may show without offering it.
    const std::optional<Kartenformat>& spielformat() const { return spielformat_; }
    // "Neues Spiel", or "Spiel „Name“ bearbeiten" once there is a game to replace.
    QString titel() const;
    // Where a write goes and the line about it: a new game under its name, or the game replaced.
    Zielpruefung ziel(const Paarliste& liste, const QString& spielname) const;

    // Editing the game read from `ordner`, before its pairs join `liste`: what `liste` left out
    // so far is none of its cards.
    void beginne(const QString& ordner, const Kartenformat& format, const Paarliste& liste);
    // What was just read is saved; a written game is shown as written until it changes.
    void gelesen(const Schreibstand& stand);
    void geschrieben(const QString& ordner, const Schreibstand& stand);

    // Whether a write would write anything else than what was last read or written.
    bool geaendert(const Schreibstand& stand) const { return gespeichert_ != stand; }
    // Whether the game just written is still what the list shows. The first change ends it
    // until the next write, even if the list is changed back.
    bool geschriebenesAktuell(const Schreibstand& stand);
    // The question before closing throws the list away; empty when nothing would be lost.
    QString verlustfrage(const Paarliste& liste, const Schreibstand& stand) const;
    // Cards of the edited game that could not be read are not in the list, so saving drops them:
    // the question about the ones not yet asked about, empty when saving may go on.
    QString ungeleseneFrage(const Paarliste& liste) const;
    // The user agreed to drop them: not asked again.
    void ungeleseneVerworfen(const Paarliste& liste) { ausgelassenGefragt_ = liste.ausgelassen().size(); }

private:
    QString spieleordner_;
    QString bearbeitet_;
    std::optional<Kartenformat> spielformat_;
    std::optional<Schreibstand> gespeichert_; // none before anything was read or written
    bool geschriebenAktuell_ = false;
    std::size_t ausgelassenGefragt_ = 0; // the files left out that saving has asked about
};
